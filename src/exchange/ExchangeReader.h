#pragma once

#include "ExchangeContent.h"
#include "ExchangeFile.h"

#include <QSet>
#include <QString>

// The keys a roster already holds, against which a file's references are checked.
struct RosterKeys
{
    QSet<RecordKey> divisions;
    QSet<RecordKey> members;
    QSet<RecordKey> times;
    QSet<RecordKey> schedules;
    QSet<RecordKey> scheduledTimes;
    QSet<RecordKey> changes;
};

// Reads an exchange file and checks every record: its tag, its number of fields, its keys,
// flags, numbers and times, and that what it points at is in the file or the roster. Throws
// ImportFormatError at the first fault, so nothing is written from a file that is not sound
// throughout. The check keeps only keys and lines of the many member, times and schedule
// records; a second reading hands those records to the writer.
class ExchangeReader
{
public:
    class Sink
    {
    public:
        virtual ~Sink() = default;
        virtual void member(const ExchangeContent::Member& member) = 0;
        virtual void times(const ExchangeContent::Times& times) = 0;
        virtual void schedule(const ExchangeContent::Schedule& schedule) = 0;
    };

    static ExchangeContent check(const QString& path, const RosterKeys& roster);
    // Reads a file check() found sound again, for its member, times and schedule records;
    // progress is told the share of the file read.
    static void replay(const QString& path, Sink& sink, const ExchangeProgress& progress = {});
};
