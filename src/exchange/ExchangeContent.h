#pragma once

#include "members/MemberChange.h"
#include "store/RecordKey.h"

#include <QList>
#include <QSet>
#include <QString>
#include <QVariant>
#include <array>
#include <optional>

// The records of one exchange file, checked and converted, each with the line it came from.
// Flags are null where the file left them empty; times are the store's text or null.
struct ExchangeContent
{
    struct Division
    {
        int line = 0;
        RecordKey key;
        QString name;
        QString notes;
        QVariant hide;
    };
    struct Zone
    {
        int line = 0;
        int key = 0;
        QString name;
        QString description;
        int offset = 0;
        QVariant daylight;
        QString iana = {}; // the real time zone, or empty
    };
    struct Member
    {
        int line = 0;
        RecordKey key;
        RecordKey division;
        std::optional<int> zone;
        QString playerName;
        QVariant active;
        QString realFirst;
        QString realLast;
        QString emailPrimary;
        QString emailSecondary;
        QString otherContact;
        QString notes;
    };
    struct Times
    {
        int line = 0;
        RecordKey key;
        // Slot 1 start and end, slot 2 start and end.
        std::array<QVariant, 4> slotTexts;
    };
    struct Schedule
    {
        int line = 0;
        RecordKey member;
        // Monday first, Saturday/Sunday last.
        std::array<QVariant, 6> flags;
        std::array<std::optional<RecordKey>, 6> times;
    };
    struct Change
    {
        int line = 0;
        MemberChange change;
    };

    // The header's version, 0 for a file without one.
    int version = 0;
    // Lines of a file without header that were neither empty nor records.
    int skippedLines = 0;

    // Members, times and schedules are many; they are read again as they are written.
    QList<Division> divisions;
    QList<Zone> zones;
    QList<Change> changes;
    // Times of schedules whose member this roster already has: they are not added.
    QSet<RecordKey> keptTimes;
};
