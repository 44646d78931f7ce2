#include "CoreText.h"

#include <QCoreApplication>
#include <algorithm>

CoreText::CoreText(const char* context, const char* source, const char* disambiguation, int n)
    : m_context(context)
    , m_source(source)
    , m_disambiguation(disambiguation)
    , m_n(n)
{
}

CoreText::CoreText(const QString& plain)
    : m_plain(plain)
{
}

CoreText CoreText::arg(const CoreText& value) const
{
    CoreText filled = *this;
    filled.m_args.push_back(value);
    return filled;
}

QString CoreText::english() const
{
    return in([](const char*, const char* source, const char*, int n) {
        QString text = QString::fromUtf8(source);
        if (n >= 0)
            text.replace(QLatin1String("%n"), QString::number(n));
        return text;
    });
}

QString CoreText::shown() const
{
    return in([](const char* context, const char* source, const char* disambiguation, int n) {
        return QCoreApplication::translate(context, source, disambiguation, n);
    });
}

QString CoreText::in(const Catalogue& catalogue) const
{
    const QString text = m_source ? catalogue(m_context, m_source, m_disambiguation, m_n) : m_plain;
    if (m_args.empty())
        return text;
    // Every place is filled in one pass, so a value holding "%2" stays as it is; the values go to
    // the places in the order of their numbers, whichever order the translation writes them in.
    struct Place
    {
        qsizetype at;
        qsizetype length;
        int number;
    };
    std::vector<Place> places;
    for (qsizetype i = 0; i + 1 < text.size(); ++i) {
        if (text[i] != QLatin1Char('%'))
            continue;
        qsizetype j = i + 1;
        if (text[j] == QLatin1Char('L'))
            ++j;
        int number = 0;
        qsizetype digits = 0;
        while (j < text.size() && digits < 2 && text[j].isDigit()) {
            number = number * 10 + text[j].digitValue();
            ++j;
            ++digits;
        }
        if (digits > 0 && number > 0)
            places.push_back({i, j - i, number});
    }
    std::vector<int> numbers;
    for (const Place& place : places)
        numbers.push_back(place.number);
    std::sort(numbers.begin(), numbers.end());
    numbers.erase(std::unique(numbers.begin(), numbers.end()), numbers.end());

    QString filled;
    qsizetype from = 0;
    for (const Place& place : places) {
        const auto rank = std::lower_bound(numbers.begin(), numbers.end(), place.number) - numbers.begin();
        if (size_t(rank) >= m_args.size())
            continue;
        filled += QStringView(text).mid(from, place.at - from);
        filled += m_args[size_t(rank)].in(catalogue);
        from = place.at + place.length;
    }
    filled += QStringView(text).mid(from);
    return filled;
}
