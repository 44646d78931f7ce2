#include "RosterGenerator.h"
#include "gui/frmTallyhold.h"
#include "roster/Roster.h"
#include "store/RosterError.h"

#include <QApplication>
#include <QTemporaryDir>
#include <QTextStream>
#include <sys/resource.h>

namespace {

// CPU time of this process so far, in ms: steadier than wall time on a busy machine.
qint64 cpuMs()
{
    rusage usage {};
    getrusage(RUSAGE_SELF, &usage);
    return (qint64(usage.ru_utime.tv_sec) + usage.ru_stime.tv_sec) * 1000
        + (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1000;
}

template<class Step> qint64 measure(Step step)
{
    const qint64 start = cpuMs();
    step();
    return cpuMs() - start;
}

} // namespace

// bench_startup [SEED]: CPU time of opening the main window (every list filled), of one refill
// of the two member lists, and of the member query alone, on generated rosters of growing size.
// Prints a table; asserts nothing. Run it headless: QT_QPA_PLATFORM=offscreen bench_startup
int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    const quint32 seed = argc > 1 ? QString::fromLocal8Bit(argv[1]).toUInt() : 1;
    QTextStream out(stdout);
    out << "members  listed  open window ms  LoadMemberLists ms  member query ms\n";
    for (const int members : {1000, 10000, 50000}) {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("ClanRoster.mdb"));
        try {
            RosterGenerator::writeFile(path, members, seed);
            Database db = Database::open(path);
            Roster roster(db, Preferences());
            std::unique_ptr<frmTallyhold> window;
            const qint64 open = measure([&] { window = std::make_unique<frmTallyhold>(roster); });
            const qint64 refill = measure([&] { window->LoadMemberLists(); });
            qsizetype listed = 0;
            const qint64 query = measure([&] { listed = roster.memberList().size(); });
            out << qSetFieldWidth(7) << members << qSetFieldWidth(0) << "  " << qSetFieldWidth(6) << listed
                << qSetFieldWidth(0) << "  " << qSetFieldWidth(14) << open << qSetFieldWidth(0) << "  "
                << qSetFieldWidth(18) << refill << qSetFieldWidth(0) << "  " << qSetFieldWidth(15) << query
                << qSetFieldWidth(0) << '\n';
            out.flush();
        } catch (const RosterError& error) {
            QTextStream(stderr) << error.text() << ' ' << error.detail() << '\n';
            return 1;
        }
    }
    return 0;
}
