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
    // "7pm", "7 pm", "7:30p", "7:30 p.m.": what people type, with no doubt about the hour.
    static const QRegularExpression meridiem(
        QStringLiteral("^\\s*(\\d{1,2})(?::(\\d{2}))?\\s*([ap])\\.?(?:m\\.?)?\\s*$"),
        QRegularExpression::CaseInsensitiveOption);
    if (const QRegularExpressionMatch match = meridiem.match(text); match.hasMatch()) {
        const int hour = match.captured(1).toInt();
        if (hour < 1 || hour > 12)
            return text;
        return QStringLiteral("%1:%2 %3")
            .arg(hour)
            .arg(match.captured(2).isEmpty() ? QStringLiteral("00") : match.captured(2),
                 match.captured(3).toUpper() + QLatin1Char('M'));
    }
    if (!IsNumericText(text))
        return text;
    const double value = text.trimmed().toDouble();
    if (!(value > 100))
        return text;
    const QString trimmed = text.trimmed();
    return QString::number(qint64(std::floor(value / 100))) + QLatin1Char(':') + trimmed.right(2);
}

QString TimeFieldText(const QString& text)
{
    const QString rewritten = RewriteSlotText(text);
    const std::optional<DateTime> value = DateTime::parse(rewritten);
    if (!value || value->seconds() < 0 || value->seconds() >= 86400 || value->seconds() % 60 != 0)
        return rewritten;
    return value->toShownTime();
}
