#include "RecordKey.h"

#include "RosterError.h"
#include "cGuidMakr.h"

QString GuidDigits()
{
    QString text = cGuidMakr().GetGUID();
    text.remove(QLatin1Char('-'));
    text.remove(QLatin1Char('{'));
    text.remove(QLatin1Char('}'));
    return text;
}

RecordKey NewRecordKey()
{
    const QString digits = GuidDigits();
    if (digits.isEmpty())
        throw RosterError(ErrorKind::RecordKey, CoreText("RecordKey", "No new record key could be made."));
    return HexToKey(digits);
}

bool IsKeyText(const QString& text)
{
    if (text.size() != 32)
        return false;
    for (const QChar c : text) {
        if (!((c >= QLatin1Char('0') && c <= QLatin1Char('9'))
              || (c >= QLatin1Char('a') && c <= QLatin1Char('f'))
              || (c >= QLatin1Char('A') && c <= QLatin1Char('F'))))
            return false;
    }
    return true;
}

RecordKey HexToKey(const QString& text)
{
    if (!IsKeyText(text))
        throw RosterError(
            ErrorKind::RecordKey,
            CoreText("RecordKey", "\"%1\" is not a record key: a key is 32 hexadecimal digits.").arg(text));
    return QByteArray::fromHex(text.toLatin1());
}

QString KeyToHex(const RecordKey& key)
{
    // Hex digits are ASCII: upper-cased as bytes, without Unicode's case tables.
    return QString::fromLatin1(key.toHex().toUpper());
}
