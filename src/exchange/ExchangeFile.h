#pragma once

#include <QByteArrayView>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

// Called with 0..100 as an export or import goes on, so the window can show it.
using ExchangeProgress = std::function<void(int percent)>;

// The text rules of the roster exchange file (.tlx). A file that starts with Header is UTF-8
// and escapes "\", "|", CR and LF in its fields; an older file has no header, is
// Windows-1252 and has no escapes.
class ExchangeFile
{
public:
    static constexpr const char* Header = "#Tallyhold exchange 2";
    // Every header of this family starts so; a later number is a file we cannot read.
    static constexpr const char* HeaderPrefix = "#Tallyhold exchange ";
    static constexpr const char* LineEnd = "\r\n";

    static QString escape(const QString& field);
    // Nothing for a lone "\" or an escape this format does not know.
    static std::optional<QString> unescape(const QString& field);
    static QString fromWindows1252(QByteArrayView bytes);
    // A record's text after its tag and first "|", cut at every "|".
    static QStringList SplitFields(const QString& text);
};
