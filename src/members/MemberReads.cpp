#include "MemberReads.h"

#include "store/RosterError.h"
#include "store/ScheduleColumns.h"
#include "timezones/ZoneStore.h"

#include <functional>

namespace {

using ToLocal = std::function<DateTime(const DateTime&)>;

std::optional<QSqlRecord> schedule(const Database& db, const RecordKey& member)
{
    return db.first(QStringLiteral("SELECT * FROM Schedules WHERE SCH_FK_Member = ?"), {member});
}

// The played day's Times row, or nothing when it is missing.
std::optional<QSqlRecord> dayTimes(const Database& db, const QSqlRecord& schedule, int day)
{
    const RecordKey key = schedule.value(ScheduleColumns::timesKey(day)).toByteArray();
    if (key.isEmpty())
        return std::nullopt;
    return db.first(QStringLiteral("SELECT * FROM Times WHERE TMS_PK = ?"), {key});
}

// A stored slot time as "hh:mm AMPM" in the local zone; empty when it holds no time.
QString slotText(const QVariant& stored, const ToLocal& toLocal)
{
    const auto value = DateTime::fromStorageText(stored.toString());
    return value ? toLocal(*value).toShownTime() : QString();
}

// The member's zone row; nothing when it has none or the row is gone.
std::optional<ZoneRow> zoneOf(const Database& db, const QVariant& key)
{
    return key.isNull() ? std::nullopt : ZoneStore(db).row(key.toInt());
}

} // namespace

MemberInfo ShowMemberInfo(const Database& db, cTimeFuncs& times, const RecordKey& member,
                          const QString& userZone, bool userDST, const QDate& today)
{
    const auto row = db.first(
        QStringLiteral("SELECT MBR_Real_First, MBR_Real_Last, MBR_FL_Active, MBR_Email_Primary, "
                       "MBR_Other_Contact, MBR_Notes, MBR_FK_TZones FROM Members WHERE MBR_PK = ?"),
        {member});
    if (!row)
        throw DataError(1000);
    const std::optional<ZoneRow> zone = zoneOf(db, row->value(6));

    MemberInfo info;
    info.real = row->value(0).toString() + QLatin1Char(' ') + row->value(1).toString();
    info.status = row->value(2).toInt() != 0 ? CoreText("MemberReads", "Active")
                                             : CoreText("MemberReads", "Inactive");
    info.email = row->value(3).toString();
    info.contact = row->value(4).toString();
    info.notes = row->value(5).toString();
    const QString description = zone ? zone->description : QString();
    info.timeZone = description > QString() ? description : zone ? zone->name : QString();

    const auto days = schedule(db, member);
    info.hasSchedule = days.has_value();
    if (!days)
        return info;
    const bool hasZone = zone.has_value();
    const QString memberZone = hasZone ? zone->name : QString();
    const bool memberDST = hasZone && zone->daylight.toInt() != 0;
    const ZoneRule user = times.rule(userZone, userDST);
    const ZoneRule clock = times.rule(memberZone, memberDST);
    // A slot as typed, placed on its date on the member's clock and read on the user's.
    const auto slot = [&](const QVariant& storedStart, const QVariant& storedEnd, const QDate& date) {
        const auto start = DateTime::fromStorageText(storedStart.toString());
        const auto end = DateTime::fromStorageText(storedEnd.toString());
        if (!hasZone || !start || !end) {
            const ToLocal toLocal = [&](const DateTime& gmt) {
                return times.fromGMT(gmt, userZone, userDST);
            };
            return slotText(storedStart, toLocal) + QStringLiteral(" - ") + slotText(storedEnd, toLocal);
        }
        const int from = times.fromGMT(*start, memberZone, memberDST).minuteOfDay();
        int to = times.fromGMT(*end, memberZone, memberDST).minuteOfDay();
        if (to <= from && *end > *start)
            to += 1440;
        const DateTime midnight = DateTime::fromDate(date);
        return user.fromGMT(clock.toGMTOrLater(midnight.addMinutes(from))).toShownTime()
            + QStringLiteral(" - ") + user.fromGMT(clock.toGMTOrLater(midnight.addMinutes(to))).toShownTime();
    };
    for (int day = 0; day < MemberForm::DayCount; ++day) {
        if (days->value(ScheduleColumns::flag(day)).toInt() == 0)
            continue;
        const auto stored = dayTimes(db, *days, day);
        if (!stored) {
            info.days[day] = QString();
            if (info.missingTimes == 0)
                info.missingTimes = 1001 + day;
            continue;
        }
        const QDate date = today.addDays((day + 1 - today.dayOfWeek() + 7) % 7);
        QString tip = slot(stored->value(ScheduleColumns::slot(DaySchedule::Slot1Start)),
                           stored->value(ScheduleColumns::slot(DaySchedule::Slot1End)), date);
        if (!stored->value(ScheduleColumns::slot(DaySchedule::Slot2Start)).isNull())
            tip += QStringLiteral(", ")
                + slot(stored->value(ScheduleColumns::slot(DaySchedule::Slot2Start)),
                       stored->value(ScheduleColumns::slot(DaySchedule::Slot2End)), date);
        info.days[day] = tip;
    }
    return info;
}

std::optional<QString> PlayerName(const Database& db, const RecordKey& member)
{
    const auto row
        = db.first(QStringLiteral("SELECT MBR_Online_Player_Name FROM Members WHERE MBR_PK = ?"), {member});
    if (!row)
        return std::nullopt;
    return row->value(0).toString().trimmed();
}

MemberEdit LoadMemberForEdit(const Database& db, cTimeFuncs& times, const RecordKey& member)
{
    const auto row = db.first(
        QStringLiteral("SELECT MBR_Online_Player_Name, MBR_Real_First, MBR_Real_Last, MBR_FL_Active, "
                       "MBR_Email_Primary, MBR_Email_Secondary, MBR_Other_Contact, MBR_Notes, "
                       "MBR_FK_TZones, DIV_PK, DIV_Name "
                       "FROM Members LEFT JOIN Divisions ON MBR_FK_Division = DIV_PK WHERE MBR_PK = ?"),
        {member});
    if (!row)
        throw DataError(1007);
    const std::optional<ZoneRow> zone = zoneOf(db, row->value(8));
    // A member without a schedule row (an import can bring one) loads with no day played, so
    // its details can still be edited; the update gives it a schedule row.
    const auto days = schedule(db, member);

    MemberEdit edit;
    MemberForm& form = edit.form;
    form.playerName = row->value(0).toString();
    form.realFirst = row->value(1).toString();
    form.realLast = row->value(2).toString();
    form.active = row->value(3).toInt() != 0;
    form.email = row->value(4).toString();
    form.email2 = row->value(5).toString();
    form.otherContact = row->value(6).toString();
    form.notes = row->value(7).toString();
    const bool hasZone = zone.has_value();
    if (hasZone)
        form.zoneKey = zone->key;
    form.zoneText = hasZone ? zone->name.trimmed() : QString();
    const bool daylight = hasZone && zone->daylight.toInt() != 0;
    form.divisionKey = row->value(9).toByteArray();
    form.divisionText = row->value(10).toString().trimmed();
    // Without its zone row the member's clock is unknown: show the stored GMT and say so.
    edit.zoneName = hasZone ? form.zoneText : QStringLiteral("GMT");
    const ToLocal toLocal = [&](const DateTime& gmt) {
        return hasZone ? times.fromGMT(gmt, form.zoneText, daylight) : gmt;
    };

    for (int day = 0; day < MemberForm::DayCount && days; ++day) {
        if (days->value(ScheduleColumns::flag(day)).toInt() == 0)
            continue;
        DaySchedule& typed = form.days[day];
        typed.checked = true;
        const auto stored = dayTimes(db, *days, day);
        if (!stored) {
            if (edit.missingTimes == 0)
                edit.missingTimes = 1008 + day;
            continue;
        }
        for (int slot = 0; slot < 4; ++slot)
            typed.texts[slot] = slotText(stored->value(ScheduleColumns::slot(slot)), toLocal);
    }
    return edit;
}
