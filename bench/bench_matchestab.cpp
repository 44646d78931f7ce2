#include "RosterGenerator.h"
#include "gui/MatchesTab.h"
#include "gui/Messages.h"
#include "matches/MatchStore.h"
#include "roster/Roster.h"
#include "store/Database.h"

#include <QApplication>
#include <QCheckBox>
#include <QDateTime>
#include <QElapsedTimer>
#include <QSpinBox>
#include <QSqlRecord>
#include <QTemporaryDir>
#include <QTextStream>
#include <QTreeWidget>
#include <functional>

// bench_matchestab [MEMBERS [MATCHES [PLAYERS]]]: times the Matches tab on a generated roster (seed 1;
// default 10,000 members, 1,000 matches of 50 players, half of them over, answers and attendance
// at random). The session's list of upcoming matches and one match's status alone, then the tab:
// its refill (list, highlighted match, history), highlighting another match, the refill with the
// past matches, and the attendance history. Best of five runs, in milliseconds. Run with
// QT_QPA_PLATFORM=offscreen.

namespace {

QTextStream out(stdout);

double bestMs(const std::function<void()>& command)
{
    double best = 1e9;
    for (int run = 0; run < 5; ++run) {
        QElapsedTimer timer;
        timer.start();
        command();
        best = std::min(best, timer.nsecsElapsed() / 1e6);
    }
    return best;
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    // A box would wait for a click; what it said is not timed.
    Messages::setScripted(true);
    const QStringList args = app.arguments();
    const int members = args.size() > 1 ? args[1].toInt() : 10000;
    const int matches = args.size() > 2 ? args[2].toInt() : 1000;
    const int players = args.size() > 3 ? args[3].toInt() : 50;

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("ClanRoster.mdb"));
    RosterGenerator::writeFile(path, members, 1);
    const Database db = Database::open(path);
    QList<RecordKey> keys;
    for (const QSqlRecord& row : db.all(QStringLiteral("SELECT MBR_PK FROM Members")))
        keys << row.value(0).toByteArray();
    QRandomGenerator random(1);
    const qint64 now = QDateTime::currentSecsSinceEpoch() + DateTime::UnixDayZero;
    {
        Transaction transaction(db);
        for (int i = 0; i < matches; ++i) {
            Match match;
            match.title = QStringLiteral("Match %1").arg(i);
            // Every few hours from half the matches ago on.
            match.start = DateTime::fromSeconds(now + qint64(i - matches / 2) * 6 * 3600);
            match.length = 90;
            match.zone = QStringLiteral("EST");
            match.minimum = 6;
            match.created = match.changed = DateTime::fromSeconds(now);
            const int first = int(random.bounded(quint32(keys.size() - players)));
            for (int p = 0; p < players; ++p)
                match.players.append({keys[first + p],
                                      {},
                                      {},
                                      p < 2,
                                      MatchAnswer(random.bounded(5)),
                                      {},
                                      {},
                                      Attended(random.bounded(3))});
            MatchStore(db).insert(match);
        }
        transaction.commit();
    }
    Roster roster(db, {});
    MatchesTab tab(roster);
    tab.resize(1000, 640);
    tab.show();
    QTreeWidgetItem* first = tab.lstMatches->topLevelItem(0);
    const RecordKey shown = first->data(0, Qt::UserRole).toByteArray();
    const double list = bestMs([&] { tab.selectMatch(shown); });
    const double status = bestMs([&] {
        tab.lstMatches->clearSelection();
        first = tab.lstMatches->topLevelItem(1);
        first->setSelected(true);
    });
    tab.chkPastMatches->setChecked(true);
    const double withPast = bestMs([&] { tab.selectMatch(shown); });
    const double history
        = bestMs([&] { tab.spnAttendanceLast->setValue(tab.spnAttendanceLast->value() == 10 ? 11 : 10); });
    const Viewpoint view = roster.viewpoint();
    const double coreList = bestMs([&] { roster.matches(view); });
    const double coreStatus = bestMs([&] { roster.matchStatus(view, shown); });
    out << "members matches players     list   status   tab list  tab select  tab past  tab history\n";
    out << qSetFieldWidth(7) << members << qSetFieldWidth(8) << matches << qSetFieldWidth(8) << players
        << qSetFieldWidth(9) << coreList << qSetFieldWidth(9) << coreStatus << qSetFieldWidth(11) << list
        << qSetFieldWidth(12) << status << qSetFieldWidth(10) << withPast << qSetFieldWidth(13) << history
        << qSetFieldWidth(0) << "\n";
    return 0;
}
