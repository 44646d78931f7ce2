#pragma once

#include <QByteArrayView>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

// Called with 0..100 as an export or import goes on, so the window can show it.
using ExchangeProgress = std::function<void(int percent)>;

// The text rules of the roster exchange file (.tlx). A file that starts with a header is
// UTF-8 and escapes "\", "|", CR and LF in its fields; from version 3 on it ends with the
// line EndPrefix and its number of records. An older file has no header and no escapes, and
// is Windows-1252 unless it is valid UTF-8.
class ExchangeFile
{
public:
    // The format's version; a reader takes every version up to its own.
    static constexpr int Version = 5;
    static constexpr const char* Header = "#Tallyhold exchange 5";
    // From this version on a zone's real time zone follows its zone record, tagged 6.
    static constexpr int RealZoneVersion = 4;
    // From this version on a member's away dates and one-off changes follow the member's
    // schedule, tagged 7.
    static constexpr int ChangeVersion = 5;
    // Every header of this family starts so, in any letter case.
    static constexpr const char* HeaderPrefix = "#tallyhold exchange ";
    static constexpr const char* EndPrefix = "#end ";
    // Longer fields are refused: no roster text comes near it, and it bounds the memory a
    // hostile file can take.
    static constexpr qsizetype MaxFieldLength = 1000000;
    static constexpr const char* LineEnd = "\r\n";

    static QString escape(const QString& field);
    // Nothing for a lone "\" or an escape this format does not know.
    static std::optional<QString> unescape(const QString& field);
    static QString fromWindows1252(QByteArrayView bytes);
    // A record's text after its tag and first "|", cut at every "|".
    static QStringList SplitFields(const QString& text);
};
