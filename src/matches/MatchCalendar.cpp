#include "MatchCalendar.h"

#include "scheduling/CalendarWriter.h"
#include "scheduling/MatchAnnouncement.h"
#include "store/RosterError.h"

#include <QUuid>

namespace {

icaltimetype utc(const DateTime& moment)
{
    return CalendarWriter::utc(moment.toUnixSeconds());
}

icalparameter_partstat partstat(MatchAnswer answer)
{
    switch (answer) {
    case MatchAnswer::Yes:
        return ICAL_PARTSTAT_ACCEPTED;
    case MatchAnswer::Maybe:
    case MatchAnswer::Late:
        return ICAL_PARTSTAT_TENTATIVE;
    case MatchAnswer::No:
        return ICAL_PARTSTAT_DECLINED;
    case MatchAnswer::None:
        break;
    }
    return ICAL_PARTSTAT_NEEDSACTION;
}

// A member without an e-mail address is still an attendee: named by their key.
QByteArray address(const MatchPlayer& player)
{
    if (IsEmailAddress(player.email))
        return CalendarWriter::mailto(player.email);
    return QByteArrayLiteral("urn:uuid:")
        + QUuid::fromRfc4122(player.member).toByteArray(QUuid::WithoutBraces);
}

icalproperty* attendee(const MatchPlayer& player)
{
    icalproperty* property
        = CalendarWriter::person(icalproperty_new_attendee(address(player).constData()), player.name);
    icalproperty_add_parameter(
        property,
        icalparameter_new_role(player.required ? ICAL_ROLE_REQPARTICIPANT : ICAL_ROLE_OPTPARTICIPANT));
    icalproperty_add_parameter(property, icalparameter_new_partstat(partstat(player.answer)));
    return property;
}

icalcomponent* event(const Match& match, const RecordKey& member, const QString& organiserName,
                     const QString& organiserEmail)
{
    icalcomponent* event = icalcomponent_new(ICAL_VEVENT_COMPONENT);
    const QByteArray uid = KeyToHex(match.key).toLower().toLatin1() + "@tallyhold";
    icalcomponent_add_property(event, icalproperty_new_uid(uid.constData()));
    icalcomponent_add_property(event, icalproperty_new_sequence(match.sequence));
    icalcomponent_add_property(event, icalproperty_new_dtstamp(utc(match.changed)));
    icalcomponent_add_property(event, icalproperty_new_created(utc(match.created)));
    icalcomponent_add_property(event, icalproperty_new_lastmodified(utc(match.changed)));
    icalcomponent_add_property(event, icalproperty_new_dtstart(utc(match.start)));
    icalcomponent_add_property(event, icalproperty_new_dtend(utc(match.end())));
    icalcomponent_add_property(event, icalproperty_new_summary(match.title.toUtf8().constData()));
    if (!match.notes.isEmpty())
        icalcomponent_add_property(event, icalproperty_new_description(match.notes.toUtf8().constData()));
    icalcomponent_add_property(
        event, icalproperty_new_status(match.cancelled ? ICAL_STATUS_CANCELLED : ICAL_STATUS_CONFIRMED));
    CalendarWriter::addOrganiser(event, organiserEmail, organiserName);
    for (const MatchPlayer& player : match.players) {
        if (member.isEmpty() || player.member == member)
            icalcomponent_add_property(event, attendee(player));
    }
    return event;
}

} // namespace

QByteArray MatchCalendar(const QList<Match>& matches, const RecordKey& member, const QString& organiserName,
                         const QString& organiserEmail)
{
    CalendarWriter calendar;
    for (const Match& match : matches)
        calendar.add(event(match, member, organiserName, organiserEmail));
    return calendar.text(CoreText("MatchCalendar", "The match calendar is not valid.").shown());
}
