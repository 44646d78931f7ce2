// The roster session's sign-up link commands.
#include "Roster.h"

#include "members/MemberWrites.h"
#include "store/RosterError.h"
#include "time/cTimeFuncs.h"

namespace {

QDateTime now()
{
    return QDateTime::currentDateTimeUtc();
}

RosterError linkInvalid()
{
    return RosterError(ErrorKind::RowVanished, QStringLiteral("This link is no longer valid"));
}

} // namespace

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
    const std::optional<Invitation> link = InvitationStore(m_db).find(token, now());
    return link ? std::optional<RecordKey>(link->member) : std::nullopt;
}

SignupSheet Roster::signupSheet(const RecordKey& member) const
{
    const MemberEdit edit = memberForEdit(member);
    const MemberInfo info = memberInfo(member);
    SignupSheet sheet;
    sheet.player = edit.form.playerName.trimmed();
    sheet.division = edit.form.divisionText;
    sheet.zoneKey = edit.form.zoneKey;
    sheet.zones = zoneEntries();
    sheet.days = edit.form.days;
    sheet.leaderZone = m_preferences.userTimeZone;
    sheet.preview = info.days;
    sheet.lastSaved = selfUpdated(member);
    return sheet;
}

MemberSaved Roster::saveSignup(const QString& token, const SignupForm& signup)
{
    const InvitationStore store(m_db);
    Transaction transaction(m_db);
    cTimeFuncs times(ZoneStore(m_db).rows());
    const std::optional<Invitation> link = store.find(token, now());
    if (!link)
        throw linkInvalid();
    MemberForm form = memberForEdit(link->member).form;
    form.days = signup.days;
    form.zoneKey = signup.zoneKey;
    form.zoneText.clear();
    // The chosen zone by its number; a number the roster lacks is refused by the update.
    if (signup.zoneKey) {
        const std::optional<ZoneStore::Fields> zone = ZoneStore(m_db).load(*signup.zoneKey);
        form.zoneText = zone ? zone->name.trimmed() : QString::number(*signup.zoneKey);
    }
    UpdateMember(m_db, times, link->member, form);
    store.markSaved(link->key, now());
    transaction.commit();
    emit membersChanged();
    return {link->member, times.takeMissingZones()};
}

QDateTime Roster::selfUpdated(const RecordKey& member) const
{
    return InvitationStore(m_db).lastSaved(member);
}
