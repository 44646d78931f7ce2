#pragma once

#include "i18n/CoreText.h"

#include <QString>
#include <QStringList>
#include <QTranslator>
#include <memory>
#include <vector>

// One language a page is written in: its code ("en", "de", "pt_BR") and catalogue (none for
// English, the source).
class PageLanguage
{
public:
    PageLanguage() = default;
    PageLanguage(QString code, const QTranslator* translator)
        : m_code(std::move(code))
        , m_translator(translator)
    {
    }

    const QString& code() const { return m_code; }
    // For the page's lang attribute: "pt-BR".
    QString tag() const { return QString(m_code).replace(QLatin1Char('_'), QLatin1Char('-')); }
    // The text in this language, or the English source when the catalogue lacks it; %n takes n.
    // Reads only the catalogue loaded at start, so any thread may ask at any time.
    QString translate(const char* context, const char* source, const char* disambiguation = nullptr,
                      int n = -1) const;
    // A text of the core in this language.
    QString say(const CoreText& text) const;

private:
    QString m_code = QStringLiteral("en");
    const QTranslator* m_translator = nullptr;
};

// The languages the pages are offered in: English and each catalogue found, every catalogue
// loaded once when made and only read afterwards, so many request threads share them without a
// lock (a translator installed per request would change every thread's language).
class PageLanguages
{
public:
    PageLanguages();

    // The language for a request: the page's own link (?lang=de) when it names one of ours,
    // else the best of the browser's Accept-Language that we have, else English.
    PageLanguage choose(const QString& link, const QString& acceptLanguage) const;
    // Every language offered, English first.
    QList<PageLanguage> all() const;

    // The one of codes ("de", "pt_BR") that a request with link and acceptLanguage gets, as choose()
    // picks it; empty for English.
    static QString pick(const QString& link, const QString& acceptLanguage, const QStringList& codes);
    // The codes of Accept-Language ("pt-BR;q=0.8, ru") as the browser ranks them, best first;
    // q=0 and malformed entries left out.
    static QStringList ranked(const QString& acceptLanguage);
    // The one of codes ("de", "pt_BR") that the browser's tag ("pt-br", "de-AT") asks for, or empty.
    static QString match(const QString& tag, const QStringList& codes);

private:
    QStringList m_codes;
    std::vector<std::unique_ptr<QTranslator>> m_translators;
};
