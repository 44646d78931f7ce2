#pragma once

#include <QList>
#include <QString>

class QCommandLineOption;
class QCommandLineParser;

// Where the roster file lives, decided at start-up the same way by the window and tallyhold-cli:
// an explicit --roster path; with --user-roster (what the menu entry passes) ClanRoster.mdb in
// the user's data directory; otherwise ClanRoster.mdb in the working directory.
class RosterLocation
{
public:
    // --roster PATH and --user-roster.
    static QList<QCommandLineOption> options();
    // The absolute path of the roster. rosterOption is the --roster value (empty when not
    // given); it wins over userRoster. dataDirectory is where a user roster lives.
    static QString choose(const QString& rosterOption, bool userRoster, const QString& dataDirectory);
    // The window's AppDataLocation (organisation "Quillmoor", application "Tallyhold"), whichever
    // program asks, so that the window and tallyhold-cli reach the same user roster.
    static QString dataDirectory();
    // choose() on a parser holding options(), with the user's data directory, made when the user
    // roster is chosen. Empty when --roster was given without a file name.
    static QString fromCommandLine(const QCommandLineParser& parser);
    // Why a roster file fromCommandLine() chose cannot be opened when it does not exist, and the
    // tallyhold-cli command that makes it.
    static QString missingText(const QCommandLineParser& parser, const QString& path);
    // A folder beside the roster (Export, Import), made on first use.
    static QString folderBeside(const QString& rosterPath, const QString& name);
    static bool inWorkingDirectory(const QString& rosterPath);
};
