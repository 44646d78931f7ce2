#pragma once

#include "ExchangeFile.h"
#include "store/Database.h"
#include "store/RecordKey.h"

#include <QList>
#include <QString>

struct ExportSummary
{
    QString file;
    int members = 0;
};

// Writes the divisions, in the order given, with their members, schedules, times, away dates
// and one-off changes (past ones too) and user-made zones to the exchange file at path. The file is written
// beside the target and put in place only when complete: on any failure (RosterError) an earlier file at path
// is left as it was. Returns the number of members written, each division counted once.
int ExportDivisions(const Database& db, const QList<RecordKey>& divisions, const QString& path,
                    const ExchangeProgress& progress = {});
