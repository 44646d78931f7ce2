#pragma once

#include "store/Database.h"
#include "store/RecordKey.h"

#include <QList>
#include <QRandomGenerator>

// Writes a made-up roster for benchmarks and tests. The same seed and size give the same
// rows (keys included), so a slow or failing case can be rebuilt exactly.
// What it makes: divisions (some hidden), user-made zones beside the standard ones (negative
// and half-hour offsets, daylight flags), members (some inactive, some without a schedule,
// some sharing a player name, awkward names and notes), and schedules with one or two slots
// typed in the member's own zone and stored in GMT.
class RosterGenerator
{
public:
    struct Summary
    {
        QList<RecordKey> divisions;
        QList<RecordKey> members;
        QList<int> zones; // the user-made ones
        int timesRows = 0;
    };

    explicit RosterGenerator(quint32 seed);

    // Adds the rows to db, an open roster, in one transaction.
    Summary generate(const Database& db, int memberCount);
    // Creates a new roster file at path (refused when the file exists) and fills it.
    static Summary writeFile(const QString& path, int memberCount, quint32 seed);

private:
    RecordKey newKey();
    int below(int bound) { return int(m_random.bounded(quint32(bound))); }
    bool chance(int percent) { return below(100) < percent; }
    QString pick(const QStringList& texts) { return texts.at(below(int(texts.size()))); }
    QVariant awkwardText();
    QString playerName(int index);
    // A slot typed in the member's zone: start and end times of day, in minutes.
    std::pair<int, int> localSlot();

    QRandomGenerator m_random;
};
