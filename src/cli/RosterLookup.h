#pragma once

#include "roster/Roster.h"

// Finds the member, division or zone a user names on the command line: by its key, or by its
// name without regard to case or blanks around it. A name that fits none or several is refused
// (Selection), the refusal listing the keys to choose from.
class RosterLookup
{
public:
    explicit RosterLookup(const Roster& roster);

    // A member's player name, its list entry ("Alpha - Bob") or its 32-digit key.
    MemberRow member(const QString& nameOrKey) const;
    // A division's name or key; nothing when no division has that name (the caller decides).
    std::optional<RosterListEntry> findDivision(const QString& nameOrKey) const;
    RosterListEntry division(const QString& nameOrKey) const;
    // A zone's name or its number (TZ_PK).
    std::optional<RosterListEntry> findZone(const QString& nameOrKey) const;
    RosterListEntry zone(const QString& nameOrKey) const;

private:
    const Roster& m_roster;
};
