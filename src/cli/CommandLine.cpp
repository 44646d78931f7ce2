#include "CommandLine.h"

#include "CliCommands.h"
#include "roster/RosterLocation.h"
#include "store/RosterCopy.h"
#include "store/RosterError.h"
#include "store/RosterServer.h"

#include <QCommandLineParser>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QTextStream>

namespace {

struct CommandSpec
{
    QString name;
    QString arguments;
    QString summary;
    QList<QCommandLineOption> options;
};

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

QList<CommandSpec> commands()
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
        {QStringLiteral("members"),
         QString(),
         QStringLiteral("List the members as the window does (\"Division - Player\")."),
         {option(QStringLiteral("division"), QStringLiteral("Only this division's members (repeatable)."),
                 QStringLiteral("NAME")),
          option(QStringLiteral("all"), QStringLiteral("Members of hidden divisions too."))}},
        {QStringLiteral("member show"),
         nameOrKey,
         QStringLiteral("Show a member, times in your time zone."),
         {}},
        {QStringLiteral("member add"), QStringLiteral("NAME"), QStringLiteral("Add a member."),
         memberOptions(false)},
        {QStringLiteral("member set"), nameOrKey, QStringLiteral("Change the given fields of a member."),
         memberOptions(true)},
        {QStringLiteral("member remove"), nameOrKey, QStringLiteral("Delete a member and its schedule."), {}},
        {QStringLiteral("divisions"), QString(), QStringLiteral("List the clans / divisions."), {}},
        {QStringLiteral("division add"),
         QStringLiteral("NAME"),
         QStringLiteral("Add a division."),
         {notes, hide}},
        {QStringLiteral("division set"),
         nameOrKey,
         QStringLiteral("Change a division."),
         {rename(QStringLiteral("division")), notes, hide}},
        {QStringLiteral("division remove"),
         nameOrKey,
         QStringLiteral("Delete a division that has no members."),
         {}},
        {QStringLiteral("zones"), QString(), QStringLiteral("List the time zones."), {}},
        {QStringLiteral("zone add"), QStringLiteral("NAME"), QStringLiteral("Add a time zone."), zone},
        {QStringLiteral("zone set"), QStringLiteral("NAME-OR-NUMBER"), QStringLiteral("Change a time zone."),
         QList<QCommandLineOption> {rename(QStringLiteral("time zone"))} + zone},
        {QStringLiteral("zone remove"),
         QStringLiteral("NAME-OR-NUMBER"),
         QStringLiteral("Delete a time zone that no member uses."),
         {}},
        {QStringLiteral("available"), QString(),
         QStringLiteral("Who of the chosen members (default: everyone listed) can make a match."),
         selectionOptions() + planOptions() << option(
             QStringLiteral("at"), QStringLiteral("The match date and time, such as \"12/7/2026 8:00 PM\"."),
             QStringLiteral("WHEN"))},
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
                       QStringLiteral("FILE"))},
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
                       QStringLiteral("MM/DD/YYYY"))},
        {QStringLiteral("export"),
         QStringLiteral("FILE"),
         QStringLiteral("Export divisions with their members, schedules and zones to a .tlx file."),
         {option(QStringLiteral("division"), QStringLiteral("A division to export (repeatable)."),
                 QStringLiteral("NAME")),
          option(QStringLiteral("force"), QStringLiteral("Overwrite FILE when it exists."))}},
        {QStringLiteral("import"),
         QStringLiteral("FILE"),
         QStringLiteral("Import a .tlx file: checked whole, then added in one go."),
         {}},
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
                 QStringLiteral("URL"))}},
        {QStringLiteral("links"),
         QString(),
         QStringLiteral("List the sign-up links, newest first."),
         {option(QStringLiteral("member"), QStringLiteral("Only this member's links."),
                 QStringLiteral("NAME"))}},
        {QStringLiteral("link revoke"),
         QStringLiteral("KEY"),
         QStringLiteral("Revoke a sign-up link by its key."),
         {}},
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
          option(QStringLiteral("user-email"), QStringLiteral("Your e-mail."), QStringLiteral("TEXT"))}},
        {QStringLiteral("copy"),
         QString(),
         QStringLiteral("Copy a whole roster, keys kept, between a file and a server (either way) into a new "
                        "roster, in one transaction."),
         {option(QStringLiteral("from"), QStringLiteral("The roster copied: a file or a server's address."),
                 QStringLiteral("PATH-OR-URL")),
          option(QStringLiteral("to"),
                 QStringLiteral("The new roster: a file (created) or an empty server database."),
                 QStringLiteral("PATH-OR-URL"))}},
    };
}

const QString ExitStatus
    = QStringLiteral("Exit status: 0 done; 1 command refused or bad input (nothing was written); 2 the "
                     "roster cannot be opened or changed (empty, damaged, in use, read-only, newer) or "
                     "the database failed (nothing was written). Errors go to stderr.");

void addCommon(QCommandLineParser& parser)
{
    parser.addOptions(RosterLocation::options());
    parser.addOption(
        option(QStringLiteral("json"), QStringLiteral("Print one JSON document instead of text.")));
    parser.addHelpOption();
    parser.addVersionOption();
}

QString overview(const QList<CommandSpec>& specs)
{
    QString text = QStringLiteral("The Tallyhold roster and match finder from a terminal.\n\nCommands "
                                  "(tallyhold-cli COMMAND --help shows a command's options):\n");
    for (const CommandSpec& spec : specs)
        text += QStringLiteral("  %1\n      %2\n")
                    .arg((spec.name + QLatin1Char(' ') + spec.arguments).trimmed(), spec.summary);
    return text + QLatin1Char('\n') + ExitStatus;
}

// The option to correct, for a refusal that names a field of the window's forms.
QString fieldOption(const FormField& field)
{
    static const char* const days[] = {"--mon", "--tue", "--wed", "--thu", "--fri", "--weekend"};
    static const char* const slotNames[] = {"slot 1 start", "slot 1 end", "slot 2 start", "slot 2 end"};
    switch (field.kind) {
    case FormField::Kind::Slot:
        return QStringLiteral("%1 %2").arg(QLatin1String(days[field.day]),
                                           QLatin1String(slotNames[field.slot]));
    case FormField::Kind::Division:
        return QStringLiteral("--division");
    case FormField::Kind::TimeZone:
    case FormField::Kind::UserTimeZone:
        return QStringLiteral("--zone");
    case FormField::Kind::ZoneOffset:
        return QStringLiteral("--offset");
    case FormField::Kind::ZoneIana:
        return QStringLiteral("--real");
    case FormField::Kind::MatchDate:
    case FormField::Kind::MatchTime:
        return QStringLiteral("--at");
    case FormField::Kind::MaxResults:
        return QStringLiteral("--max");
    default:
        return {};
    }
}

QString argumentHelp(const QString& argument)
{
    if (argument == QLatin1String("NAME-OR-KEY"))
        return QStringLiteral(
            "A name (letter case aside) or a key; for a member also \"Division - Player\".");
    if (argument == QLatin1String("NAME-OR-NUMBER"))
        return QStringLiteral("A zone name (letter case aside) or its number.");
    if (argument == QLatin1String("KEY"))
        return QStringLiteral("The link's key, as links shows it.");
    if (argument == QLatin1String("FILE"))
        return QStringLiteral("The exchange file (.tlx).");
    return argument.isEmpty() ? QString() : QStringLiteral("The name.");
}

// Qt names the program by the path it was started with.
QString helpText(const QCommandLineParser& parser, const QStringList& arguments)
{
    return parser.helpText().replace(arguments.value(0), QStringLiteral("tallyhold-cli"));
}

int statusOf(ErrorKind kind)
{
    return isStoreFailure(kind) ? CommandLine::Failed : CommandLine::Refused;
}

QString errorLine(const RosterError& error)
{
    const QString field = error.field() ? fieldOption(*error.field()) : QString();
    return (field.isEmpty() ? QString() : field + QStringLiteral(": ")) + error.text()
        + (error.detail().isEmpty() ? QString() : QStringLiteral(" (") + error.detail() + QLatin1Char(')'));
}

int fail(const QString& text, int status)
{
    QTextStream(stderr) << "tallyhold-cli: " << text << Qt::endl;
    return status;
}

// copy: neither roster is --roster's. The source must exist; the target is made when missing.
int copyRoster(const QCommandLineParser& parser)
{
    const QString from = RosterLocation::choose(parser.value(QStringLiteral("from")), false, QString());
    const QString to = RosterLocation::choose(parser.value(QStringLiteral("to")), false, QString());
    if (parser.value(QStringLiteral("from")).isEmpty() || parser.value(QStringLiteral("to")).isEmpty())
        return fail(QStringLiteral("copy needs --from and --to."), CommandLine::Refused);
    if (!RosterServer::isAddress(from) && !QFileInfo::exists(from))
        return fail(QStringLiteral("--from: there is no roster file %1.").arg(from), CommandLine::Refused);
    const bool existed = RosterServer::isAddress(to) || QFileInfo::exists(to);
    Database source = Database::open(from, Database::Access::ReadOnly);
    Database target = Database::open(to);
    try {
        RosterCopy::copy(source, target);
    } catch (const RosterError&) {
        target.close();
        if (!existed)
            QFile::remove(to);
        throw;
    }
    const int members = target.first(QStringLiteral("SELECT COUNT(*) FROM Members"))->value(0).toInt();
    QTextStream(stdout) << QStringLiteral("Copied %1 member(s) to %2").arg(members).arg(to) << Qt::endl;
    return CommandLine::Done;
}

} // namespace

int CommandLine::run(const QStringList& arguments)
{
    const QList<CommandSpec> specs = commands();
    QCommandLineParser first;
    addCommon(first);
    first.setApplicationDescription(overview(specs));
    first.addPositionalArgument(QStringLiteral("COMMAND"), QStringLiteral("One of the commands above."),
                                QStringLiteral("COMMAND [options]"));
    // Options of the command are unknown here; only its words are looked for.
    first.parse(arguments);
    const QStringList words = first.positionalArguments();
    const auto spec = std::find_if(specs.begin(), specs.end(), [&](const CommandSpec& spec) {
        return spec.name == words.mid(0, spec.name.count(QLatin1Char(' ')) + 1).join(QLatin1Char(' '));
    });
    if (spec == specs.end()) {
        if (first.isSet(QStringLiteral("version"))) {
            QTextStream(stdout) << "tallyhold-cli " << TALLYHOLD_VERSION << Qt::endl;
            return Done;
        }
        if (words.isEmpty() && first.isSet(QStringLiteral("help"))) {
            QTextStream(stdout) << helpText(first, arguments);
            return Done;
        }
        return fail(words.isEmpty()
                        ? QStringLiteral("Give a command; tallyhold-cli --help lists them.")
                        : QStringLiteral("Unknown command \"%1\"; tallyhold-cli --help lists them.")
                              .arg(words.mid(0, 2).join(QLatin1Char(' '))),
                    Refused);
    }

    QCommandLineParser parser;
    parser.setApplicationDescription(spec->summary + QStringLiteral("\n\n") + ExitStatus);
    addCommon(parser);
    parser.addOptions(spec->options);
    parser.addPositionalArgument(spec->arguments.isEmpty() ? spec->name : spec->arguments,
                                 argumentHelp(spec->arguments),
                                 spec->name + QLatin1Char(' ') + spec->arguments);
    if (!parser.parse(arguments))
        return fail(parser.errorText(), Refused);
    if (parser.isSet(QStringLiteral("help"))) {
        QTextStream(stdout) << helpText(parser, arguments);
        return Done;
    }
    const QStringList rest = parser.positionalArguments().mid(spec->name.count(QLatin1Char(' ')) + 1);
    if (rest.size() > (spec->arguments.isEmpty() ? 0 : 1))
        return fail(QStringLiteral("Too many arguments for %1: %2 (put a name with blanks in quotes).")
                        .arg(spec->name, rest.join(QLatin1Char(' '))),
                    Refused);

    if (spec->name == QLatin1String("copy")) {
        try {
            return copyRoster(parser);
        } catch (const RosterError& error) {
            return fail(errorLine(error), statusOf(error.kind()));
        }
    }
    const QString path = RosterLocation::fromCommandLine(parser);
    if (path.isEmpty())
        return fail(QStringLiteral("--roster needs a file name."), Refused);
    const bool existed = RosterServer::isAddress(path) || QFileInfo::exists(path);
    try {
        const Database db = Database::open(path);
        if (!existed)
            fail(QStringLiteral("created a new roster in %1").arg(path), Done);
        // Said before the command runs: a write is then refused with the read-only text.
        if (db.damage())
            fail(QStringLiteral("warning: ") + errorLine(*db.damage()), Done);
        CliCommands commands(db, LoadSettings(), parser, rest);
        const CliOutput out = commands.run(spec->name);
        QTextStream stdoutStream(stdout);
        if (parser.isSet(QStringLiteral("json")))
            stdoutStream << QJsonDocument(out.json).toJson(QJsonDocument::Indented);
        else if (!out.lines.isEmpty())
            stdoutStream << out.lines.join(QLatin1Char('\n')) << Qt::endl;
        for (const RosterError& warning : out.warnings)
            fail(QStringLiteral("warning: ") + errorLine(warning), Done);
        return Done;
    } catch (const RosterError& error) {
        return fail(errorLine(error), statusOf(error.kind()));
    } catch (const std::exception& error) {
        return fail(QString::fromLocal8Bit(error.what()), Failed);
    }
}
