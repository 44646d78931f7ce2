#include "TestRoster.h"
#include "i18n/CoreText.h"
#include "i18n/Translations.h"

#include <QCoreApplication>
#include <QTest>

Q_DECLARE_METATYPE(CoreText)

class tst_Translations : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void load_data();
    void load();
    void install();
    void coreText_data();
    void coreText();

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

// A core text reads the same in English as before it was kept as its source, and in another
// language takes its places in that language's order.
void tst_Translations::coreText_data()
{
    QTest::addColumn<CoreText>("text");
    QTest::addColumn<QString>("english");
    QTest::addColumn<QString>("german");
    const CoreText lost("Test", "The roster %1 is open in %2.");
    QTest::newRow("places") << lost.arg("A", "B") << "The roster A is open in B."
                            << "In B ist der Kader A offen.";
    QTest::newRow("a value holding a place") << lost.arg("%2", "50%1") << "The roster %2 is open in 50%1."
                                             << "In 50%1 ist der Kader %2 offen.";
    QTest::newRow("a text as a value")
        << lost.arg(CoreText("Test", "Away %1").arg("12/24"), "X") << "The roster Away 12/24 is open in X."
        << "In X ist der Kader Abwesend 12/24 offen.";
    QTest::newRow("plain with places")
        << CoreText(QStringLiteral("%1 · %2")).arg(CoreText("Test", "cancelled"), "3") << "cancelled · 3"
        << "abgesagt · 3";
    QTest::newRow("plural") << CoreText("Test", "%n member(s) on %1", nullptr, 2).arg("Tue")
                            << "2 member(s) on Tue"
                            << "2 Mitglieder am Tue";
    QTest::newRow("a place left open") << CoreText("Test", "Away %1") << "Away %1"
                                       << "Abwesend %1";
}

void tst_Translations::coreText()
{
    QFETCH(CoreText, text);
    QFETCH(QString, english);
    QFETCH(QString, german);
    const QHash<QString, QString> catalogue {
        {"The roster %1 is open in %2.", "In %2 ist der Kader %1 offen."},
        {"Away %1", "Abwesend %1"},
        {"cancelled", "abgesagt"},
        {"%n member(s) on %1", "%n Mitglieder am %1"}};
    QCOMPARE(text.english(), english);
    QCOMPARE(text.in([&](const char*, const char* source, const char*, int n) {
        QString translated = catalogue.value(QString::fromUtf8(source));
        return translated.replace("%n", QString::number(n));
    }),
             german);
}

QTEST_GUILESS_MAIN(tst_Translations)
#include "tst_translations.moc"
