#include "GuiTest.h"
#include "gui/ExchangeTab.h"
#include "gui/frmOptions.h"
#include "gui/frmTZEdit.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCompleter>
#include <QFile>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>

namespace {

// Time Zone Edits on its own, refilled on the session's signal as the main window does.
struct Zones
{
    explicit Zones(bool verifyOff = false)
        : roster({.verifyOff = verifyOff})
        , tz(roster.session(), nullptr)
    {
        QObject::connect(&roster.session(), &Roster::zonesChanged, &tz, &frmTZEdit::LoadTZEdit);
        showActive(tz);
    }
    void select(const QString& entry)
    {
        tz.lstTimeZone->setCurrentRow(entryTexts(tz.lstTimeZone).indexOf(entry));
    }
    bool fieldsEmpty() const
    {
        return tz.txtTZName->text().isEmpty() && tz.txtTZDescription->text().isEmpty()
            && tz.txtGMTOffset->text() == "0" && !tz.chkApplyDST->isChecked();
    }
    // As a click on the control would.
    void focus(QWidget* control)
    {
        control->setFocus(Qt::MouseFocusReason);
        QCoreApplication::processEvents();
    }
    TestRoster roster;
    frmTZEdit tz;
};

// "Export / Import" on its own, the file dialogs scripted.
struct Exchange
{
    Exchange()
        : tab(roster.session(), bar)
    {
        follow(roster.session(), &Roster::divisionsChanged, tab.lstExportDiv, &Roster::divisionList);
        QObject::connect(&bar, &QProgressBar::valueChanged, &bar,
                         [this] { shownWhileRunning |= bar.isVisible(); });
        tab.layout()->addWidget(&bar);
        showActive(tab);
    }
    // Clicks with the file dialog answered; the texts of the boxes shown.
    QStringList click(QPushButton* button, const QString& fileName,
                      const QList<Messages::Answer>& answers = {})
    {
        Messages::clear();
        Messages::scriptFileNames({fileName});
        Messages::scriptAnswers(answers);
        QTest::mouseClick(button, Qt::LeftButton);
        QStringList texts;
        for (const Messages::Shown& box : Messages::shown())
            texts << box.text;
        return texts;
    }
    TestRoster roster;
    // Inside the tab, as in the main window, so showing it does not open a window of its own.
    QProgressBar& bar = *new QProgressBar;
    ExchangeTab tab;
    bool shownWhileRunning = false;
};

} // namespace

// Options, Time Zone Edits and "Export / Import", each on a roster session without the main window.
class tst_Dialogs : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { Messages::setScripted(true); }
    void init()
    {
        Messages::clear();
        QSettings("Quillmoor", "Tallyhold").clear();
    }

    void optionsRefusedSaveFocusesTheField_data()
    {
        QTest::addColumn<QStringList>("zoneFocusTitle");
        QTest::addColumn<Messages::Icon>("icon");
        QTest::newRow("limit") << QStringList {"EST", "txtMaxResults", "Tallyhold"} << Messages::Icon::None;
        // The zone is checked first: a bad limit as well brings only the zone's box.
        QTest::newRow("zone") << QStringList {"XYZ", "cmbTZ", "Time Zone Not Found"}
                              << Messages::Icon::Information;
    }
    void optionsRefusedSaveFocusesTheField()
    {
        QFETCH(QStringList, zoneFocusTitle);
        QFETCH(Messages::Icon, icon);
        TestRoster roster;
        frmOptions options(roster.session(), nullptr);
        showActive(options);
        options.cmbTZ->setEditText(zoneFocusTitle[0]);
        options.txtMaxResults->setText("abc");
        options.txtName->setText("Changed");
        QTest::mouseClick(options.cmdSave, Qt::LeftButton);
        QCOMPARE(QStringList({zoneFocusTitle[0], focusName(), onlyBox().title}), zoneFocusTitle);
        QVERIFY(onlyBox().icon == icon && options.txtName->text() == "Changed");
    }

    void optionsSaveReadsEveryFieldRestoreShowsTheStoreCancelHides()
    {
        TestRoster roster;
        // A zone without a real time zone, whose daylight saving the user chooses.
        roster.addZone("BRT", "Brasilia", 180, 0);
        frmOptions options(roster.session(), nullptr);
        options.cmbTZ->setEditText("BRT");
        options.chkApplyDST->setChecked(false);
        options.chkVerifyDialogs->setChecked(true);
        options.txtMaxResults->setText("25");
        options.txtName->setText("Ann");
        options.txtEmail->setText("ann@example.org");
        options.opt15->setChecked(true);
        options.cmdSave->click();
        const Preferences& now = roster.session().preferences();
        QCOMPARE(QStringList({now.userTimeZone, now.userName, now.userEmail}),
                 QStringList({"BRT", "Ann", "ann@example.org"}));
        QVERIFY(!now.userDST && now.verifyOff && now.maxResults == 25 && now.timeGranularity == 15);
        options.opt60->setChecked(true);
        options.txtMaxResults->setText("3");
        options.cmdRestore->click();
        QVERIFY(options.opt15->isChecked() && options.txtMaxResults->text() == "25");
        QVERIFY(Messages::shown().isEmpty());
        // Cancel hides the dialog and keeps unsaved edits for its next showing.
        showActive(options);
        options.txtName->setText("Not saved");
        QTest::mouseClick(options.cmdCancel, Qt::LeftButton);
        QVERIFY(!options.isVisible() && options.txtName->text() == "Not saved");
        QCOMPARE(roster.session().preferences().userName, "Ann");
    }

    void zoneSelectSaveDeleteByKey_data()
    {
        QTest::addColumn<bool>("verifyOff");
        QTest::newRow("confirmed") << false;
        QTest::newRow("verify off") << true;
    }
    void zoneSelectSaveDeleteByKey()
    {
        QFETCH(bool, verifyOff);
        Zones d(verifyOff);
        QVERIFY(d.fieldsEmpty());
        const int key = d.roster.addZone("GMT-5", "Test", -300, 1);
        d.tz.LoadTZEdit();
        d.select("GMT-5 - Test");
        QTest::mouseClick(d.tz.cmdSelect, Qt::LeftButton);
        QCOMPARE(
            QStringList({d.tz.txtTZName->text(), d.tz.txtTZDescription->text(), d.tz.txtGMTOffset->text()}),
            QStringList({"GMT-5", "Test", "-300"}));
        QVERIFY(d.tz.chkApplyDST->isChecked() && focusName() == "txtTZName");
        d.tz.txtTZName->setText("GMT-6");
        QTest::mouseClick(d.tz.cmdSave, Qt::LeftButton);
        QCOMPARE(boxes("Confirmation"), verifyOff ? QStringList() : QStringList {"Update GMT-6?"});
        QVERIFY(d.roster.session().zone(key).name == "GMT-6" && d.fieldsEmpty());
        // Edit mode ended with the Save: the next one adds.
        d.tz.txtTZName->setText("New");
        Messages::clear();
        QTest::mouseClick(d.tz.cmdSave, Qt::LeftButton);
        QCOMPARE(boxes("Confirmation"), verifyOff ? QStringList() : QStringList {"Add New?"});
        QVERIFY(entryTexts(d.tz.lstTimeZone).contains("New - ")
                && d.roster.session().zone(key).name == "GMT-6");
        // Delete asks whatever the preference says.
        Messages::clear();
        d.select("GMT-6 - Test");
        Messages::scriptAnswers({Messages::Answer::No});
        QTest::mouseClick(d.tz.cmdDelete, Qt::LeftButton);
        QCOMPARE(boxes("Confirmation"), QStringList {"Delete GMT-6?"});
        QVERIFY(entryTexts(d.tz.lstTimeZone).contains("GMT-6 - Test"));
        QTest::mouseClick(d.tz.cmdDelete, Qt::LeftButton);
        QVERIFY(!entryTexts(d.tz.lstTimeZone).contains("GMT-6 - Test"));
    }

    // Picking a real time zone fills the fixed fields older copies read; Options then follows it.
    void realTimeZonePickedAndFollowed()
    {
        Zones d(true);
        const int kolkata = d.tz.cmbRealZone->findData("Asia/Kolkata");
        QCOMPARE(d.tz.cmbRealZone->itemText(kolkata), "Asia/Kolkata (UTC+05:30)");
        d.tz.txtTZName->setText("IST");
        d.tz.chkApplyDST->setChecked(true);
        d.tz.cmbRealZone->setCurrentIndex(kolkata);
        emit d.tz.cmbRealZone->activated(kolkata);
        QVERIFY(d.tz.txtGMTOffset->text() == "-330" && !d.tz.chkApplyDST->isChecked());
        d.tz.cmdSave->click();
        QCOMPARE(d.roster.db().first("SELECT TZ_IANA FROM TimeZones WHERE TZ_Name = 'IST'")->value(0),
                 "Asia/Kolkata");
        d.tz.cmbRealZone->setEditText("Mars/Olympus");
        d.tz.txtTZName->setText("Mars");
        d.tz.cmdSave->click();
        QVERIFY(onlyBox().title == "Data Format Error" && focusName() == "cmbRealZone");

        frmOptions options(d.roster.session(), nullptr);
        options.cmbTZ->setEditText("Mars");
        QVERIFY(options.chkApplyDST->isEnabled() && options.chkApplyDST->isChecked());
        QVERIFY(options.lblDaylight->text().isEmpty());
        options.cmbTZ->setEditText("IST");
        QVERIFY(!options.chkApplyDST->isEnabled() && !options.chkApplyDST->isChecked());
        // The greyed box is explained in tallyhold-cli's words.
        QCOMPARE(options.lblDaylight->text(), "follows Asia/Kolkata: no daylight saving today");
    }

    // Whole names in the list; a real zone found by typing part of it; a clock without summer
    // time says so.
    void zoneNamesWholeRealZoneSearchedGmtExplained()
    {
        Zones d(true);
        QVERIFY(d.tz.lstTimeZone->viewport()->width() >= d.tz.lstTimeZone->sizeHintForColumn(0));
        d.select("GMT - Greenwich");
        QTest::mouseClick(d.tz.cmdSelect, Qt::LeftButton);
        QVERIFY(d.tz.lblRealZoneNote->isVisible());
        QVERIFY(d.tz.lblRealZoneNote->text().startsWith("Etc/GMT has no summer time"));
        QTest::mouseClick(d.tz.cmdNew, Qt::LeftButton);
        QVERIFY(d.tz.cmbRealZone->currentText().isEmpty() && d.tz.lblRealZoneNote->isHidden());
        QTest::keyClicks(d.tz.cmbRealZone->lineEdit(), "London");
        QCOMPARE(d.tz.cmbRealZone->currentText(), "London");
        QCOMPARE(d.tz.cmbRealZone->completer()->currentCompletion(),
                 d.tz.cmbRealZone->itemText(d.tz.cmbRealZone->findData("Europe/London")));
    }

    void zoneOffsetRefusalsAndKeys()
    {
        Zones d;
        d.tz.txtGMTOffset->setFocus();
        d.tz.txtGMTOffset->setText("abc");
        d.focus(d.tz.txtTZDescription);
        QVERIFY(onlyBox().title == "Data Format Error" && onlyBox().icon == Messages::Icon::Critical);
        QCOMPARE(focusName(), "txtGMTOffset");
        // Leaving for a command button is let through; Save refuses on its own, name first.
        Messages::clear();
        d.tz.txtTZName->setText("  ");
        d.focus(d.tz.cmdSave);
        QVERIFY(Messages::shown().isEmpty());
        d.tz.cmdSave->click();
        QVERIFY(onlyBox().title == "Data Format Error" && focusName() == "txtTZName");
        Messages::clear();
        d.tz.txtTZName->setText("X");
        d.focus(d.tz.cmdSave);
        d.tz.cmdSave->click();
        QVERIFY(onlyBox().title == "Data Format Error" && focusName() == "txtGMTOffset");
        // Another window taking the focus is not leaving the field.
        Messages::clear();
        QWidget other;
        showActive(other);
        QCoreApplication::processEvents();
        showActive(d.tz);
        // Exit throws the text away and hides the dialog; a good offset passes.
        d.focus(d.tz.cmdExit);
        d.tz.cmdExit->click();
        QVERIFY(!d.tz.isVisible() && d.fieldsEmpty());
        showActive(d.tz);
        d.tz.txtGMTOffset->setFocus();
        d.tz.txtGMTOffset->setText("-300");
        d.focus(d.tz.txtTZName);
        QVERIFY(Messages::shown().isEmpty());

        d.roster.addMember(d.roster.addDivision("Alpha"), 7, "Bob");
        QTest::mouseClick(d.tz.cmdSelect, Qt::LeftButton);
        QTest::mouseClick(d.tz.cmdDelete, Qt::LeftButton);
        QCOMPARE(boxes(), QStringList(2, "Selection Error: You must first highlight a Time Zone!"));
        QCOMPARE(Messages::shown().first().icon, Messages::Icon::Critical);
        Messages::clear();
        d.select("GMT - Greenwich");
        QTest::mouseClick(d.tz.cmdDelete, Qt::LeftButton);
        QVERIFY(onlyBox().title == "Deletion Criteria Not Met"
                && onlyBox().icon == Messages::Icon::Exclamation);
        Messages::clear();
        // No default button: Enter in a field clicks nothing.
        QTest::mouseClick(d.tz.cmdNew, Qt::LeftButton);
        d.tz.txtTZName->setText("Typed");
        QTest::keyClick(d.tz.txtTZName, Qt::Key_Return);
        QVERIFY(Messages::shown().isEmpty() && d.tz.txtTZName->text() == "Typed" && d.tz.isVisible());
        // Enter on the entry under the cursor selects it, even when it is not highlighted.
        d.tz.lstTimeZone->setFocus();
        d.tz.lstTimeZone->clearSelection();
        d.tz.lstTimeZone->setCurrentRow(entryTexts(d.tz.lstTimeZone).indexOf("EST - Eastern"),
                                        QItemSelectionModel::NoUpdate);
        QVERIFY(d.tz.lstTimeZone->selectedItems().isEmpty());
        QTest::keyClick(d.tz.lstTimeZone, Qt::Key_Return);
        QVERIFY(Messages::shown().isEmpty() && d.tz.txtTZName->text() == "EST");
        // Escape leaves like Exit.
        QTest::keyClick(d.tz.lstTimeZone, Qt::Key_Escape);
        QVERIFY(!d.tz.isVisible() && d.fieldsEmpty());
    }

    void exportThenImport()
    {
        Exchange source;
        const QString path = source.roster.filePath("out.tlx");
        for (const char* name : {"Alpha", "Bravo", "Charlie"})
            source.roster.addMember(source.roster.addDivision(name), 7, "Bob");
        emit source.roster.session().divisionsChanged();
        QCOMPARE(source.click(source.tab.cmdExport, path).size(), 1);
        QVERIFY(Messages::dialogTitles().isEmpty());

        // A click toggles an entry: Alpha and Charlie are chosen, Bravo was chosen and dropped.
        for (int row : {0, 1, 2, 1})
            clickEntry(source.tab.lstExportDiv, row);
        // A name typed without a suffix gets ".tlx"; the box says where the file went.
        QCOMPARE(source.click(source.tab.cmdExport, source.roster.filePath("out")),
                 QStringList {"Export Completed!"});
        QCOMPARE(Messages::dialogTitles(), QStringList {"Export File Name"});
        QCOMPARE(Messages::shown().first().detail, "Saved as " + QDir::toNativeSeparators(path));
        QVERIFY(source.shownWhileRunning && source.bar.isHidden());
        const auto contents = [&] {
            QFile file(path);
            return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
        };
        const QByteArray exported = contents();
        // Answering No to the overwrite question keeps the file as it was.
        clickEntry(source.tab.lstExportDiv, 1);
        QCOMPARE(source.click(source.tab.cmdExport, source.roster.filePath("out"), {Messages::Answer::No}),
                 QStringList {"This Export File Already Exists... Overwrite?"});
        QVERIFY(!exported.isEmpty() && contents() == exported);

        Exchange target;
        QCOMPARE(target.click(target.tab.cmdImport, path), QStringList {"Import Completed!"});
        QCOMPARE(Messages::dialogTitles(), QStringList {"Import File Name"});
        // Import starts in the folder last exported to, whichever roster is open.
        QCOMPARE(Messages::dialogFolders(), QStringList {source.roster.dir()});
        QVERIFY(!Messages::shown().first().detail.isEmpty());
        QVERIFY(target.shownWhileRunning && target.bar.isHidden());
        QCOMPARE(entryTexts(target.tab.lstExportDiv), QStringList({"Alpha", "Charlie"}));

        // A file that cannot be read is refused in its own box; nothing is reported done.
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write("1|x\n") > 0);
        file.close();
        const QStringList refused = target.click(target.tab.cmdImport, path);
        QVERIFY(refused.size() == 1 && refused.first() != "Import Completed!");
        QCOMPARE(Messages::shown().first().icon, Messages::Icon::Critical);
    }
};

QTEST_MAIN(tst_Dialogs)
#include "tst_dialogs.moc"
