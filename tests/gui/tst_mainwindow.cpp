#include "TestRoster.h"
#include "gui/Messages.h"
#include "gui/ProgressScope.h"
#include "gui/frmTallyhold.h"
#include "gui/frmOptions.h"
#include "gui/frmTZEdit.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QProgressBar>
#include <QTabWidget>
#include <QTest>
#include <QUrl>

namespace {

// The member form's days: caption, check box, the letter in its slot fields' names.
const char* const Days[6][3]
    = {{"Monday", "chkMonday", "M"},       {"Tuesday", "chkTuesday", "T"},
       {"Wednesday", "chkWednesday", "W"}, {"Thursday", "chkThursday", "R"},
       {"Friday", "chkFriday", "F"},       {"Saturday / Sunday", "chkWeekend", "SS"}};
const char* const Slots[4] = {"Slot1Start", "Slot1End", "Slot2Start", "Slot2End"};

} // namespace

// The main window's and the Options dialog's controls, tabs, menus, keyboard order and progress bar.
class tst_MainWindow : public QObject
{
    Q_OBJECT

public slots:
    void openUrl(const QUrl& url) { m_opened << url; }

private slots:
    void initTestCase();
    void cleanupTestCase() { QDesktopServices::unsetUrlHandler(QStringLiteral("file")); }
    void init();
    void cleanup();
    void tabsMenusAndListModes();
    void everyControlByNameAndAccessibleName_data();
    void everyControlByNameAndAccessibleName();
    void menuOpensModalDialogs_data();
    void menuOpensModalDialogs();
    void helpOpensThePageBesideTheProgram();
    void keyboardOrderOnTheMemberTab();
    void progressShowsOnlyWhileACommandRuns();
    void fitsOnA1024By768Screen();

private:
    TestRoster* m_roster = nullptr;
    frmTallyhold* m_window = nullptr;
    QList<QUrl> m_opened;
};

void tst_MainWindow::initTestCase()
{
    Messages::setScripted(true);
    QDesktopServices::setUrlHandler(QStringLiteral("file"), this, "openUrl");
}

void tst_MainWindow::init()
{
    Messages::clear();
    m_opened.clear();
    m_roster = new TestRoster;
    m_window = new frmTallyhold(m_roster->db(), Preferences());
}

void tst_MainWindow::cleanup()
{
    delete m_window;
    delete m_roster;
}

void tst_MainWindow::tabsMenusAndListModes()
{
    QCOMPARE(m_window->windowTitle(), QStringLiteral("Tallyhold"));
    QTabWidget* tabs = m_window->findChild<QTabWidget*>(QStringLiteral("TabClan"));
    QCOMPARE(tabs, m_window->TabClan);
    QStringList captions;
    for (int i = 0; i < tabs->count(); ++i)
        captions << tabs->tabText(i);
    QCOMPARE(captions,
             (QStringList {QStringLiteral("Members Info"), QStringLiteral("Add / Edit Members"),
                           QStringLiteral("Clans / Divisions"), QStringLiteral("Scheduling"),
                           QStringLiteral("Export / Import")}));
    QCOMPARE(tabs->currentIndex(), 0);

    const auto text = [](const QString& caption) {
        return QString(caption).remove(QLatin1Char('&'));
    };
    QStringList menus;
    for (const char* name : {"mnuFile", "mnuExit", "mnuTools", "mnuEditTZ", "mnuOptions", "mnuHelp"}) {
        auto* menu = m_window->findChild<QMenu*>(QLatin1String(name));
        auto* action = m_window->findChild<QAction*>(QLatin1String(name));
        QVERIFY2(menu || action, name);
        menus << text(menu ? menu->title() : action->text());
    }
    QCOMPARE(menus, QStringLiteral("File|Exit|Tools|Time Zone Edits|Options|Help").split(QLatin1Char('|')));
    QCOMPARE(m_window->findChild<QMenu*>(QStringLiteral("mnuFile"))->actions(),
             (QList<QAction*> {m_window->mnuExit}));
    QCOMPARE(m_window->findChild<QMenu*>(QStringLiteral("mnuTools"))->actions(),
             (QList<QAction*> {m_window->mnuEditTZ, m_window->mnuOptions}));
    QCOMPARE(m_window->mnuHelp->menu(), nullptr);

    const auto mode = [this](const char* name) {
        return m_window->findChild<QListWidget*>(QLatin1String(name))->selectionMode();
    };
    QCOMPARE(mode("lstMembers"), QAbstractItemView::SingleSelection);
    QCOMPARE(mode("lstDivision"), QAbstractItemView::SingleSelection);
    QCOMPARE(mode("lstSchedules"), QAbstractItemView::ExtendedSelection);
    QCOMPARE(mode("lstExportDiv"), QAbstractItemView::MultiSelection);
}

void tst_MainWindow::everyControlByNameAndAccessibleName_data()
{
    // The page is a tab's index, or -1 for the Options dialog.
    QTest::addColumn<int>("page");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("accessibleName");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("toolTip");
    const auto row = [](int page, const QString& name, const QString& accessibleName, const QString& caption,
                        const char* toolTip = "") {
        QTest::newRow(qPrintable(QString::number(page) + QLatin1Char(' ') + name))
            << page << name << accessibleName << caption << QString::fromLatin1(toolTip);
    };
    // Most controls show the name they are announced by.
    const auto same = [&row](int page, const char* name, const char* caption) {
        row(page, QLatin1String(name), QLatin1String(caption), QLatin1String(caption));
    };
    row(0, "lstMembers", "Members", "", "Single Click to view / Double Click to Edit");
    row(0, "lblAvailability", "Availability", "Availability", "Place mouse over days to display times");
    row(0, "lblMon", "Monday", "Mon");
    row(0, "lblTue", "Tuesday", "Tue");
    row(0, "lblWed", "Wednesday", "Wed");
    row(0, "lblThu", "Thursday", "Thu");
    row(0, "lblFri", "Friday", "Fri");
    row(0, "lblSatSun", "Saturday / Sunday", "Sat/Sun");
    same(0, "cmdEdit", "Edit Member");
    same(0, "cmdDeleteMember", "Delete Member");
    same(0, "Frame6", "Member Info (read only)");
    same(0, "lblReal", "Real");
    same(0, "lblStatus", "Status");
    same(0, "lblEMail", "E-Mail");
    same(0, "lblContact", "Contact");
    same(0, "lblTimeZone", "Time Zone");
    same(0, "lblNotes", "Notes");
    same(0, "lblNoSched", "No Scheduling Information Present");
    row(1, "txtNotes", "Member Notes", "");
    same(1, "txtPlayerName", "Player Name");
    same(1, "cmbDiv", "Clan / Division");
    same(1, "chkActive", "Active");
    same(1, "txtRealFirst", "Actual First Name");
    same(1, "txtRealLast", "Last");
    same(1, "txtEmail", "Default EMail");
    same(1, "txtEmail2", "Secondary Email");
    same(1, "txtOtherContact", "Other Contact Info");
    same(1, "cmbTZ", "Time Zone");
    same(1, "frmSchedules", "Playing Schedules");
    same(1, "frmMonday", "Monday");
    same(1, "Frame1", "Tuesday");
    same(1, "Frame2", "Wednesday");
    same(1, "Frame3", "Thursday");
    same(1, "Frame4", "Friday");
    same(1, "Frame5", "Saturday / Sunday");
    same(1, "cmdSave", "Save");
    same(1, "cmdClear", "Clear Fields");
    same(1, "cmdCancel", "Cancel");
    row(2, "lstDivision", "Clans / Divisions", "");
    row(2, "txtDivNotes", "Notes", "");
    same(2, "txtDivisionName", "Clan Name");
    same(2, "frmeDivNotes", "Notes");
    same(2, "chkDivHide", "Hide Members from Lists");
    same(2, "cmdNewDiv", "New Clan");
    same(2, "cmdDivSave", "Save");
    same(2, "cmdDivClear", "Clear Fields");
    same(2, "cmdDeleteDiv", "Delete");
    row(3, "lstSchedules", "Select Member(s)", "Select Member(s)", "Select Member(s)");
    row(3, "lstAvailable", "Available members", "");
    row(3, "lstBestTimes", "Best times", "", "Double click on a time and show who!");
    same(3, "Frame8", "Who can make the match");
    same(3, "txtMatchDate", "Date");
    same(3, "txtMatchTime", "Time");
    same(3, "cmdShowAvailable", "Show Available");
    same(3, "Frame7", "Best Times for Matches");
    same(3, "cmdShowBestTimes", "Show Best Times");
    row(4, "lstExportDiv", "Export divisions", "");
    same(4, "frmeExport", "Chose which Clans/Divisions then click Export");
    same(4, "cmdExport", "Export");
    same(4, "frmeImport", "Click Import");
    same(4, "cmdImport", "Import");
    same(-1, "frmePreferences", "Preferences");
    same(-1, "frmeGranularity", "Best Times Granularity");
    same(-1, "opt15", "15 Min");
    same(-1, "opt30", "30 Min");
    same(-1, "opt60", "60 Min");
    same(-1, "chkVerifyDialogs", "Disable Message Box Verifications");
    same(-1, "txtMaxResults", "Max Return on Show Best Times");
    same(-1, "frmeYourInfo", "Your Information");
    same(-1, "txtEmail", "EMail");
    same(-1, "txtName", "Name");
    same(-1, "cmbTZ", "Your Time Zone");
    same(-1, "chkApplyDST", "Apply DST");
    same(-1, "cmdSave", "Save Settings");
    same(-1, "cmdRestore", "Restore Settings");
    same(-1, "cmdCancel", "Cancel / Exit");
    for (const auto& day : Days) {
        row(1, QLatin1String(day[1]), QLatin1String(day[0]), {});
        for (const char* slot : Slots) {
            row(1, QLatin1String("txt") + QLatin1String(day[2]) + QLatin1String(slot),
                QStringLiteral("%1 slot %2 %3")
                    .arg(QLatin1String(day[0]), QChar::fromLatin1(slot[4]),
                         slot[5] == 'S' ? QStringLiteral("start") : QStringLiteral("end")),
                {});
        }
    }
}

void tst_MainWindow::everyControlByNameAndAccessibleName()
{
    QFETCH(int, page);
    QFETCH(QString, name);
    QFETCH(QString, accessibleName);
    QFETCH(QString, caption);
    QFETCH(QString, toolTip);

    QWidget* container = page < 0 ? m_window->options() : m_window->TabClan->widget(page);
    QWidget* control = container->findChild<QWidget*>(name);
    QVERIFY2(control, qPrintable(name));
    QCOMPARE(control->toolTip(), toolTip);
    // The text a user reads on or beside the control.
    QString shown;
    if (auto* button = qobject_cast<QAbstractButton*>(control))
        shown = button->text();
    else if (auto* frame = qobject_cast<QGroupBox*>(control))
        shown = frame->title();
    else if (auto* label = qobject_cast<QLabel*>(control))
        shown = label->text();
    for (QLabel* label : container->findChildren<QLabel*>())
        if (label->buddy() == control)
            shown = label->text();
    QCOMPARE(shown, caption);

    // What a screen reader gets: the name and, for a tooltip, the description (which Qt does not
    // pass on by itself). Qt on Unix announces an editable combo box by its text, so the name is
    // read off the widget.
    QCOMPARE(control->accessibleName(), accessibleName);
    if (!toolTip.isEmpty()) {
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(control);
        QVERIFY(accessible);
        QCOMPARE(accessible->text(QAccessible::Description), toolTip);
    }
}

void tst_MainWindow::menuOpensModalDialogs_data()
{
    QTest::addColumn<bool>("options");
    QTest::newRow("Options") << true;
    QTest::newRow("Time Zone Edits") << false;
}

void tst_MainWindow::menuOpensModalDialogs()
{
    QFETCH(bool, options);
    QDialog* dialog = options ? static_cast<QDialog*>(m_window->options()) : m_window->tzEdit();
    bool shownModal = false;
    // Runs inside the dialog's own event loop, then closes it.
    QMetaObject::invokeMethod(
        dialog,
        [&] {
            shownModal = dialog->isVisible() && dialog->isModal();
            dialog->reject();
        },
        Qt::QueuedConnection);

    (options ? m_window->mnuOptions : m_window->mnuEditTZ)->trigger();

    QVERIFY(shownModal);
    QVERIFY(!dialog->isVisible());
    QCOMPARE(dialog->windowTitle(), options ? QStringLiteral("Options") : QStringLiteral("Time Zone Edits"));
}

void tst_MainWindow::helpOpensThePageBesideTheProgram()
{
    // The working directory is the roster's temporary directory, not the program's.
    QVERIFY(QDir::currentPath() != QCoreApplication::applicationDirPath());

    m_window->mnuHelp->trigger();

    QCOMPARE(m_opened,
             QList<QUrl> {QUrl::fromLocalFile(QCoreApplication::applicationDirPath()
                                              + QStringLiteral("/Help/MainHelp.htm"))});
}

void tst_MainWindow::keyboardOrderOnTheMemberTab()
{
    m_window->show();
    QApplication::setActiveWindow(m_window);
    QVERIFY(QTest::qWaitForWindowActive(m_window));
    m_window->TabClan->setCurrentIndex(frmTallyhold::AddEditMembers);
    m_window->TabClan->currentWidget()
        ->findChild<QWidget*>(QStringLiteral("txtPlayerName"))
        ->setFocus(Qt::TabFocusReason);

    QStringList expected = QStringLiteral("txtPlayerName cmbDiv txtRealFirst txtRealLast cmbTZ txtEmail "
                                          "txtEmail2 txtOtherContact txtNotes")
                               .split(QLatin1Char(' '));
    for (const auto& day : Days) {
        expected << QLatin1String(day[1]);
        for (const char* slot : Slots)
            expected << QLatin1String("txt") + QLatin1String(day[2]) + QLatin1String(slot);
    }
    expected << QStringLiteral("cmdSave") << QStringLiteral("cmdClear") << QStringLiteral("chkActive")
             << QStringLiteral("cmdCancel");

    QStringList visited;
    for (int i = 0; i < expected.size(); ++i) {
        QWidget* focused = QApplication::focusWidget();
        QVERIFY(focused);
        // An editable combo box hands its focus to its line edit.
        while (focused->objectName().isEmpty() && focused->parentWidget())
            focused = focused->parentWidget();
        visited << focused->objectName();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    QCOMPARE(visited, expected);
}

void tst_MainWindow::progressShowsOnlyWhileACommandRuns()
{
    QProgressBar* bar = m_window->findChild<QProgressBar*>(QStringLiteral("pbar1"));
    QVERIFY(bar->isHidden());
    QCOMPARE(bar->minimum(), 0);
    QCOMPARE(bar->maximum(), 100);
    {
        ProgressScope progress(*m_window);
        QVERIFY(!bar->isHidden());
        QCOMPARE(bar->value(), 0);
        QCOMPARE(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
        progress.setValue(42.4);
        QCOMPARE(bar->value(), 42);
        progress.setValue(250);
        QCOMPARE(bar->value(), 100);
        progress.setValue(-5);
        QCOMPARE(bar->value(), 0);
    }
    QVERIFY(bar->isHidden());
    QCOMPARE(QApplication::overrideCursor(), nullptr);
}

void tst_MainWindow::fitsOnA1024By768Screen()
{
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window));
    const QSize frame = m_window->frameGeometry().size() - m_window->geometry().size();
    QVERIFY(m_window->minimumSizeHint().width() + frame.width() <= 1024);
    QVERIFY(m_window->minimumSizeHint().height() + frame.height() <= 740);
    QVERIFY(m_window->options()->minimumSizeHint().height() <= 700);
    m_window->resize(1024, 700);
    // Nothing squeezed below its own minimum on any tab at that size.
    for (int tab = 0; tab < m_window->TabClan->count(); ++tab) {
        m_window->TabClan->setCurrentIndex(tab);
        QWidget* page = m_window->TabClan->currentWidget();
        QVERIFY2(page->minimumSizeHint().width() <= page->width(), qPrintable(QString::number(tab)));
        QVERIFY2(page->minimumSizeHint().height() <= page->height(), qPrintable(QString::number(tab)));
    }
}

QTEST_MAIN(tst_MainWindow)
#include "tst_mainwindow.moc"
