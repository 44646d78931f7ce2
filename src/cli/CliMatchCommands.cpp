// tallyhold-cli's planned matches: plan, change, answer, remind, attendance and the calendar.
#include "CliCommands.h"

#include "roster/RosterTexts.h"
#include "store/RosterError.h"

#include <QDateTime>
#include <QJsonArray>

namespace {

RosterError refusal(const QString& text)
{
    return RosterError(ErrorKind::DataFormat, text);
}

QJsonObject counts(const MatchSummary& summary)
{
    QJsonObject json;
    for (int answer = 0; answer < int(summary.answers.size()); ++answer)
        json[AnswerName(MatchAnswer(answer))] = summary.answers[answer];
    return json;
}

QJsonObject matchJson(const MatchSummary& summary)
{
    const Match& match = summary.match;
    return {{QStringLiteral("key"), KeyToHex(match.key)},
            {QStringLiteral("title"), match.title},
            {QStringLiteral("start"), match.unixStart()},
            {QStringLiteral("length"), match.length},
            {QStringLiteral("zone"), match.zone},
            {QStringLiteral("notes"), match.notes},
            {QStringLiteral("minimum"), match.minimum},
            {QStringLiteral("cancelled"), match.cancelled},
            {QStringLiteral("sequence"), match.sequence},
            {QStringLiteral("players"), summary.players},
            {QStringLiteral("answers"), counts(summary)},
            {QStringLiteral("minimumMet"), summary.minimumMet},
            {QStringLiteral("requiredIn"), summary.requiredIn},
            {QStringLiteral("line"), summary.line.english()}};
}

QString summaryText(const MatchSummary& summary)
{
    return summary.match.title + QStringLiteral(": ") + summary.line.shown();
}

} // namespace

RecordKey CliCommands::matchNamed(const QString& text) const
{
    if (IsKeyText(text.trimmed()))
        return m_roster.match(HexToKey(text.trimmed())).key;
    const QList<Match> found = m_roster.matchesTitled(text);
    if (found.size() == 1)
        return found.first().key;
    if (found.isEmpty())
        throw RosterError(
            ErrorKind::Selection,
            CliCommands::tr("No match is titled \"%1\"; matches --past lists them all.").arg(text.trimmed()));
    QString list = CliCommands::tr("%1 matches are titled \"%2\"; give one of their keys:")
                       .arg(found.size())
                       .arg(text.trimmed());
    for (const Match& match : found)
        list += QLatin1Char('\n') + KeyToHex(match.key) + QStringLiteral("  ")
            + QDateTime::fromSecsSinceEpoch(match.unixStart(), Qt::UTC)
                  .toString(QStringLiteral("yyyy-MM-dd hh:mm"))
            + QStringLiteral(" UTC");
    throw RosterError(ErrorKind::Selection, list);
}

QList<RecordKey> CliCommands::membersNamed(const QString& option) const
{
    QList<RecordKey> keys;
    for (const QString& name : m_parser.values(option)) {
        const RecordKey key = m_lookup.member(name).key;
        if (!keys.contains(key))
            keys.append(key);
    }
    return keys;
}

CliOutput CliCommands::matchDone(const RecordKey& key, const QString& done)
{
    const MatchStatus status = m_roster.matchStatus(viewpoint(), key);
    CliOutput out;
    out.lines << done + QStringLiteral(" ") + summaryText(status.summary) << KeyToHex(key);
    out.json = matchJson(status.summary);
    return out;
}

CliOutput CliCommands::planMatch()
{
    MatchForm form;
    form.at = m_parser.value(QStringLiteral("at"));
    form.length = m_parser.value(QStringLiteral("length"));
    form.title = m_parser.value(QStringLiteral("title"));
    form.notes = m_parser.value(QStringLiteral("note"));
    form.minimum = m_parser.value(QStringLiteral("min"));
    // Only those chosen: a match is never planned for the whole roster by omission.
    if (given(QStringLiteral("member")) || given(QStringLiteral("division")))
        form.members = selection();
    form.required = membersNamed(QStringLiteral("require"));
    return matchDone(m_roster.planMatch(viewpoint(), form), tr("Planned"));
}

CliOutput CliCommands::setMatch()
{
    const Viewpoint view = viewpoint();
    const RecordKey key = matchNamed(required(0, QStringLiteral("MATCH")));
    MatchForm form = m_roster.matchForm(view, key);
    const QList<std::pair<const char*, QString*>> texts {{"at", &form.at},
                                                         {"length", &form.length},
                                                         {"title", &form.title},
                                                         {"note", &form.notes},
                                                         {"min", &form.minimum}};
    for (const auto& [option, field] : texts) {
        if (given(QLatin1String(option)))
            *field = m_parser.value(QLatin1String(option));
    }
    for (const RecordKey& member :
         membersNamed(QStringLiteral("member")) + membersNamed(QStringLiteral("require"))) {
        if (!form.members.contains(member))
            form.members.append(member);
    }
    for (const RecordKey& member : membersNamed(QStringLiteral("require"))) {
        if (!form.required.contains(member))
            form.required.append(member);
    }
    for (const RecordKey& member : membersNamed(QStringLiteral("remove-member"))) {
        form.members.removeAll(member);
        form.required.removeAll(member);
    }
    m_roster.editMatch(view, key, form);
    return matchDone(key, tr("Changed"));
}

CliOutput CliCommands::listMatches()
{
    const bool past = given(QStringLiteral("past"));
    CliOutput out;
    QJsonArray list;
    for (const MatchSummary& summary : m_roster.matches(viewpoint(), past)) {
        out.lines << KeyToHex(summary.match.key) + QStringLiteral("  ") + summaryText(summary);
        list.append(matchJson(summary));
    }
    if (out.lines.isEmpty())
        out.lines << (past ? CliCommands::tr("No past matches.") : CliCommands::tr("No upcoming matches."));
    out.json[QStringLiteral("matches")] = list;
    return out;
}

CliOutput CliCommands::showMatch()
{
    const RecordKey key = matchNamed(required(0, QStringLiteral("MATCH")));
    const MatchStatus status = m_roster.matchStatus(viewpoint(), key);
    CliOutput out;
    out.json = matchJson(status.summary);
    out.lines << summaryText(status.summary);
    if (!status.summary.match.notes.isEmpty())
        out.lines << tr("Notes: %1").arg(status.summary.match.notes);
    QJsonArray players;
    for (const MatchPlayerStatus& entry : status.players) {
        const MatchPlayer& player = entry.player;
        QStringList marks;
        if (player.required)
            marks << tr("required");
        if (!entry.canPlay)
            marks << CliCommands::tr("cannot play then");
        if (player.attended != Attended::Unknown)
            marks << (player.attended == Attended::Yes ? tr("came") : CliCommands::tr("did not come"));
        out.lines << QStringLiteral("  %1: %2%3%4")
                         .arg(player.name,
                              player.answer == MatchAnswer::None ? CliCommands::tr("no answer")
                                                                 : AnswerName(player.answer),
                              marks.isEmpty() ? QString()
                                              : QStringLiteral(" (") + marks.join(QStringLiteral(", "))
                                      + QLatin1Char(')'),
                              player.note.isEmpty() ? QString() : QStringLiteral(" — ") + player.note);
        players.append(
            QJsonObject {{QStringLiteral("member"), KeyToHex(player.member)},
                         {QStringLiteral("name"), player.name},
                         {QStringLiteral("required"), player.required},
                         {QStringLiteral("answer"), AnswerName(player.answer)},
                         {QStringLiteral("note"), player.note},
                         {QStringLiteral("answered"),
                          player.answered ? QJsonValue(player.answered->toUnixSeconds()) : QJsonValue()},
                         {QStringLiteral("attended"), AttendedName(player.attended)},
                         {QStringLiteral("canPlay"), entry.canPlay}});
    }
    out.json[QStringLiteral("playerList")] = players;
    if (!status.missingZones.isEmpty())
        out.warnings << RosterTexts::missingZones(status.missingZones);
    return out;
}

CliOutput CliCommands::answerMatch()
{
    const RecordKey key = matchNamed(required(0, QStringLiteral("MATCH")));
    const MemberRow member = m_lookup.member(required(1, QStringLiteral("MEMBER")));
    const std::optional<MatchAnswer> answer = ReadAnswer(required(2, QStringLiteral("answer")));
    if (!answer || *answer == MatchAnswer::None)
        throw refusal(CliCommands::tr("The answer is yes, maybe, late or no."));
    m_roster.answerMatch(key, member.key, *answer, m_parser.value(QStringLiteral("note")));
    return matchDone(key, tr("%1 said %2.").arg(member.player, AnswerName(*answer)));
}

CliOutput CliCommands::cancelMatch()
{
    const RecordKey key = matchNamed(required(0, QStringLiteral("MATCH")));
    const bool restore = given(QStringLiteral("restore"));
    m_roster.cancelMatch(key, !restore);
    return matchDone(key, restore ? tr("Restored") : tr("Cancelled"));
}

CliOutput CliCommands::deleteMatch()
{
    const RecordKey key = matchNamed(required(0, QStringLiteral("MATCH")));
    const QString title = m_roster.match(key).title;
    m_roster.deleteMatch(key);
    return {{CliCommands::tr("Deleted %1").arg(title)}, {{QStringLiteral("key"), KeyToHex(key)}}, {}};
}

CliOutput CliCommands::attendedMatch()
{
    const RecordKey key = matchNamed(required(0, QStringLiteral("MATCH")));
    const MemberRow member = m_lookup.member(required(1, QStringLiteral("MEMBER")));
    const QString word = required(2, CliCommands::tr("yes or no")).trimmed().toLower();
    if (word != QLatin1String("yes") && word != QLatin1String("no"))
        throw refusal(CliCommands::tr("Say yes or no: did %1 come?").arg(member.player));
    m_roster.markAttended(key, member.key, word == QLatin1String("yes"));
    return matchDone(
        key,
        member.player
            + (word == QLatin1String("yes") ? CliCommands::tr(" came.") : CliCommands::tr(" did not come.")));
}

CliOutput CliCommands::matchReminder()
{
    const RecordKey key = matchNamed(required(0, QStringLiteral("MATCH")));
    const MatchReminder reminder = m_roster.matchReminder(viewpoint(), key);
    CliOutput out;
    out.lines << reminder.discord.shown();
    if (!reminder.names.isEmpty()) {
        out.lines << reminder.mailto();
        if (!reminder.withoutEmail.isEmpty())
            out.lines << CliCommands::tr("No e-mail: ") + reminder.withoutEmail.join(QStringLiteral(", "));
    }
    out.json = {{QStringLiteral("key"), KeyToHex(key)},
                {QStringLiteral("notAnswered"), QJsonArray::fromStringList(reminder.names)},
                {QStringLiteral("discord"), reminder.discord.english()},
                {QStringLiteral("mailto"), reminder.mailto(true)},
                {QStringLiteral("noEmail"), QJsonArray::fromStringList(reminder.withoutEmail)}};
    return out;
}

CliOutput CliCommands::matchCalendar()
{
    const QString path = m_parser.value(QStringLiteral("out")).trimmed();
    if (path.isEmpty())
        throw refusal(QStringLiteral("--out needs the file to write."));
    if (given(QStringLiteral("all")) && given(QStringLiteral("member")))
        throw refusal(CliCommands::tr("Give --all or --member, not both."));
    const std::optional<MemberRow> member = given(QStringLiteral("member"))
        ? std::optional(m_lookup.member(m_parser.value(QStringLiteral("member"))))
        : std::nullopt;
    m_roster.saveMatchCalendar(path, member ? member->key : RecordKey());
    return {{CliCommands::tr("Calendar written: ") + path},
            {{QStringLiteral("file"), path},
             {QStringLiteral("member"), member ? QJsonValue(KeyToHex(member->key)) : QJsonValue()}},
            {}};
}

CliOutput CliCommands::attendance()
{
    int last = 10;
    if (given(QStringLiteral("last"))) {
        bool ok = false;
        last = m_parser.value(QStringLiteral("last")).trimmed().toInt(&ok);
        if (!ok || last < 1)
            throw RosterError(ErrorKind::ValueOutOfRange, QStringLiteral("--last takes a number from 1 on."));
    }
    CliOutput out;
    QJsonArray list;
    for (const AttendanceRecord& record : m_roster.attendance(last)) {
        out.lines << CliCommands::tr("%1: invited %2, said yes %3, came %4, said yes but did not come %5")
                         .arg(record.name)
                         .arg(record.invited)
                         .arg(record.saidYes)
                         .arg(record.came)
                         .arg(record.saidYesDidNotCome);
        list.append(QJsonObject {{QStringLiteral("member"), KeyToHex(record.member)},
                                 {QStringLiteral("name"), record.name},
                                 {QStringLiteral("invited"), record.invited},
                                 {QStringLiteral("saidYes"), record.saidYes},
                                 {tr("came"), record.came},
                                 {QStringLiteral("saidYesDidNotCome"), record.saidYesDidNotCome}});
    }
    if (out.lines.isEmpty())
        out.lines << CliCommands::tr("No match has been played yet.");
    out.json = {{QStringLiteral("last"), last}, {QStringLiteral("members"), list}};
    return out;
}
