#include "ResidentMemory.h"
#include "RosterGenerator.h"
#include "gui/WeekHeatmap.h"
#include "members/MemberChangeStore.h"
#include "scheduling/WeekAvailability.h"
#include "store/RosterError.h"
#include "timezones/ZoneStore.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QSqlRecord>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTextStream>
#include <functional>
#include <time.h>

// bench_planner [MEMBERS...]: times the week planner on generated rosters (seed 1) with every
// member selected: the index build, a change of selection, a recompute after a change of plan,
// and a heatmap update and paint; each without changes and with a tenth of the members holding
// one in the week. Best of five runs, in milliseconds; the index's memory is the
// growth of the resident set while one is built and kept. Run with QT_QPA_PLATFORM=offscreen.

namespace {

// A fixed week keeps runs comparable; it holds no clock change.
const QDate Week(2026, 12, 7);

QTextStream out(stdout);

double cpuMs()
{
    timespec now {};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return now.tv_sec * 1e3 + now.tv_nsec / 1e6;
}

// The best wall time of five runs; with cpu, their best processor time, which other work on a
// shared machine inflates far less.
double bestMs(const std::function<void()>& command, double* cpu = nullptr)
{
    double best = 1e9;
    for (int run = 0; run < 5; ++run) {
        const double started = cpuMs();
        QElapsedTimer timer;
        timer.start();
        command();
        best = std::min(best, timer.nsecsElapsed() / 1e6);
        if (cpu)
            *cpu = std::min(run == 0 ? 1e9 : *cpu, cpuMs() - started);
    }
    return best;
}

// Every tenth member gets a change in the week: alternately three days away, and a late Friday.
void addChanges(const Database& db, const QList<RecordKey>& keys)
{
    Transaction transaction(db);
    const MemberChangeStore changes(db);
    for (qsizetype i = 0; i < keys.size(); i += 10) {
        MemberChange change;
        change.member = keys[i];
        change.first = Week.addDays(i % 20 == 0 ? 1 : 4);
        change.last = change.first.addDays(i % 20 == 0 ? 2 : 0);
        change.away = i % 20 == 0;
        if (!change.away)
            change.times = {{22 * 60, 60}};
        changes.save(change);
    }
    transaction.commit();
}

void run(int members, int step, bool changed)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("ClanRoster.mdb"));
    RosterGenerator::writeFile(path, members, 1);
    const Database db = Database::open(path);
    QList<RecordKey> keys;
    for (const QSqlRecord& row : db.all(QStringLiteral("SELECT MBR_PK FROM Members")))
        keys << row.value(0).toByteArray();
    const QList<RecordKey> fewer = keys.mid(0, keys.size() * 9 / 10);
    if (changed)
        addChanges(db, keys);

    // Measured first, before other runs leave freed memory behind to reuse.
    const long before = residentKb();
    // As the session builds it: the zones and the selection read, then the index.
    const auto build = [&](const QList<RecordKey>& selected) {
        const QList<ZoneRow> zones = ZoneStore(db).rows();
        return WeekAvailability::build(MemberSchedule::readSelected(db, selected, zones), zones,
                                       QStringLiteral("EST"), true, Week);
    };
    const WeekAvailability week = build(keys);
    const long memory = residentKb() - before;
    const double read = bestMs([&] { MemberSchedule::readSelected(db, keys, ZoneStore(db).rows()); });
    double builtCpu = 0;
    const double built = bestMs([&] { build(keys); }, &builtCpu);
    const double reselect = bestMs([&] { build(fewer); });

    int length = 15;
    const double recompute = bestMs([&] {
        length = length == 90 ? 120 : 90;
        week.plan({length, {keys.at(1), keys.at(7)}, 3}, step).best(10);
    });
    WeekHeatmap heatmap;
    heatmap.resize(430, 560);
    heatmap.show();
    const WeekPlan plan = week.plan({90, {}, 3}, step);
    const double update = bestMs([&] { heatmap.setPlan(plan, {}); });
    const double paint = bestMs([&] { heatmap.grdWeek->viewport()->grab(); });

    out << qSetFieldWidth(8) << members << qSetFieldWidth(6) << step << qSetFieldWidth(9)
        << (changed ? "10 %" : "none") << qSetFieldWidth(9) << read << qSetFieldWidth(10) << built
        << qSetFieldWidth(10) << builtCpu << qSetFieldWidth(11) << reselect << qSetFieldWidth(12) << recompute
        << qSetFieldWidth(10) << update << qSetFieldWidth(9) << paint << qSetFieldWidth(12) << memory / 1024.0
        << qSetFieldWidth(0) << '\n';
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QList<int> sizes;
    for (int i = 1; i < argc; ++i)
        sizes << QByteArray(argv[i]).toInt();
    if (sizes.isEmpty())
        sizes = {1000, 10000};
    out << Qt::fixed << qSetRealNumberPrecision(1);
    out << " members  step  changes  read ms  build ms  build cpu  reselect ms  replan ms  update ms  paint "
           "ms  index MB\n";
    try {
        for (const int members : sizes) {
            for (const int step : {60, 15}) {
                for (const bool changed : {false, true})
                    run(members, step, changed);
            }
        }
    } catch (const RosterError& error) {
        QTextStream(stderr) << error.text() << ' ' << error.detail() << '\n';
        return 1;
    }
    return 0;
}
