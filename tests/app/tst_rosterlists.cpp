#include "TestRoster.h"
#include "app/Messages.h"
#include "app/frmTallyhold.h"
#include "settings/Preferences.h"
#include "settings/frmOptions.h"

#include <QComboBox>
#include <QListWidget>
#include <QTabWidget>
#include <QTest>

// The shared lists as the main window fills them at start-up and on entering "Export / Import".
class tst_RosterLists : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { Messages::setScripted(true); }
    void init() { Messages::clear(); }
    void startUpFillsEveryList();
    void entriesCarryTheirKeys();
    void emptyRosterGivesEmptyListsQuietly();
    void exportListFillsOnEveryEntryAndDropsSelection();
    void refillKeepsTypedComboText();

private:
    static QStringList texts(const QListWidget* list);
    // The member form's zone box; the Options dialog has one of the same name.
    static QComboBox* memberZones(frmTallyhold& window)
    {
        return window.TabClan->widget(frmTallyhold::AddEditMembers)
            ->findChild<QComboBox*>(QStringLiteral("cmbTZ"));
    }
    static QStringList texts(const QComboBox* combo);
    template<class T> static T* control(frmTallyhold& window, const char* name)
    {
        T* found = window.findChild<T*>(QLatin1String(name));
        if (!found)
            qFatal("no control %s", name);
        return found;
    }
};

QStringList tst_RosterLists::texts(const QListWidget* list)
{
    QStringList result;
    for (int i = 0; i < list->count(); ++i)
        result << list->item(i)->text();
    return result;
}

QStringList tst_RosterLists::texts(const QComboBox* combo)
{
    QStringList result;
    for (int i = 0; i < combo->count(); ++i)
        result << combo->itemText(i);
    return result;
}

void tst_RosterLists::startUpFillsEveryList()
{
    TestRoster roster;
    const RecordKey bravo = roster.addDivision(QStringLiteral("Bravo  "));
    const RecordKey alpha = roster.addDivision(QStringLiteral("alpha"));
    const RecordKey hidden = roster.addDivision(QStringLiteral("Hidden"), 1);
    roster.addMember(bravo, 1, QStringLiteral(" Zed  "));
    roster.addMember(alpha, 1, QStringLiteral("Bob"));
    roster.addMember(alpha, 2, QStringLiteral("Bob"));
    roster.addMember(alpha, 1, QStringLiteral("amy"));
    roster.addMember(hidden, 1, QStringLiteral("Ghost"));
    roster.addMember(NewRecordKey(), 1, QStringLiteral("Orphan"));
    roster.addZone(QStringLiteral(" AAA "), QStringLiteral("First"), 0, 0);

    frmTallyhold window(roster.db(), Preferences());

    const QStringList members {QStringLiteral("alpha - amy"), QStringLiteral("alpha - Bob"),
                               QStringLiteral("alpha - Bob"), QStringLiteral("Bravo - Zed")};
    QCOMPARE(texts(control<QListWidget>(window, "lstMembers")), members);
    QCOMPARE(texts(control<QListWidget>(window, "lstSchedules")), members);
    const QStringList divisions {QStringLiteral("alpha"), QStringLiteral("Bravo"), QStringLiteral("Hidden")};
    QCOMPARE(texts(control<QListWidget>(window, "lstDivision")), divisions);
    QCOMPARE(texts(control<QComboBox>(window, "cmbDiv")), divisions);
    const QStringList zones {QStringLiteral("AAA"), QStringLiteral("AKST"), QStringLiteral("CET"),
                             QStringLiteral("CST"), QStringLiteral("EST"),  QStringLiteral("GMT"),
                             QStringLiteral("HST"), QStringLiteral("MST"),  QStringLiteral("PST")};
    QCOMPARE(texts(memberZones(window)), zones);
    QCOMPARE(texts(window.options()->findChild<QComboBox*>(QStringLiteral("cmbTZ"))), zones);
    // The export list waits for its tab; the window opens on "Members Info" with nothing selected.
    QCOMPARE(control<QListWidget>(window, "lstExportDiv")->count(), 0);
    QCOMPARE(window.TabClan->currentIndex(), 0);
    QVERIFY(control<QListWidget>(window, "lstMembers")->selectedItems().isEmpty());
    QVERIFY(Messages::shown().isEmpty());
}

void tst_RosterLists::entriesCarryTheirKeys()
{
    TestRoster roster;
    const RecordKey team = roster.addDivision(QStringLiteral("A-Team"));
    const RecordKey first = roster.addMember(team, 1, QStringLiteral("Bob"));
    const RecordKey second = roster.addMember(team, 1, QStringLiteral("Bob"));
    const int zone = roster.addZone(QStringLiteral("GMT-5"), QString(), 300, 0);

    frmTallyhold window(roster.db(), Preferences());

    const QListWidget* list = control<QListWidget>(window, "lstMembers");
    QCOMPARE(list->count(), 2);
    const QSet<QByteArray> keys {list->item(0)->data(Qt::UserRole).toByteArray(),
                                 list->item(1)->data(Qt::UserRole).toByteArray()};
    QCOMPARE(keys, (QSet<QByteArray> {first, second}));
    QCOMPARE(control<QListWidget>(window, "lstDivision")->item(0)->data(Qt::UserRole).toByteArray(), team);
    const QComboBox* zones = memberZones(window);
    const int index = zones->findText(QStringLiteral("GMT-5"));
    QVERIFY(index >= 0);
    QCOMPARE(zones->itemData(index).userType(), QMetaType::Int);
    QCOMPARE(zones->itemData(index).toInt(), zone);
}

void tst_RosterLists::emptyRosterGivesEmptyListsQuietly()
{
    TestRoster roster;
    roster.db().exec(QStringLiteral("Delete From TimeZones"));

    frmTallyhold window(roster.db(), Preferences());
    window.TabClan->setCurrentIndex(4);

    for (const char* name : {"lstMembers", "lstSchedules", "lstDivision", "lstExportDiv"})
        QCOMPARE(control<QListWidget>(window, name)->count(), 0);
    QCOMPARE(memberZones(window)->count(), 0);
    QVERIFY(Messages::shown().isEmpty());
}

void tst_RosterLists::exportListFillsOnEveryEntryAndDropsSelection()
{
    TestRoster roster;
    roster.addDivision(QStringLiteral("Bravo"));
    roster.addDivision(QStringLiteral("Alpha"), 1);
    frmTallyhold window(roster.db(), Preferences());
    QListWidget* list = control<QListWidget>(window, "lstExportDiv");
    QCOMPARE(list->selectionMode(), QAbstractItemView::MultiSelection);

    window.TabClan->setCurrentIndex(4);
    QCOMPARE(texts(list), (QStringList {QStringLiteral("Alpha"), QStringLiteral("Bravo")}));
    list->item(0)->setSelected(true);
    list->item(1)->setSelected(true);

    // A division added behind the list's back shows up on the next entry, with nothing selected.
    roster.addDivision(QStringLiteral("Charlie"));
    window.TabClan->setCurrentIndex(4);
    QCOMPARE(list->selectedItems().size(), 2);
    window.TabClan->setCurrentIndex(2);
    window.TabClan->setCurrentIndex(4);
    QCOMPARE(texts(list),
             (QStringList {QStringLiteral("Alpha"), QStringLiteral("Bravo"), QStringLiteral("Charlie")}));
    QVERIFY(list->selectedItems().isEmpty());
}

void tst_RosterLists::refillKeepsTypedComboText()
{
    TestRoster roster;
    frmTallyhold window(roster.db(), Preferences());
    QComboBox* zones = memberZones(window);
    // A text no zone begins with, so that the type-ahead leaves it as typed.
    zones->setEditText(QStringLiteral("Zulu"));

    window.LoadTimeZoneLists();
    window.LoadTimeZoneLists();

    QCOMPARE(zones->currentText(), QStringLiteral("Zulu"));
    QCOMPARE(zones->count(), 8);
    QCOMPARE(texts(zones).removeDuplicates(), 0);
}

QTEST_MAIN(tst_RosterLists)
#include "tst_rosterlists.moc"
