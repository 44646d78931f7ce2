#pragma once

#include "Match.h"
#include "store/Database.h"

#include <QHash>
#include <optional>

// The one owner of the Matches and MatchPlayers tables' SQL. The rules of what a command may do
// live in the roster session's match commands.
class MatchStore
{
public:
    explicit MatchStore(const Database& db)
        : m_db(db)
    {
    }

    // Matches that start from `from` (included) to `to` (excluded), without their players;
    // earliest first, or latest first with newestFirst.
    QList<Match> starting(const DateTime& from, const DateTime& to, bool newestFirst = false) const;
    // The same matches' players counted: per match, per answer, and required ones without a yes.
    struct Counts
    {
        std::array<int, 5> answers {};
        int requiredOut = 0;
    };
    QHash<RecordKey, Counts> counts(const DateTime& from, const DateTime& to) const;
    // The match with its players in name order; nothing when it is gone.
    std::optional<Match> load(const RecordKey& key) const;
    // Every match whose title is title (letter case and blanks around aside), without players.
    QList<Match> titled(const QString& title) const;
    // The keys of the matches member is invited to that start from `from` on.
    QList<RecordKey> invitedTo(const RecordKey& member, const DateTime& from) const;

    // Per member invited to any of the last `last` matches that started before `before` and were
    // not cancelled: what they said and whether they came. In name order.
    QList<AttendanceRecord> attendance(const DateTime& before, int last) const;

    // Adds the match and its players; the key is made here and returned.
    RecordKey insert(Match match) const;
    // Writes the match's own fields over the stored ones (raising its sequence), and makes its
    // players those given: new ones are added, gone ones removed, and the others keep their
    // answers unless resetAnswers.
    void update(const Match& match, bool resetAnswers) const;
    void setCancelled(const RecordKey& match, bool cancelled, const DateTime& now) const;
    void setAnswer(const RecordKey& match, const RecordKey& member, MatchAnswer answer, const QString& note,
                   const DateTime& now) const;
    void setAttended(const RecordKey& match, const RecordKey& member, Attended attended) const;
    void remove(const RecordKey& match) const;
    void removeFor(const RecordKey& member) const;

private:
    void addPlayer(const RecordKey& match, const MatchPlayer& player) const;

    Database m_db;
};
