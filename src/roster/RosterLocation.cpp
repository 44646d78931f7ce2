#include "RosterLocation.h"

#include "store/Database.h"

#include <QCommandLineParser>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace {

const QString RosterOption = QStringLiteral("roster");
const QString UserRosterOption = QStringLiteral("user-roster");

} // namespace

QList<QCommandLineOption> RosterLocation::options()
{
    return {QCommandLineOption(RosterOption,
                               QStringLiteral("The roster file (default: ClanRoster.mdb here; created when "
                                              "missing)."),
                               QStringLiteral("PATH")),
            QCommandLineOption(UserRosterOption,
                               QStringLiteral("Use ClanRoster.mdb in your data directory (%1), as the menu "
                                              "entry does.")
                                   .arg(QDir::toNativeSeparators(dataDirectory())))};
}

QString RosterLocation::choose(const QString& rosterOption, bool userRoster, const QString& dataDirectory)
{
    const QString fileName = QString::fromLatin1(Database::FileName);
    if (!rosterOption.isEmpty())
        return QFileInfo(rosterOption).absoluteFilePath();
    if (userRoster)
        return QDir(dataDirectory).absoluteFilePath(fileName);
    return QDir::current().absoluteFilePath(fileName);
}

QString RosterLocation::dataDirectory()
{
    // AppDataLocation of the window; tallyhold-cli has an application name of its own.
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation)
        + QStringLiteral("/Quillmoor/Tallyhold");
}

QString RosterLocation::fromCommandLine(const QCommandLineParser& parser)
{
    const QString rosterOption = parser.value(RosterOption);
    if (parser.isSet(RosterOption) && rosterOption.trimmed().isEmpty())
        return {};
    const bool userRoster = parser.isSet(UserRosterOption);
    const QString path = choose(rosterOption, userRoster, dataDirectory());
    // A directory that cannot be made is reported when the roster fails to open in it.
    if (userRoster && rosterOption.isEmpty())
        QDir().mkpath(QFileInfo(path).path());
    return path;
}

QString RosterLocation::folderBeside(const QString& rosterPath, const QString& name)
{
    const QString path = QFileInfo(rosterPath).absoluteDir().filePath(name);
    QDir().mkpath(path);
    return path;
}

bool RosterLocation::inWorkingDirectory(const QString& rosterPath)
{
    // QDir compares canonical paths, so a symbolic link to here counts as here.
    return QFileInfo(rosterPath).absoluteDir() == QDir::current();
}
