#include "FirstAndBest.h"
#include "RosterGenerator.h"
#include "exchange/RosterExport.h"
#include "roster/Roster.h"
#include "store/RosterCopy.h"
#include "store/RosterError.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QSqlRecord>
#include <QTemporaryDir>
#include <QTextStream>
#include <functional>

// bench_server ADDRESS [MEMBERS] [SEED]: the start-up lists, Show Best Times, Show Available and
// an import on a generated roster (default 10,000 members, all selected), on a roster file and on
// the PostgreSQL database at ADDRESS (empty; it is filled), side by side. Times are wall
// milliseconds: the first run, then the best of five.

namespace {

QTextStream out(stdout);

// Leaves the standard zones, so that an import starts from a new roster.
void empty(const Database& db)
{
    for (const char* sql : {"DELETE FROM Members", "DELETE FROM Divisions", "DELETE FROM Schedules",
                            "DELETE FROM Times", "DELETE FROM TimeZones WHERE TZ_PK > 8"})
        db.exec(QString::fromLatin1(sql));
}

QList<std::pair<double, double>> measureStore(const Database& db, const QString& exchangeFile)
{
    Preferences preferences;
    preferences.timeGranularity = 15;
    Roster roster(db, preferences);
    QList<RecordKey> members;
    for (const QSqlRecord& row : db.all(QStringLiteral("SELECT MBR_PK FROM Members")))
        members << row.value(0).toByteArray();
    QList<std::pair<double, double>> times;
    times << firstAndBest([&] {
        roster.divisionList();
        roster.zoneList();
        roster.memberList();
    });
    // A change by another officer drops the session's week: each run reads it again.
    times << firstAndBest([&] {
        emit roster.membersChanged();
        roster.bestTimes(roster.viewpoint(), members, {});
    });
    times << firstAndBest([&] {
        emit roster.membersChanged();
        roster.showAvailable(roster.viewpoint(), members, QStringLiteral("12/08/2026"),
                             QStringLiteral("8:00 PM"), {});
    });
    double first = 0, best = 1e9;
    for (int run = 0; run < 3; ++run) {
        empty(db);
        QElapsedTimer timer;
        timer.start();
        roster.importFile(exchangeFile);
        const double ms = timer.nsecsElapsed() / 1e6;
        first = run == 0 ? ms : first;
        best = std::min(best, ms);
    }
    times << std::pair {first, best};
    return times;
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    if (argc < 2) {
        QTextStream(stderr) << "bench_server ADDRESS [MEMBERS] [SEED]: ADDRESS names an empty PostgreSQL "
                               "database (postgresql://user@host/dbname).\n";
        return 1;
    }
    const int count = argc > 2 ? QByteArray(argv[2]).toInt() : 10000;
    const quint32 seed = argc > 3 ? QByteArray(argv[3]).toUInt() : 1;
    QTemporaryDir dir;
    try {
        const QString path = dir.filePath(QStringLiteral("ClanRoster.mdb"));
        const auto summary = RosterGenerator::writeFile(path, count, seed);
        const QString exchangeFile = dir.filePath(QStringLiteral("all.tlx"));
        const Database file = Database::open(path);
        ExportDivisions(file, summary.divisions, exchangeFile);
        const Database server = Database::open(QString::fromLocal8Bit(argv[1]));
        RosterCopy::copy(file, server);
        out << "Roster: " << summary.members.size() << " members (all selected), " << summary.timesRows
            << " Times rows, seed " << seed << "\n\n";
        const auto onFile = measureStore(file, exchangeFile);
        const auto onServer = measureStore(server, exchangeFile);
        const char* labels[] = {"Start-up list queries", "Show Best Times, 15-minute grid", "Show Available",
                                "Import (every division)"};
        out << Qt::fixed << qSetRealNumberPrecision(1)
            << "command                           file first  file best  server first  server best\n";
        for (int i = 0; i < 4; ++i)
            out << qSetFieldWidth(32) << Qt::left << labels[i] << Qt::right << qSetFieldWidth(12)
                << onFile[i].first << qSetFieldWidth(11) << onFile[i].second << qSetFieldWidth(14)
                << onServer[i].first << qSetFieldWidth(13) << onServer[i].second << qSetFieldWidth(0) << '\n';
    } catch (const RosterError& error) {
        QTextStream(stderr) << error.text() << '\n' << error.detail() << '\n';
        return 1;
    }
    return 0;
}
