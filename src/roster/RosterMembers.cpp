// The roster session's member commands.
#include "RosterPrivate.h"
#include "i18n/CoreText.h"

#include "matches/MatchStore.h"
#include "members/MemberChangeStore.h"
#include "members/MemberFormCheck.h"
#include "members/MemberWrites.h"
#include "time/cTimeFuncs.h"

using RosterPrivate::announceIfGone;

QList<RosterListEntry> Roster::memberList() const
{
    return RosterLists::members(m_db);
}

QList<RecordKey> Roster::memberListKeys() const
{
    return RosterLists::memberKeys(m_db);
}

QList<MemberRow> Roster::memberRows() const
{
    return RosterLists::memberRows(m_db);
}

MemberInfo Roster::memberInfo(const RecordKey& member, const QDate& today) const
{
    cTimeFuncs times(ZoneStore(m_db).rows());
    return memberInfo(member, today, times);
}

MemberInfo Roster::memberInfo(const RecordKey& member, const QDate& today, cTimeFuncs& times) const
{
    auto [info, version] = versioned(Row::MemberShown, member, [&] {
        std::pair<MemberInfo, QString> loaded {ShowMemberInfo(m_db, times, member, m_preferences.userTimeZone,
                                                              m_preferences.userDST,
                                                              today.isValid() ? today : QDate::currentDate()),
                                               {}};
        loaded.first.missingZones = times.takeMissingZones();
        for (const MemberChange& change :
             MemberChangeStore(m_db).forMember(member, today.isValid() ? today : QDate::currentDate()))
            loaded.first.changes << change.text();
        if (m_db.isServer()) // the name only words a refusal of a stale write
            loaded.second = PlayerName(m_db, member).value_or(QString());
        return loaded;
    });
    remember(Row::MemberShown, member, version, info.second);
    return info.first;
}

MemberEdit Roster::memberForEdit(const RecordKey& member) const
{
    cTimeFuncs times(ZoneStore(m_db).rows());
    return memberForEdit(member, times);
}

MemberEdit Roster::memberForEdit(const RecordKey& member, cTimeFuncs& times) const
{
    auto [edit, version] = versioned(Row::Member, member, [&] {
        MemberEdit loaded = LoadMemberForEdit(m_db, times, member);
        loaded.missingZones = times.takeMissingZones();
        return loaded;
    });
    remember(Row::Member, member, version, edit.form.playerName);
    return edit;
}

QString Roster::memberName(const RecordKey& member)
{
    return announceIfGone(*this, &Roster::membersChanged, [&] {
        const std::optional<QString> name = PlayerName(m_db, member);
        if (!name)
            throw DataError(1016);
        return *name;
    });
}

void Roster::checkMember(const MemberForm& form) const
{
    if (std::optional<RosterError> problem = CheckMemberForm(form))
        throw *problem;
}

MemberSaved Roster::addMember(const MemberForm& form)
{
    cTimeFuncs times(ZoneStore(m_db).rows());
    MemberSaved saved {AddMember(m_db, times, form), times.takeMissingZones()};
    emit membersChanged();
    return saved;
}

MemberSaved Roster::updateMember(const RecordKey& member, const MemberForm& form)
{
    cTimeFuncs times(ZoneStore(m_db).rows());
    // The version this write made, read before its lock is released: read after the commit it
    // could be another officer's, whose change this session has not seen.
    const QVariant saved = announceIfGone(*this, &Roster::membersChanged, [&] {
        Transaction transaction(m_db);
        checkUnchanged(Row::Member, member);
        UpdateMember(m_db, times, member, form);
        QVariant version = rowVersion(Row::Member, member);
        transaction.commit();
        return version;
    });
    // What this session wrote is what it knows of the member, in the form and as shown.
    remember(Row::Member, member, saved, form.playerName);
    remember(Row::MemberShown, member, saved, form.playerName);
    emit membersChanged();
    return {member, times.takeMissingZones()};
}

void Roster::deleteMember(const RecordKey& member)
{
    announceIfGone(*this, &Roster::membersChanged, [&] {
        Transaction transaction(m_db);
        checkUnchanged(Row::MemberShown, member);
        DeleteMember(m_db, member);
        InvitationStore(m_db).removeFor(member);
        MemberChangeStore(m_db).removeFor(member);
        MatchStore(m_db).removeFor(member);
        transaction.commit();
    });
    emit membersChanged();
    emit matchesChanged();
}

QList<MemberChange> Roster::memberChanges(const RecordKey& member, bool withPast) const
{
    return MemberChangeStore(m_db).forMember(member, withPast ? QDate() : QDate::currentDate());
}

MemberChange Roster::memberChange(const RecordKey& change) const
{
    const std::optional<MemberChange> found = MemberChangeStore(m_db).load(change);
    if (!found)
        throw RosterError(ErrorKind::RowVanished,
                          CoreText("RosterMembers", "That change was removed in the meantime."));
    return *found;
}

RecordKey Roster::addMemberChange(const RecordKey& member, const MemberChangeForm& form)
{
    MemberChange change = MemberChangeStore::read(form);
    change.member = member;
    const RecordKey key = announceIfGone(*this, &Roster::membersChanged,
                                         [&] { return MemberChangeStore(m_db).save(change); });
    emit membersChanged();
    return key;
}

void Roster::updateMemberChange(const RecordKey& key, const MemberChangeForm& form)
{
    announceIfGone(*this, &Roster::membersChanged, [&] {
        MemberChange change = MemberChangeStore::read(form);
        change.key = key;
        change.member = memberChange(key).member;
        MemberChangeStore(m_db).save(change);
    });
    emit membersChanged();
}

void Roster::removeMemberChange(const RecordKey& key)
{
    announceIfGone(*this, &Roster::membersChanged, [&] { MemberChangeStore(m_db).remove(key); });
    emit membersChanged();
}
