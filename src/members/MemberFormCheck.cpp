#include "MemberFormCheck.h"
#include "i18n/CoreText.h"

#include "time/DateTime.h"

namespace {

RosterError saveError(const CoreText& text, FormField field)
{
    return RosterError(ErrorKind::SaveRefused, text, {}, field);
}

// An end before the start runs past midnight into the next day; only an end equal to the start
// gives no slot.
bool endsTooEarly(const QString& start, const QString& end)
{
    return DateTime::parse(start)->timeOfDay() == DateTime::parse(end)->timeOfDay();
}

} // namespace

std::optional<RosterError> CheckMemberForm(const MemberForm& form)
{
    if (form.playerName.trimmed().isEmpty())
        return saveError(CoreText("MemberFormCheck", "You must enter in a Player Name!"),
                         {FormField::Kind::PlayerName});
    // Not trimmed: a blank passes here and is refused by the lookup.
    if (form.divisionText.isEmpty())
        return saveError(CoreText("MemberFormCheck", "You must place member in a Division!"),
                         {FormField::Kind::Division});
    if (form.zoneText.isEmpty())
        return saveError(
            CoreText("MemberFormCheck", "For proper scheduling, you must put in the member's Time Zone!"),
            {FormField::Kind::TimeZone});

    for (int day = 0; day < MemberForm::DayCount; ++day) {
        const DaySchedule& d = form.days[day];
        if (d.checked
            && (d.texts[DaySchedule::Slot1Start].isEmpty() || d.texts[DaySchedule::Slot1End].isEmpty()))
            return saveError(CoreText("MemberFormCheck",
                                      "You must have the first Time Slots filled if this day is checked!"),
                             FormField::slotField(day, DaySchedule::Slot1Start));
    }

    // A field left holding bad text (its own check only complains on leaving it) would
    // otherwise be stored as something the user did not type.
    for (int day = 0; day < MemberForm::DayCount; ++day) {
        const DaySchedule& d = form.days[day];
        for (int slot = 0; d.checked && slot < 4; ++slot) {
            if (!d.texts[slot].isEmpty() && !DateTime::parse(d.texts[slot]))
                return RosterError(
                    ErrorKind::TimeFormat,
                    CoreText("MemberFormCheck", "This field must be in a valid time format!  HH:MM AM/PM"),
                    {}, FormField::slotField(day, slot));
        }
    }

    const CoreText tooEarly = CoreText("MemberFormCheck", "Ending time must be greater than starting time!");
    for (int day = 0; day < MemberForm::DayCount; ++day) {
        const DaySchedule& d = form.days[day];
        if (!d.checked)
            continue;
        if (endsTooEarly(d.texts[DaySchedule::Slot1Start], d.texts[DaySchedule::Slot1End]))
            return saveError(tooEarly, FormField::slotField(day, DaySchedule::Slot1End));
        const bool hasStart2 = !d.texts[DaySchedule::Slot2Start].isEmpty();
        const bool hasEnd2 = !d.texts[DaySchedule::Slot2End].isEmpty();
        // A second slot with one end only would be stored half set.
        if (hasStart2 != hasEnd2)
            return saveError(
                CoreText("MemberFormCheck",
                         "You must fill in both times of the second Time Slot, or leave both empty!"),
                FormField::slotField(day, hasStart2 ? DaySchedule::Slot2End : DaySchedule::Slot2Start));
        if (hasStart2 && endsTooEarly(d.texts[DaySchedule::Slot2Start], d.texts[DaySchedule::Slot2End]))
            return saveError(tooEarly, FormField::slotField(day, DaySchedule::Slot2End));
    }
    return std::nullopt;
}
