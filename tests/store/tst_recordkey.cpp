#include "store/RecordKey.h"
#include "store/RosterError.h"
#include "store/cGuidMakr.h"

#include <QRegularExpression>
#include <QSet>
#include <QTest>

class tst_RecordKey : public QObject
{
    Q_OBJECT

private slots:
    void guidText();
    void newKeysAreDistinctDigits();
    void roundTrip_data();
    void roundTrip();
    void refusesNonKeys_data();
    void refusesNonKeys();
};

void tst_RecordKey::guidText()
{
    const QString guid = cGuidMakr().GetGUID();
    QVERIFY2(QRegularExpression(
                 QStringLiteral("^\\{[0-9A-F]{8}-[0-9A-F]{4}-[0-9A-F]{4}-[0-9A-F]{4}-[0-9A-F]{12}\\}$"))
                 .match(guid)
                 .hasMatch(),
             qPrintable(guid));
}

void tst_RecordKey::newKeysAreDistinctDigits()
{
    QSet<QByteArray> seen;
    for (int i = 0; i < 1000; ++i) {
        const RecordKey key = NewRecordKey();
        QCOMPARE(key.size(), 16);
        QVERIFY(!seen.contains(key));
        seen.insert(key);
    }
    const QString digits = GuidDigits();
    QCOMPARE(digits.size(), 32);
    QVERIFY(IsKeyText(digits));
    QCOMPARE(digits, digits.toUpper());
}

void tst_RecordKey::roundTrip_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("back");
    QTest::newRow("all zero") << QStringLiteral("00000000000000000000000000000000") << QByteArray(16, '\0')
                              << QStringLiteral("00000000000000000000000000000000");
    QByteArray low(16, '\x10');
    low[0] = '\x0A';
    QTest::newRow("byte below 16") << QStringLiteral("0A101010101010101010101010101010") << low
                                   << QStringLiteral("0A101010101010101010101010101010");
    const QByteArray mixed = QByteArray::fromHex("ABCDEF0123456789abcdef0123456789");
    QTest::newRow("lower case") << QStringLiteral("abcdef0123456789abcdef0123456789") << mixed
                                << QStringLiteral("ABCDEF0123456789ABCDEF0123456789");
    QTest::newRow("upper case") << QStringLiteral("ABCDEF0123456789ABCDEF0123456789") << mixed
                                << QStringLiteral("ABCDEF0123456789ABCDEF0123456789");
}

void tst_RecordKey::roundTrip()
{
    QFETCH(QString, text);
    QFETCH(QByteArray, bytes);
    QFETCH(QString, back);
    QCOMPARE(HexToKey(text), bytes);
    QCOMPARE(KeyToHex(HexToKey(text)), back);
}

void tst_RecordKey::refusesNonKeys_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("empty") << QString();
    QTest::newRow("31 digits") << QStringLiteral("0000000000000000000000000000000");
    QTest::newRow("33 digits") << QStringLiteral("000000000000000000000000000000000");
    QTest::newRow("prefixed") << QStringLiteral("0x00000000000000000000000000000000");
    QTest::newRow("not hex") << QStringLiteral("0000000000000000000000000000000G");
    QTest::newRow("braced guid") << QStringLiteral("{00000000-0000-0000-0000-000000000000}");
    QTest::newRow("blank inside") << QStringLiteral("0000000000000000 000000000000000");
}

void tst_RecordKey::refusesNonKeys()
{
    QFETCH(QString, text);
    QVERIFY(!IsKeyText(text));
    QVERIFY_THROWS_EXCEPTION(RosterError, HexToKey(text));
}

QTEST_GUILESS_MAIN(tst_RecordKey)
#include "tst_recordkey.moc"
