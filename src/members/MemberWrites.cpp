#include "MemberWrites.h"

#include "MemberFormCheck.h"
#include "store/RosterError.h"
#include "store/ScheduleColumns.h"
#include "timezones/ZoneStore.h"

namespace {

struct Zone
{
    int key = 0;
    QString name;
    bool daylight = false;
};

void check(const MemberForm& form)
{
    if (auto problem = CheckMemberForm(form))
        throw *problem;
}

// The chosen entry's key when there is one, otherwise the typed name.
RecordKey findDivision(const Database& db, const MemberForm& form)
{
    const auto row = form.divisionKey.isEmpty()
        ? db.first(QStringLiteral("SELECT DIV_PK FROM Divisions WHERE DIV_Name = ?"),
                   {form.divisionText.trimmed()})
        : db.first(QStringLiteral("SELECT DIV_PK FROM Divisions WHERE DIV_PK = ?"), {form.divisionKey});
    if (!row)
        throw RosterError(
            ErrorKind::DivisionNotFound,
            CoreText("MemberWrites",
                     "Make sure that the new Member's Division is set right, then try to Save again."),
            {}, FormField {FormField::Kind::Division});
    return row->value(0).toByteArray();
}

Zone findZone(const Database& db, const MemberForm& form)
{
    const ZoneStore zones(db);
    const std::optional<ZoneRow> row
        = form.zoneKey ? zones.row(*form.zoneKey) : zones.named(form.zoneText.trimmed());
    if (!row)
        throw RosterError(
            ErrorKind::ZoneNotFound,
            CoreText("MemberWrites",
                     "Make sure that the new Member's Time Zone is set right, then try to Save again."),
            {}, FormField {FormField::Kind::TimeZone});
    return {row->key, row->name.trimmed(), row->daylight.toInt() != 0};
}

Database::Columns memberColumns(const MemberForm& form, const RecordKey& division, const Zone& zone)
{
    return {{QStringLiteral("MBR_FK_Division"), division},
            {QStringLiteral("MBR_FK_TZones"), zone.key},
            {QStringLiteral("MBR_Online_Player_Name"), form.playerName},
            {QStringLiteral("MBR_FL_Active"), form.active ? 1 : 0},
            {QStringLiteral("MBR_Real_First"), form.realFirst},
            {QStringLiteral("MBR_Real_last"), form.realLast},
            {QStringLiteral("MBR_Email_Primary"), form.email},
            {QStringLiteral("MBR_Email_Secondary"), form.email2},
            {QStringLiteral("MBR_Other_Contact"), form.otherContact},
            {QStringLiteral("MBR_Notes"), form.notes}};
}

// An empty field stores Null, so emptying a second slot clears it. A slot is a time of
// day: a date typed with it is dropped, keeping GMT values within a day of day zero. An end
// before its start lies on the next day, so the stored end always follows the start.
Database::Columns slotColumns(cTimeFuncs& times, const Zone& zone, const DaySchedule& day)
{
    Database::Columns columns;
    DateTime start;
    for (int slot = 0; slot < 4; ++slot) {
        QVariant value;
        if (!day.texts[slot].isEmpty()) {
            DateTime local = DateTime::parse(day.texts[slot])->timeOfDay();
            if (slot % 2 == 0)
                start = local;
            else if (local < start)
                local = local.addDays(1);
            value = times.toGMT(local, zone.name, zone.daylight).toStorageText();
        }
        columns.append({ScheduleColumns::slot(slot), value});
    }
    return columns;
}

RecordKey addTimes(const Database& db, cTimeFuncs& times, const Zone& zone, const DaySchedule& day)
{
    const RecordKey key = NewRecordKey();
    db.insert(QStringLiteral("Times"),
              Database::Columns {{QStringLiteral("TMS_PK"), key}} + slotColumns(times, zone, day));
    return key;
}

} // namespace

RecordKey AddMember(const Database& db, cTimeFuncs& times, const MemberForm& form)
{
    check(form);
    const RecordKey division = findDivision(db, form);
    const Zone zone = findZone(db, form);

    Transaction transaction(db);
    const RecordKey member = NewRecordKey();
    db.insert(QStringLiteral("Members"),
              Database::Columns {{QStringLiteral("MBR_PK"), member}} + memberColumns(form, division, zone));
    // Unchecked days keep the columns' defaults: flag 0, no Times key.
    Database::Columns schedule {{QStringLiteral("SCH_FK_Member"), member}};
    for (int day = 0; day < MemberForm::DayCount; ++day) {
        if (!form.days[day].checked)
            continue;
        schedule.append({ScheduleColumns::flag(day), 1});
        schedule.append({ScheduleColumns::timesKey(day), addTimes(db, times, zone, form.days[day])});
    }
    db.insert(QStringLiteral("Schedules"), schedule);
    transaction.commit();
    return member;
}

void UpdateMember(const Database& db, cTimeFuncs& times, const RecordKey& member, const MemberForm& form)
{
    check(form);
    const RecordKey division = findDivision(db, form);
    const Zone zone = findZone(db, form);

    Transaction transaction(db);
    if (db.update(QStringLiteral("Members"), QStringLiteral("MBR_PK"), member,
                  memberColumns(form, division, zone))
        == 0)
        throw DataError(1014);
    // Without a schedule row every day counts as not played; the row is made below.
    const auto schedule
        = db.first(QStringLiteral("SELECT * FROM Schedules WHERE SCH_FK_Member = ?"), {member});
    const auto stored = [&schedule](const QString& column) {
        return schedule ? schedule->value(column) : QVariant();
    };

    Database::Columns changes;
    for (int day = 0; day < MemberForm::DayCount; ++day) {
        const DaySchedule& typed = form.days[day];
        // A Null flag reads as not set; any value but 0 and 1 leaves the day alone.
        const int flag = stored(ScheduleColumns::flag(day)).toInt();
        const RecordKey timesKey = stored(ScheduleColumns::timesKey(day)).toByteArray();
        if (typed.checked && flag == 0) {
            changes.append({ScheduleColumns::flag(day), 1});
            changes.append({ScheduleColumns::timesKey(day), addTimes(db, times, zone, typed)});
        } else if (typed.checked && flag == 1) {
            // A kept day whose Times row went missing gets a new one.
            if (timesKey.isEmpty()
                || db.update(QStringLiteral("Times"), QStringLiteral("TMS_PK"), timesKey,
                             slotColumns(times, zone, typed))
                    == 0)
                changes.append({ScheduleColumns::timesKey(day), addTimes(db, times, zone, typed)});
        } else if (!typed.checked && flag == 1) {
            if (!timesKey.isEmpty())
                db.remove(QStringLiteral("Times"), QStringLiteral("TMS_PK"), timesKey);
            changes.append({ScheduleColumns::flag(day), 0});
            changes.append({ScheduleColumns::timesKey(day), QVariant()});
        }
    }
    if (!schedule)
        db.insert(QStringLiteral("Schedules"),
                  Database::Columns {{QStringLiteral("SCH_FK_Member"), member}} + changes);
    else if (!changes.isEmpty())
        db.update(QStringLiteral("Schedules"), QStringLiteral("SCH_FK_Member"), member, changes);
    transaction.commit();
}

void DeleteMember(const Database& db, const RecordKey& member)
{
    Transaction transaction(db);
    const auto schedule
        = db.first(QStringLiteral("SELECT * FROM Schedules WHERE SCH_FK_Member = ?"), {member});
    if (db.remove(QStringLiteral("Members"), QStringLiteral("MBR_PK"), member) == 0)
        throw DataError(1016);
    if (schedule) {
        for (int day = 0; day < MemberForm::DayCount; ++day) {
            const RecordKey timesKey = schedule->value(ScheduleColumns::timesKey(day)).toByteArray();
            if (schedule->value(ScheduleColumns::flag(day)).toInt() == 1 && !timesKey.isEmpty())
                db.remove(QStringLiteral("Times"), QStringLiteral("TMS_PK"), timesKey);
        }
        db.remove(QStringLiteral("Schedules"), QStringLiteral("SCH_FK_Member"), member);
    }
    transaction.commit();
}
