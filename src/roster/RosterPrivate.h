#pragma once

// What the session's command files share. Front ends do not include it.

#include "Roster.h"
#include "store/RosterError.h"

namespace RosterPrivate {

inline void checkChosen(const QList<RecordKey>& keys, const CoreText& refusal)
{
    if (keys.isEmpty())
        throw RosterError(ErrorKind::Selection, refusal);
}

// Runs a command; when it finds a row it relies on gone, the lists still show that row, so the
// change is announced before the error goes on.
template<class Command> auto announceIfGone(Roster& roster, void (Roster::*changed)(), Command command)
{
    try {
        return command();
    } catch (const RosterError& error) {
        if (error.kind() == ErrorKind::DataLost || error.kind() == ErrorKind::RowVanished
            || error.kind() == ErrorKind::RowChanged)
            emit(roster.*changed)();
        throw;
    }
}

} // namespace RosterPrivate

template<class Load> auto Roster::versioned(Row row, const QVariant& key, Load load) const
{
    QVariant version = rowVersion(row, key);
    for (int attempt = 1;; ++attempt) {
        auto loaded = load();
        const QVariant after = rowVersion(row, key);
        // Still changing after three loads: the older version refuses the save rather than
        // letting a later change be overwritten.
        if (after == version || attempt == 3)
            return std::pair(std::move(loaded), version);
        version = after;
    }
}
