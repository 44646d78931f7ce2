#include "CommandLine.h"

#include "CliCommands.h"
#include "roster/RosterLocation.h"
#include "store/RosterError.h"
#include "store/RosterServer.h"

#include <QCommandLineParser>
#include <QFileInfo>
#include <QJsonDocument>
#include <QScopeGuard>
#include <QTextStream>

namespace {

QString exitStatus()
{
    return CommandLine::tr("Exit status: 0 done; 1 command refused or bad input (nothing was written); 2 the "
                           "roster cannot be opened or changed (empty, damaged, in use, read-only, newer) or "
                           "the database failed (nothing was written). Errors go to stderr.");
}

void addCommon(QCommandLineParser& parser)
{
    parser.addOptions(RosterLocation::options());
    parser.addOption(QCommandLineOption(QStringLiteral("json"),
                                        CommandLine::tr("Print one JSON document instead of text.")));
    parser.addHelpOption();
    parser.addVersionOption();
}

QString overview(const QList<CliCommand>& specs)
{
    QString text = CommandLine::tr("The Tallyhold roster and match finder from a terminal.\n\nCommands "
                                   "(tallyhold-cli COMMAND --help shows a command's options):\n");
    for (const CliCommand& spec : specs)
        text += QStringLiteral("  %1\n      %2\n")
                    .arg((spec.words + QLatin1Char(' ') + spec.arguments).trimmed(), spec.summary);
    return text + QLatin1Char('\n') + exitStatus();
}

// The option to correct, for a refusal that names a field of the window's forms.
QString fieldOption(const FormField& field)
{
    static const char* const days[] = {"--mon", "--tue", "--wed", "--thu", "--fri", "--weekend"};
    static const char* const slotNames[]
        = {QT_TRANSLATE_NOOP("CommandLine", "slot 1 start"), QT_TRANSLATE_NOOP("CommandLine", "slot 1 end"),
           QT_TRANSLATE_NOOP("CommandLine", "slot 2 start"), QT_TRANSLATE_NOOP("CommandLine", "slot 2 end")};
    switch (field.kind) {
    case FormField::Kind::Slot:
        return QStringLiteral("%1 %2").arg(QLatin1String(days[field.day]),
                                           CommandLine::tr(slotNames[field.slot]));
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
    // The window's words name one form; a terminal has no field to show the others.
    const QString forms = error.kind() == ErrorKind::TimeFormat
        ? CommandLine::tr(" Times may also be typed as 7:30pm, 7pm, 19:30 or 1930.")
        : QString();
    return (field.isEmpty() ? QString() : field + QStringLiteral(": ")) + error.text()
        + (error.detail().isEmpty() ? QString() : QStringLiteral(" (") + error.detail() + QLatin1Char(')'))
        + forms;
}

int fail(const QString& text, int status)
{
    QTextStream(stderr) << "tallyhold-cli: " << text << Qt::endl;
    return status;
}

} // namespace

int CommandLine::run(const QStringList& arguments)
{
    const QList<CliCommand>& specs = CliCommands::table();
    QCommandLineParser first;
    addCommon(first);
    first.setApplicationDescription(overview(specs));
    first.addPositionalArgument(QStringLiteral("COMMAND"), tr("One of the commands above."),
                                tr("COMMAND [options]"));
    // Options of the command are unknown here; only its words are looked for.
    first.parse(arguments);
    const QStringList words = first.positionalArguments();
    const auto spec = std::find_if(specs.begin(), specs.end(), [&](const CliCommand& spec) {
        return spec.words == words.mid(0, spec.words.count(QLatin1Char(' ')) + 1).join(QLatin1Char(' '));
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
        return fail(words.isEmpty() ? tr("Give a command; tallyhold-cli --help lists them.")
                                    : tr("Unknown command \"%1\"; tallyhold-cli --help lists them.")
                                          .arg(words.mid(0, 2).join(QLatin1Char(' '))),
                    Refused);
    }

    QCommandLineParser parser;
    parser.setApplicationDescription(spec->summary + QStringLiteral("\n\n") + exitStatus());
    addCommon(parser);
    parser.addOptions(spec->options);
    parser.addPositionalArgument(spec->arguments.isEmpty() ? spec->words : spec->arguments,
                                 CliCommands::argumentHelp(spec->arguments),
                                 spec->words + QLatin1Char(' ') + spec->arguments);
    if (!parser.parse(arguments)) {
        const QStringList unknown = parser.unknownOptionNames();
        const bool weekend
            = unknown.contains(QStringLiteral("sat")) || unknown.contains(QStringLiteral("sun"));
        return fail(parser.errorText()
                        + (weekend ? tr(" Saturday and Sunday are one day: --weekend.")
                                   : tr(" tallyhold-cli %1 --help lists its options.").arg(spec->words)),
                    Refused);
    }
    if (parser.isSet(QStringLiteral("help"))) {
        QTextStream(stdout) << helpText(parser, arguments);
        return Done;
    }
    const QStringList rest = parser.positionalArguments().mid(spec->words.count(QLatin1Char(' ')) + 1);
    // One argument per word of the row's ("MATCH MEMBER ANSWER" takes three).
    if (rest.size() > (spec->arguments.isEmpty() ? 0 : spec->arguments.count(QLatin1Char(' ')) + 1))
        return fail(tr("Too many arguments for %1: %2 (put a name with blanks in quotes).")
                        .arg(spec->words, rest.join(QLatin1Char(' '))),
                    Refused);

    const auto print = [&](const CliOutput& out) {
        QTextStream stdoutStream(stdout);
        if (parser.isSet(QStringLiteral("json")))
            stdoutStream << QJsonDocument(out.json).toJson(QJsonDocument::Indented);
        else if (!out.lines.isEmpty())
            stdoutStream << out.lines.join(QLatin1Char('\n')) << Qt::endl;
        for (const RosterError& warning : out.warnings)
            fail(tr("warning: ") + errorLine(warning), Done);
        return Done;
    };
    try {
        if (spec->runAlone)
            return print(spec->runAlone(parser));
        const QString path = RosterLocation::fromCommandLine(parser);
        if (path.isEmpty())
            return fail(tr("--roster needs a file name."), Refused);
        // A mistyped path must not quietly become a new, empty roster.
        if (!RosterServer::isAddress(path) && !QFileInfo::exists(path))
            return fail(RosterLocation::missingText(parser, path), Failed);
        Database db
            = Database::open(path, Database::Access::ReadWrite,
                             spec->onlyReads ? Database::Check::BeforeWrites : Database::Check::Always);
        // On every way out: a roster nobody has open is one file, with no empty journal beside it.
        const auto closing = qScopeGuard([&db] { db.close(); });
        // Said before the command runs: a write is then refused with the read-only text.
        if (db.damage())
            fail(tr("warning: ") + errorLine(*db.damage()), Done);
        CliCommands commands(db, LoadSettings(), parser, rest);
        try {
            return print(commands.run(*spec));
        } catch (const RosterError&) {
            // Unchecked on opening: what failed may be damage, which is then said first, as when
            // the check found it.
            if (const std::optional<RosterError> damage = db.lateDamage())
                fail(tr("warning: ") + errorLine(*damage), Done);
            throw;
        }
    } catch (const RosterError& error) {
        return fail(errorLine(error), statusOf(error.kind()));
    } catch (const std::exception& error) {
        return fail(QString::fromLocal8Bit(error.what()), Failed);
    }
}
