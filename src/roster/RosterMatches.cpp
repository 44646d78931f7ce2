// The roster session's planned matches: plan, edit, answers, attendance, reminders, calendar.
#include "RosterPrivate.h"
#include "RosterTexts.h"
#include "i18n/CoreText.h"

#include "matches/MatchCalendar.h"
#include "matches/MatchStore.h"
#include "time/cTimeFuncs.h"

#include <QDateTime>
#include <QDir>
#include <QSaveFile>
#include <QSet>

using RosterPrivate::announceIfGone;

namespace {

constexpr int RecentDays = 30;

DateTime now()
{
    return DateTime::fromSeconds(QDateTime::currentSecsSinceEpoch() + DateTime::UnixDayZero);
}

const DateTime Earliest = DateTime::fromSeconds(0);
DateTime latest()
{
    return DateTime::fromDate(QDate(9999, 12, 31));
}

RosterError refusal(const CoreText& text)
{
    return RosterError(ErrorKind::SaveRefused, text);
}

RosterError matchGone()
{
    return RosterError(ErrorKind::RowVanished,
                       CoreText("RosterMatches", "That match was deleted in the meantime."));
}

const MatchPlayer& playerOf(const Match& match, const RecordKey& member)
{
    for (const MatchPlayer& player : match.players) {
        if (player.member == member)
            return player;
    }
    throw refusal(CoreText("RosterMatches", "That member is not invited to \"%1\".").arg(match.title));
}

// "Sat 12/12 08:00 PM" on the clock given, the day named in the reader's language.
CoreText shownStart(const ZoneRule& clock, const DateTime& start, bool withYear = false)
{
    const DateTime local = clock.fromGMT(start);
    return CoreText(QStringLiteral("%1 %2 %3"))
        .arg(RosterTexts::dayName(local.date().dayOfWeek() - 1),
             local.date().toString(withYear ? QStringLiteral("MM/dd/yyyy") : QStringLiteral("MM/dd")),
             local.toShownTime());
}

} // namespace

Match Roster::matchForWrite(const RecordKey& key) const
{
    const std::optional<Match> found = MatchStore(m_db).load(key);
    if (!found)
        throw matchGone();
    return *found;
}

Match Roster::readMatchForm(const Viewpoint& view, const MatchForm& form) const
{
    Match match;
    const QString at = form.at.simplified();
    if (at.isEmpty())
        throw RosterError(ErrorKind::ScheduleInput,
                          CoreText("RosterMatches", "Give the match's date and time."), {},
                          FormField {FormField::Kind::MatchDate});
    const std::optional<DateTime> local = DateTime::parse(at);
    // A time alone lies on day zero; a match needs its date.
    if (!local || local->day() == 0)
        throw RosterError(ErrorKind::DataFormat,
                          CoreText("RosterMatches", "\"%1\" is not a valid date and time.").arg(at), {},
                          FormField {FormField::Kind::MatchDate});
    cTimeFuncs times(ZoneStore(m_db).rows());
    const std::optional<DateTime> start = times.rule(view.userTimeZone, view.userDST).toGMT(*local);
    if (!start)
        throw RosterError(ErrorKind::DataFormat,
                          CoreText("RosterMatches",
                                   "%1 does not happen on your clock: it is skipped when the clocks "
                                   "go forward.")
                              .arg(at),
                          {}, FormField {FormField::Kind::MatchTime});
    match.start = *start;
    const std::optional<int> length = Preferences::readMatchLength(form.length);
    if (!length || *length == 1)
        throw PlanInputError(
            PlanInputError::Field::MatchLength,
            CoreText("RosterMatches", "Match length must be a whole number of minutes from 15 to 1440."));
    match.length = *length;
    match.zone = view.userTimeZone.trimmed();
    match.title = form.title.simplified();
    if (match.title.isEmpty())
        match.title = QLatin1String(MatchAnnouncement::DefaultTitle);
    if (match.title.size() > Match::MaxTitleLength)
        throw refusal(CoreText("RosterMatches", "The title may hold at most %1 characters.")
                          .arg(Match::MaxTitleLength));
    match.notes = form.notes.trimmed();
    if (match.notes.size() > Match::MaxNotesLength)
        throw refusal(CoreText("RosterMatches", "The notes may hold at most %1 characters.")
                          .arg(Match::MaxNotesLength));

    QList<RecordKey> members;
    for (const RecordKey& key : form.members + form.required) {
        if (!members.contains(key))
            members.append(key);
    }
    RosterPrivate::checkChosen(members,
                               CoreText("RosterMatches", "You must Select Member(s) from the list!"));
    for (const RecordKey& key : std::as_const(members)) {
        if (!PlayerName(m_db, key))
            throw DataError(1016);
        match.players.append(
            {key, {}, {}, form.required.contains(key), MatchAnswer::None, {}, {}, Attended::Unknown});
    }
    const QString minimum = form.minimum.trimmed();
    if (!minimum.isEmpty()) {
        const std::optional<int> players = Preferences::readMinimumPlayers(minimum);
        if (!players)
            throw PlanInputError(
                PlanInputError::Field::MinimumPlayers,
                CoreText("RosterMatches", "Minimum players must be a whole number from 1 on."));
        match.minimum = *players;
    }
    if (match.minimum > members.size())
        throw PlanInputError(
            PlanInputError::Field::MinimumPlayers,
            CoreText("RosterMatches", "The minimum of %1 players is more than the %2 invited.")
                .arg(match.minimum)
                .arg(members.size()));
    return match;
}

RecordKey Roster::planMatch(const Viewpoint& view, const MatchForm& form)
{
    m_db.checkWritable();
    // The players are checked within the write, so none can vanish between.
    Transaction transaction(m_db);
    Match match = readMatchForm(view, form);
    match.created = match.changed = now();
    const RecordKey key = MatchStore(m_db).insert(match);
    transaction.commit();
    emit matchesChanged();
    return key;
}

MatchForm Roster::matchForm(const Viewpoint& view, const RecordKey& key) const
{
    const Match found = match(key);
    cTimeFuncs times(ZoneStore(m_db).rows());
    const DateTime local = times.rule(view.userTimeZone, view.userDST).fromGMT(found.start);
    MatchForm form;
    form.at = local.date().toString(QStringLiteral("MM/dd/yyyy")) + QLatin1Char(' ') + local.toShownTime();
    form.length = QString::number(found.length);
    form.title = found.title;
    form.notes = found.notes;
    form.minimum = QString::number(found.minimum);
    for (const MatchPlayer& player : found.players) {
        form.members.append(player.member);
        if (player.required)
            form.required.append(player.member);
    }
    return form;
}

void Roster::editMatch(const Viewpoint& view, const RecordKey& key, const MatchForm& form)
{
    m_db.checkWritable();
    announceIfGone(*this, &Roster::matchesChanged, [&] {
        Transaction transaction(m_db);
        Match edited = readMatchForm(view, form);
        const Match stored = matchForWrite(key);
        edited.key = key;
        edited.changed = now();
        // Only a new time asks the players again; the zone shown stays the planner's otherwise.
        const bool moved = edited.start != stored.start || edited.length != stored.length;
        if (!moved)
            edited.zone = stored.zone;
        MatchStore(m_db).update(edited, moved);
        transaction.commit();
    });
    emit matchesChanged();
}

void Roster::cancelMatch(const RecordKey& key, bool cancelled)
{
    m_db.checkWritable();
    announceIfGone(*this, &Roster::matchesChanged, [&] {
        Transaction transaction(m_db);
        if (matchForWrite(key).cancelled != cancelled)
            MatchStore(m_db).setCancelled(key, cancelled, now());
        transaction.commit();
    });
    emit matchesChanged();
}

void Roster::deleteMatch(const RecordKey& key)
{
    m_db.checkWritable();
    announceIfGone(*this, &Roster::matchesChanged, [&] {
        Transaction transaction(m_db);
        matchForWrite(key);
        MatchStore(m_db).remove(key);
        transaction.commit();
    });
    emit matchesChanged();
}

MatchSummary Roster::summary(const ZoneRule& clock, const Match& match, const std::array<int, 5>& answers,
                             int requiredOut)
{
    MatchSummary summary;
    summary.match = match;
    summary.answers = answers;
    for (const int count : answers)
        summary.players += count;
    summary.requiredIn = requiredOut == 0;
    summary.minimumMet = summary.count(MatchAnswer::Yes) >= match.minimum;

    std::vector<CoreText> parts {shownStart(clock, match.start),
                                 CoreText("RosterMatches", "%1 yes").arg(summary.count(MatchAnswer::Yes))};
    const CoreText counted[] = {{},
                                {},
                                CoreText("RosterMatches", "%1 maybe"),
                                CoreText("RosterMatches", "%1 late"),
                                CoreText("RosterMatches", "%1 no")};
    for (const MatchAnswer answer : {MatchAnswer::Maybe, MatchAnswer::Late, MatchAnswer::No}) {
        if (summary.count(answer) > 0)
            parts.push_back(counted[int(answer)].arg(summary.count(answer)));
    }
    if (summary.count(MatchAnswer::None) > 0)
        parts.push_back(CoreText("RosterMatches", "%1 no answer").arg(summary.count(MatchAnswer::None)));
    std::vector<CoreText> wanting;
    if (match.cancelled)
        wanting.push_back(CoreText("RosterMatches", "cancelled"));
    else {
        if (!summary.minimumMet)
            wanting.push_back(CoreText("RosterMatches", "minimum %1 not met").arg(match.minimum));
        if (!summary.requiredIn)
            wanting.push_back(CoreText("RosterMatches", "%1 required not in").arg(requiredOut));
    }
    // "a · b · c — d, e", its parts each in the reader's language.
    QString format;
    for (size_t i = 0; i < parts.size() + wanting.size(); ++i) {
        const QString separator = i == 0 ? QString()
            : i == parts.size()          ? QStringLiteral(" — ")
            : i < parts.size()           ? QStringLiteral(" · ")
                                         : QStringLiteral(", ");
        format += separator + QLatin1Char('%') + QString::number(i + 1);
    }
    summary.line = format;
    for (const CoreText& part : parts)
        summary.line = summary.line.arg(part);
    for (const CoreText& part : wanting)
        summary.line = summary.line.arg(part);
    return summary;
}

QList<MatchSummary> Roster::matches(const Viewpoint& view, bool past) const
{
    const DateTime at = now();
    // A match may last a day: one that started a day ago may still be on.
    const DateTime from = past ? Earliest : at.addMinutes(-1440);
    const DateTime to = past ? at.addMinutes(1) : latest();
    const MatchStore store(m_db);
    const QHash<RecordKey, MatchStore::Counts> counts = store.counts(from, to);
    cTimeFuncs times(ZoneStore(m_db).rows());
    const ZoneRule clock = times.rule(view.userTimeZone, view.userDST);
    QList<MatchSummary> list;
    for (const Match& match : store.starting(from, to, past)) {
        if ((match.end() > at) == past)
            continue;
        const MatchStore::Counts count = counts.value(match.key);
        list.append(summary(clock, match, count.answers, count.requiredOut));
    }
    return list;
}

Match Roster::match(const RecordKey& key) const
{
    const std::optional<Match> found = MatchStore(m_db).load(key);
    if (!found)
        throw matchGone();
    return *found;
}

QList<Match> Roster::matchesTitled(const QString& title) const
{
    return MatchStore(m_db).titled(title);
}

QList<Match> Roster::memberMatches(const RecordKey& member) const
{
    const DateTime at = now();
    QList<Match> list;
    const MatchStore store(m_db);
    for (const RecordKey& key : store.invitedTo(member, at.addMinutes(-1440))) {
        std::optional<Match> found = store.load(key);
        if (found && found->end() > at)
            list.append(std::move(*found));
    }
    return list;
}

MatchStatus Roster::matchStatus(const Viewpoint& view, const RecordKey& key) const
{
    const Match found = match(key);
    std::array<int, 5> answers {};
    int requiredOut = 0;
    QList<RecordKey> keys;
    for (const MatchPlayer& player : found.players) {
        ++answers[size_t(player.answer)];
        requiredOut += player.required && player.answer != MatchAnswer::Yes ? 1 : 0;
        keys.append(player.member);
    }
    const QList<ZoneRow> zones = ZoneStore(m_db).rows();
    cTimeFuncs times(zones);
    MatchStatus status;
    status.summary = summary(times.rule(view.userTimeZone, view.userDST), found, answers, requiredOut);
    status.summary.match.players.clear();
    // The one rule of who can play when, over the match's own dates.
    QSet<RecordKey> free;
    for (const MemberSchedule& schedule : MemberSchedule::readSelected(m_db, keys, zones)) {
        if (schedule.freeFor(times, found.start, found.length))
            free.insert(schedule.key);
    }
    for (const MatchPlayer& player : found.players)
        status.players.append({player, free.contains(player.member)});
    status.missingZones = times.takeMissingZones();
    return status;
}

void Roster::writeAnswer(const RecordKey& key, const RecordKey& member, MatchAnswer answer,
                         const QString& note)
{
    const QString text = note.trimmed();
    if (text.size() > MatchPlayer::MaxNoteLength)
        throw refusal(CoreText("RosterMatches", "The note may hold at most %1 characters.")
                          .arg(MatchPlayer::MaxNoteLength));
    const Match found = matchForWrite(key);
    playerOf(found, member);
    if (found.cancelled)
        throw refusal(
            CoreText("RosterMatches", "\"%1\" was cancelled; it cannot be answered.").arg(found.title));
    if (found.start <= now())
        throw refusal(CoreText("RosterMatches", "\"%1\" has started; it cannot be answered any more.")
                          .arg(found.title));
    MatchStore(m_db).setAnswer(key, member, answer, text, now());
}

void Roster::answerMatch(const RecordKey& key, const RecordKey& member, MatchAnswer answer,
                         const QString& note)
{
    m_db.checkWritable();
    announceIfGone(*this, &Roster::matchesChanged, [&] {
        Transaction transaction(m_db);
        writeAnswer(key, member, answer, note);
        transaction.commit();
    });
    emit matchesChanged();
}

void Roster::markAttended(const RecordKey& key, const RecordKey& member, bool attended)
{
    m_db.checkWritable();
    announceIfGone(*this, &Roster::matchesChanged, [&] {
        Transaction transaction(m_db);
        const Match found = matchForWrite(key);
        playerOf(found, member);
        if (found.cancelled)
            throw refusal(CoreText("RosterMatches", "\"%1\" was cancelled; there is no attendance to take.")
                              .arg(found.title));
        if (found.start > now())
            throw refusal(CoreText("RosterMatches", "Attendance can be taken once \"%1\" has started.")
                              .arg(found.title));
        MatchStore(m_db).setAttended(key, member, attended ? Attended::Yes : Attended::No);
        transaction.commit();
    });
    emit matchesChanged();
}

MatchReminder Roster::matchReminder(const Viewpoint& view, const RecordKey& key) const
{
    const Match found = match(key);
    MatchReminder reminder;
    for (const MatchPlayer& player : found.players) {
        if (player.answer != MatchAnswer::None)
            continue;
        reminder.names << player.name;
        if (IsEmailAddress(player.email))
            reminder.to << player.email;
        else
            reminder.withoutEmail << player.name;
    }
    reminder.to.removeDuplicates();
    const qint64 stamp = found.unixStart();
    reminder.discord = reminder.names.isEmpty()
        ? CoreText("RosterMatches", "Everyone has answered for %1 <t:%2:F>.").arg(found.title).arg(stamp)
        : CoreText("RosterMatches", "%1 <t:%2:F> (<t:%2:R>): %3, please answer yes, maybe, late or no.")
              .arg(found.title)
              .arg(stamp)
              .arg(reminder.names.join(QStringLiteral(", ")));
    cTimeFuncs times(ZoneStore(m_db).rows());
    const CoreText when = CoreText(QStringLiteral("%1 %2"))
                              .arg(shownStart(times.rule(view.userTimeZone, view.userDST), found.start, true),
                                   view.userTimeZone.trimmed());
    reminder.subject = CoreText("RosterMatches", "Reminder: %1").arg(found.title);
    reminder.body
        = CoreText("RosterMatches", "%1 starts %2 (%3 minutes).\r\nPlease answer yes, maybe, late or no.")
              .arg(found.title, when)
              .arg(found.length);
    return reminder;
}

QByteArray Roster::matchCalendar(const RecordKey& member) const
{
    const DateTime from = now().addDays(-RecentDays);
    const MatchStore store(m_db);
    QList<Match> list;
    if (member.isEmpty()) {
        for (const Match& match : store.starting(from, latest())) {
            if (std::optional<Match> found = store.load(match.key))
                list.append(std::move(*found));
        }
    } else {
        for (const RecordKey& key : store.invitedTo(member, from)) {
            if (std::optional<Match> found = store.load(key))
                list.append(std::move(*found));
        }
    }
    return MatchCalendar(list, member, m_preferences.userName, senderEmail());
}

void Roster::saveMatchCalendar(const QString& path, const RecordKey& member) const
{
    const QByteArray calendar = matchCalendar(member);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(calendar) != calendar.size() || !file.commit())
        throw RosterError(ErrorKind::FileNotSaved,
                          CoreText("RosterMatches", "The calendar could not be saved to %1.")
                              .arg(QDir::toNativeSeparators(path)),
                          file.errorString());
}

QList<AttendanceRecord> Roster::attendance(int lastMatches) const
{
    if (lastMatches < 1)
        throw RosterError(ErrorKind::ValueOutOfRange, CoreText("RosterMatches", "Count at least one match."));
    return MatchStore(m_db).attendance(now().addMinutes(1), lastMatches);
}
