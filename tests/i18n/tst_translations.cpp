#include "TestRoster.h"
#include "i18n/Translations.h"

#include <QCoreApplication>
#include <QTest>

class tst_Translations : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void load_data();
    void load();
    void install();

private:
    QTemporaryDir m_dir;
};

void tst_Translations::initTestCase()
{
    if (!buildCatalogue(m_dir.path(), "de", {{"CommandLine", "Revoked", "Widerrufen"}})
        || !buildCatalogue(m_dir.path(), "pt_BR", {{"CommandLine", "Revoked", "Revogado"}}))
        QSKIP("Qt's lrelease (qt6-l10n-tools) is not installed: no catalogue to load");
    qputenv("TALLYHOLD_TRANSLATIONS", m_dir.path().toUtf8());
}

void tst_Translations::load_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("expected");
    QTest::newRow("language") << "de_DE"
                              << "Widerrufen";
    QTest::newRow("region falls back") << "de_AT"
                                       << "Widerrufen";
    QTest::newRow("region") << "pt_BR"
                            << "Revogado";
    QTest::newRow("English, the source") << "en_US"
                                         << "";
    QTest::newRow("none of ours") << "is_IS"
                                  << "";
    QTest::newRow("another region's") << "pt_PT"
                                      << "";
}

void tst_Translations::load()
{
    QFETCH(QString, locale);
    QFETCH(QString, expected);
    // The test's catalogues beside those built in.
    QVERIFY(Translations::available().contains("de") && Translations::available().contains("pt_BR"));
    const std::unique_ptr<QTranslator> translator = Translations::load(QLocale(locale));
    QCOMPARE(translator ? translator->translate("CommandLine", "Revoked") : QString(), expected);
}

void tst_Translations::install()
{
    QVERIFY(!Translations::install("is"));
    QCOMPARE(QCoreApplication::translate("CommandLine", "Revoked"), "Revoked");
    QVERIFY(Translations::install("de_DE"));
    QCOMPARE(QCoreApplication::translate("CommandLine", "Revoked"), "Widerrufen");
}

QTEST_GUILESS_MAIN(tst_Translations)
#include "tst_translations.moc"
