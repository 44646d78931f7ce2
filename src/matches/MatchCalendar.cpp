#include "MatchCalendar.h"

#include "scheduling/MatchAnnouncement.h"
#include "store/RosterError.h"

#include <QUuid>
#include <cstdlib>
#include <libical/ical.h>
#include <memory>

namespace {

struct ComponentFree
{
    void operator()(icalcomponent* component) const { icalcomponent_free(component); }
};

icaltimetype utc(const DateTime& moment)
{
    return icaltime_from_timet_with_zone(time_t(moment.toUnixSeconds()), 0, icaltimezone_get_utc_timezone());
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
        return QByteArrayLiteral("mailto:") + player.email.toUtf8();
    return QByteArrayLiteral("urn:uuid:")
        + QUuid::fromRfc4122(player.member).toByteArray(QUuid::WithoutBraces);
}

icalproperty* attendee(const MatchPlayer& player)
{
    icalproperty* property = icalproperty_new_attendee(address(player).constData());
    if (!player.name.isEmpty())
        icalproperty_add_parameter(
            property,
            icalparameter_new_cn(player.name.simplified().remove(QLatin1Char('"')).toUtf8().constData()));
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
    if (IsEmailAddress(organiserEmail)) {
        icalproperty* organiser = icalproperty_new_organizer(
            (QByteArrayLiteral("mailto:") + organiserEmail.toUtf8()).constData());
        if (!organiserName.trimmed().isEmpty())
            icalproperty_add_parameter(
                organiser,
                icalparameter_new_cn(
                    organiserName.simplified().remove(QLatin1Char('"')).toUtf8().constData()));
        icalcomponent_add_property(event, organiser);
    }
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
    std::unique_ptr<icalcomponent, ComponentFree> calendar(icalcomponent_new(ICAL_VCALENDAR_COMPONENT));
    icalcomponent_add_property(calendar.get(), icalproperty_new_version("2.0"));
    icalcomponent_add_property(calendar.get(), icalproperty_new_prodid("-//Quillmoor//Tallyhold//EN"));
    for (const Match& match : matches)
        icalcomponent_add_component(calendar.get(), event(match, member, organiserName, organiserEmail));

    // The check adds an X-LIC-ERROR property for each fault it finds.
    icalrestriction_check(calendar.get());
    if (icalcomponent_count_errors(calendar.get()) > 0) {
        icalproperty* error = nullptr;
        for (icalcomponent* event = icalcomponent_get_first_component(calendar.get(), ICAL_VEVENT_COMPONENT);
             event && !error; event = icalcomponent_get_next_component(calendar.get(), ICAL_VEVENT_COMPONENT))
            error = icalcomponent_get_first_property(event, ICAL_XLICERROR_PROPERTY);
        throw RosterError(ErrorKind::Programming, QStringLiteral("The match calendar is not valid."),
                          error ? QString::fromUtf8(icalproperty_get_xlicerror(error)) : QString());
    }
    char* text = icalcomponent_as_ical_string_r(calendar.get());
    const QByteArray ics(text);
    std::free(text);
    return ics;
}
