#include "PageLanguages.h"

#include "i18n/Translations.h"

#include <QCoreApplication>
#include <QLocale>
#include <algorithm>

QString PageLanguage::translate(const char* context, const char* source, const char* disambiguation,
                                int n) const
{
    QString text = m_translator ? m_translator->translate(context, source, disambiguation, n) : QString();
    if (text.isNull())
        text = QString::fromUtf8(source);
    if (n >= 0) {
        text.replace(QStringLiteral("%Ln"), QLocale(m_code).toString(n));
        text.replace(QStringLiteral("%n"), QString::number(n));
    }
    return text;
}

QString PageLanguage::say(const CoreText& text) const
{
    return text.in([this](const char* context, const char* source, const char* disambiguation, int n) {
        return translate(context, source, disambiguation, n);
    });
}

PageLanguages::PageLanguages()
{
    for (const QString& code : Translations::available())
        if (std::unique_ptr<QTranslator> translator = Translations::load(QLocale(code))) {
            m_codes.append(code);
            m_translators.push_back(std::move(translator));
        }
}

QList<PageLanguage> PageLanguages::all() const
{
    QList<PageLanguage> languages {PageLanguage()};
    for (size_t i = 0; i < m_translators.size(); ++i)
        languages.append(PageLanguage(m_codes[qsizetype(i)], m_translators[i].get()));
    return languages;
}

PageLanguage PageLanguages::choose(const QString& link, const QString& acceptLanguage) const
{
    const qsizetype i = m_codes.indexOf(pick(link, acceptLanguage, m_codes));
    return i < 0 ? PageLanguage() : PageLanguage(m_codes[i], m_translators[size_t(i)].get());
}

QString PageLanguages::pick(const QString& link, const QString& acceptLanguage, const QStringList& codes)
{
    // A link naming no language of ours leaves the choice to the browser.
    const QStringList wanted = (link.isEmpty() ? QStringList() : QStringList {link}) + ranked(acceptLanguage);
    for (const QString& tag : wanted) {
        // English is the source: asking for it first ends the search.
        if (tag.section(QLatin1Char('-'), 0, 0).compare(QLatin1String("en"), Qt::CaseInsensitive) == 0)
            break;
        const QString code = match(tag, codes);
        if (!code.isEmpty())
            return code;
    }
    return {};
}

QStringList PageLanguages::ranked(const QString& acceptLanguage)
{
    struct Entry
    {
        QString tag;
        double q;
    };
    QList<Entry> entries;
    for (const QString& item : acceptLanguage.split(QLatin1Char(','), Qt::SkipEmptyParts)) {
        const QStringList parts = item.split(QLatin1Char(';'));
        const QString tag = parts[0].trimmed();
        double q = 1;
        bool good = !tag.isEmpty() && tag.size() <= 35;
        for (const QChar c : tag)
            good = good
                && (c.isLetterOrNumber() || c == QLatin1Char('-') || c == QLatin1Char('_')
                    || c == QLatin1Char('*'));
        for (const QString& parameter : parts.mid(1)) {
            const QString p = parameter.trimmed();
            if (p.startsWith(QLatin1String("q="), Qt::CaseInsensitive)) {
                bool number = false;
                q = p.mid(2).toDouble(&number);
                good = good && number && q >= 0 && q <= 1;
            }
        }
        if (good && q > 0)
            entries.append({tag, q});
    }
    // Equal weights keep the browser's order.
    std::stable_sort(entries.begin(), entries.end(),
                     [](const Entry& a, const Entry& b) { return a.q > b.q; });
    QStringList tags;
    for (const Entry& entry : entries)
        tags.append(entry.tag);
    return tags;
}

QString PageLanguages::match(const QString& tag, const QStringList& codes)
{
    const QString wanted = QString(tag).replace(QLatin1Char('-'), QLatin1Char('_'));
    for (const QString& code : codes)
        if (code.compare(wanted, Qt::CaseInsensitive) == 0)
            return code;
    // "de-AT" takes "de"; "pt" takes "pt_BR", the one Portuguese there is.
    const QString language = wanted.section(QLatin1Char('_'), 0, 0);
    for (const QString& code : codes)
        if (code.section(QLatin1Char('_'), 0, 0).compare(language, Qt::CaseInsensitive) == 0)
            return code;
    return {};
}
