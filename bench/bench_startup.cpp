#include "RosterGenerator.h"
#include "gui/MembersInfoTab.h"
#include "gui/SchedulingTab.h"
#include "gui/frmTallyhold.h"
#include "languages/Languages.h"
#include "roster/Roster.h"
#include "store/RosterError.h"
#include "store/RosterFile.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QListWidget>
#include <QProcess>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTextStream>
#include <QTimer>
#include <algorithm>
#include <time.h>

namespace {

QTextStream out(stdout);

// Processor time of this process so far, loading it included: steadier than wall time on a
// busy machine.
double cpuMs()
{
    timespec now {};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return now.tv_sec * 1e3 + now.tv_nsec / 1e6;
}

template<class Step> double measure(Step step)
{
    const double start = cpuMs();
    step();
    return cpuMs() - start;
}

double median(QList<double> values)
{
    std::sort(values.begin(), values.end());
    return values.at(values.size() / 2);
}

// Returns once the list has painted its entries and the events queued meanwhile are handled.
void waitUntilPainted(QListWidget* list)
{
    struct PaintWatch : QObject
    {
        bool painted = false;
        bool eventFilter(QObject*, QEvent* event) override
        {
            if (event->type() == QEvent::Paint)
                painted = true;
            return false;
        }
    } watch;
    list->viewport()->installEventFilter(&watch);
    QElapsedTimer waited;
    waited.start();
    while (!watch.painted && waited.elapsed() < 10000)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 100);
    list->viewport()->removeEventFilter(&watch);
    QCoreApplication::processEvents();
}

// The start as a user sees it, in a process of its own: the program's language, the roster
// opened with its lock and check, the window filled, shown and painted, its events handled.
// Prints the processor time since the process began.
int usableWindow(QApplication& app, const QString& path)
{
    Languages::install(app);
    try {
        RosterFile file = RosterFile::open(path);
        Roster roster(file.database(), Preferences());
        frmTallyhold window(roster);
        window.show();
        waitUntilPainted(window.membersInfoTab()->lstMembers);
        out << cpuMs() << '\n';
        out.flush();
    } catch (const RosterError& error) {
        QTextStream(stderr) << error.text() << ' ' << error.detail() << '\n';
        return 1;
    }
    return 0;
}

struct Start
{
    double cpu = 0;
    double elapsed = 0;
};

// Medians of runs of the usable-window start; elapsed until the window reported itself usable.
Start wholeStart(const QString& path, int runs)
{
    QList<double> cpu;
    QList<double> elapsed;
    for (int run = 0; run < runs; ++run) {
        QProcess child;
        child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        QElapsedTimer timer;
        timer.start();
        child.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--usable"), path});
        while (!child.canReadLine() && child.waitForReadyRead(60000)) { }
        elapsed << timer.nsecsElapsed() / 1e6;
        cpu << child.readLine().trimmed().toDouble();
        child.waitForFinished();
    }
    return {median(cpu), median(elapsed)};
}

// Types text into the list, one key at a time as fast as a typist, and returns the longest time
// the event loop was held by one key (elapsed, and its processor time).
Start longestKey(QListWidget* list, const QString& text)
{
    Start longest;
    for (const QChar letter : text) {
        const double started = cpuMs();
        QElapsedTimer timer;
        timer.start();
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(letter));
        QKeyEvent release(QEvent::KeyRelease, 0, Qt::NoModifier, QString(letter));
        QCoreApplication::sendEvent(list, &press);
        QCoreApplication::sendEvent(list, &release);
        QCoreApplication::processEvents();
        longest.elapsed = std::max(longest.elapsed, timer.nsecsElapsed() / 1e6);
        longest.cpu = std::max(longest.cpu, cpuMs() - started);
    }
    return longest;
}

// Both what the user meant (the start of the last entry: a long way down) and a text no entry
// starts with (every entry looked at), the pause between words ending each search.
Start typing(QListWidget* list)
{
    list->setFocus();
    const QString last = list->count() > 0 ? list->item(list->count() - 1)->text().left(10) : QString();
    Start longest;
    for (const QString& text : {last, QStringLiteral("zzq xw")}) {
        list->setCurrentRow(0);
        const Start key = longestKey(list, text);
        longest.cpu = std::max(longest.cpu, key.cpu);
        longest.elapsed = std::max(longest.elapsed, key.elapsed);
        QElapsedTimer pause;
        pause.start();
        while (pause.elapsed() <= QApplication::keyboardInputInterval())
            QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    }
    return longest;
}

QString ms(double value)
{
    return QString::number(qRound(value)).rightJustified(6);
}

} // namespace

// bench_startup [SEED [MEMBERS...]]: on generated rosters (default 1,000 to 100,000 members),
// the start to a usable window in a process of its own (processor and elapsed time, medians of
// three, the day's backup already written), and in this process the window's construction (every
// list filled), one refill of the member lists with the window shown until the list in view is
// painted again (after each member save or delete), the member query alone, the longest a key
// typed into each member list holds the event loop (elapsed, processor), and a refill with every
// member chosen on Scheduling. Milliseconds; asserts nothing. Run it headless:
// QT_QPA_PLATFORM=offscreen bench_startup
int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    if (argc == 3 && QByteArray(argv[1]) == "--usable")
        return usableWindow(app, QString::fromLocal8Bit(argv[2]));
    const quint32 seed = argc > 1 ? QString::fromLocal8Bit(argv[1]).toUInt() : 1;
    QList<int> sizes;
    for (int i = 2; i < argc; ++i)
        sizes << QString::fromLocal8Bit(argv[i]).toInt();
    if (sizes.isEmpty())
        sizes = {1000, 10000, 50000, 100000};

    out << "members  listed |  start cpu elapsed | window refill  query | key in lstMembers  lstSchedules | "
           "refill, all chosen\n";
    for (const int members : std::as_const(sizes)) {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("ClanRoster.mdb"));
        try {
            RosterGenerator::writeFile(path, members, seed);
            // The day's first start writes the backup; the runs measured are the later ones.
            wholeStart(path, 1);
            const Start start = wholeStart(path, 3);

            Database db = Database::open(path);
            Roster roster(db, Preferences());
            std::unique_ptr<frmTallyhold> window;
            const double open = measure([&] { window = std::make_unique<frmTallyhold>(roster); });
            qsizetype listed = 0;
            const double query = measure([&] { listed = roster.memberList().size(); });

            window->show();
            waitUntilPainted(window->membersInfoTab()->lstMembers);
            // As after a member is saved: both lists refilled, the one in view shown again.
            const double refill = measure([&] {
                window->LoadMemberLists();
                waitUntilPainted(window->membersInfoTab()->lstMembers);
            });
            const Start info = typing(window->membersInfoTab()->lstMembers);
            window->TabClan->setCurrentIndex(frmTallyhold::Scheduling);
            waitUntilPainted(window->schedulingTab()->lstSchedules);
            const Start scheduling = typing(window->schedulingTab()->lstSchedules);
            // Everyone chosen for the week, as for Best Times: the refill keeps them all chosen. The
            // lists alone; the week planner then redraws for everyone (bench_planner times that).
            window->schedulingTab()->lstSchedules->selectAll();
            QCoreApplication::processEvents();
            const double refillChosen = measure([&] { window->LoadMemberLists(); });

            out << QString::number(members).rightJustified(7) << QString::number(listed).rightJustified(8)
                << " | " << ms(start.cpu) << ms(start.elapsed) << "        | " << ms(open) << ms(refill)
                << ms(query) << " | " << ms(info.elapsed) << ms(info.cpu) << "      "
                << ms(scheduling.elapsed) << ms(scheduling.cpu) << " | " << ms(refillChosen) << '\n';
            out.flush();
        } catch (const RosterError& error) {
            QTextStream(stderr) << error.text() << ' ' << error.detail() << '\n';
            return 1;
        }
    }
    return 0;
}
