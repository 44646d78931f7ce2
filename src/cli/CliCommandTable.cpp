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
        options << option(QStringLiteral("name"), CliCommands::tr("New player name."),
                          QStringLiteral("NAME"));
    options << option(QStringLiteral("division"), CliCommands::tr("Clan / division, by name or key."),
                      QStringLiteral("NAME"))
            << option(QStringLiteral("zone"), CliCommands::tr("The member's time zone, by name."),
                      QStringLiteral("ZONE"))
            << option(QStringLiteral("active"), CliCommands::tr("Active member (a new one is)."),
                      QStringLiteral("yes|no"))
            << option(QStringLiteral("first"), CliCommands::tr("Actual first name."), QStringLiteral("TEXT"))
            << option(QStringLiteral("last"), CliCommands::tr("Last name."), QStringLiteral("TEXT"))
            << option(QStringLiteral("email"), CliCommands::tr("Default e-mail."), QStringLiteral("TEXT"))
            << option(QStringLiteral("email2"), CliCommands::tr("Secondary e-mail."), QStringLiteral("TEXT"))
            << option(QStringLiteral("contact"), CliCommands::tr("Other contact info."),
                      QStringLiteral("TEXT"))
            << option(QStringLiteral("notes"), CliCommands::tr("Member notes."), QStringLiteral("TEXT"));
    const QStringList days {CliCommands::tr("Monday"),    CliCommands::tr("Tuesday"),
                            CliCommands::tr("Wednesday"), CliCommands::tr("Thursday"),
                            CliCommands::tr("Friday"),    CliCommands::tr("Saturday / Sunday")};
    const QStringList names {QStringLiteral("mon"), QStringLiteral("tue"), QStringLiteral("wed"),
                             QStringLiteral("thu"), QStringLiteral("fri"), QStringLiteral("weekend")};
    for (int day = 0; day < days.size(); ++day)
        options << option(names[day],
                          CliCommands::tr("%1: one or two slots in the member's zone, such as "
                                          "19:00-23:00,01:00-02:00; off to clear the day.")
                              .arg(days[day]),
                          QStringLiteral("SLOTS"));
    return options;
}

QList<QCommandLineOption> selectionOptions()
{
    return {option(QStringLiteral("division"),
                   CliCommands::tr("Choose the members of a division (repeatable)."), QStringLiteral("NAME")),
            option(QStringLiteral("member"), CliCommands::tr("Choose a member by name or key (repeatable)."),
                   QStringLiteral("NAME")),
            option(QStringLiteral("zone"),
                   CliCommands::tr("Your time zone for this command (default: options)."),
                   QStringLiteral("ZONE")),
            option(QStringLiteral("dst"), CliCommands::tr("Apply daylight saving time (default: options)."),
                   QStringLiteral("yes|no"))};
}

// A match plan, as the Scheduling tab's fields set it.
QList<QCommandLineOption> planOptions()
{
    return {option(QStringLiteral("length"),
                   CliCommands::tr("The match length, 15 to 1440 minutes (default: a moment)."),
                   QStringLiteral("MIN")),
            option(QStringLiteral("require"),
                   CliCommands::tr("A member who must be able to play (repeatable; joins the chosen)."),
                   QStringLiteral("NAME")),
            option(QStringLiteral("min"), CliCommands::tr("At least this many must be able to play."),
                   QStringLiteral("N"))};
}

// The dates of a change and its note; the slots of one that is no absence.
QList<QCommandLineOption> changeOptions(bool withSlots)
{
    QList<QCommandLineOption> options {
        option(QStringLiteral("from"),
               CliCommands::tr("The first date, in the member's own zone: MM/DD/YYYY or YYYY-MM-DD."),
               QStringLiteral("DATE")),
        option(QStringLiteral("to"), CliCommands::tr("The last date (default: the first alone)."),
               QStringLiteral("DATE")),
        option(QStringLiteral("note"), CliCommands::tr("A short note, such as holiday."),
               QStringLiteral("TEXT"))};
    if (withSlots)
        options << option(QStringLiteral("slots"),
                          CliCommands::tr("One or two slots in the member's zone instead of the week's, such "
                                          "as 22:00-01:00 or 6pm-8pm,10pm-1am; an end before the start runs "
                                          "past midnight."),
                          QStringLiteral("SLOTS"));
    return options;
}

// A planned match's fields, for match plan and match set.
QList<QCommandLineOption> matchOptions(bool setting)
{
    QList<QCommandLineOption> options {
        option(QStringLiteral("at"),
               setting ? CliCommands::tr(
                   "The start on your clock, such as \"12/12/2026 8:00 PM\"; moving it asks "
                   "every player again.")
                       : CliCommands::tr("The start on your clock, such as \"12/12/2026 8:00 PM\"."),
               QStringLiteral("WHEN")),
        option(QStringLiteral("length"), CliCommands::tr("The length, 15 to 1440 minutes."),
               QStringLiteral("MIN")),
        option(QStringLiteral("title"), CliCommands::tr("The title (default: Clan match)."),
               QStringLiteral("TEXT")),
        option(QStringLiteral("member"), CliCommands::tr("Invite a member, by name or key (repeatable)."),
               QStringLiteral("NAME")),
        option(QStringLiteral("require"),
               CliCommands::tr("A member who must say yes (repeatable; invited too)."),
               QStringLiteral("NAME")),
        option(QStringLiteral("min"), CliCommands::tr("At least this many must say yes (default 1)."),
               QStringLiteral("N")),
        option(QStringLiteral("note"), CliCommands::tr("Notes for the players."), QStringLiteral("TEXT")),
        option(QStringLiteral("zone"), CliCommands::tr("Your time zone for this command (default: options)."),
               QStringLiteral("ZONE")),
        option(QStringLiteral("dst"), CliCommands::tr("Apply daylight saving time (default: options)."),
               QStringLiteral("yes|no"))};
    if (setting)
        options << option(QStringLiteral("remove-member"), CliCommands::tr("Uninvite a member (repeatable)."),
                          QStringLiteral("NAME"));
    else
        options << option(QStringLiteral("division"),
                          CliCommands::tr("Invite the members of a division (repeatable)."),
                          QStringLiteral("NAME"));
    return options;
}

// Options that only change the clock a command shows times on.
QList<QCommandLineOption> clockOptions()
{
    return {option(QStringLiteral("zone"),
                   CliCommands::tr("Your time zone for this command (default: options)."),
                   QStringLiteral("ZONE")),
            option(QStringLiteral("dst"), CliCommands::tr("Apply daylight saving time (default: options)."),
                   QStringLiteral("yes|no"))};
}

} // namespace

QList<CliCommand> CliCommands::rows()
{
    // Only help is translated: command words, option names and argument names are what scripts
    // type, the same in every language.
    const QString nameOrKey = QStringLiteral("NAME-OR-KEY");
    const auto notes
        = option(QStringLiteral("notes"), CliCommands::tr("Division notes."), QStringLiteral("TEXT"));
    const auto hide = option(QStringLiteral("hide"), CliCommands::tr("Hide the members from the lists."),
                             QStringLiteral("yes|no"));
    const QList<QCommandLineOption> zone {
        option(QStringLiteral("offset"),
               CliCommands::tr("Minutes to add to the local time to get GMT (300 for Eastern)."),
               QStringLiteral("MINUTES")),
        option(QStringLiteral("description"), CliCommands::tr("Description."), QStringLiteral("TEXT")),
        option(QStringLiteral("dst"), CliCommands::tr("Apply daylight saving time."),
               QStringLiteral("yes|no")),
        option(QStringLiteral("real"),
               CliCommands::tr("The real time zone, such as America/New_York (\"none\" for none); its "
                               "standard offset and daylight saving fill --offset and --dst."),
               QStringLiteral("ID"))};
    const auto rename = [](const QString& description) {
        return option(QStringLiteral("name"), description, QStringLiteral("NAME"));
    };
    return {
        {QStringLiteral("init"),
         QString(),
         CliCommands::tr(
             "Make a new, empty roster where --roster (or --user-roster) says; every other command "
             "opens an existing roster only."),
         {},
         nullptr,
         &CliCommands::createRoster},
        {QStringLiteral("members"),
         QString(),
         CliCommands::tr("List the members as the window does (\"Division - Player\")."),
         {option(QStringLiteral("division"), CliCommands::tr("Only this division's members (repeatable)."),
                 QStringLiteral("NAME")),
          option(QStringLiteral("all"), CliCommands::tr("Members of hidden divisions too."))},
         &CliCommands::members,
         nullptr,
         true},
        {QStringLiteral("member show"),
         nameOrKey,
         CliCommands::tr("Show a member, times in your time zone."),
         {},
         &CliCommands::showMember},
        {QStringLiteral("member add"), QStringLiteral("NAME"), CliCommands::tr("Add a member."),
         memberOptions(false), &CliCommands::addMember},
        {QStringLiteral("member set"), nameOrKey, CliCommands::tr("Change the given fields of a member."),
         memberOptions(true), &CliCommands::setMember},
        {QStringLiteral("member remove"),
         nameOrKey,
         CliCommands::tr("Delete a member and its schedule."),
         {},
         &CliCommands::removeMember},
        {QStringLiteral("member away"), nameOrKey,
         CliCommands::tr("Mark a member away from --from to --to: no answer on those dates counts them."),
         changeOptions(false), &CliCommands::addAway},
        // Before "member change": the first command whose words start the command line runs.
        {QStringLiteral("member change remove"),
         QStringLiteral("CHANGE-KEY"),
         CliCommands::tr("Remove an away range or one-off change by its key."),
         {},
         &CliCommands::removeChange},
        {QStringLiteral("member change"), nameOrKey,
         CliCommands::tr("Give a member other slots from --from to --to instead of their week's."),
         changeOptions(true), &CliCommands::addSlotsChange},
        {QStringLiteral("member changes"),
         nameOrKey,
         CliCommands::tr("List a member's away ranges and one-off changes from today on, with their keys."),
         {option(QStringLiteral("all"), CliCommands::tr("Past ones too."))},
         &CliCommands::memberChanges},
        {QStringLiteral("divisions"),
         QString(),
         CliCommands::tr("List the clans / divisions."),
         {},
         &CliCommands::divisions},
        {QStringLiteral("division add"),
         QStringLiteral("NAME"),
         CliCommands::tr("Add a division."),
         {notes, hide},
         &CliCommands::addDivision},
        {QStringLiteral("division set"),
         nameOrKey,
         CliCommands::tr("Change a division."),
         {rename(CliCommands::tr("New name of the division.")), notes, hide},
         &CliCommands::setDivision},
        {QStringLiteral("division remove"),
         nameOrKey,
         CliCommands::tr("Delete a division that has no members."),
         {},
         &CliCommands::removeDivision},
        {QStringLiteral("zones"),
         QString(),
         CliCommands::tr("List the time zones."),
         {},
         &CliCommands::zones},
        {QStringLiteral("zone add"), QStringLiteral("NAME"), CliCommands::tr("Add a time zone."), zone,
         &CliCommands::addZone},
        {QStringLiteral("zone set"), QStringLiteral("NAME-OR-NUMBER"), CliCommands::tr("Change a time zone."),
         QList<QCommandLineOption> {rename(CliCommands::tr("New name of the time zone."))} + zone,
         &CliCommands::setZone},
        {QStringLiteral("zone remove"),
         QStringLiteral("NAME-OR-NUMBER"),
         CliCommands::tr("Delete a time zone that no member uses."),
         {},
         &CliCommands::removeZone},
        {QStringLiteral("available"), QString(),
         CliCommands::tr("Who of the chosen members (default: everyone listed) can make a match."),
         selectionOptions() + planOptions() << option(
             QStringLiteral("at"), CliCommands::tr("The match date and time, such as \"12/7/2026 8:00 PM\"."),
             QStringLiteral("WHEN")),
         &CliCommands::available, nullptr, true},
        {QStringLiteral("announce"), QString(),
         CliCommands::tr("Announce a match to the chosen members (default: everyone listed): each one's "
                         "local time, who can play, a Discord line and an e-mail link."),
         selectionOptions()
             << option(QStringLiteral("at"),
                       CliCommands::tr("The match start, such as \"12/7/2026 8:00 PM\"."),
                       QStringLiteral("WHEN"))
             << option(QStringLiteral("length"), CliCommands::tr("The match length, 15 to 1440 minutes."),
                       QStringLiteral("MIN"))
             << option(QStringLiteral("title"), CliCommands::tr("The title (default: Clan match)."),
                       QStringLiteral("TEXT"))
             << option(QStringLiteral("ics"), CliCommands::tr("Also write a calendar invitation to FILE."),
                       QStringLiteral("FILE")),
         &CliCommands::announce},
        {QStringLiteral("best"), QString(),
         CliCommands::tr("The best match times of the chosen members (default: everyone listed)."),
         selectionOptions() + planOptions()
             << option(QStringLiteral("grid"),
                       CliCommands::tr("Grid step: 15, 30 or 60 minutes (default: options)."),
                       QStringLiteral("MIN"))
             << option(QStringLiteral("max"), CliCommands::tr("At most this many times (default: options)."),
                       QStringLiteral("N"))
             << option(QStringLiteral("week-of"),
                       CliCommands::tr("Count the seven days from this date (default: today)."),
                       QStringLiteral("MM/DD/YYYY")),
         &CliCommands::best, nullptr, true},
        {QStringLiteral("match plan"), QString(),
         CliCommands::tr("Plan a match for the members chosen and ask each for an answer."),
         matchOptions(false), &CliCommands::planMatch},
        {QStringLiteral("match set"), QStringLiteral("MATCH"),
         CliCommands::tr("Move, rename, lengthen or change the players of a match."), matchOptions(true),
         &CliCommands::setMatch},
        {QStringLiteral("matches"), QString(),
         CliCommands::tr("The upcoming matches with their answers, earliest first."),
         clockOptions() << option(QStringLiteral("past"),
                                  CliCommands::tr("The matches that are over, latest first.")),
         &CliCommands::listMatches},
        {QStringLiteral("match show"), QStringLiteral("MATCH"),
         CliCommands::tr("A match's players: their answers, notes, and who cannot play it by their week."),
         clockOptions(), &CliCommands::showMatch},
        {QStringLiteral("match answer"), QStringLiteral("MATCH MEMBER ANSWER"),
         CliCommands::tr("Answer for a member: yes, maybe, late or no."),
         clockOptions() << option(QStringLiteral("note"),
                                  CliCommands::tr("The member's note (at most 500 characters)."),
                                  QStringLiteral("TEXT")),
         &CliCommands::answerMatch},
        {QStringLiteral("match cancel"), QStringLiteral("MATCH"), CliCommands::tr("Cancel a match."),
         clockOptions() << option(QStringLiteral("restore"), CliCommands::tr("Undo the cancellation.")),
         &CliCommands::cancelMatch},
        {QStringLiteral("match delete"),
         QStringLiteral("MATCH"),
         CliCommands::tr("Delete a match with its answers and attendance."),
         {},
         &CliCommands::deleteMatch},
        {QStringLiteral("match attended"), QStringLiteral("MATCH MEMBER YES-OR-NO"),
         CliCommands::tr("Whether a member came, once the match has started."), clockOptions(),
         &CliCommands::attendedMatch},
        {QStringLiteral("match reminder"), QStringLiteral("MATCH"),
         CliCommands::tr("A Discord message and an e-mail link for those who have not answered."),
         clockOptions(), &CliCommands::matchReminder},
        {QStringLiteral("match ics"),
         QString(),
         CliCommands::tr("Write the upcoming matches and those of the last 30 days as a calendar file."),
         {option(QStringLiteral("all"), CliCommands::tr("Every match with every player (the default).")),
          option(QStringLiteral("member"), CliCommands::tr("Only this member's matches, with their answers."),
                 QStringLiteral("NAME")),
          option(QStringLiteral("out"), CliCommands::tr("The .ics file to write."), QStringLiteral("FILE"))},
         &CliCommands::matchCalendar},
        {QStringLiteral("attendance"),
         QString(),
         QStringLiteral(
             "Per member over the last matches played: invited, said yes, came, said yes but did not come."),
         {option(QStringLiteral("last"), CliCommands::tr("Count the last N matches (default 10)."),
                 QStringLiteral("N"))},
         &CliCommands::attendance},
        {QStringLiteral("export"),
         QStringLiteral("FILE"),
         CliCommands::tr("Export divisions with their members, schedules and zones to a .tlx file."),
         {option(QStringLiteral("division"), CliCommands::tr("A division to export (repeatable)."),
                 QStringLiteral("NAME")),
          option(QStringLiteral("force"), CliCommands::tr("Overwrite FILE when it exists."))},
         &CliCommands::exportDivisions},
        {QStringLiteral("import"),
         QStringLiteral("FILE"),
         CliCommands::tr("Import a .tlx file: checked whole, then added in one go."),
         {},
         &CliCommands::importFile},
        {QStringLiteral("link make"),
         nameOrKey,
         CliCommands::tr("Make a member's private sign-up link for tallyhold-web; only its hash is kept, so "
                         "copy it now."),
         {option(QStringLiteral("days"),
                 CliCommands::tr("Days until the link expires (default 60, at most 3650)."),
                 QStringLiteral("N")),
          option(QStringLiteral("address"),
                 CliCommands::tr("Where members reach tallyhold-web, such as https://roster.example.org "
                                 "(kept for the next links; default http://127.0.0.1:8080)."),
                 QStringLiteral("URL"))},
         &CliCommands::makeLink},
        {QStringLiteral("links"),
         QString(),
         CliCommands::tr("List the sign-up links, newest first."),
         {option(QStringLiteral("member"), CliCommands::tr("Only this member's links."),
                 QStringLiteral("NAME"))},
         &CliCommands::links},
        {QStringLiteral("link revoke"),
         QStringLiteral("KEY"),
         CliCommands::tr("Revoke a sign-up link by its key."),
         {},
         &CliCommands::revokeLink},
        {QStringLiteral("options"),
         QString(),
         CliCommands::tr("Show your preferences, or set the given ones."),
         {option(QStringLiteral("zone"), CliCommands::tr("Your time zone."), QStringLiteral("ZONE")),
          option(QStringLiteral("dst"), CliCommands::tr("Apply daylight saving time."),
                 QStringLiteral("yes|no")),
          option(QStringLiteral("grid"), CliCommands::tr("Best times grid: 15, 30 or 60 minutes."),
                 QStringLiteral("MIN")),
          option(QStringLiteral("max"), CliCommands::tr("Max return on best times."), QStringLiteral("N")),
          option(QStringLiteral("verify-off"), CliCommands::tr("Disable the window's confirmation boxes."),
                 QStringLiteral("yes|no")),
          option(QStringLiteral("user-name"), CliCommands::tr("Your name."), QStringLiteral("TEXT")),
          option(QStringLiteral("user-email"), CliCommands::tr("Your e-mail."), QStringLiteral("TEXT"))},
         &CliCommands::options},
        {QStringLiteral("copy"),
         QString(),
         CliCommands::tr(
             "Copy a whole roster, keys kept, between a file and a server (either way) into a new "
             "roster, in one transaction."),
         {option(QStringLiteral("from"), CliCommands::tr("The roster copied: a file or a server's address."),
                 QStringLiteral("PATH-OR-URL")),
          option(QStringLiteral("to"),
                 CliCommands::tr("The new roster: a file (created) or an empty server database."),
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
        return CliCommands::tr("A zone name (letter case aside) or its number.");
    if (argument.startsWith(QLatin1String("MATCH")))
        return QStringLiteral(
            "A match's key, or its title when only one match has it; then a member's name or "
            "key and the answer, where the command takes them.");
    if (argument == QLatin1String("KEY"))
        return CliCommands::tr("The link's key, as links shows it.");
    if (argument == QLatin1String("CHANGE-KEY"))
        return CliCommands::tr("The change's key, as member changes shows it.");
    if (argument == QLatin1String("FILE"))
        return CliCommands::tr("The exchange file (.tlx).");
    return argument.isEmpty() ? QString() : CliCommands::tr("The name.");
}
