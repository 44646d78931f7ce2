#include "settings/Preferences.h"

#include <QSettings>
#include <QTest>

class tst_Preferences : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void defaultsWhenEmpty();
    void roundTripAsText();
    void badValuesLoadAsDefaults_data();
    void badValuesLoadAsDefaults();

private:
    static QSettings store() { return QSettings(QStringLiteral("Quillmoor"), QStringLiteral("Tallyhold")); }
};

void tst_Preferences::init()
{
    QSettings settings = store();
    settings.clear();
}

void tst_Preferences::defaultsWhenEmpty()
{
    const Preferences loaded = LoadSettings();
    QCOMPARE(loaded.userTimeZone, QStringLiteral("EST"));
    QCOMPARE(loaded.userDST, true);
    QCOMPARE(loaded.verifyOff, false);
    QCOMPARE(loaded.maxResults, 10);
    QCOMPARE(loaded.userName, QStringLiteral("John Q. User"));
    QCOMPARE(loaded.userEmail, QStringLiteral("you@example.com"));
    QCOMPARE(loaded.timeGranularity, 30);
}

void tst_Preferences::roundTripAsText()
{
    Preferences preferences;
    preferences.userTimeZone = QStringLiteral("CET");
    preferences.userDST = false;
    preferences.verifyOff = true;
    preferences.maxResults = 25;
    preferences.userName = QStringLiteral("Ann O'Neil");
    preferences.userEmail = QString();
    preferences.timeGranularity = 15;
    SaveSettings(preferences);

    QSettings settings = store();
    settings.beginGroup(QStringLiteral("Tallyhold"));
    QCOMPARE(settings.value(QStringLiteral("UserDST")).toString(), QStringLiteral("False"));
    QCOMPARE(settings.value(QStringLiteral("VerifyOff")).toString(), QStringLiteral("True"));
    QCOMPARE(settings.value(QStringLiteral("MaxResults")).toString(), QStringLiteral("25"));
    QCOMPARE(settings.value(QStringLiteral("TimeGranularity")).toString(), QStringLiteral("15"));

    // The dialog's tests read the other values back; an emptied address stays empty.
    QCOMPARE(LoadSettings().userEmail, QString());
}

void tst_Preferences::badValuesLoadAsDefaults_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("loaded");
    const auto row = [](const char* tag, const char* key, const char* stored, const char* loaded) {
        QTest::newRow(tag) << QString::fromLatin1(key) << QString::fromLatin1(stored)
                           << QString::fromLatin1(loaded);
    };
    row("DST word", "UserDST", "maybe", "1");
    row("DST false", "UserDST", "false", "0");
    row("DST numeric", "UserDST", "0", "0");
    row("verify word", "VerifyOff", "yes please", "0");
    row("max letters", "MaxResults", "ten", "10");
    row("max zero", "MaxResults", "0", "10");
    row("max negative", "MaxResults", "-3", "10");
    row("max too big", "MaxResults", "40000", "10");
    row("max top", "MaxResults", "32767", "32767");
    row("max half to even", "MaxResults", "12.5", "12");
    row("grain 45 kept", "TimeGranularity", "45", "45");
    row("grain zero", "TimeGranularity", "0", "30");
    row("grain text", "TimeGranularity", "quarter", "30");
    row("zone blank", "UserTimeZone", "   ", "EST");
    row("zone kept whole", "UserTimeZone", " AKST ", "AKST");
}

void tst_Preferences::badValuesLoadAsDefaults()
{
    QFETCH(QString, key);
    QFETCH(QString, stored);
    QFETCH(QString, loaded);
    store().setValue(QStringLiteral("Tallyhold/") + key, stored);
    const Preferences preferences = LoadSettings();
    const QHash<QString, QString> read {
        {QStringLiteral("UserDST"), QString::number(preferences.userDST)},
        {QStringLiteral("VerifyOff"), QString::number(preferences.verifyOff)},
        {QStringLiteral("MaxResults"), QString::number(preferences.maxResults)},
        {QStringLiteral("TimeGranularity"), QString::number(preferences.timeGranularity)},
        {QStringLiteral("UserTimeZone"), preferences.userTimeZone}};
    QCOMPARE(read.value(key), loaded);
}

QTEST_GUILESS_MAIN(tst_Preferences)
#include "tst_preferences.moc"
