#include "CliCommands.h"

#include "roster/RosterLocation.h"

// The rows of tallyhold-cli: words, arguments, options, help and handler of each command.

namespace {

QCommandLineOption option(const QString& name, const QString& description, const QString& value = {})
{
    return QCommandLineOption(name, description, value);
}

QList<QCommandLineOption> memberOptions(bool setting)
{
    QList<QCommandLineOption> options;
    if (setting)
        options << option(QStringLiteral("name"), QStringLiteral("New player name."), QStringLiteral("NAME"));
    options << option(QStringLiteral("division"), QStringLiteral("Clan / division, by name or key."),
                      QStringLiteral("NAME"))
            << option(QStringLiteral("zone"), QStringLiteral("The member's time zone, by name."),
                      QStringLiteral("ZONE"))
            << option(QStringLiteral("active"), QStringLiteral("Active member (a new one is)."),
                      QStringLiteral("yes|no"))
            << option(QStringLiteral("first"), QStringLiteral("Actual first name."), QStringLiteral("TEXT"))
            << option(QStringLiteral("last"), QStringLiteral("Last name."), QStringLiteral("TEXT"))
            << option(QStringLiteral("email"), QStringLiteral("Default e-mail."), QStringLiteral("TEXT"))
            << option(QStringLiteral("email2"), QStringLiteral("Secondary e-mail."), QStringLiteral("TEXT"))
            << option(QStringLiteral("contact"), QStringLiteral("Other contact info."),
                      QStringLiteral("TEXT"))
            << option(QStringLiteral("notes"), QStringLiteral("Member notes."), QStringLiteral("TEXT"));
    const QStringList days {QStringLiteral("Monday"),    QStringLiteral("Tuesday"),
                            QStringLiteral("Wednesday"), QStringLiteral("Thursday"),
                            QStringLiteral("Friday"),    QStringLiteral("Saturday / Sunday")};
    const QStringList names {QStringLiteral("mon"), QStringLiteral("tue"), QStringLiteral("wed"),
                             QStringLiteral("thu"), QStringLiteral("fri"), QStringLiteral("weekend")};
    for (int day = 0; day < days.size(); ++day)
        options << option(names[day],
                          days[day]
                              + QStringLiteral(": one or two slots in the member's zone, such as "
                                               "19:00-23:00,01:00-02:00; off to clear the day."),
                          QStringLiteral("SLOTS"));
    return options;
}

QList<QCommandLineOption> selectionOptions()
{
    return {option(QStringLiteral("division"),
                   QStringLiteral("Choose the members of a division (repeatable)."), QStringLiteral("NAME")),
            option(QStringLiteral("member"), QStringLiteral("Choose a member by name or key (repeatable)."),
                   QStringLiteral("NAME")),
            option(QStringLiteral("zone"),
                   QStringLiteral("Your time zone for this command (default: options)."),
                   QStringLiteral("ZONE")),
            option(QStringLiteral("dst"), QStringLiteral("Apply daylight saving time (default: options)."),
                   QStringLiteral("yes|no"))};
}

// A match plan, as the Scheduling tab's fields set it.
QList<QCommandLineOption> planOptions()
{
    return {option(QStringLiteral("length"),
                   QStringLiteral("The match length, 15 to 1440 minutes (default: a moment)."),
                   QStringLiteral("MIN")),
            option(QStringLiteral("require"),
                   QStringLiteral("A member who must be able to play (repeatable; joins the chosen)."),
                   QStringLiteral("NAME")),
            option(QStringLiteral("min"), QStringLiteral("At least this many must be able to play."),
                   QStringLiteral("N"))};
}

// A planned match's fields, for match plan and match set.
QList<QCommandLineOption> matchOptions(bool setting)
{
    QList<QCommandLineOption> options {
        option(QStringLiteral("at"),
               QStringLiteral("The start on your clock, such as \"12/12/2026 8:00 PM\"%1.")
                   .arg(setting ? QStringLiteral("; moving it asks every player again") : QString()),
               QStringLiteral("WHEN")),
        option(QStringLiteral("length"), QStringLiteral("The length, 15 to 1440 minutes."),
               QStringLiteral("MIN")),
        option(QStringLiteral("title"), QStringLiteral("The title (default: Clan match)."),
               QStringLiteral("TEXT")),
        option(QStringLiteral("member"), QStringLiteral("Invite a member, by name or key (repeatable)."),
               QStringLiteral("NAME")),
        option(QStringLiteral("require"),
               QStringLiteral("A member who must say yes (repeatable; invited too)."),
               QStringLiteral("NAME")),
        option(QStringLiteral("min"), QStringLiteral("At least this many must say yes (default 1)."),
               QStringLiteral("N")),
        option(QStringLiteral("note"), QStringLiteral("Notes for the players."), QStringLiteral("TEXT")),
        option(QStringLiteral("zone"), QStringLiteral("Your time zone for this command (default: options)."),
               QStringLiteral("ZONE")),
        option(QStringLiteral("dst"), QStringLiteral("Apply daylight saving time (default: options)."),
               QStringLiteral("yes|no"))};
    if (setting)
        options << option(QStringLiteral("remove-member"), QStringLiteral("Uninvite a member (repeatable)."),
                          QStringLiteral("NAME"));
    else
        options << option(QStringLiteral("division"),
                          QStringLiteral("Invite the members of a division (repeatable)."),
                          QStringLiteral("NAME"));
    return options;
}

// Options that only change the clock a command shows times on.
QList<QCommandLineOption> clockOptions()
{
    return {option(QStringLiteral("zone"),
                   QStringLiteral("Your time zone for this command (default: options)."),
                   QStringLiteral("ZONE")),
            option(QStringLiteral("dst"), QStringLiteral("Apply daylight saving time (default: options)."),
                   QStringLiteral("yes|no"))};
}

} // namespace

QList<CliCommand> CliCommands::rows()
{
    const QString nameOrKey = QStringLiteral("NAME-OR-KEY");
    const auto notes
        = option(QStringLiteral("notes"), QStringLiteral("Division notes."), QStringLiteral("TEXT"));
    const auto hide = option(QStringLiteral("hide"), QStringLiteral("Hide the members from the lists."),
                             QStringLiteral("yes|no"));
    const QList<QCommandLineOption> zone {
        option(QStringLiteral("offset"),
               QStringLiteral("Minutes to add to the local time to get GMT (300 for Eastern)."),
               QStringLiteral("MINUTES")),
        option(QStringLiteral("description"), QStringLiteral("Description."), QStringLiteral("TEXT")),
        option(QStringLiteral("dst"), QStringLiteral("Apply daylight saving time."),
               QStringLiteral("yes|no")),
        option(QStringLiteral("real"),
               QStringLiteral("The real time zone, such as America/New_York (\"none\" for none); its "
                              "standard offset and daylight saving fill --offset and --dst."),
               QStringLiteral("ID"))};
    const auto rename = [](const QString& what) {
        return option(QStringLiteral("name"), QStringLiteral("New name of the ") + what + QLatin1Char('.'),
                      QStringLiteral("NAME"));
    };
    return {
        {QStringLiteral("init"),
         QString(),
         QStringLiteral(
             "Make a new, empty roster where --roster (or --user-roster) says; every other command "
             "opens an existing roster only."),
         {},
         nullptr,
         &CliCommands::createRoster},
        {QStringLiteral("members"),
         QString(),
         QStringLiteral("List the members as the window does (\"Division - Player\")."),
         {option(QStringLiteral("division"), QStringLiteral("Only this division's members (repeatable)."),
                 QStringLiteral("NAME")),
          option(QStringLiteral("all"), QStringLiteral("Members of hidden divisions too."))},
         &CliCommands::members},
        {QStringLiteral("member show"),
         nameOrKey,
         QStringLiteral("Show a member, times in your time zone."),
         {},
         &CliCommands::showMember},
        {QStringLiteral("member add"), QStringLiteral("NAME"), QStringLiteral("Add a member."),
         memberOptions(false), &CliCommands::addMember},
        {QStringLiteral("member set"), nameOrKey, QStringLiteral("Change the given fields of a member."),
         memberOptions(true), &CliCommands::setMember},
        {QStringLiteral("member remove"),
         nameOrKey,
         QStringLiteral("Delete a member and its schedule."),
         {},
         &CliCommands::removeMember},
        {QStringLiteral("divisions"),
         QString(),
         QStringLiteral("List the clans / divisions."),
         {},
         &CliCommands::divisions},
        {QStringLiteral("division add"),
         QStringLiteral("NAME"),
         QStringLiteral("Add a division."),
         {notes, hide},
         &CliCommands::addDivision},
        {QStringLiteral("division set"),
         nameOrKey,
         QStringLiteral("Change a division."),
         {rename(QStringLiteral("division")), notes, hide},
         &CliCommands::setDivision},
        {QStringLiteral("division remove"),
         nameOrKey,
         QStringLiteral("Delete a division that has no members."),
         {},
         &CliCommands::removeDivision},
        {QStringLiteral("zones"), QString(), QStringLiteral("List the time zones."), {}, &CliCommands::zones},
        {QStringLiteral("zone add"), QStringLiteral("NAME"), QStringLiteral("Add a time zone."), zone,
         &CliCommands::addZone},
        {QStringLiteral("zone set"), QStringLiteral("NAME-OR-NUMBER"), QStringLiteral("Change a time zone."),
         QList<QCommandLineOption> {rename(QStringLiteral("time zone"))} + zone, &CliCommands::setZone},
        {QStringLiteral("zone remove"),
         QStringLiteral("NAME-OR-NUMBER"),
         QStringLiteral("Delete a time zone that no member uses."),
         {},
         &CliCommands::removeZone},
        {QStringLiteral("available"), QString(),
         QStringLiteral("Who of the chosen members (default: everyone listed) can make a match."),
         selectionOptions() + planOptions() << option(
             QStringLiteral("at"), QStringLiteral("The match date and time, such as \"12/7/2026 8:00 PM\"."),
             QStringLiteral("WHEN")),
         &CliCommands::available},
        {QStringLiteral("announce"), QString(),
         QStringLiteral("Announce a match to the chosen members (default: everyone listed): each one's "
                        "local time, who can play, a Discord line and an e-mail link."),
         selectionOptions()
             << option(QStringLiteral("at"),
                       QStringLiteral("The match start, such as \"12/7/2026 8:00 PM\"."),
                       QStringLiteral("WHEN"))
             << option(QStringLiteral("length"), QStringLiteral("The match length, 15 to 1440 minutes."),
                       QStringLiteral("MIN"))
             << option(QStringLiteral("title"), QStringLiteral("The title (default: Clan match)."),
                       QStringLiteral("TEXT"))
             << option(QStringLiteral("ics"), QStringLiteral("Also write a calendar invitation to FILE."),
                       QStringLiteral("FILE")),
         &CliCommands::announce},
        {QStringLiteral("best"), QString(),
         QStringLiteral("The best match times of the chosen members (default: everyone listed)."),
         selectionOptions() + planOptions()
             << option(QStringLiteral("grid"),
                       QStringLiteral("Grid step: 15, 30 or 60 minutes (default: options)."),
                       QStringLiteral("MIN"))
             << option(QStringLiteral("max"), QStringLiteral("At most this many times (default: options)."),
                       QStringLiteral("N"))
             << option(QStringLiteral("week-of"),
                       QStringLiteral("Count the seven days from this date (default: today)."),
                       QStringLiteral("MM/DD/YYYY")),
         &CliCommands::best},
        {QStringLiteral("match plan"), QString(),
         QStringLiteral("Plan a match for the members chosen and ask each for an answer."),
         matchOptions(false), &CliCommands::planMatch},
        {QStringLiteral("match set"), QStringLiteral("MATCH"),
         QStringLiteral("Move, rename, lengthen or change the players of a match."), matchOptions(true),
         &CliCommands::setMatch},
        {QStringLiteral("matches"), QString(),
         QStringLiteral("The upcoming matches with their answers, earliest first."),
         clockOptions() << option(QStringLiteral("past"),
                                  QStringLiteral("The matches that are over, latest first.")),
         &CliCommands::listMatches},
        {QStringLiteral("match show"), QStringLiteral("MATCH"),
         QStringLiteral("A match's players: their answers, notes, and who cannot play it by their week."),
         clockOptions(), &CliCommands::showMatch},
        {QStringLiteral("match answer"), QStringLiteral("MATCH MEMBER ANSWER"),
         QStringLiteral("Answer for a member: yes, maybe, late or no."),
         clockOptions() << option(QStringLiteral("note"),
                                  QStringLiteral("The member's note (at most 500 characters)."),
                                  QStringLiteral("TEXT")),
         &CliCommands::answerMatch},
        {QStringLiteral("match cancel"), QStringLiteral("MATCH"), QStringLiteral("Cancel a match."),
         clockOptions() << option(QStringLiteral("restore"), QStringLiteral("Undo the cancellation.")),
         &CliCommands::cancelMatch},
        {QStringLiteral("match delete"),
         QStringLiteral("MATCH"),
         QStringLiteral("Delete a match with its answers and attendance."),
         {},
         &CliCommands::deleteMatch},
        {QStringLiteral("match attended"), QStringLiteral("MATCH MEMBER YES-OR-NO"),
         QStringLiteral("Whether a member came, once the match has started."), clockOptions(),
         &CliCommands::attendedMatch},
        {QStringLiteral("match reminder"), QStringLiteral("MATCH"),
         QStringLiteral("A Discord message and an e-mail link for those who have not answered."),
         clockOptions(), &CliCommands::matchReminder},
        {QStringLiteral("match ics"),
         QString(),
         QStringLiteral("Write the upcoming matches and those of the last 30 days as a calendar file."),
         {option(QStringLiteral("all"), QStringLiteral("Every match with every player (the default).")),
          option(QStringLiteral("member"), QStringLiteral("Only this member's matches, with their answers."),
                 QStringLiteral("NAME")),
          option(QStringLiteral("out"), QStringLiteral("The .ics file to write."), QStringLiteral("FILE"))},
         &CliCommands::matchCalendar},
        {QStringLiteral("attendance"),
         QString(),
         QStringLiteral(
             "Per member over the last matches played: invited, said yes, came, said yes but did not come."),
         {option(QStringLiteral("last"), QStringLiteral("Count the last N matches (default 10)."),
                 QStringLiteral("N"))},
         &CliCommands::attendance},
        {QStringLiteral("export"),
         QStringLiteral("FILE"),
         QStringLiteral("Export divisions with their members, schedules and zones to a .tlx file."),
         {option(QStringLiteral("division"), QStringLiteral("A division to export (repeatable)."),
                 QStringLiteral("NAME")),
          option(QStringLiteral("force"), QStringLiteral("Overwrite FILE when it exists."))},
         &CliCommands::exportDivisions},
        {QStringLiteral("import"),
         QStringLiteral("FILE"),
         QStringLiteral("Import a .tlx file: checked whole, then added in one go."),
         {},
         &CliCommands::importFile},
        {QStringLiteral("link make"),
         nameOrKey,
         QStringLiteral("Make a member's private sign-up link for tallyhold-web; only its hash is kept, so "
                        "copy it now."),
         {option(QStringLiteral("days"),
                 QStringLiteral("Days until the link expires (default 60, at most 3650)."),
                 QStringLiteral("N")),
          option(QStringLiteral("address"),
                 QStringLiteral("Where members reach tallyhold-web, such as https://roster.example.org "
                                "(kept for the next links; default http://127.0.0.1:8080)."),
                 QStringLiteral("URL"))},
         &CliCommands::makeLink},
        {QStringLiteral("links"),
         QString(),
         QStringLiteral("List the sign-up links, newest first."),
         {option(QStringLiteral("member"), QStringLiteral("Only this member's links."),
                 QStringLiteral("NAME"))},
         &CliCommands::links},
        {QStringLiteral("link revoke"),
         QStringLiteral("KEY"),
         QStringLiteral("Revoke a sign-up link by its key."),
         {},
         &CliCommands::revokeLink},
        {QStringLiteral("options"),
         QString(),
         QStringLiteral("Show your preferences, or set the given ones."),
         {option(QStringLiteral("zone"), QStringLiteral("Your time zone."), QStringLiteral("ZONE")),
          option(QStringLiteral("dst"), QStringLiteral("Apply daylight saving time."),
                 QStringLiteral("yes|no")),
          option(QStringLiteral("grid"), QStringLiteral("Best times grid: 15, 30 or 60 minutes."),
                 QStringLiteral("MIN")),
          option(QStringLiteral("max"), QStringLiteral("Max return on best times."), QStringLiteral("N")),
          option(QStringLiteral("verify-off"), QStringLiteral("Disable the window's confirmation boxes."),
                 QStringLiteral("yes|no")),
          option(QStringLiteral("user-name"), QStringLiteral("Your name."), QStringLiteral("TEXT")),
          option(QStringLiteral("user-email"), QStringLiteral("Your e-mail."), QStringLiteral("TEXT"))},
         &CliCommands::options},
        {QStringLiteral("copy"),
         QString(),
         QStringLiteral("Copy a whole roster, keys kept, between a file and a server (either way) into a new "
                        "roster, in one transaction."),
         {option(QStringLiteral("from"), QStringLiteral("The roster copied: a file or a server's address."),
                 QStringLiteral("PATH-OR-URL")),
          option(QStringLiteral("to"),
                 QStringLiteral("The new roster: a file (created) or an empty server database."),
                 QStringLiteral("PATH-OR-URL"))},
         nullptr,
         &CliCommands::copyRoster},
    };
}

const QList<CliCommand>& CliCommands::table()
{
    static const QList<CliCommand> table = rows();
    return table;
}

QString CliCommands::argumentHelp(const QString& argument)
{
    if (argument == QLatin1String("NAME-OR-KEY"))
        return QStringLiteral(
            "A name (letter case aside) or a key; for a member also \"Division - Player\".");
    if (argument == QLatin1String("NAME-OR-NUMBER"))
        return QStringLiteral("A zone name (letter case aside) or its number.");
    if (argument.startsWith(QLatin1String("MATCH")))
        return QStringLiteral(
            "A match's key, or its title when only one match has it; then a member's name or "
            "key and the answer, where the command takes them.");
    if (argument == QLatin1String("KEY"))
        return QStringLiteral("The link's key, as links shows it.");
    if (argument == QLatin1String("FILE"))
        return QStringLiteral("The exchange file (.tlx).");
    return argument.isEmpty() ? QString() : QStringLiteral("The name.");
}
