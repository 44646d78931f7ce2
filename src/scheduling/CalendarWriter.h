#pragma once

#include <QByteArray>
#include <QString>
#include <libical/ical.h>
#include <memory>

// A calendar written with libical: the one place that starts a VCALENDAR, names people in it,
// checks it and turns it into text, for the announcement's invitation and the matches' feeds.
class CalendarWriter
{
public:
    CalendarWriter();

    // Adds a VEVENT, which the calendar then owns.
    void add(icalcomponent* event);
    // The calendar's text. Throws a Programming error carrying libical's finding, in front of
    // which stands invalidText, when the calendar breaks the format's rules.
    QByteArray text(const QString& invalidText) const;

    static icaltimetype utc(qint64 unixSeconds);
    // An organizer or attendee property for an e-mail address, with the name as its CN.
    static icalproperty* person(icalproperty* property, const QString& name);
    static QByteArray mailto(const QString& email);
    // Names the organiser on event, when email is an address.
    static void addOrganiser(icalcomponent* event, const QString& email, const QString& name);

private:
    struct Free
    {
        void operator()(icalcomponent* component) const { icalcomponent_free(component); }
    };
    std::unique_ptr<icalcomponent, Free> m_calendar;
};
