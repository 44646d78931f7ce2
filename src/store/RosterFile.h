#pragma once

#include "Database.h"
#include "RosterError.h"

#include <QList>
#include <memory>

class QLockFile;

// The program's own roster for one run: the lock that keeps a second Tallyhold off it, the
// open database, and what the user should be told before working with it.
class RosterFile
{
public:
    // Takes the lock beside path (one a crashed copy left is taken over), opens the roster
    // (Database::open) and, on the first start of a day, writes the backup. Throws RosterError:
    // RosterOpenElsewhere when another Tallyhold holds the lock, RosterInUse (worth a retry), RosterEmpty,
    // RosterDamaged or NotOpened. A roster that fails the quick check opens read-only with its RosterDamaged
    // warning; a read-only file or folder gives a ReadOnly warning. A server address opens the shared roster
    // there: no lock, no backup; a login that may only read gives the ReadOnly warning.
    static RosterFile open(const QString& path = QString::fromLatin1(Database::FileName));

    const Database& database() const { return m_db; }
    // For the front end to show, in order, before the roster is used.
    const QList<RosterError>& warnings() const { return m_warnings; }

private:
    std::shared_ptr<QLockFile> m_lock;
    Database m_db;
    QList<RosterError> m_warnings;
};
