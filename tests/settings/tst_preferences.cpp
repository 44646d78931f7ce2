#include "settings/Preferences.h"

#include <QSettings>
#include <QTest>

class tst_Preferences : public QObject
{
    Q_OBJECT

private slots:
    void init() { QSettings("Quillmoor", "Tallyhold").clear(); }
    void defaultsAndRoundTripAsText();
    void badValuesLoadAsDefaults_data();
    void badValuesLoadAsDefaults();
};

static QVariantList values(const Preferences& p)
{
    return {p.userTimeZone, p.userDST, p.verifyOff, p.maxResults, p.userName, p.userEmail, p.timeGranularity};
}

void tst_Preferences::defaultsAndRoundTripAsText()
{
    QCOMPARE(values(LoadSettings()),
             QVariantList({"EST", true, false, 10, "John Q. User", "you@example.com", 30}));
    const Preferences saved {"CET", false, true, 25, "Ann O'Neil", QString(), 15};
    SaveSettings(saved);
    QSettings settings("Quillmoor", "Tallyhold");
    settings.beginGroup("Tallyhold");
    QCOMPARE(
        (QStringList {settings.value("UserDST").toString(), settings.value("VerifyOff").toString(),
                      settings.value("MaxResults").toString(), settings.value("TimeGranularity").toString()}),
        (QStringList {"False", "True", "25", "15"}));
    // An emptied address stays empty.
    QCOMPARE(values(LoadSettings()), values(saved));
}

void tst_Preferences::badValuesLoadAsDefaults_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("loaded");
    for (const char* row :
         {"UserDST=maybe=1", "UserDST=false=0", "UserDST=0=0", "VerifyOff=yes please=0", "MaxResults=ten=10",
          "MaxResults=0=10", "MaxResults=-3=10", "MaxResults=40000=10", "MaxResults=32767=32767",
          "MaxResults=12.5=12", "TimeGranularity=45=45", "TimeGranularity=0=30", "TimeGranularity=quarter=30",
          "UserTimeZone=   =EST", "UserTimeZone= AKST =AKST"}) {
        const QStringList parts = QString(row).split('=');
        QTest::newRow(row) << parts[0] << parts[1] << parts[2];
    }
}

void tst_Preferences::badValuesLoadAsDefaults()
{
    QFETCH(QString, key);
    QFETCH(QString, stored);
    QFETCH(QString, loaded);
    QSettings("Quillmoor", "Tallyhold").setValue("Tallyhold/" + key, stored);
    const QVariantList read = values(LoadSettings());
    const int index = QStringList {"UserTimeZone", "UserDST", "VerifyOff", "MaxResults"}.indexOf(key);
    QCOMPARE(read.value(index < 0 ? 6 : index).toString(),
             loaded == "1"       ? "true"
                 : loaded == "0" ? "false"
                                 : loaded);
}

QTEST_GUILESS_MAIN(tst_Preferences)
#include "tst_preferences.moc"
