#include "ExchangeFile.h"

namespace {

// Windows-1252 differs from Latin-1 only in 0x80..0x9F. The five bytes the code page leaves
// undefined keep their C1 code points, as Windows itself maps them.
const char16_t Windows1252High[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

} // namespace

QString ExchangeFile::escape(const QString& field)
{
    QString text;
    text.reserve(field.size());
    for (const QChar c : field) {
        switch (c.unicode()) {
        case u'\\':
            text += QLatin1String("\\\\");
            break;
        case u'|':
            text += QLatin1String("\\p");
            break;
        case u'\r':
            text += QLatin1String("\\r");
            break;
        case u'\n':
            text += QLatin1String("\\n");
            break;
        default:
            text += c;
        }
    }
    return text;
}

std::optional<QString> ExchangeFile::unescape(const QString& field)
{
    if (!field.contains(QLatin1Char('\\')))
        return field;
    QString text;
    text.reserve(field.size());
    for (qsizetype i = 0; i < field.size(); ++i) {
        if (field[i] != QLatin1Char('\\')) {
            text += field[i];
            continue;
        }
        if (++i == field.size())
            return std::nullopt;
        switch (field[i].unicode()) {
        case u'\\':
            text += QLatin1Char('\\');
            break;
        case u'p':
            text += QLatin1Char('|');
            break;
        case u'r':
            text += QLatin1Char('\r');
            break;
        case u'n':
            text += QLatin1Char('\n');
            break;
        default:
            return std::nullopt;
        }
    }
    return text;
}

QString ExchangeFile::fromWindows1252(QByteArrayView bytes)
{
    QString text(bytes.size(), Qt::Uninitialized);
    QChar* out = text.data();
    for (const char byte : bytes) {
        const auto b = static_cast<unsigned char>(byte);
        *out++ = b >= 0x80 && b < 0xA0 ? QChar(Windows1252High[b - 0x80]) : QChar(b);
    }
    return text;
}

QStringList ExchangeFile::SplitFields(const QString& text)
{
    return text.split(QLatin1Char('|'));
}
