#include "RosterGenerator.h"
#include "members/MemberReads.h"
#include "members/MemberWrites.h"
#include "store/RosterError.h"
#include "timezones/ZoneStore.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTextStream>

// bench_members [MEMBERS...]: times the member commands, each as the program runs it (one
// cTimeFuncs and one transaction per command), on generated rosters of the given sizes.
namespace {

MemberForm fullWeek(const QString& name, const RecordKey& division)
{
    MemberForm form;
    form.playerName = name;
    form.divisionKey = division;
    form.divisionText = QStringLiteral("any");
    form.zoneText = QStringLiteral("EST");
    form.zoneKey = 1;
    form.active = true;
    for (DaySchedule& day : form.days)
        day = {true,
               {QStringLiteral("7:00 AM"), QStringLiteral("9:00 AM"), QStringLiteral("6:00 PM"),
                QStringLiteral("11:00 PM")}};
    return form;
}

template<class Command> double microseconds(int rounds, Command command)
{
    QElapsedTimer timer;
    timer.start();
    for (int i = 0; i < rounds; ++i)
        command(i);
    return double(timer.nsecsElapsed()) / 1000.0 / rounds;
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QList<int> sizes;
    for (const QString& arg : app.arguments().mid(1))
        sizes << arg.toInt();
    if (sizes.isEmpty())
        sizes = {100, 10000};
    QTextStream out(stdout);
    out << "members   add (full week)  update (full week)  view     edit load  delete   [microseconds "
           "each]\n";
    try {
        for (const int size : sizes) {
            QTemporaryDir dir;
            const QString path = dir.filePath(QStringLiteral("ClanRoster.mdb"));
            const auto summary = RosterGenerator::writeFile(path, size, 20261206);
            Database db = Database::open(path);
            const int rounds = 200;
            QList<RecordKey> added;
            const double add = microseconds(rounds, [&](int i) {
                cTimeFuncs times(ZoneStore(db).rows());
                added << AddMember(db, times,
                                   fullWeek(QStringLiteral("Bench %1").arg(i), summary.divisions.first()));
            });
            const double update = microseconds(rounds, [&](int i) {
                cTimeFuncs times(ZoneStore(db).rows());
                MemberForm form = fullWeek(QStringLiteral("Bench %1").arg(i), summary.divisions.first());
                form.days[i % 6] = {};
                UpdateMember(db, times, added[i], form);
            });
            const double view = microseconds(rounds, [&](int i) {
                cTimeFuncs times(ZoneStore(db).rows());
                ShowMemberInfo(db, times, added[i], QStringLiteral("CET"), true, QDate::currentDate());
            });
            const double load = microseconds(rounds, [&](int i) {
                cTimeFuncs times(ZoneStore(db).rows());
                LoadMemberForEdit(db, times, added[i]);
            });
            const double remove = microseconds(rounds, [&](int i) { DeleteMember(db, added[i]); });
            out << QStringLiteral("%1 %2 %3 %4 %5 %6\n")
                       .arg(size, 7)
                       .arg(add, 16, 'f', 0)
                       .arg(update, 19, 'f', 0)
                       .arg(view, 7, 'f', 0)
                       .arg(load, 10, 'f', 0)
                       .arg(remove, 8, 'f', 0);
            out.flush();
            db.close();
        }
    } catch (const RosterError& error) {
        QTextStream(stderr) << error.text() << '\n';
        return 1;
    }
    return 0;
}
