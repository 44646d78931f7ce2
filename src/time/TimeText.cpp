#include "TimeText.h"

#include "DateTime.h"

#include <QRegularExpression>
#include <cmath>

bool IsDateTimeText(const QString& text)
{
    return DateTime::parse(text).has_value();
}

bool IsNumericText(const QString& text)
{
    static const QRegularExpression pattern(QStringLiteral("^[+-]?(\\d+(\\.\\d*)?|\\.\\d+)$"));
    return pattern.match(text.trimmed()).hasMatch();
}

QString RewriteSlotText(const QString& text)
{
    if (!IsNumericText(text))
        return text;
    const double value = text.trimmed().toDouble();
    if (!(value > 100))
        return text;
    const QString trimmed = text.trimmed();
    return QString::number(qint64(std::floor(value / 100))) + QLatin1Char(':') + trimmed.right(2);
}
