#pragma once

#include "MemberChange.h"
#include "store/Database.h"

#include <QHash>
#include <optional>

// The one owner of the MemberChanges table and its rules.
class MemberChangeStore
{
public:
    explicit MemberChangeStore(const Database& db)
        : m_db(db)
    {
    }

    // The form's values, checked alone (dates, slots, note); throws the refusal naming the field.
    static MemberChange read(const MemberChangeForm& form);

    // The member's changes, earliest first; with from valid, only those that last until then.
    QList<MemberChange> forMember(const RecordKey& member, const QDate& from = {}) const;
    // Every change, by member, each member's earliest first.
    QHash<RecordKey, QList<MemberChange>> all() const;
    std::optional<MemberChange> load(const RecordKey& key) const;
    // Adds the change (its key is made here) or writes it over the stored one of its key,
    // refusing one whose dates overlap another of the member's. Returns the key.
    RecordKey save(MemberChange change) const;
    // Adds checked changes as they are, keys kept, in the caller's transaction (an import).
    void insertAll(const QList<MemberChange>& changes) const;
    // RowVanished when the change is gone.
    void remove(const RecordKey& key) const;
    void removeFor(const RecordKey& member) const;

private:
    Database m_db;
};
