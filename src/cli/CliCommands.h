#pragma once

#include "RosterLookup.h"

#include <QCommandLineParser>
#include <QJsonObject>

// What a command prints: text lines, or with --json one JSON object. Warnings (data the
// command went past, as the window reports them after showing its result) go to stderr.
struct CliOutput
{
    QStringList lines;
    QJsonObject json;
    QList<RosterError> warnings;
};

// The commands of tallyhold-cli on one roster session. Options are read from the parser by
// their long names; arguments are the words after the command's own.
class CliCommands
{
public:
    CliCommands(Database db, const Preferences& preferences, const QCommandLineParser& parser,
                const QStringList& arguments);

    // Throws RosterError when the command is refused or fails; it has then written nothing.
    CliOutput run(const QString& command);

private:
    CliOutput members() const;
    CliOutput showMember() const;
    CliOutput saveMember(bool adding);
    CliOutput removeMember();
    CliOutput divisions() const;
    CliOutput saveDivision(bool adding);
    CliOutput removeDivision();
    CliOutput zones() const;
    CliOutput saveZone(bool adding);
    CliOutput removeZone();
    CliOutput available() const;
    CliOutput best() const;
    CliOutput announce() const;
    CliOutput exportDivisions() const;
    CliOutput importFile();
    CliOutput options();
    CliOutput makeLink();
    CliOutput links() const;
    CliOutput revokeLink();

    QString argument(int index) const;
    QString required(int index, const QString& name) const;
    bool given(const QString& option) const;
    bool yes(const QString& option) const;
    MemberForm memberForm(MemberForm form) const;
    QList<RecordKey> selection() const;
    // --length, --require and --min; the plan of a moment when none is given.
    MatchPlan matchPlan(const Roster& roster) const;
    // --at as the date field and the time field.
    std::pair<QString, QString> matchAt() const;
    // The preferences with --zone, --dst, --grid and --max of this command in force.
    Preferences schedulingPreferences() const;

    Database m_db;
    Roster m_roster;
    RosterLookup m_lookup;
    const QCommandLineParser& m_parser;
    QStringList m_arguments;
};
