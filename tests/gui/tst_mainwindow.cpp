#include "GuiTest.h"
#include "gui/MemberFormTab.h"
#include "gui/ProgressScope.h"
#include "gui/frmMemberChanges.h"
#include "gui/frmOptions.h"
#include "gui/frmTZEdit.h"
#include "store/RosterFile.h"

#include <QAccessible>
#include <QCryptographicHash>
#include <QDesktopServices>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollBar>
#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QUrl>

// What only the main window does: tabs, menus, dialogs, help, keyboard order, size, the
// progress bar, the list refills on the session's change signals and the flows between tabs.
class tst_MainWindow : public QObject
{
    Q_OBJECT

public slots:
    void openUrl(const QUrl& url) { m_opened << url; }

private slots:
    void initTestCase()
    {
        Messages::setScripted(true);
        QDesktopServices::setUrlHandler("file", this, "openUrl");
    }
    void cleanupTestCase() { QDesktopServices::unsetUrlHandler("file"); }

    void tabsMenusDialogsHelpProgressAndSize()
    {
        MainWindow w;
        QCOMPARE(w.window.windowTitle(), "Tallyhold");
        QCOMPARE(w.window.TabClan->currentIndex(), 0);

        for (QAction* item : {w.window.mnuOptions, w.window.mnuEditTZ}) {
            QDialog* dialog
                = item == w.window.mnuOptions ? static_cast<QDialog*>(w.window.options()) : w.window.tzEdit();
            bool shownModal = false;
            // Runs inside the dialog's own event loop.
            QMetaObject::invokeMethod(
                dialog,
                [&] {
                    shownModal = dialog->isVisible() && dialog->isModal();
                    dialog->reject();
                },
                Qt::QueuedConnection);
            item->trigger();
            QVERIFY(shownModal && !dialog->isVisible());
            QCOMPARE(dialog->windowTitle(), item->text().remove('&'));
        }

        // Help opens the page beside the program, not in the working directory (the roster's).
        QVERIFY(QDir::currentPath() != QCoreApplication::applicationDirPath());
        w.window.mnuHelp->trigger();
        QCOMPARE(m_opened,
                 {QUrl::fromLocalFile(QCoreApplication::applicationDirPath() + "/Help/MainHelp.htm")});

        // Open Shared Roster hands on a server's address, and only that.
        QSignalSpy chosen(&w.window, &frmTallyhold::rosterChosen);
        Messages::clear();
        Messages::scriptFileNames({"ClanRoster.mdb", " postgresql://me@db/clan "});
        w.window.mnuOpenShared->trigger(), w.window.mnuOpenShared->trigger();
        QCOMPARE(boxes(),
                 QStringList {"Open Shared Roster: A shared roster's address starts with postgresql://"});
        QCOMPARE(chosen.size() == 1 ? chosen[0][0].toString() : QString(), "postgresql://me@db/clan");

        QProgressBar* bar = w.find<QProgressBar>("pbar1");
        QVERIFY(bar->isHidden() && bar->maximum() == 100);
        {
            ProgressScope progress(*bar);
            QVERIFY(!bar->isHidden() && bar->value() == 0);
            QCOMPARE(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
            for (const auto& [given, shown] : {std::pair {42.4, 42}, {250.0, 100}, {-5.0, 0}}) {
                progress.setValue(given);
                QCOMPARE(bar->value(), shown);
            }
        }
        QVERIFY(bar->isHidden() && !QApplication::overrideCursor());

        const QSize frame = w.window.frameGeometry().size() - w.window.geometry().size();
        QVERIFY(w.window.width() + frame.width() <= 1024 && w.window.height() + frame.height() <= 768);
    }

    // A roster outside the working directory is named in the title and in About; the exchange
    // dialogs start in folders beside it.
    void rosterElsewhere()
    {
        TestRoster roster;
        const QString path = roster.db().path();
        QTemporaryDir elsewhere;
        QVERIFY(QDir::setCurrent(elsewhere.path()));
        frmTallyhold window(roster.session());
        QCOMPARE(window.windowTitle(), "Tallyhold - " + path);
        QCoreApplication::setApplicationVersion("9.8");
        Messages::clear();
        window.mnuAbout->trigger();
        QCOMPARE(onlyBox().title, "About Tallyhold");
        for (const QString& part : {QString("Tallyhold 9.8"), QString("Licence: "), path})
            QVERIFY2(onlyBox().text.contains(part), qPrintable(onlyBox().text));
        QSettings("Quillmoor", "Tallyhold").remove("Tallyhold/ExchangeFolder");
        window.findChild<QPushButton*>("cmdImport")->click();
        QCOMPARE(Messages::dialogTitles(), QStringList {"Import File Name"});
        QCOMPARE(Messages::dialogFolders(), QStringList {roster.filePath("Export")});
        QVERIFY(QFileInfo(roster.filePath("Export")).isDir()
                && !QFileInfo::exists(elsewhere.filePath("Export")));
    }

    // The window shows the damage once, as a box of its own, then refuses every save with the
    // read-only box; the file keeps its bytes.
    void damagedRosterIsOnlyRead()
    {
        TestRoster roster;
        roster.addMembersAndDamageOne(roster.addDivision("Alpha"), 60);
        const QString path = roster.db().path();
        roster.db().close();
        const auto digest = [&] {
            QFile file(path);
            file.open(QIODevice::ReadOnly);
            return QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha256);
        };
        const QByteArray before = digest();
        const RosterFile file = RosterFile::open(path);
        QCOMPARE(file.warnings().size(), 1);
        Messages::clear();
        Messages::error(nullptr, file.warnings().first());
        QVERIFY(onlyBox().title == "Roster Damaged" && onlyBox().icon == Messages::Icon::Exclamation);
        {
            Roster session(file.database(), {});
            frmTallyhold window(session);
            auto* name = window.findChild<QLineEdit*>("txtDivisionName");
            QVERIFY(name);
            name->setText("Bravo");
            Messages::clear();
            QTest::mouseClick(window.findChild<QPushButton*>("cmdDivSave"), Qt::LeftButton);
            QCOMPARE(boxes(),
                     QStringList({"Confirmation: Add Bravo?",
                                  "Read-Only Roster: The roster file "
                                      + QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath())
                                      + " can be viewed and scheduled but not changed."}));
            // A button that could only bring that box is off, and says why.
            QPushButton* away = window.memberFormTab()->cmdAwayChanges;
            QVERIFY(!away->isEnabled() && away->toolTip() == boxes("Read-Only Roster").value(0));
        }
        Database(file.database()).close();
        QCOMPARE(digest(), before);
    }

    void everyControlNamedAnnouncedAndInOrder()
    {
        MainWindow w;
        frmMemberChanges changes(w.session(), w.roster.addMember(w.roster.addDivision("Alpha"), 7, "Ann"),
                                 "Ann", "GMT", &w.window);
        // Each form on its own: the dialogs reuse names such as cmdSave.
        for (QWidget* form : QList<QWidget*> {&w.window, w.window.options(), w.window.tzEdit(), &changes}) {
            QStringList names;
            for (QWidget* control : form->findChildren<QWidget*>()) {
                const QString name = control->objectName();
                if (name.isEmpty() || name.startsWith("qt_") || control->window() != form)
                    continue;
                QVERIFY2(!names.contains(name), qPrintable(name));
                names << name;
                QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(control);
                QVERIFY2(accessible && !accessible->text(QAccessible::Name).isEmpty(), qPrintable(name));
                // Qt does not pass every tooltip on by itself.
                QCOMPARE(accessible->text(QAccessible::Description), control->toolTip());
            }
            QVERIFY(names.size() >= 10);
        }

        // The member tab's keyboard order.
        w.showTab(frmTallyhold::AddEditMembers);
        w.find<QWidget>("txtPlayerName")->setFocus(Qt::TabFocusReason);
        QStringList expected = QString("txtPlayerName cmbDiv txtRealFirst txtRealLast cmbTZ txtEmail "
                                       "txtEmail2 txtOtherContact txtNotes")
                                   .split(' ');
        for (const QString& day :
             QString("Monday:M Tuesday:T Wednesday:W Thursday:R Friday:F Weekend:SS").split(' ')) {
            expected << "chk" + day.section(':', 0, 0);
            for (const char* slot : {"Slot1Start", "Slot1End", "Slot2Start", "Slot2End"})
                expected << "txt" + day.section(':', 1) + slot;
        }
        expected << "cmdSave"
                 << "cmdClear"
                 << "chkActive"
                 << "cmdCancel";
        QStringList visited;
        for (int i = 0; i < expected.size(); ++i) {
            visited << focusName();
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
        QCOMPARE(visited, expected);
    }

    void changeSignalsRefillTheirLists_data()
    {
        QTest::addColumn<QString>("signal");
        QTest::addColumn<QStringList>("lists");
        QTest::newRow("members") << "membersChanged" << QStringList {"lstMembers", "lstSchedules"};
        QTest::newRow("divisions") << "divisionsChanged"
                                   << QStringList {"lstDivision", "cmbDiv", "lstExportDiv"};
        QTest::newRow("zones") << "zonesChanged"
                               << QStringList {"cmbTZ", "frmOptions/cmbTZ", "frmTZEdit/lstTimeZone"};
        QTest::newRow("View, Refresh (F5)")
            << "" << QStringList {"lstMembers", "lstDivision", "cmbDiv", "cmbTZ", "frmTZEdit/lstTimeZone"};
    }
    void changeSignalsRefillTheirLists()
    {
        QFETCH(QString, signal);
        QFETCH(QStringList, lists);
        MainWindow w;
        w.window.tzEdit();
        w.showTab(frmTallyhold::ExportImport);
        const auto count = [&](const QString& name) {
            QWidget* form = name.contains('/') ? w.window.findChild<QWidget*>(name.section('/', 0, 0))
                                               : w.window.centralWidget();
            QObject* list = form->findChild<QObject*>(name.section('/', -1));
            auto* combo = qobject_cast<QComboBox*>(list);
            return combo ? combo->count() : qobject_cast<QListWidget*>(list)->count();
        };
        QMap<QString, int> before;
        for (const QString& name : lists)
            before[name] = count(name);
        // Written behind the session's back: only the signal brings them into the lists.
        w.roster.addMember(w.roster.addDivision("Zulu"), 7, "Zed");
        w.roster.addZone("Zone9", "Ninth", 0, 0);
        auto* division = w.find<QComboBox>("cmbDiv");
        division->setEditText("typed");
        if (signal.isEmpty())
            QTest::keyClick(w.window.TabClan, Qt::Key_F5);
        else
            QVERIFY(QMetaObject::invokeMethod(&w.session(), signal.toLatin1().constData()));
        for (const QString& name : lists)
            QVERIFY2(count(name) == before[name] + 1, qPrintable(name));
        // A refill changes the choices, not what the user typed.
        QCOMPARE(division->currentText(), "typed");
        QVERIFY(Messages::shown().isEmpty());
    }

    void refillKeepsChoicesAndWideEntriesWhole()
    {
        MainWindow w;
        const RecordKey alpha = w.roster.addDivision("Alpha");
        // The wide entry is neither first nor last: the list measures only one entry itself.
        for (const QString& name : QStringList {"Ann", "Bob", "Dee", "Eve", QString(150, 'M'), "Zed"})
            w.roster.addMember(alpha, 7, name);
        emit w.session().membersChanged();
        w.showTab(frmTallyhold::Scheduling);
        auto* list = w.find<QListWidget>("lstSchedules");
        for (const int row : {0, 1, 3, 5})
            list->item(row)->setSelected(true);
        list->setCurrentRow(5, QItemSelectionModel::NoUpdate);
        QSignalSpy changed(list, &QListWidget::itemSelectionChanged);
        w.roster.db().exec("DELETE FROM Members WHERE MBR_Online_Player_Name = 'Eve'");
        emit w.session().membersChanged();
        QStringList chosen;
        for (const QListWidgetItem* item : list->selectedItems())
            chosen << item->text();
        chosen.sort();
        QCOMPARE(chosen, QStringList({"Alpha - Ann", "Alpha - Bob", "Alpha - Zed"}));
        QVERIFY(list->currentRow() == 4 && changed.count() == 1);
        // Scrolled sideways, the wide entry shows whole.
        const QListWidgetItem* wide = list->item(3);
        QVERIFY(list->horizontalScrollBar()->maximum() > 0);
        QVERIFY(list->visualItemRect(wide).width() >= list->fontMetrics().horizontalAdvance(wide->text()));
        // In bold, once required, after the next refill.
        list->setCurrentRow(3, QItemSelectionModel::ClearAndSelect);
        QTest::mouseClick(w.find<QPushButton>("cmdRequired"), Qt::LeftButton);
        emit w.session().membersChanged();
        QTRY_VERIFY(list->item(3)->font().bold());
        QVERIFY(list->visualItemRect(list->item(3)).width()
                >= QFontMetrics(list->item(3)->font()).horizontalAdvance(list->item(3)->text()));
    }

    void hintsExportRefillAndEditFlow()
    {
        MainWindow w;
        const auto hint = [&](const char* name) {
            auto* label = w.find<QLabel>(name);
            return label->isHidden() ? QString() : label->text();
        };
        const QString firstRun
            = "No clans yet: add one on Clans / Divisions, then add members on Add / Edit Members. Your own "
              "time zone, in which times are shown, is set in Tools › Options.";
        QVERIFY(hint("lblMembersHint") == firstRun && hint("lblClansHint") == firstRun);
        QVERIFY(hint("lblSchedulesHint").endsWith(firstRun) && !hint("lblExportHint").isEmpty());
        const RecordKey alpha = w.session().addDivision({"Alpha", {}, false});
        QVERIFY(hint("lblClansHint").isEmpty() && hint("lblExportHint").isEmpty());
        QVERIFY(hint("lblMembersHint").startsWith("No members listed yet"));
        w.roster.addMember(alpha, 7, "Bob");
        emit w.session().membersChanged();
        QVERIFY(hint("lblMembersHint").isEmpty() && hint("lblSchedulesHint").isEmpty());

        // The export list refills, unselected, on every entry to its tab.
        w.roster.addDivision("Bravo");
        auto* exports = w.find<QListWidget>("lstExportDiv");
        QCOMPARE(exports->count(), 1);
        w.showTab(frmTallyhold::ExportImport);
        QCOMPARE(entryTexts(exports), QStringList({"Alpha", "Bravo"}));
        exports->item(0)->setSelected(true);
        w.showTab(frmTallyhold::Scheduling);
        w.showTab(frmTallyhold::ExportImport);
        QVERIFY(exports->selectedItems().isEmpty());

        // Edit goes to the form; Cancel comes back.
        auto* list = w.find<QListWidget>("lstMembers");
        MemberFormTab* form = w.window.memberFormTab();
        clickEntry(list, 0);
        // The member shown follows another writer's change.
        w.roster.db().exec("UPDATE Members SET MBR_Email_Primary = 'bob@example.org'");
        emit w.session().membersChanged();
        QCOMPARE(w.find<QLabel>("lblEMail")->text(), "bob@example.org");
        QTest::mouseClick(w.find<QPushButton>("cmdEdit"), Qt::LeftButton);
        QCOMPARE(w.window.TabClan->currentIndex(), int(frmTallyhold::AddEditMembers));
        QVERIFY(form->editMode() && form->txtPlayerName->text() == "Bob");
        QTest::mouseClick(form->cmdCancel, Qt::LeftButton);
        QVERIFY(w.window.TabClan->currentIndex() == frmTallyhold::MembersInfo && !form->editMode());
        QVERIFY(Messages::shown().isEmpty());
    }

private:
    QList<QUrl> m_opened;
};

QTEST_MAIN(tst_MainWindow)
#include "tst_mainwindow.moc"
