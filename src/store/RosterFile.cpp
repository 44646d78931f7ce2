#include "RosterFile.h"
#include "RosterServer.h"
#include "i18n/CoreText.h"

#include <QDate>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QLockFile>

RosterFile RosterFile::open(const QString& path)
{
    if (RosterServer::isAddress(path)) {
        // The server keeps its own rows consistent, and its backups are its administrator's.
        RosterFile server;
        server.m_db = Database::open(path);
        if (server.m_db.isReadOnly())
            server.m_warnings.append(RosterError(
                ErrorKind::ReadOnly, server.m_db.refusal(),
                CoreText(
                    "RosterFile",
                    "Changes need a login with the right to add, change and delete the roster's rows.")));
        return server;
    }
    const QString shown = QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath());
    RosterFile file;
    file.m_lock = std::make_shared<QLockFile>(path + QStringLiteral(".lock"));
    // A live holder keeps the lock however long it runs; a dead one loses it.
    file.m_lock->setStaleLockTime(0);
    if (!file.m_lock->tryLock()) {
        // In a folder we may not write in there is no lock to take, and nothing to change either.
        if (file.m_lock->error() == QLockFile::LockFailedError)
            throw RosterError(
                ErrorKind::RosterOpenElsewhere,
                CoreText("RosterFile", "The roster file %1 is open in another Tallyhold window.").arg(shown));
        file.m_lock.reset();
    }

    file.m_db = Database::open(path);
    if (file.m_db.damage()) {
        file.m_warnings.append(*file.m_db.damage());
        return file;
    }
    if (file.m_db.isReadOnly()) {
        file.m_warnings.append(RosterError(ErrorKind::ReadOnly, file.m_db.refusal(),
                                           CoreText("RosterFile", "The file or its folder is read-only.")));
        return file;
    }
    // The first start of a day finds yesterday's copy (or none) and writes today's.
    const QFileInfo backup(file.m_db.backupPath());
    if (!backup.exists() || backup.lastModified().date() != QDate::currentDate()) {
        try {
            file.m_db.backup();
        } catch (const RosterError& error) {
            file.m_warnings.append(error);
        }
    }
    return file;
}
