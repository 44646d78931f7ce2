#include "TestRoster.h"
#include "gui/Messages.h"
#include "gui/frmTallyhold.h"
#include "gui/frmOptions.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QTest>

// The Options dialog: what Save refuses and keeps, Restore and Cancel / Exit.
class tst_Options : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { Messages::setScripted(true); }
    void init();
    void cleanup();
    void saveRefused_data();
    void saveRefused();
    void saveTakesEffectAtOnceAndPersists();
    void granularityRoundTrip();
    void unofferedGranularityShowsAs30AndStaysUntilSave();
    void cancelHidesAndKeepsUnsavedEdits();

private:
    static QSettings store() { return QSettings(QStringLiteral("Quillmoor"), QStringLiteral("Tallyhold")); }
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

void tst_Options::saveRefused_data()
{
    QTest::addColumn<QString>("zone");
    QTest::addColumn<QString>("limit");
    const auto row = [](const char* tag, const char* zone, const char* limit) {
        QTest::newRow(tag) << QString::fromLatin1(zone) << QString::fromLatin1(limit);
    };
    row("limit abc", "EST", "abc");
    row("limit -3", "EST", "-3");
    row("limit 0", "EST", "0");
    row("limit beyond the range", "EST", "40000");
    // The zone is checked first: a bad limit as well brings only the zone's box.
    row("zone unknown", "XYZ", "abc");
    row("zone apostrophe", "O'Zone", "abc");
    row("zone blank behind", "EST ", "abc");
}

void tst_Options::saveRefused()
{
    QFETCH(QString, zone);
    QFETCH(QString, limit);
    open();
    m_options->cmbTZ->setEditText(zone);
    m_options->txtMaxResults->setText(limit);
    m_options->txtName->setText(QStringLiteral("Changed"));

    m_options->cmdSave->click();

    QCOMPARE(Messages::shown().size(), 1);
    const Messages::Shown box = Messages::shown().constFirst();
    if (zone == QLatin1String("EST")) {
        QCOMPARE(box.title, QStringLiteral("Tallyhold"));
        QCOMPARE(box.text, QStringLiteral("Maximum Results field must be a number greater than zero"));
        QCOMPARE(box.icon, Messages::Icon::None);
        QCOMPARE(m_options->focusWidget(), m_options->txtMaxResults);
    } else {
        QCOMPARE(box.title, QStringLiteral("Time Zone Not Found"));
        QCOMPARE(box.text,
                 QStringLiteral("Make sure that the new Member's Time Zone is set right, then try "
                                "to Save again."));
        QCOMPARE(box.icon, Messages::Icon::Information);
        QCOMPARE(m_options->focusWidget(), m_options->cmbTZ);
    }
    QCOMPARE(m_window->preferences().userName, QStringLiteral("John Q. User"));
    QVERIFY(store().allKeys().isEmpty());
}

void tst_Options::saveTakesEffectAtOnceAndPersists()
{
    open();
    m_options->cmbTZ->setEditText(QStringLiteral("AKST"));
    m_options->chkApplyDST->setChecked(false);
    m_options->chkVerifyDialogs->setChecked(true);
    m_options->txtMaxResults->setText(QStringLiteral("25"));
    m_options->txtName->setText(QStringLiteral("Ann O'Neil"));
    m_options->txtEmail->setText(QStringLiteral("ann@example.org"));

    m_options->cmdSave->click();

    QVERIFY(Messages::shown().isEmpty());
    for (const Preferences& now : {m_window->preferences(), LoadSettings()}) {
        // Kept whole: cut to three letters this zone could never be found again.
        QCOMPARE(now.userTimeZone, QStringLiteral("AKST"));
        QCOMPARE(now.userDST, false);
        QCOMPARE(now.verifyOff, true);
        QCOMPARE(now.maxResults, 25);
        QCOMPARE(now.userName, QStringLiteral("Ann O'Neil"));
        QCOMPARE(now.userEmail, QStringLiteral("ann@example.org"));
    }
}

void tst_Options::granularityRoundTrip()
{
    open();
    m_options->opt15->setChecked(true);
    m_options->cmdSave->click();
    QCOMPARE(LoadSettings().timeGranularity, 15);
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
