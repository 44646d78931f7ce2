// The roster session's sign-up link commands.
#include "RosterPrivate.h"

#include "matches/MatchStore.h"
#include "members/MemberChangeStore.h"
#include "members/MemberWrites.h"
#include "store/RosterError.h"
#include "time/cTimeFuncs.h"

#include <algorithm>

namespace {

QDateTime now()
{
    return QDateTime::currentDateTimeUtc();
}

RosterError linkInvalid()
{
    return RosterError(ErrorKind::RowVanished, CoreText("RosterInvitations", "This link is no longer valid"));
}

// "Sat 12/12/2026 08:00 PM"; QDate's format names days in English whatever the system's language.
QString shownMoment(const DateTime& local, const QString& dateFormat)
{
    return local.date().toString(dateFormat) + QLatin1Char(' ') + local.toHhMmAmPm();
}

SignupMatch signupMatch(const Match& match, const RecordKey& member, const ZoneRule& clock, qint64 nowUnix)
{
    SignupMatch shown;
    shown.key = match.key;
    shown.title = match.title;
    shown.notes = match.notes;
    const DateTime start = clock.fromGMT(match.start);
    const DateTime end = clock.fromGMT(match.end());
    shown.start = shownMoment(start, QStringLiteral("ddd MM/dd/yyyy"));
    shown.end = end.date() == start.date() ? end.toHhMmAmPm() : shownMoment(end, QStringLiteral("ddd MM/dd"));
    shown.length = match.length;
    shown.cancelled = match.cancelled;
    shown.started = match.unixStart() <= nowUnix;
    for (const MatchPlayer& player : match.players) {
        ++shown.players;
        shown.yes += player.answer == MatchAnswer::Yes ? 1 : 0;
        if (player.member == member) {
            shown.answer = player.answer;
            shown.note = player.note;
        }
    }
    return shown;
}

} // namespace

bool Roster::isLinkInvalid(const RosterError& error)
{
    return error.kind() == ErrorKind::RowVanished && error.text() == linkInvalid().text();
}

NewInvitation Roster::makeInvitation(const RecordKey& member, int days)
{
    return InvitationStore(m_db).make(member, days, now());
}

QList<Invitation> Roster::invitations(const RecordKey& member) const
{
    return InvitationStore(m_db).list(member);
}

void Roster::revokeInvitation(const RecordKey& invitation)
{
    InvitationStore(m_db).revoke(invitation, now());
}

std::optional<RecordKey> Roster::invitedMember(const QString& token) const
{
    const std::optional<Invitation> link = invitation(token);
    return link ? std::optional<RecordKey>(link->member) : std::nullopt;
}

std::optional<Invitation> Roster::invitation(const QString& token) const
{
    return InvitationStore(m_db).find(token, now());
}

SignupSheet Roster::signupSheet(const RecordKey& member) const
{
    // One read of the zones serves the form, the preview and the matches.
    const QList<ZoneRow> zones = ZoneStore(m_db).rows();
    cTimeFuncs times(zones);
    const MemberEdit edit = memberForEdit(member, times);
    const MemberInfo info = memberInfo(member, {}, times);
    SignupSheet sheet;
    sheet.player = edit.form.playerName.trimmed();
    sheet.division = edit.form.divisionText;
    sheet.zoneKey = edit.form.zoneKey;
    sheet.zones = zoneEntries();
    sheet.days = edit.form.days;
    sheet.leaderZone = m_preferences.userTimeZone;
    sheet.preview = info.days;
    sheet.changes = memberChanges(member);
    sheet.lastSaved = selfUpdated(member);

    // The member's own clock; the leader's while they have no zone, which the page then says.
    const auto own = std::find_if(zones.cbegin(), zones.cend(),
                                  [&](const ZoneRow& zone) { return sheet.zoneKey == zone.key; });
    sheet.matchZone = own == zones.cend() ? m_preferences.userTimeZone.trimmed() : own->name.trimmed();
    const ZoneRule clock = own == zones.cend() ? times.rule(m_preferences.userTimeZone, m_preferences.userDST)
                                               : times.rule(own->name, own->daylight.toInt() != 0);
    const qint64 at = QDateTime::currentSecsSinceEpoch();
    for (const Match& match : memberMatches(member))
        sheet.matches.append(signupMatch(match, member, clock, at));
    return sheet;
}

MemberSaved Roster::saveSignup(const QString& token, const SignupForm& signup)
{
    Transaction transaction(m_db);
    const std::optional<Invitation> link = invitation(token);
    if (!link)
        throw linkInvalid();
    MemberSaved saved = writeSignup(*link, signup);
    transaction.commit();
    emit membersChanged();
    return saved;
}

MemberSaved Roster::saveSignup(const Invitation& link, const SignupForm& signup)
{
    Transaction transaction(m_db);
    MemberSaved saved = writeSignup(link, signup);
    transaction.commit();
    emit membersChanged();
    return saved;
}

MemberSaved Roster::writeSignup(const Invitation& link, const SignupForm& signup)
{
    // One read of the zones serves the form, the chosen zone's name and the update.
    const QList<ZoneRow> zones = ZoneStore(m_db).rows();
    cTimeFuncs times(zones);
    MemberForm form = memberForEdit(link.member, times).form;
    form.days = signup.days;
    form.zoneKey = signup.zoneKey;
    form.zoneText.clear();
    // The chosen zone by its number; a number the roster lacks is refused by the update.
    if (signup.zoneKey) {
        const auto zone = std::find_if(zones.cbegin(), zones.cend(),
                                       [&](const ZoneRow& row) { return row.key == *signup.zoneKey; });
        form.zoneText = zone != zones.cend() ? zone->name.trimmed() : QString::number(*signup.zoneKey);
    }
    UpdateMember(m_db, times, link.member, form);
    InvitationStore(m_db).markSaved(link.key, now());
    return {link.member, times.takeMissingZones()};
}

RecordKey Roster::addSignupChange(const Invitation& link, const MemberChangeForm& form)
{
    MemberChange change = MemberChangeStore::read(form);
    change.member = link.member;
    Transaction transaction(m_db);
    const RecordKey key = MemberChangeStore(m_db).save(change);
    InvitationStore(m_db).markSaved(link.key, now());
    transaction.commit();
    emit membersChanged();
    return key;
}

void Roster::removeSignupChange(const Invitation& link, const RecordKey& change)
{
    Transaction transaction(m_db);
    const MemberChangeStore store(m_db);
    const std::optional<MemberChange> stored = store.load(change);
    // The page lists only the member's own changes: another's key did not come from it.
    if (stored && stored->member != link.member)
        throw linkInvalid();
    store.remove(change);
    InvitationStore(m_db).markSaved(link.key, now());
    transaction.commit();
    emit membersChanged();
}

void Roster::answerSignupMatch(const Invitation& link, const RecordKey& match, MatchAnswer answer,
                               const QString& note)
{
    m_db.checkWritable();
    RosterPrivate::announceIfGone(*this, &Roster::matchesChanged, [&] {
        Transaction transaction(m_db);
        // The page lists only the member's own matches: another's key did not come from it.
        const std::optional<Match> found = MatchStore(m_db).load(match);
        if (found
            && std::none_of(found->players.cbegin(), found->players.cend(),
                            [&](const MatchPlayer& player) { return player.member == link.member; }))
            throw linkInvalid();
        writeAnswer(match, link.member, answer, note);
        InvitationStore(m_db).markSaved(link.key, now());
        transaction.commit();
    });
    emit matchesChanged();
}

void Roster::answerSignupMatch(const QString& token, const RecordKey& match, MatchAnswer answer,
                               const QString& note)
{
    Transaction transaction(m_db);
    const std::optional<Invitation> link = invitation(token);
    if (!link)
        throw linkInvalid();
    answerSignupMatch(*link, match, answer, note);
    transaction.commit();
}

QDateTime Roster::selfUpdated(const RecordKey& member) const
{
    return InvitationStore(m_db).lastSaved(member);
}
