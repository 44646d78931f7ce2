#include "MatchInvitation.h"

#include "store/RosterError.h"

#include <QDateTime>
#include <QDir>
#include <QSaveFile>
#include <QUuid>
#include <cstdlib>
#include <libical/ical.h>
#include <memory>

namespace {

struct ComponentFree
{
    void operator()(icalcomponent* component) const { icalcomponent_free(component); }
};

icaltimetype utc(qint64 unixSeconds)
{
    return icaltime_from_timet_with_zone(time_t(unixSeconds), 0, icaltimezone_get_utc_timezone());
}

// A parameter value may not hold a double quote; libical quotes the rest as needed.
QByteArray parameterText(const QString& text)
{
    return text.simplified().remove(QLatin1Char('"')).toUtf8();
}

icalproperty* person(icalproperty* property, const QString& name)
{
    if (!name.trimmed().isEmpty())
        icalproperty_add_parameter(property, icalparameter_new_cn(parameterText(name).constData()));
    return property;
}

QByteArray mailto(const QString& email)
{
    return QByteArrayLiteral("mailto:") + email.toUtf8();
}

} // namespace

QByteArray MatchInvitation(const MatchAnnouncement& match, const QString& organiserName,
                           const QString& organiserEmail)
{
    std::unique_ptr<icalcomponent, ComponentFree> calendar(icalcomponent_new(ICAL_VCALENDAR_COMPONENT));
    icalcomponent_add_property(calendar.get(), icalproperty_new_version("2.0"));
    icalcomponent_add_property(calendar.get(), icalproperty_new_prodid("-//Quillmoor//Tallyhold//EN"));

    icalcomponent* event = icalcomponent_new(ICAL_VEVENT_COMPONENT);
    const QByteArray uid = QUuid::createUuid().toString(QUuid::WithoutBraces).toLatin1() + "@tallyhold";
    icalcomponent_add_property(event, icalproperty_new_uid(uid.constData()));
    icalcomponent_add_property(event, icalproperty_new_dtstamp(utc(QDateTime::currentSecsSinceEpoch())));
    icalcomponent_add_property(event, icalproperty_new_dtstart(utc(match.unixStart())));
    icalcomponent_add_property(event,
                               icalproperty_new_dtend(utc(match.unixStart() + qint64(match.length) * 60)));
    icalcomponent_add_property(event, icalproperty_new_summary(match.title.toUtf8().constData()));
    icalcomponent_add_property(event, icalproperty_new_description(match.text.toUtf8().constData()));
    if (IsEmailAddress(organiserEmail))
        icalcomponent_add_property(
            event, person(icalproperty_new_organizer(mailto(organiserEmail).constData()), organiserName));
    for (const AnnouncedMember& member : match.members) {
        if (member.email.isEmpty())
            continue;
        icalproperty* attendee
            = person(icalproperty_new_attendee(mailto(member.email).constData()), member.name);
        icalproperty_add_parameter(attendee, icalparameter_new_role(ICAL_ROLE_REQPARTICIPANT));
        icalproperty_add_parameter(attendee, icalparameter_new_partstat(ICAL_PARTSTAT_NEEDSACTION));
        icalproperty_add_parameter(attendee, icalparameter_new_rsvp(ICAL_RSVP_TRUE));
        icalcomponent_add_property(event, attendee);
    }
    icalcomponent_add_component(calendar.get(), event);

    // The check adds an X-LIC-ERROR property for each fault it finds.
    icalrestriction_check(calendar.get());
    if (icalcomponent_count_errors(calendar.get()) > 0) {
        icalproperty* error = icalcomponent_get_first_property(event, ICAL_XLICERROR_PROPERTY);
        throw RosterError(ErrorKind::Programming, QStringLiteral("The calendar invitation is not valid."),
                          error ? QString::fromUtf8(icalproperty_get_xlicerror(error)) : QString());
    }
    char* text = icalcomponent_as_ical_string_r(calendar.get());
    const QByteArray invitation(text);
    std::free(text);
    return invitation;
}

void SaveInvitation(const QByteArray& invitation, const QString& path)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(invitation) != invitation.size() || !file.commit())
        throw RosterError(
            ErrorKind::FileNotSaved,
            QStringLiteral("The invitation could not be saved to %1.").arg(QDir::toNativeSeparators(path)),
            file.errorString());
}
