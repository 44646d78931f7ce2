#pragma once

#include "store/Database.h"
#include "store/RecordKey.h"

#include <QStringList>
#include <optional>

// The Divisions table as the clan tab edits it: every operation acts on a division's key,
// so names need not be unique and may carry blanks or apostrophes.
class DivisionStore
{
public:
    struct Fields
    {
        QString name; // as typed, blanks kept
        QString notes;
        bool hide = false;
    };

    explicit DivisionStore(Database db);

    // Nothing when the row is gone. Notes without a value load empty; a hide flag other than 0
    // loads as set, because the member lists leave out such a division's members.
    std::optional<Fields> load(const RecordKey& key) const;
    RecordKey add(const Fields& fields) const;
    // Throws RowVanished, with nothing written, when the row is gone.
    void update(const RecordKey& key, const Fields& fields) const;

    // The trimmed player names of every member in the division, active or not.
    QStringList memberNames(const RecordKey& key) const;
    // Throws DeletionRefused, naming one member per line, while members are in the division.
    void checkEmpty(const RecordKey& key) const;
    // Deletes the division unless members are in it (checkEmpty's refusal, nothing deleted).
    // Throws DataError(1028) when the row is gone.
    void remove(const RecordKey& key) const;

private:
    Database m_db;
};
