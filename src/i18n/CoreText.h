#pragma once

#include <QString>
#include <functional>
#include <vector>

// A text the core shows, kept as its English source and the values that fill its places, so each
// front end shows it in its reader's language: the window and tallyhold-cli through the catalogue
// of the process, the sign-up page through the one of each request. Written at the source as
// CoreText("Context", "Text"), which lupdate reads as QT_TRANSLATE_NOOP.
class CoreText
{
public:
    // A catalogue: the text in its language, or the source where it has none, %n filled with n.
    using Catalogue
        = std::function<QString(const char* context, const char* source, const char* disambiguation, int n)>;

    CoreText() = default;
    CoreText(const char* context, const char* source, const char* disambiguation = nullptr, int n = -1);
    // Words no catalogue translates: names, numbers, the database's own words.
    CoreText(const QString& plain); // NOLINT: every plain text is a text

    // Fills the lowest-numbered place left (%1, %2 …), as QString::arg does.
    CoreText arg(const CoreText& value) const;
    CoreText arg(const QString& value) const { return arg(CoreText(value)); }
    CoreText arg(qint64 value) const { return arg(QString::number(value)); }
    template<typename First, typename Second, typename... Rest>
    CoreText arg(const First& first, const Second& second, const Rest&... rest) const
    {
        return arg(first).arg(second, rest...);
    }

    bool isEmpty() const { return !m_source && m_plain.isEmpty(); }
    // In English, for what scripts and logs read.
    QString english() const;
    // In the language of the catalogues the process installed.
    QString shown() const;
    QString in(const Catalogue& catalogue) const;

private:
    const char* m_context = nullptr;
    const char* m_source = nullptr;
    const char* m_disambiguation = nullptr;
    int m_n = -1;
    QString m_plain;
    std::vector<CoreText> m_args;
};
