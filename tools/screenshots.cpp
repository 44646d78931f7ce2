// tallyhold_screenshots OUTDIR: opens the real main window on a small made-up roster in the
// working directory, uses each tab as a user would, and saves a PNG of every tab and dialog.
// scripts/screenshots.sh runs it under Xvfb.
#include "gui/MatchesTab.h"
#include "gui/Messages.h"
#include "gui/SchedulingTab.h"
#include "gui/TimeEntryField.h"
#include "gui/frmAnnounce.h"
#include "gui/frmMemberChanges.h"
#include "gui/frmOptions.h"
#include "gui/frmPlanMatch.h"
#include "gui/frmSignupLinks.h"
#include "gui/frmTZEdit.h"
#include "gui/frmTallyhold.h"
#include "languages/Languages.h"
#include "roster/Roster.h"
#include "store/RecordKey.h"
#include "store/RosterError.h"
#include "time/DateTime.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <QTextStream>
#include <array>
#include <optional>

namespace {

struct DemoMember
{
    const char* division;
    const char* player;
    const char* first;
    const char* last;
    int zone; // TZ_PK of a standard zone
    int active;
    // Evening start hour on the member's clock per day, Monday first; 0 = does not play.
    std::array<int, 6> evenings;
};

// GMT = local + offset; the standard zones' offsets with daylight saving applied.
int gmtOffsetMinutes(int zone)
{
    switch (zone) {
    case 1:
        return 240; // EST
    case 2:
        return 300; // CST
    case 4:
        return 420; // PST
    case 8:
        return -120; // CET
    default:
        return 0;
    }
}

void writeDemoRoster(const Database& db)
{
    const QStringList divisions {QStringLiteral("Night Owls"), QStringLiteral("Dawn Patrol"),
                                 QStringLiteral("Alumni")};
    QHash<QString, RecordKey> divisionKeys;
    for (const QString& name : divisions) {
        divisionKeys[name] = NewRecordKey();
        db.insert(QStringLiteral("Divisions"),
                  {{QStringLiteral("DIV_PK"), divisionKeys[name]},
                   {QStringLiteral("DIV_Name"), name},
                   {QStringLiteral("DIV_Notes"), QStringLiteral("Weekly league team")},
                   {QStringLiteral("DIV_Hide"), name == QLatin1String("Alumni") ? 1 : 0}});
    }
    const DemoMember members[] = {
        {"Night Owls", "RazorWing", "Maya", "Lopez", 1, 1, {19, 19, 0, 20, 18, 14}},
        {"Night Owls", "Quillback", "Sam", "Okafor", 2, 1, {18, 0, 18, 19, 19, 15}},
        {"Night Owls", "Hexfire", "Jonas", "Berg", 8, 1, {20, 20, 20, 0, 21, 16}},
        {"Night Owls", "Tumbleweed", "Ava", "Chen", 4, 0, {0, 17, 17, 17, 0, 12}},
        {"Dawn Patrol", "Morningstar", "Lena", "Fischer", 8, 1, {8, 8, 0, 8, 0, 10}},
        {"Dawn Patrol", "Copperhead", "Noah", "Reyes", 1, 1, {0, 7, 7, 7, 7, 9}},
        {"Dawn Patrol", "Kestrel", "Priya", "Nair", 2, 1, {7, 0, 7, 0, 7, 11}},
        {"Alumni", "OldGuard", "Tom", "Hale", 1, 0, {20, 0, 0, 0, 0, 0}},
    };
    const char* dayColumns[6] = {"MON", "TUE", "WED", "THU", "FRI", "SAT_SUN"};
    for (const DemoMember& member : members) {
        const RecordKey key = NewRecordKey();
        db.insert(QStringLiteral("Members"),
                  {{QStringLiteral("MBR_PK"), key},
                   {QStringLiteral("MBR_FK_Division"), divisionKeys[QLatin1String(member.division)]},
                   {QStringLiteral("MBR_FK_TZones"), member.zone},
                   {QStringLiteral("MBR_Online_Player_Name"), QLatin1String(member.player)},
                   {QStringLiteral("MBR_FL_Active"), member.active},
                   {QStringLiteral("MBR_Real_First"), QLatin1String(member.first)},
                   {QStringLiteral("MBR_Real_last"), QLatin1String(member.last)},
                   {QStringLiteral("MBR_Email_Primary"),
                    QString::fromLatin1(member.player).toLower() + QStringLiteral("@example.org")},
                   {QStringLiteral("MBR_Other_Contact"),
                    QStringLiteral("Discord: ") + QLatin1String(member.player)},
                   {QStringLiteral("MBR_Notes"), QStringLiteral("Prefers support roles.")}});
        Database::Columns schedule {{QStringLiteral("SCH_FK_Member"), key}};
        for (int day = 0; day < 6; ++day) {
            const QString suffix = QLatin1String(dayColumns[day]);
            const int start = member.evenings[day];
            QVariant times;
            if (start > 0) {
                times = NewRecordKey();
                const DateTime from = DateTime::fromTime(start, 0).addMinutes(gmtOffsetMinutes(member.zone));
                db.insert(QStringLiteral("Times"),
                          {{QStringLiteral("TMS_PK"), times},
                           {QStringLiteral("TMS_Slot1_Start"), from.toStorageText()},
                           {QStringLiteral("TMS_Slot1_End"), from.addMinutes(180).toStorageText()},
                           {QStringLiteral("TMS_Slot2_Start"), QVariant()},
                           {QStringLiteral("TMS_Slot2_End"), QVariant()}});
            }
            schedule.append({QStringLiteral("SCH_FL_") + suffix, start > 0 ? 1 : 0});
            schedule.append({QStringLiteral("SCH_FK_TIMES_") + suffix, times});
        }
        db.insert(QStringLiteral("Schedules"), schedule);
    }
}

void click(QWidget& window, const char* name)
{
    if (auto* button = window.findChild<QAbstractButton*>(QLatin1String(name)))
        button->click();
}

void selectRows(QWidget& window, const char* name, const QList<int>& rows)
{
    auto* list = window.findChild<QListWidget*>(QLatin1String(name));
    for (int row : rows)
        if (list && row < list->count())
            list->item(row)->setSelected(true);
}

bool save(QWidget* widget, const QDir& dir, const QString& name)
{
    QCoreApplication::processEvents();
    const QString path = dir.filePath(name + QStringLiteral(".png"));
    const bool saved = widget->grab().save(path);
    QTextStream(stdout) << (saved ? "saved " : "FAILED ") << path << '\n';
    return saved;
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tallyhold"));
    QApplication::setOrganizationName(QStringLiteral("Quillmoor"));
    // In the system's language, as the program starts: LANG=de_DE.UTF-8 gives the German shots.
    Languages::install(app);
    DateTime::setShown24Hour(Languages::uses24HourClock());
    if (argc != 2 || QFile::exists(QString::fromLatin1(Database::FileName))) {
        QTextStream(stderr) << "usage: tallyhold_screenshots OUTDIR (in a directory without a roster)\n";
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    // Boxes are recorded instead of shown, so nothing waits for a click.
    Messages::setScripted(true);

    Database db;
    try {
        db = Database::open();
        writeDemoRoster(db);
    } catch (const RosterError& error) {
        QTextStream(stderr) << error.text() << ' ' << error.detail() << '\n';
        return 1;
    }
    Roster roster(db, LoadSettings());
    frmTallyhold window(roster);
    window.resize(1024, 720);
    window.show();
    if (!QTest::qWaitForWindowExposed(&window))
        return 1;

    bool ok = true;
    // The first member has kept their own week through a sign-up link.
    const RecordKey first = window.findChild<QListWidget*>(QStringLiteral("lstMembers"))
                                ->item(0)
                                ->data(Qt::UserRole)
                                .toByteArray();
    const MemberForm week = roster.memberForEdit(first).form;
    roster.saveSignup(roster.makeInvitation(first).token, {week.zoneKey, week.days});
    // A holiday two weeks ahead and one late evening, dated from today so both are listed.
    const auto date = [](int fromToday) {
        return QDate::currentDate().addDays(fromToday).toString(QStringLiteral("MM/dd/yyyy"));
    };
    roster.addMemberChange(first, {date(14), date(24), true, {}, QStringLiteral("holiday")});
    roster.addMemberChange(
        first,
        {date(3), {}, false, {QStringLiteral("10pm"), QStringLiteral("1am")}, QStringLiteral("late shift")});
    selectRows(window, "lstMembers", {0});
    ok &= save(&window, out, QStringLiteral("members-info"));
    {
        frmSignupLinks links(roster, first, roster.memberName(first), &window);
        links.show();
        links.cmdMakeLink->click();
        ok &= save(&links, out, QStringLiteral("signup-links"));
    }
    click(window, "cmdEdit");
    window.TabClan->setCurrentIndex(frmTallyhold::AddEditMembers);
    ok &= save(&window, out, QStringLiteral("add-edit-members"));
    {
        frmMemberChanges changes(roster, first, roster.memberName(first), week.zoneText, &window);
        changes.show();
        changes.lstChanges->setCurrentRow(0);
        changes.cmdEditChange->click();
        ok &= save(&changes, out, QStringLiteral("away-changes"));
    }
    click(window, "cmdCancel");
    window.TabClan->setCurrentIndex(frmTallyhold::ClansDivisions);
    selectRows(window, "lstDivision", {1});
    ok &= save(&window, out, QStringLiteral("clans-divisions"));
    window.TabClan->setCurrentIndex(frmTallyhold::Scheduling);
    selectRows(window, "lstSchedules", {0, 1, 2, 3, 4, 5, 6});
    click(window, "cmdShowBestTimes");
    // A double click on the best time fills the match fields and lists who can make it.
    if (auto* best = window.findChild<QListWidget*>(QStringLiteral("lstBestTimes"));
        best && best->count() > 0) {
        best->setCurrentRow(0);
        emit best->itemDoubleClicked(best->item(0));
    }
    ok &= save(&window, out, QStringLiteral("scheduling"));
    // The two dialogs that start from that time and those members.
    try {
        const SchedulingTab* tab = window.schedulingTab();
        QList<RecordKey> members;
        for (const QListWidgetItem* item : tab->lstSchedules->selectedItems())
            members << RecordKey(item->data(Qt::UserRole).toByteArray());
        const QString day = tab->txtMatchDate->text();
        const QString time = tab->txtMatchTime->text();
        MatchForm form;
        form.at = day + QLatin1Char(' ') + time;
        form.length = QStringLiteral("90");
        form.minimum = QStringLiteral("3");
        form.members = members;
        frmPlanMatch plan(roster, form, {}, &window);
        plan.show();
        ok &= save(&plan, out, QStringLiteral("plan-match"));
        const MatchAnnouncement match
            = roster.announceMatch(roster.viewpoint(), members, day, time, QStringLiteral("90"), {});
        frmAnnounce announce(roster, members, day, time, match, &window);
        announce.QDialog::show();
        ok &= save(&announce, out, QStringLiteral("announce-match"));
    } catch (const RosterError& error) {
        QTextStream(stderr) << error.text() << ' ' << error.detail() << '\n';
        ok = false;
    }
    window.TabClan->setCurrentIndex(frmTallyhold::Matches);
    ok &= save(&window, out, QStringLiteral("matches"));
    {
        // A match in three days for the first seven listed members, two required, some answers in.
        auto* list = window.findChild<QListWidget*>(QStringLiteral("lstMembers"));
        QList<RecordKey> players;
        for (int row = 0; row < std::min(7, list->count()); ++row)
            players << list->item(row)->data(Qt::UserRole).toByteArray();
        const QString at = date(3) + QStringLiteral(" 8:00 PM");
        const RecordKey match = roster.planMatch(roster.viewpoint(),
                                                 {at, QStringLiteral("90"), QStringLiteral("Cup semi-final"),
                                                  QStringLiteral("Voice channel 15 minutes early."),
                                                  QStringLiteral("5"), players, players.mid(0, 2)});
        const MatchAnswer answers[]
            = {MatchAnswer::Yes, MatchAnswer::Yes, MatchAnswer::Maybe, MatchAnswer::No, MatchAnswer::Yes};
        for (int i = 0; i < std::min<int>(5, players.size()); ++i)
            roster.answerMatch(match, players[i], answers[i],
                               i == 2 ? QStringLiteral("may be late") : QString());
        window.TabClan->setCurrentIndex(frmTallyhold::Matches);
        window.matchesTab()->selectMatch(match);
        ok &= save(&window, out, QStringLiteral("matches"));
    }
    window.TabClan->setCurrentIndex(frmTallyhold::ExportImport);
    selectRows(window, "lstExportDiv", {1, 2});
    ok &= save(&window, out, QStringLiteral("export-import"));

    window.options()->show();
    ok &= save(window.options(), out, QStringLiteral("options"));
    window.options()->hide();
    window.tzEdit()->show();
    ok &= save(window.tzEdit(), out, QStringLiteral("time-zone-edits"));
    window.tzEdit()->hide();

    for (const Messages::Shown& box : Messages::shown())
        QTextStream(stderr) << "box: " << box.title << ": " << box.text << '\n';
    return ok ? 0 : 1;
}
