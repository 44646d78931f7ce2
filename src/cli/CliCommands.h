#pragma once

#include "RosterLookup.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QJsonObject>

// What a command prints: text lines, or with --json one JSON object. Warnings (data the
// command went past, as the window reports them after showing its result) go to stderr.
struct CliOutput
{
    QStringList lines;
    QJsonObject json;
    QList<RosterError> warnings;
};

class CliCommands;

// One command of tallyhold-cli. The parser, --help and the dispatcher all read these rows, so a
// new command is a new row and its handler.
struct CliCommand
{
    QString words; // "member add"
    QString arguments; // "NAME", or empty for none
    QString summary;
    QList<QCommandLineOption> options;
    // Exactly one is set: a command on the --roster session, or one that opens its own rosters.
    CliOutput (CliCommands::*run)() = nullptr;
    CliOutput (*runAlone)(const QCommandLineParser& parser) = nullptr;
    // A command that never writes may skip the whole-file check on opening (Database::Check).
    bool onlyReads = false;
};

// The commands of tallyhold-cli on one roster session. Options are read from the parser by
// their long names; arguments are the words after the command's own.
class CliCommands
{
    Q_DECLARE_TR_FUNCTIONS(CliCommands)

public:
    CliCommands(Database db, const Preferences& preferences, const QCommandLineParser& parser,
                const QStringList& arguments);

    static const QList<CliCommand>& table();
    // What an argument of the table (NAME-OR-KEY, FILE …) takes, for --help.
    static QString argumentHelp(const QString& argument);

    // Throws RosterError when the command is refused or fails; it has then written nothing.
    CliOutput run(const CliCommand& command);

private:
    static QList<CliCommand> rows();

    CliOutput members();
    CliOutput showMember();
    CliOutput addMember() { return saveMember(true); }
    CliOutput setMember() { return saveMember(false); }
    CliOutput saveMember(bool adding);
    CliOutput removeMember();
    CliOutput addAway() { return addChange(true); }
    CliOutput addSlotsChange() { return addChange(false); }
    CliOutput addChange(bool away);
    CliOutput memberChanges();
    CliOutput removeChange();
    CliOutput divisions();
    CliOutput addDivision() { return saveDivision(true); }
    CliOutput setDivision() { return saveDivision(false); }
    CliOutput saveDivision(bool adding);
    CliOutput removeDivision();
    CliOutput zones();
    CliOutput addZone() { return saveZone(true); }
    CliOutput setZone() { return saveZone(false); }
    CliOutput saveZone(bool adding);
    CliOutput removeZone();
    CliOutput available();
    CliOutput best();
    CliOutput announce();
    CliOutput exportDivisions();
    CliOutput importFile();
    CliOutput options();
    CliOutput makeLink();
    CliOutput links();
    CliOutput revokeLink();
    // Planned matches (CliMatchCommands.cpp).
    CliOutput planMatch();
    CliOutput setMatch();
    CliOutput listMatches();
    CliOutput showMatch();
    CliOutput answerMatch();
    CliOutput cancelMatch();
    CliOutput deleteMatch();
    CliOutput attendedMatch();
    CliOutput matchReminder();
    CliOutput matchCalendar();
    CliOutput attendance();
    static CliOutput copyRoster(const QCommandLineParser& parser);
    static CliOutput createRoster(const QCommandLineParser& parser);

    QString argument(int index) const;
    QString required(int index, const QString& name) const;
    bool given(const QString& option) const;
    bool yes(const QString& option) const;
    MemberForm memberForm(MemberForm form) const;
    QList<RecordKey> selection() const;
    // --length, --require and --min; the plan of a moment when none is given.
    MatchPlan matchPlan() const;
    // --at as the date field and the time field.
    std::pair<QString, QString> matchAt() const;
    // A match by its key or, when only one has it, its title.
    RecordKey matchNamed(const QString& text) const;
    // The members the option names, each once.
    QList<RecordKey> membersNamed(const QString& option) const;
    // The match's status line after a write, as text and JSON.
    CliOutput matchDone(const RecordKey& match, const QString& done);
    // The session's viewpoint with --zone, --dst, --grid and --max of this command in force.
    Viewpoint viewpoint() const;

    Roster m_roster;
    RosterLookup m_lookup;
    const QCommandLineParser& m_parser;
    QStringList m_arguments;
};
