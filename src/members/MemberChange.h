#pragma once

#include "i18n/CoreText.h"
#include "store/RecordKey.h"

#include <QDate>
#include <QList>
#include <QString>
#include <array>
#include <optional>

// A member's dated exception to their week: from first to last (inclusive, the member's own
// dates) they are away, or play these slots instead of the week's. A slot whose end is not
// after its start runs past midnight into the next day, as in the week.
struct MemberChange
{
    struct Slot
    {
        int start = 0; // minutes of the member's day, as typed
        int end = 0;
        bool operator==(const Slot&) const = default;
    };

    static constexpr int MaxSlots = 2;
    static constexpr int MaxNoteLength = 100;

    RecordKey key;
    RecordKey member;
    QDate first;
    QDate last;
    bool away = true;
    QList<Slot> times; // none when away
    QString note;

    // A slot's time as the table, the exchange file and tallyhold-cli's JSON hold it: "HH:MM",
    // 24-hour; nothing for other text.
    static QString clockText(int minute);
    static std::optional<int> fromClockText(const QString& text);

    bool covers(const QDate& date) const { return first <= date && date <= last; }
    // "12/21/2026 – 01/03/2027", or one date.
    QString dates() const;
    // As the member view and the lists show it: "Away 12/21/2026 – 01/03/2027: holiday",
    // "12/11/2026: 10:00 PM – 01:00 AM: late".
    QString text() const { return words().shown(); }
    CoreText words() const;
    bool operator==(const MemberChange&) const = default;
};

// A change as typed: dates as MM/DD/YYYY (or YYYY-MM-DD, as a browser's date field sends
// them), slot times in any form a time field takes.
struct MemberChangeForm
{
    QString first;
    QString last; // empty for the first date alone
    bool away = true;
    // Slot 1 start and end, slot 2 start and end.
    std::array<QString, 4> slotTexts;
    QString note;
};
