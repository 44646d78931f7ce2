#include "TestRoster.h"
#include "app/Messages.h"
#include "app/ProgressScope.h"
#include "app/frmTallyhold.h"
#include "settings/frmOptions.h"
#include "timezones/frmTZEdit.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QProgressBar>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QUrl>

// The main window's controls, tabs, menus, keyboard order and progress bar.
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
    void tabsInIndexOrder();
    void everyControlByNameAndAccessibleName_data();
    void everyControlByNameAndAccessibleName();
    void selectionModes();
    void menus();
    void menuOpensModalDialogs_data();
    void menuOpensModalDialogs();
    void helpOpensThePageBesideTheProgram();
    void keyboardOrderOnTheMemberTab();
    void progressShowsOnlyWhileACommandRuns();
    void fitsOnA1024By768Screen();

private:
    static QString captionOf(QWidget* control);

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

void tst_MainWindow::tabsInIndexOrder()
{
    QCOMPARE(m_window->windowTitle(), QStringLiteral("Tallyhold"));
    QTabWidget* tabs = m_window->findChild<QTabWidget*>(QStringLiteral("TabClan"));
    QCOMPARE(tabs, m_window->TabClan);
    const QStringList captions {QStringLiteral("Members Info"), QStringLiteral("Add / Edit Members"),
                                QStringLiteral("Clans / Divisions"), QStringLiteral("Scheduling"),
                                QStringLiteral("Export / Import")};
    QCOMPARE(tabs->count(), captions.size());
    for (int i = 0; i < captions.size(); ++i)
        QCOMPARE(tabs->tabText(i), captions[i]);
    QCOMPARE(tabs->currentIndex(), 0);
}

// The text a user reads on or beside the control.
QString tst_MainWindow::captionOf(QWidget* control)
{
    if (auto* button = qobject_cast<QAbstractButton*>(control))
        return button->text();
    if (auto* frame = qobject_cast<QGroupBox*>(control))
        return frame->title();
    if (auto* label = qobject_cast<QLabel*>(control); label && !label->text().isEmpty())
        return label->text();
    for (QLabel* label : control->window()->findChildren<QLabel*>())
        if (label->buddy() == control)
            return label->text();
    return {};
}

void tst_MainWindow::everyControlByNameAndAccessibleName_data()
{
    QTest::addColumn<int>("tab");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("accessibleName");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("toolTip");
    const auto row = [](int tab, const char* name, const char* accessibleName, const char* caption,
                        const char* toolTip = "") {
        QTest::newRow(name) << tab << QString::fromLatin1(name) << QString::fromLatin1(accessibleName)
                            << QString::fromLatin1(caption) << QString::fromLatin1(toolTip);
    };
    row(0, "lstMembers", "Members", "", "Single Click to view / Double Click to Edit");
    row(0, "cmdEdit", "Edit Member", "Edit Member");
    row(0, "cmdDeleteMember", "Delete Member", "Delete Member");
    row(0, "Frame6", "Member Info (read only)", "Member Info (read only)");
    row(0, "lblReal", "Real", "Real");
    row(0, "lblStatus", "Status", "Status");
    row(0, "lblEMail", "E-Mail", "E-Mail");
    row(0, "lblContact", "Contact", "Contact");
    row(0, "lblTimeZone", "Time Zone", "Time Zone");
    row(0, "lblNotes", "Notes", "Notes");
    row(0, "lblAvailability", "Availability", "Availability", "Place mouse over days to display times");
    row(0, "lblMon", "Monday", "Mon");
    row(0, "lblTue", "Tuesday", "Tue");
    row(0, "lblWed", "Wednesday", "Wed");
    row(0, "lblThu", "Thursday", "Thu");
    row(0, "lblFri", "Friday", "Fri");
    row(0, "lblSatSun", "Saturday / Sunday", "Sat/Sun");
    row(0, "lblNoSched", "No Scheduling Information Present", "No Scheduling Information Present");
    row(1, "txtPlayerName", "Player Name", "Player Name");
    row(1, "cmbDiv", "Clan / Division", "Clan / Division");
    row(1, "chkActive", "Active", "Active");
    row(1, "txtRealFirst", "Actual First Name", "Actual First Name");
    row(1, "txtRealLast", "Last", "Last");
    row(1, "txtEmail", "Default EMail", "Default EMail");
    row(1, "txtEmail2", "Secondary Email", "Secondary Email");
    row(1, "txtOtherContact", "Other Contact Info", "Other Contact Info");
    row(1, "cmbTZ", "Time Zone", "Time Zone");
    row(1, "txtNotes", "Member Notes", "");
    row(1, "frmSchedules", "Playing Schedules", "Playing Schedules");
    row(1, "frmMonday", "Monday", "Monday");
    row(1, "Frame1", "Tuesday", "Tuesday");
    row(1, "Frame2", "Wednesday", "Wednesday");
    row(1, "Frame3", "Thursday", "Thursday");
    row(1, "Frame4", "Friday", "Friday");
    row(1, "Frame5", "Saturday / Sunday", "Saturday / Sunday");
    const char* days[6][3] = {{"Monday", "chkMonday", "M"},       {"Tuesday", "chkTuesday", "T"},
                              {"Wednesday", "chkWednesday", "W"}, {"Thursday", "chkThursday", "R"},
                              {"Friday", "chkFriday", "F"},       {"Saturday / Sunday", "chkWeekend", "SS"}};
    static QList<QByteArray> names;
    for (const auto& day : days) {
        row(1, day[1], day[0], "");
        for (const char* slot : {"Slot1Start", "Slot1End", "Slot2Start", "Slot2End"}) {
            names << QByteArray("txt") + day[2] + slot;
            QByteArray accessible
                = QByteArray(day[0]) + " slot " + slot[4] + (slot[5] == 'S' ? " start" : " end");
            names << accessible;
            row(1, names[names.size() - 2].constData(), names.last().constData(), "");
        }
    }
    row(1, "cmdSave", "Save", "Save");
    row(1, "cmdClear", "Clear Fields", "Clear Fields");
    row(1, "cmdCancel", "Cancel", "Cancel");
    row(2, "txtDivisionName", "Clan Name", "Clan Name");
    row(2, "lstDivision", "Clans / Divisions", "");
    row(2, "frmeDivNotes", "Notes", "Notes");
    row(2, "txtDivNotes", "Notes", "");
    row(2, "chkDivHide", "Hide Members from Lists", "Hide Members from Lists");
    row(2, "cmdNewDiv", "New Clan", "New Clan");
    row(2, "cmdDivSave", "Save", "Save");
    row(2, "cmdDivClear", "Clear Fields", "Clear Fields");
    row(2, "cmdDeleteDiv", "Delete", "Delete");
    row(3, "lstSchedules", "Select Member(s)", "Select Member(s)", "Select Member(s)");
    row(3, "Frame8", "Who can make the match", "Who can make the match");
    row(3, "txtMatchDate", "Date", "Date");
    row(3, "txtMatchTime", "Time", "Time");
    row(3, "cmdShowAvailable", "Show Available", "Show Available");
    row(3, "lstAvailable", "Available members", "");
    row(3, "Frame7", "Best Times for Matches", "Best Times for Matches");
    row(3, "cmdShowBestTimes", "Show Best Times", "Show Best Times");
    row(3, "lstBestTimes", "Best times", "", "Double click on a time and show who!");
    row(4, "frmeExport", "Chose which Clans/Divisions then click Export",
        "Chose which Clans/Divisions then click Export");
    row(4, "lstExportDiv", "Export divisions", "");
    row(4, "cmdExport", "Export", "Export");
    row(4, "frmeImport", "Click Import", "Click Import");
    row(4, "cmdImport", "Import", "Import");
}

void tst_MainWindow::everyControlByNameAndAccessibleName()
{
    QFETCH(int, tab);
    QFETCH(QString, name);
    QFETCH(QString, accessibleName);
    QFETCH(QString, caption);
    QFETCH(QString, toolTip);

    QWidget* page = m_window->TabClan->widget(tab);
    QWidget* control = page->findChild<QWidget*>(name);
    QVERIFY2(control, qPrintable(name));
    QCOMPARE(captionOf(control), caption);
    QCOMPARE(control->toolTip(), toolTip);

    // What a screen reader gets: the name and, for a tooltip, the description.
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(control);
    QVERIFY(accessible);
    QCOMPARE(accessible->text(QAccessible::Name), accessibleName);
    if (!toolTip.isEmpty())
        QCOMPARE(accessible->text(QAccessible::Description), toolTip);
    // And that name leads back to the control on its tab.
    QList<QWidget*> sameName;
    for (QWidget* widget : page->findChildren<QWidget*>())
        if (widget->accessibleName() == accessibleName)
            sameName << widget;
    QVERIFY(sameName.contains(control));
}

void tst_MainWindow::selectionModes()
{
    const auto mode = [this](const char* name) {
        return m_window->findChild<QListWidget*>(QLatin1String(name))->selectionMode();
    };
    QCOMPARE(mode("lstMembers"), QAbstractItemView::SingleSelection);
    QCOMPARE(mode("lstDivision"), QAbstractItemView::SingleSelection);
    QCOMPARE(mode("lstSchedules"), QAbstractItemView::ExtendedSelection);
    QCOMPARE(mode("lstExportDiv"), QAbstractItemView::MultiSelection);
    QVERIFY(m_window->findChild<QProgressBar*>(QStringLiteral("pbar1"))->isHidden());
}

void tst_MainWindow::menus()
{
    const auto text = [](const QString& caption) {
        return QString(caption).remove(QLatin1Char('&'));
    };
    auto* file = m_window->findChild<QMenu*>(QStringLiteral("mnuFile"));
    auto* tools = m_window->findChild<QMenu*>(QStringLiteral("mnuTools"));
    QVERIFY(file && tools);
    QCOMPARE(text(file->title()), QStringLiteral("File"));
    QCOMPARE(text(tools->title()), QStringLiteral("Tools"));
    QCOMPARE(file->actions(), (QList<QAction*> {m_window->mnuExit}));
    QCOMPARE(tools->actions(), (QList<QAction*> {m_window->mnuEditTZ, m_window->mnuOptions}));
    QCOMPARE(text(m_window->mnuExit->text()), QStringLiteral("Exit"));
    QCOMPARE(text(m_window->mnuEditTZ->text()), QStringLiteral("Time Zone Edits"));
    QCOMPARE(text(m_window->mnuOptions->text()), QStringLiteral("Options"));
    QCOMPARE(text(m_window->mnuHelp->text()), QStringLiteral("Help"));
    QCOMPARE(m_window->mnuHelp->menu(), nullptr);
    for (const char* name : {"mnuExit", "mnuEditTZ", "mnuOptions", "mnuHelp"})
        QVERIFY2(m_window->findChild<QAction*>(QLatin1String(name)), name);
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

    QCOMPARE(m_opened.size(), 1);
    QCOMPARE(
        m_opened.constFirst(),
        QUrl::fromLocalFile(QCoreApplication::applicationDirPath() + QStringLiteral("/Help/MainHelp.htm")));
}

void tst_MainWindow::keyboardOrderOnTheMemberTab()
{
    m_window->show();
    QApplication::setActiveWindow(m_window);
    QVERIFY(QTest::qWaitForWindowActive(m_window));
    m_window->TabClan->setCurrentIndex(frmTallyhold::AddEditMembers);
    QWidget* page = m_window->TabClan->currentWidget();
    page->findChild<QWidget*>(QStringLiteral("txtPlayerName"))->setFocus(Qt::TabFocusReason);

    QStringList expected {
        QStringLiteral("txtPlayerName"), QStringLiteral("cmbDiv"),          QStringLiteral("txtRealFirst"),
        QStringLiteral("txtRealLast"),   QStringLiteral("cmbTZ"),           QStringLiteral("txtEmail"),
        QStringLiteral("txtEmail2"),     QStringLiteral("txtOtherContact"), QStringLiteral("txtNotes")};
    const QStringList days {QStringLiteral("Monday"),    QStringLiteral("Tuesday"),
                            QStringLiteral("Wednesday"), QStringLiteral("Thursday"),
                            QStringLiteral("Friday"),    QStringLiteral("Weekend")};
    const QStringList letters {QStringLiteral("M"), QStringLiteral("T"), QStringLiteral("W"),
                               QStringLiteral("R"), QStringLiteral("F"), QStringLiteral("SS")};
    for (int d = 0; d < 6; ++d) {
        expected << QStringLiteral("chk") + days[d];
        for (const char* slot : {"Slot1Start", "Slot1End", "Slot2Start", "Slot2End"})
            expected << QStringLiteral("txt") + letters[d] + QLatin1String(slot);
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
    QProgressBar* bar = m_window->pbar1;
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
