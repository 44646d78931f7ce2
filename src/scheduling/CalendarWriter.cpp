#include "CalendarWriter.h"

#include "MatchAnnouncement.h"
#include "store/RosterError.h"

#include <cstdlib>

CalendarWriter::CalendarWriter()
    : m_calendar(icalcomponent_new(ICAL_VCALENDAR_COMPONENT))
{
    icalcomponent_add_property(m_calendar.get(), icalproperty_new_version("2.0"));
    icalcomponent_add_property(m_calendar.get(), icalproperty_new_prodid("-//Quillmoor//Tallyhold//EN"));
}

void CalendarWriter::add(icalcomponent* event)
{
    icalcomponent_add_component(m_calendar.get(), event);
}

QByteArray CalendarWriter::text(const QString& invalidText) const
{
    // The check adds an X-LIC-ERROR property for each fault it finds.
    icalrestriction_check(m_calendar.get());
    if (icalcomponent_count_errors(m_calendar.get()) > 0) {
        icalproperty* error = nullptr;
        for (icalcomponent* event
             = icalcomponent_get_first_component(m_calendar.get(), ICAL_VEVENT_COMPONENT);
             event && !error;
             event = icalcomponent_get_next_component(m_calendar.get(), ICAL_VEVENT_COMPONENT))
            error = icalcomponent_get_first_property(event, ICAL_XLICERROR_PROPERTY);
        throw RosterError(ErrorKind::Programming, invalidText,
                          error ? QString::fromUtf8(icalproperty_get_xlicerror(error)) : QString());
    }
    char* text = icalcomponent_as_ical_string_r(m_calendar.get());
    const QByteArray ics(text);
    std::free(text);
    return ics;
}

icaltimetype CalendarWriter::utc(qint64 unixSeconds)
{
    return icaltime_from_timet_with_zone(time_t(unixSeconds), 0, icaltimezone_get_utc_timezone());
}

icalproperty* CalendarWriter::person(icalproperty* property, const QString& name)
{
    // A parameter value may not hold a double quote; libical quotes the rest as needed.
    if (!name.trimmed().isEmpty())
        icalproperty_add_parameter(
            property, icalparameter_new_cn(name.simplified().remove(QLatin1Char('"')).toUtf8().constData()));
    return property;
}

QByteArray CalendarWriter::mailto(const QString& email)
{
    return QByteArrayLiteral("mailto:") + email.toUtf8();
}

void CalendarWriter::addOrganiser(icalcomponent* event, const QString& email, const QString& name)
{
    if (IsEmailAddress(email))
        icalcomponent_add_property(event,
                                   person(icalproperty_new_organizer(mailto(email).constData()), name));
}
