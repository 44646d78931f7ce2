#pragma once

#include "i18n/CoreText.h"
#include "store/RecordKey.h"
#include "time/DateTime.h"

#include <QList>
#include <QString>
#include <array>
#include <optional>

// What a player said of a match; stored as its number.
enum class MatchAnswer { None = 0, Yes = 1, Maybe = 2, Late = 3, No = 4 };
// Whether a player came, once the match has started; stored as its number.
enum class Attended { Unknown = 0, Yes = 1, No = 2 };

// "none", "yes", "maybe", "late", "no": the words --json, the page and the CLI use.
QString AnswerName(MatchAnswer answer);
// The answer as a reader sees it: "yes", "maybe" … in their language.
CoreText AnswerWords(MatchAnswer answer);
std::optional<MatchAnswer> ReadAnswer(const QString& text);
QString AttendedName(Attended attended);

// One invited member of a match.
struct MatchPlayer
{
    static constexpr int MaxNoteLength = 500;

    RecordKey member;
    QString name; // the trimmed player name
    QString email; // the primary e-mail as stored
    bool required = false;
    MatchAnswer answer = MatchAnswer::None;
    QString note;
    std::optional<DateTime> answered; // GMT
    Attended attended = Attended::Unknown;
};

// A planned match: a GMT moment, kept with the zone it was planned in for showing it.
struct Match
{
    static constexpr int MaxTitleLength = 200;
    static constexpr int MaxNotesLength = 2000;

    RecordKey key;
    QString title;
    DateTime start; // GMT
    int length = 0; // minutes
    QString zone;
    QString notes;
    int minimum = 1;
    DateTime created; // GMT
    DateTime changed; // GMT
    bool cancelled = false;
    // Raised at every change of the match, for the calendar's SEQUENCE.
    int sequence = 0;
    // In name order; empty where only the match was read.
    QList<MatchPlayer> players;

    DateTime end() const { return start.addMinutes(length); }
    qint64 unixStart() const { return start.toUnixSeconds(); }
};

// A match with its answers counted: what a list of matches shows of each.
struct MatchSummary
{
    Match match;
    // By MatchAnswer.
    std::array<int, 5> answers {};
    int players = 0;
    // Every required player and at least the minimum said yes.
    bool requiredIn = true;
    bool minimumMet = false;
    // "Sat 12/12 08:00 PM · 5 yes · 1 maybe · 1 no · 2 no answer — minimum 6 not met", on the
    // viewpoint's clock.
    CoreText line;

    int count(MatchAnswer answer) const { return answers[size_t(answer)]; }
};

// A player as the match's status shows them: their answer and whether their week (and dates
// away) lets them play the whole match.
struct MatchPlayerStatus
{
    MatchPlayer player;
    bool canPlay = false;
};

struct MatchStatus
{
    MatchSummary summary;
    QList<MatchPlayerStatus> players; // in name order
    QStringList missingZones;
};

// What the leader sends those who have not answered.
struct MatchReminder
{
    QStringList names; // those who have not answered, in name order
    QStringList to; // their primary e-mails
    QStringList withoutEmail;
    CoreText discord; // names them with the match's <t:UNIX:F> stamp
    CoreText subject;
    CoreText body;

    // The e-mail link to them, URL-encoded: in the process's language, or in English for what
    // scripts read.
    QString mailto(bool english = false) const;
};

// One member's record over the last matches.
struct AttendanceRecord
{
    RecordKey member;
    QString name;
    int invited = 0;
    int saidYes = 0;
    int came = 0;
    int saidYesDidNotCome = 0;
};

// A match as the leader types or chooses it.
struct MatchForm
{
    QString at; // the start on the viewpoint's clock, "12/12/2026 8:00 PM"
    QString length; // minutes, 15 to 1440
    QString title; // empty for the default
    QString notes;
    QString minimum; // players who must say yes; empty for 1
    QList<RecordKey> members;
    QList<RecordKey> required; // they join the members
};
