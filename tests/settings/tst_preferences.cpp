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
    void zoneNameIsKeptWhole();

private:
    static QSettings store() { return QSettings(QStringLiteral("Quillmoor"), QStringLiteral("Tallyhold")); }
    static void put(const QString& key, const QString& value)
    {
        QSettings settings = store();
        settings.setValue(QStringLiteral("Tallyhold/") + key, value);
    }
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

    const Preferences loaded = LoadSettings();
    QCOMPARE(loaded.userTimeZone, preferences.userTimeZone);
    QCOMPARE(loaded.userDST, false);
    QCOMPARE(loaded.verifyOff, true);
    QCOMPARE(loaded.maxResults, 25);
    QCOMPARE(loaded.userName, preferences.userName);
    QCOMPARE(loaded.userEmail, QString());
    QCOMPARE(loaded.timeGranularity, 15);
}

void tst_Preferences::badValuesLoadAsDefaults_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("loaded");
    QTest::newRow("DST word") << "UserDST"
                              << "maybe"
                              << "1";
    QTest::newRow("DST false") << "UserDST"
                               << "false"
                               << "0";
    QTest::newRow("DST numeric") << "UserDST"
                                 << "0"
                                 << "0";
    QTest::newRow("verify word") << "VerifyOff"
                                 << "yes please"
                                 << "0";
    QTest::newRow("max letters") << "MaxResults"
                                 << "ten"
                                 << "10";
    QTest::newRow("max zero") << "MaxResults"
                              << "0"
                              << "10";
    QTest::newRow("max negative") << "MaxResults"
                                  << "-3"
                                  << "10";
    QTest::newRow("max too big") << "MaxResults"
                                 << "40000"
                                 << "10";
    QTest::newRow("max top") << "MaxResults"
                             << "32767"
                             << "32767";
    QTest::newRow("max half to even") << "MaxResults"
                                      << "12.5"
                                      << "12";
    QTest::newRow("grain 45 kept") << "TimeGranularity"
                                   << "45"
                                   << "45";
    QTest::newRow("grain zero") << "TimeGranularity"
                                << "0"
                                << "30";
    QTest::newRow("grain text") << "TimeGranularity"
                                << "quarter"
                                << "30";
    QTest::newRow("zone blank") << "UserTimeZone"
                                << "   "
                                << "EST";
}

void tst_Preferences::badValuesLoadAsDefaults()
{
    QFETCH(QString, key);
    QFETCH(QString, stored);
    QFETCH(QString, loaded);
    put(key, stored);
    const Preferences preferences = LoadSettings();
    QString actual;
    if (key == QLatin1String("UserDST"))
        actual = QString::number(preferences.userDST);
    else if (key == QLatin1String("VerifyOff"))
        actual = QString::number(preferences.verifyOff);
    else if (key == QLatin1String("MaxResults"))
        actual = QString::number(preferences.maxResults);
    else if (key == QLatin1String("TimeGranularity"))
        actual = QString::number(preferences.timeGranularity);
    else
        actual = preferences.userTimeZone;
    QCOMPARE(actual, loaded);
}

void tst_Preferences::zoneNameIsKeptWhole()
{
    put(QStringLiteral("UserTimeZone"), QStringLiteral(" AKST "));
    QCOMPARE(LoadSettings().userTimeZone, QStringLiteral("AKST"));
}

QTEST_GUILESS_MAIN(tst_Preferences)
#include "tst_preferences.moc"
