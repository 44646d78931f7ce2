#include "FirstAndBest.h"
#include "RosterGenerator.h"
#include "matches/MatchStore.h"
#include "roster/Roster.h"
#include "store/RosterError.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QElapsedTimer>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTextStream>
#include <functional>

// bench_matches [MEMBERS] [MATCHES] [PLAYERS] [SEED]: times the planned matches' list and one
// match's status (answers counted, and who can play it by their week and dates away) on a
// generated roster (default 10,000 members, 1,000 upcoming matches of 50 players each), through
// the roster session as every front end runs them.

namespace {

QTextStream out(stdout);

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    const int memberCount = argc > 1 ? QByteArray(argv[1]).toInt() : 10000;
    const int matchCount = argc > 2 ? QByteArray(argv[2]).toInt() : 1000;
    const int playerCount = argc > 3 ? QByteArray(argv[3]).toInt() : 50;
    const quint32 seed = argc > 4 ? QByteArray(argv[4]).toUInt() : 1;
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("ClanRoster.mdb"));
    try {
        const RosterGenerator::Summary summary = RosterGenerator::writeFile(path, memberCount, seed);
        Database db = Database::open(path);
        // Matches an hour apart from tomorrow on, each with players drawn from the whole roster and
        // answers of every kind.
        QRandomGenerator random(seed);
        const DateTime tomorrow
            = DateTime::fromSeconds(QDateTime::currentSecsSinceEpoch() + DateTime::UnixDayZero).addDays(1);
        QList<RecordKey> keys;
        {
            Transaction transaction(db);
            for (int i = 0; i < matchCount; ++i) {
                Match match;
                match.title = QStringLiteral("Match %1").arg(i + 1);
                match.start = tomorrow.addMinutes(qint64(i) * 60);
                match.length = 90;
                match.zone = QStringLiteral("EST");
                match.minimum = playerCount / 2;
                match.created = match.changed = tomorrow;
                QSet<int> chosen;
                while (chosen.size() < std::min(playerCount, int(summary.members.size())))
                    chosen.insert(int(random.bounded(quint32(summary.members.size()))));
                for (const int index : std::as_const(chosen))
                    match.players.append({summary.members[index],
                                          {},
                                          {},
                                          random.bounded(10) == 0,
                                          MatchAnswer(random.bounded(5)),
                                          {},
                                          {},
                                          Attended::Unknown});
                keys.append(MatchStore(db).insert(match));
            }
            transaction.commit();
        }
        out << "Roster: " << summary.members.size() << " members, " << matchCount << " matches of "
            << playerCount << " players, seed " << seed << "\n\n";

        Roster roster(db, {});
        const Viewpoint view = roster.viewpoint();
        const RecordKey middle = keys.value(keys.size() / 2);
        struct Row
        {
            const char* label;
            std::function<void()> command;
        };
        const Row rows[] = {
            {"Upcoming matches (list with counts)",
             [&] {
                 roster.matches(view);
             }},
            {"One match's status (who can play)",
             [&] {
                 roster.matchStatus(view, middle);
             }},
        };
        out << Qt::fixed << qSetRealNumberPrecision(1) << qSetFieldWidth(40) << Qt::left << "command"
            << qSetFieldWidth(0) << "first ms  best ms\n";
        for (const Row& row : rows) {
            const auto [first, best] = firstAndBest(row.command);
            out << qSetFieldWidth(40) << Qt::left << row.label << Qt::right << qSetFieldWidth(8) << first
                << qSetFieldWidth(9) << best << qSetFieldWidth(0) << '\n';
        }
    } catch (const RosterError& error) {
        QTextStream(stderr) << error.text() << ' ' << error.detail() << '\n';
        return 1;
    }
    return 0;
}
