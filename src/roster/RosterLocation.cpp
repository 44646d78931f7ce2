#include "RosterLocation.h"
#include "i18n/CoreText.h"

#include "store/Database.h"
#include "store/RosterServer.h"

#include <QCommandLineParser>
#include <QDir>
#include <QFileInfo>

namespace {

const QString RosterOption = QStringLiteral("roster");
const QString UserRosterOption = QStringLiteral("user-roster");

} // namespace

QList<QCommandLineOption> RosterLocation::options()
{
    return {QCommandLineOption(RosterOption,
                               CoreText("RosterLocation",
                                        "The roster file (default: ClanRoster.mdb here), or a shared "
                                        "roster's address "
                                        "postgresql://user@host[:port]/dbname.")
                                   .shown(),
                               QStringLiteral("PATH-OR-URL")),
            QCommandLineOption(UserRosterOption,
                               CoreText("RosterLocation",
                                        "Use ClanRoster.mdb in your data directory (%1), as the menu "
                                        "entry does.")
                                   .arg(QDir::toNativeSeparators(dataDirectory()))
                                   .shown())};
}

QString RosterLocation::choose(const QString& rosterOption, bool userRoster, const QString& dataDirectory)
{
    const QString fileName = QString::fromLatin1(Database::FileName);
    if (RosterServer::isAddress(rosterOption))
        return rosterOption;
    if (!rosterOption.isEmpty())
        return QFileInfo(rosterOption).absoluteFilePath();
    if (userRoster)
        return QDir(dataDirectory).absoluteFilePath(fileName);
    return QDir::current().absoluteFilePath(fileName);
}

QString RosterLocation::dataDirectory()
{
    return Database::dataDirectory();
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

QString RosterLocation::missingText(const QCommandLineParser& parser, const QString& path)
{
    // The option as the user would type it again: the menu's roster by its option, a file under
    // the working directory as a relative path, any other by its whole path.
    QString typed = QDir::current().relativeFilePath(path);
    if (typed.startsWith(QLatin1String("..")))
        typed = QDir::toNativeSeparators(path);
    if (typed.contains(QLatin1Char(' ')))
        typed = QLatin1Char('"') + typed + QLatin1Char('"');
    const bool userRoster = parser.isSet(UserRosterOption) && !parser.isSet(RosterOption);
    return CoreText("RosterLocation", "There is no roster file %1; tallyhold-cli %2 init makes a new one.")
        .arg(QDir::toNativeSeparators(path),
             userRoster ? QStringLiteral("--user-roster") : QStringLiteral("--roster ") + typed)
        .shown();
}

QString RosterLocation::folderBeside(const QString& rosterPath, const QString& name)
{
    // A server roster has no folder of its own: its folders are in the user's data directory.
    const QString path = RosterServer::isAddress(rosterPath)
        ? QDir(dataDirectory()).filePath(name)
        : QFileInfo(rosterPath).absoluteDir().filePath(name);
    QDir().mkpath(path);
    return path;
}

bool RosterLocation::inWorkingDirectory(const QString& rosterPath)
{
    if (RosterServer::isAddress(rosterPath))
        return false;
    // QDir compares canonical paths, so a symbolic link to here counts as here.
    return QFileInfo(rosterPath).absoluteDir() == QDir::current();
}
