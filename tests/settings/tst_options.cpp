#include "TestRoster.h"
#include "app/Messages.h"
#include "app/frmTallyhold.h"
#include "settings/frmOptions.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QTest>

// The Options dialog: what it shows, what Save refuses and keeps, Restore and Cancel / Exit.
class tst_Options : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { Messages::setScripted(true); }
    void init();
    void cleanup();
    void controls_data();
    void controls();
    void showsTheDefaultsOfAnEmptyStore();
    void resultLimitRefused_data();
    void resultLimitRefused();
    void unknownZoneRefused_data();
    void unknownZoneRefused();
    void saveTakesEffectAtOnceAndPersists();
    void granularityRoundTrip();
    void unofferedGranularityShowsAs30AndStaysUntilSave();
    void cancelHidesAndKeepsUnsavedEdits();

private:
    static QSettings store() { return QSettings(QStringLiteral("Quillmoor"), QStringLiteral("Tallyhold")); }
    static QString stored(const char* key)
    {
        return store().value(QStringLiteral("Tallyhold/") + QLatin1String(key)).toString();
    }
    void open();

    TestRoster* m_roster = nullptr;
    frmTallyhold* m_window = nullptr;
    frmOptions* m_options = nullptr;
};

void tst_Options::init()
{
    Messages::clear();
    QSettings settings = store();
    settings.clear();
    m_roster = new TestRoster;
}

void tst_Options::open()
{
    m_window = new frmTallyhold(m_roster->db(), LoadSettings());
    m_options = m_window->options();
}

void tst_Options::cleanup()
{
    delete m_window;
    m_window = nullptr;
    delete m_roster;
}

void tst_Options::controls_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("caption");
    const auto row = [](const char* name, const char* caption) {
        QTest::newRow(name) << QString::fromLatin1(name) << QString::fromLatin1(caption);
    };
    row("frmePreferences", "Preferences");
    row("frmeGranularity", "Best Times Granularity");
    row("opt15", "15 Min");
    row("opt30", "30 Min");
    row("opt60", "60 Min");
    row("chkVerifyDialogs", "Disable Message Box Verifications");
    row("txtMaxResults", "Max Return on Show Best Times");
    row("frmeYourInfo", "Your Information");
    row("txtEmail", "EMail");
    row("txtName", "Name");
    row("cmbTZ", "Your Time Zone");
    row("chkApplyDST", "Apply DST");
    row("cmdSave", "Save Settings");
    row("cmdRestore", "Restore Settings");
    row("cmdCancel", "Cancel / Exit");
}

void tst_Options::controls()
{
    QFETCH(QString, name);
    QFETCH(QString, caption);
    open();
    QCOMPARE(m_options->windowTitle(), QStringLiteral("Options"));
    QVERIFY(m_options->isModal());

    QWidget* control = m_options->findChild<QWidget*>(name);
    QVERIFY(control);
    QCOMPARE(control->accessibleName(), caption);
    QString shown;
    if (auto* button = qobject_cast<QAbstractButton*>(control))
        shown = button->text();
    else if (auto* frame = qobject_cast<QGroupBox*>(control))
        shown = frame->title();
    else
        for (QLabel* label : m_options->findChildren<QLabel*>())
            if (label->buddy() == control)
                shown = label->text();
    QCOMPARE(shown, caption);
}

void tst_Options::showsTheDefaultsOfAnEmptyStore()
{
    open();
    QCOMPARE(m_options->cmbTZ->currentText(), QStringLiteral("EST"));
    QVERIFY(m_options->chkApplyDST->isChecked());
    QVERIFY(!m_options->chkVerifyDialogs->isChecked());
    QCOMPARE(m_options->txtMaxResults->text(), QStringLiteral("10"));
    QCOMPARE(m_options->txtName->text(), QStringLiteral("John Q. User"));
    QVERIFY(m_options->opt30->isChecked());
    // Filling the zone list afterwards left the shown zone alone.
    QCOMPARE(m_options->cmbTZ->count(), 8);
}

void tst_Options::resultLimitRefused_data()
{
    QTest::addColumn<QString>("typed");
    QTest::newRow("abc") << "abc";
    QTest::newRow("-3") << "-3";
    QTest::newRow("0") << "0";
    QTest::newRow("0.4 rounds to 0") << "0.4";
    QTest::newRow("beyond the range") << "40000";
    QTest::newRow("empty") << "";
}

void tst_Options::resultLimitRefused()
{
    QFETCH(QString, typed);
    open();
    m_options->txtMaxResults->setText(typed);
    m_options->txtName->setText(QStringLiteral("Changed"));

    m_options->cmdSave->click();

    QCOMPARE(Messages::shown().size(), 1);
    const Messages::Shown box = Messages::shown().constFirst();
    QCOMPARE(box.title, QStringLiteral("Tallyhold"));
    QCOMPARE(box.text, QStringLiteral("Maximum Results field must be a number greater than zero"));
    QCOMPARE(box.icon, Messages::Icon::None);
    QCOMPARE(box.buttons, Messages::Buttons::Ok);
    QCOMPARE(m_options->focusWidget(), m_options->txtMaxResults);
    QCOMPARE(m_window->preferences().maxResults, 10);
    QCOMPARE(m_window->preferences().userName, QStringLiteral("John Q. User"));
    QVERIFY(store().allKeys().isEmpty());
}

void tst_Options::unknownZoneRefused_data()
{
    QTest::addColumn<QString>("zone");
    QTest::newRow("unknown") << "XYZ";
    QTest::newRow("apostrophe") << "O'Zone";
    QTest::newRow("empty") << "";
    QTest::newRow("blank behind") << "EST ";
}

void tst_Options::unknownZoneRefused()
{
    QFETCH(QString, zone);
    open();
    m_options->cmbTZ->setEditText(zone);
    // The zone is checked first: a bad limit as well brings only the zone's box.
    m_options->txtMaxResults->setText(QStringLiteral("abc"));

    m_options->cmdSave->click();

    QCOMPARE(Messages::shown().size(), 1);
    const Messages::Shown box = Messages::shown().constFirst();
    QCOMPARE(box.title, QStringLiteral("Time Zone Not Found"));
    QCOMPARE(
        box.text,
        QStringLiteral("Make sure that the new Member's Time Zone is set right, then try to Save again."));
    QCOMPARE(box.icon, Messages::Icon::Information);
    QCOMPARE(m_options->focusWidget(), m_options->cmbTZ);
    QCOMPARE(m_window->preferences().userTimeZone, QStringLiteral("EST"));
    QVERIFY(store().allKeys().isEmpty());
}

void tst_Options::saveTakesEffectAtOnceAndPersists()
{
    m_roster->addZone(QStringLiteral("NZST"), QStringLiteral("New Zealand"), -720, 0);
    open();
    m_options->cmbTZ->setEditText(QStringLiteral("NZST"));
    m_options->chkApplyDST->setChecked(false);
    m_options->chkVerifyDialogs->setChecked(true);
    m_options->txtMaxResults->setText(QStringLiteral("25"));
    m_options->txtName->setText(QStringLiteral("Ann O'Neil"));
    m_options->txtEmail->setText(QStringLiteral("ann@example.org"));

    m_options->cmdSave->click();

    QVERIFY(Messages::shown().isEmpty());
    const Preferences& now = m_window->preferences();
    // Kept whole: cut to three letters this zone could never be found again.
    QCOMPARE(now.userTimeZone, QStringLiteral("NZST"));
    QCOMPARE(now.userDST, false);
    QCOMPARE(now.verifyOff, true);
    QCOMPARE(now.maxResults, 25);
    QCOMPARE(now.userName, QStringLiteral("Ann O'Neil"));
    QCOMPARE(now.userEmail, QStringLiteral("ann@example.org"));
    QCOMPARE(stored("UserTimeZone"), QStringLiteral("NZST"));
    QCOMPARE(stored("UserDST"), QStringLiteral("False"));
    QCOMPARE(stored("VerifyOff"), QStringLiteral("True"));
    QCOMPARE(stored("MaxResults"), QStringLiteral("25"));
}

void tst_Options::granularityRoundTrip()
{
    open();
    m_options->opt15->setChecked(true);
    m_options->cmdSave->click();
    QCOMPARE(stored("TimeGranularity"), QStringLiteral("15"));
    QCOMPARE(m_window->preferences().timeGranularity, 15);

    m_options->opt60->setChecked(true);
    m_options->txtMaxResults->setText(QStringLiteral("3"));
    m_options->cmdRestore->click();

    QVERIFY(m_options->opt15->isChecked());
    QCOMPARE(m_options->txtMaxResults->text(), QStringLiteral("10"));
    QCOMPARE(m_window->preferences().timeGranularity, 15);
}

void tst_Options::unofferedGranularityShowsAs30AndStaysUntilSave()
{
    QSettings settings = store();
    settings.setValue(QStringLiteral("Tallyhold/TimeGranularity"), QStringLiteral("45"));
    settings.sync();
    open();

    QVERIFY(m_options->opt30->isChecked());
    QCOMPARE(m_window->preferences().timeGranularity, 45);
    m_options->cmdSave->click();
    QCOMPARE(m_window->preferences().timeGranularity, 30);
}

void tst_Options::cancelHidesAndKeepsUnsavedEdits()
{
    open();
    m_options->show();
    m_options->txtName->setText(QStringLiteral("Not saved"));

    m_options->cmdCancel->click();

    QVERIFY(!m_options->isVisible());
    QCOMPARE(m_options->txtName->text(), QStringLiteral("Not saved"));
    QCOMPARE(m_window->preferences().userName, QStringLiteral("John Q. User"));
    QVERIFY(store().allKeys().isEmpty());
}

QTEST_MAIN(tst_Options)
#include "tst_options.moc"
