#include "ResidentMemory.h"
#include "RosterGenerator.h"
#include "roster/Roster.h"
#include "store/RosterError.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QSqlRecord>
#include <QTemporaryDir>
#include <QTextStream>
#include <functional>
#include <sys/resource.h>

// bench_scheduling [MEMBERS] [SEED]: times the scheduling commands and the start-up list queries
// of the roster session on a generated roster with every member selected. Each command runs in a fresh
// process (this program, started with --measure), so its peak memory is its own.

namespace {

QTextStream out(stdout);

rusage usage()
{
    rusage now {};
    getrusage(RUSAGE_SELF, &now);
    return now;
}

double cpuMs(const rusage& now)
{
    return (now.ru_utime.tv_sec + now.ru_stime.tv_sec) * 1e3
        + (now.ru_utime.tv_usec + now.ru_stime.tv_usec) / 1e3;
}

// Runs the command five times. Prints the first run's and the best run's wall time and the
// best run's processor time (which other work on a shared machine does not inflate), in
// milliseconds, then the resident memory before and the peak, in kB.
void measure(const std::function<void()>& command)
{
    const long before = residentKb();
    double first = 0;
    double best = 1e9;
    double bestCpu = 1e9;
    for (int run = 0; run < 5; ++run) {
        const rusage start = usage();
        QElapsedTimer timer;
        timer.start();
        command();
        const double ms = timer.nsecsElapsed() / 1e6;
        if (run == 0)
            first = ms;
        best = std::min(best, ms);
        bestCpu = std::min(bestCpu, cpuMs(usage()) - cpuMs(start));
    }
    out << first << ' ' << best << ' ' << bestCpu << ' ' << before << ' ' << usage().ru_maxrss << '\n';
}

QList<RecordKey> everyMember(const Database& db)
{
    QList<RecordKey> keys;
    for (const QSqlRecord& row : db.all(QStringLiteral("SELECT MBR_PK FROM Members")))
        keys << row.value(0).toByteArray();
    return keys;
}

int measureOne(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    const QString what = QString::fromLatin1(argv[2]);
    const Database db = Database::open(QString::fromLocal8Bit(argv[3]));
    Preferences preferences;
    preferences.timeGranularity = 15;
    Roster roster(db, preferences);
    const QList<RecordKey> members = everyMember(db);
    if (what == QLatin1String("lists")) {
        measure([&] {
            roster.divisionList();
            roster.zoneList();
            roster.memberList();
        });
    } else if (what == QLatin1String("best")) {
        measure([&] { roster.bestTimes(roster.viewpoint(), members, {}); });
    } else if (what == QLatin1String("available")) {
        measure([&] {
            roster.showAvailable(roster.viewpoint(), members, QStringLiteral("12/08/2026"),
                                 QStringLiteral("8:00 PM"), {});
        });
    }
    return 0;
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc == 4 && QByteArray(argv[1]) == "--measure")
        return measureOne(argc, argv);

    QCoreApplication app(argc, argv);
    const int members = argc > 1 ? QByteArray(argv[1]).toInt() : 10000;
    const quint32 seed = argc > 2 ? QByteArray(argv[2]).toUInt() : 1;
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("ClanRoster.mdb"));
    try {
        const auto summary = RosterGenerator::writeFile(path, members, seed);
        out << "Roster: " << summary.members.size() << " members (all selected), " << summary.timesRows
            << " Times rows, seed " << seed << "\n\n";
    } catch (const RosterError& error) {
        QTextStream(stderr) << error.text() << '\n';
        return 1;
    }

    struct Row
    {
        const char* label;
        const char* mode;
    };
    const Row rows[] = {
        {"Show Best Times, 15-minute grid", "best"},
        {"Show Available", "available"},
        {"Start-up list queries", "lists"},
    };
    out << Qt::fixed << qSetRealNumberPrecision(1) << qSetFieldWidth(46) << Qt::left << "command"
        << qSetFieldWidth(0) << "first ms  best ms  best CPU ms  RSS before MB  peak RSS MB\n";
    for (const Row& row : rows) {
        QProcess process;
        process.start(QCoreApplication::applicationFilePath(),
                      {QStringLiteral("--measure"), QString::fromLatin1(row.mode), path});
        process.waitForFinished(-1);
        const QList<QByteArray> fields = process.readAllStandardOutput().trimmed().split(' ');
        if (process.exitCode() != 0 || fields.size() != 5) {
            out << row.label << ": failed\n" << process.readAllStandardError();
            continue;
        }
        out << qSetFieldWidth(46) << Qt::left << row.label << Qt::right << qSetFieldWidth(8)
            << fields[0].toDouble() << qSetFieldWidth(9) << fields[1].toDouble() << qSetFieldWidth(13)
            << fields[2].toDouble() << qSetFieldWidth(15) << fields[3].toLong() / 1024 << qSetFieldWidth(13)
            << fields[4].toLong() / 1024 << qSetFieldWidth(0) << '\n';
    }
    return 0;
}
