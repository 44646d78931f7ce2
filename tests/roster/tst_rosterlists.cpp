#include "TestRoster.h"
#include "WidgetTexts.h"
#include "gui/Messages.h"
#include "gui/frmTallyhold.h"
#include "gui/MemberFormTab.h"
#include "gui/frmOptions.h"

#include <QTabWidget>
#include <QTest>

// The shared lists as the main window fills them at start-up and on entering "Export / Import".
class tst_RosterLists : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { Messages::setScripted(true); }
    void init() { Messages::clear(); }
    void startUpFillsEveryListWithKeys();
    void emptyRosterGivesEmptyListsQuietly();
    void exportListFillsOnEveryEntryAndDropsSelection();
    void refillKeepsTypedComboText();
};

static QListWidget* list(frmTallyhold& window, const char* name)
{
    return window.findChild<QListWidget*>(QLatin1String(name));
}

void tst_RosterLists::startUpFillsEveryListWithKeys()
{
    TestRoster roster;
    const RecordKey bravo = roster.addDivision(QStringLiteral("Bravo  "));
    const RecordKey alpha = roster.addDivision(QStringLiteral("alpha"));
    const RecordKey hidden = roster.addDivision(QStringLiteral("Hidden"), 1);
    const RecordKey zed = roster.addMember(bravo, 1, QStringLiteral(" Zed  "));
    roster.addMember(alpha, 1, QStringLiteral("Bob"));
    roster.addMember(alpha, 2, QStringLiteral("Bob"));
    roster.addMember(alpha, 1, QStringLiteral("amy"));
    roster.addMember(hidden, 1, QStringLiteral("Ghost"));
    roster.addMember(NewRecordKey(), 1, QStringLiteral("Orphan"));
    const int zone = roster.addZone(QStringLiteral(" AAA "), QStringLiteral("First"), 0, 0);

    frmTallyhold window(roster.db(), Preferences());

    const QStringList members {QStringLiteral("alpha - amy"), QStringLiteral("alpha - Bob"),
                               QStringLiteral("alpha - Bob"), QStringLiteral("Bravo - Zed")};
    QCOMPARE(entryTexts(list(window, "lstMembers")), members);
    QCOMPARE(entryTexts(list(window, "lstSchedules")), members);
    const QStringList divisions {QStringLiteral("alpha"), QStringLiteral("Bravo"), QStringLiteral("Hidden")};
    QCOMPARE(entryTexts(list(window, "lstDivision")), divisions);
    QCOMPARE(entryTexts(window.memberFormTab()->cmbDiv), divisions);
    const QStringList zones {QStringLiteral("AAA"), QStringLiteral("AKST"), QStringLiteral("CET"),
                             QStringLiteral("CST"), QStringLiteral("EST"),  QStringLiteral("GMT"),
                             QStringLiteral("HST"), QStringLiteral("MST"),  QStringLiteral("PST")};
    QCOMPARE(entryTexts(window.memberFormTab()->cmbTZ), zones);
    QCOMPARE(entryTexts(window.options()->cmbTZ), zones);
    // Every entry carries its row's key: the two Bobs differ only by it.
    QCOMPARE(list(window, "lstMembers")->item(3)->data(Qt::UserRole).toByteArray(), zed);
    QCOMPARE(list(window, "lstSchedules")->item(3)->data(Qt::UserRole).toByteArray(), zed);
    QVERIFY(list(window, "lstMembers")->item(1)->data(Qt::UserRole)
            != list(window, "lstMembers")->item(2)->data(Qt::UserRole));
    QCOMPARE(list(window, "lstDivision")->item(1)->data(Qt::UserRole).toByteArray(), bravo);
    QCOMPARE(window.memberFormTab()->cmbDiv->itemData(1).toByteArray(), bravo);
    QCOMPARE(window.memberFormTab()->cmbTZ->itemData(0).userType(), QMetaType::Int);
    QCOMPARE(window.memberFormTab()->cmbTZ->itemData(0).toInt(), zone);
    // The export list waits for its tab; the window opens on "Members Info" with nothing selected.
    QCOMPARE(list(window, "lstExportDiv")->count(), 0);
    QCOMPARE(window.TabClan->currentIndex(), 0);
    QVERIFY(list(window, "lstMembers")->selectedItems().isEmpty());
    QVERIFY(Messages::shown().isEmpty());
}

void tst_RosterLists::emptyRosterGivesEmptyListsQuietly()
{
    TestRoster roster;
    roster.db().exec(QStringLiteral("Delete From TimeZones"));

    frmTallyhold window(roster.db(), Preferences());
    window.TabClan->setCurrentIndex(frmTallyhold::ExportImport);

    for (const char* name : {"lstMembers", "lstSchedules", "lstDivision", "lstExportDiv"})
        QCOMPARE(list(window, name)->count(), 0);
    QCOMPARE(window.memberFormTab()->cmbTZ->count(), 0);
    QVERIFY(Messages::shown().isEmpty());
}

void tst_RosterLists::exportListFillsOnEveryEntryAndDropsSelection()
{
    TestRoster roster;
    roster.addDivision(QStringLiteral("Bravo"));
    roster.addDivision(QStringLiteral("Alpha"), 1);
    frmTallyhold window(roster.db(), Preferences());
    QListWidget* exports = list(window, "lstExportDiv");

    window.TabClan->setCurrentIndex(frmTallyhold::ExportImport);
    QCOMPARE(entryTexts(exports), (QStringList {QStringLiteral("Alpha"), QStringLiteral("Bravo")}));
    exports->item(0)->setSelected(true);
    exports->item(1)->setSelected(true);

    // A division added behind the list's back shows up on the next entry, with nothing selected.
    roster.addDivision(QStringLiteral("Charlie"));
    window.TabClan->setCurrentIndex(frmTallyhold::ClansDivisions);
    window.TabClan->setCurrentIndex(frmTallyhold::ExportImport);
    QCOMPARE(entryTexts(exports),
             (QStringList {QStringLiteral("Alpha"), QStringLiteral("Bravo"), QStringLiteral("Charlie")}));
    QVERIFY(exports->selectedItems().isEmpty());
}

void tst_RosterLists::refillKeepsTypedComboText()
{
    TestRoster roster;
    frmTallyhold window(roster.db(), Preferences());
    QComboBox* zones = window.memberFormTab()->cmbTZ;
    // A text no zone begins with, so that the type-ahead leaves it as typed.
    zones->setEditText(QStringLiteral("Zulu"));

    window.LoadTimeZoneLists();
    window.LoadTimeZoneLists();

    QCOMPARE(zones->currentText(), QStringLiteral("Zulu"));
    QCOMPARE(window.options()->cmbTZ->currentText(), QStringLiteral("EST"));
    QCOMPARE(zones->count(), 8);
}

QTEST_MAIN(tst_RosterLists)
#include "tst_rosterlists.moc"
