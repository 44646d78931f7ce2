#pragma once

#include "ExchangeFile.h"
#include "store/Database.h"

#include <QString>

// What an import did. Records whose key this roster already holds are left as they are.
struct ImportResult
{
    int divisionsAdded = 0;
    int divisionsPresent = 0;
    int membersAdded = 0;
    int membersPresent = 0;
    int zonesAdded = 0;
    int zonesReused = 0;
    // The file's format version, 0 for a file without header.
    int version = 0;
    // Lines of a file without header that were neither empty nor records.
    int skippedLines = 0;
    // The copy of the roster made before anything was written.
    QString backupPath;

    // The counts, the backup and what could not be checked, for the completion message.
    QString detail() const;
};

// Reads and checks the whole exchange file at path, backs the roster up (Database::backup),
// then adds the file's records in one transaction: divisions, zones, members, times, schedules, changes.
// Records keep their keys; a member already present keeps its own schedule, times and changes; a user-made
// zone maps to an identical zone of this roster or gets the next free key (none left refuses the whole
// import). Throws ImportFormatError (nothing written) for a faulty file, RosterError otherwise.
ImportResult ImportFile(const Database& db, const QString& path, const ExchangeProgress& progress = {});
