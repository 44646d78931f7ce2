#include "MatchInvitation.h"

#include "CalendarWriter.h"

#include "store/RosterError.h"

#include <QDateTime>
#include <QDir>
#include <QSaveFile>
#include <QUuid>

QByteArray MatchInvitation(const MatchAnnouncement& match, const QString& organiserName,
                           const QString& organiserEmail)
{
    CalendarWriter calendar;

    icalcomponent* event = icalcomponent_new(ICAL_VEVENT_COMPONENT);
    const QByteArray uid = QUuid::createUuid().toString(QUuid::WithoutBraces).toLatin1() + "@tallyhold";
    icalcomponent_add_property(event, icalproperty_new_uid(uid.constData()));
    icalcomponent_add_property(
        event, icalproperty_new_dtstamp(CalendarWriter::utc(QDateTime::currentSecsSinceEpoch())));
    icalcomponent_add_property(event, icalproperty_new_dtstart(CalendarWriter::utc(match.unixStart())));
    icalcomponent_add_property(
        event, icalproperty_new_dtend(CalendarWriter::utc(match.unixStart() + qint64(match.length) * 60)));
    icalcomponent_add_property(event, icalproperty_new_summary(match.title.toUtf8().constData()));
    icalcomponent_add_property(event, icalproperty_new_description(match.text.toUtf8().constData()));
    CalendarWriter::addOrganiser(event, organiserEmail, organiserName);
    for (const AnnouncedMember& member : match.members) {
        if (member.email.isEmpty())
            continue;
        icalproperty* attendee = CalendarWriter::person(
            icalproperty_new_attendee(CalendarWriter::mailto(member.email).constData()), member.name);
        icalproperty_add_parameter(attendee, icalparameter_new_role(ICAL_ROLE_REQPARTICIPANT));
        icalproperty_add_parameter(attendee, icalparameter_new_partstat(ICAL_PARTSTAT_NEEDSACTION));
        icalproperty_add_parameter(attendee, icalparameter_new_rsvp(ICAL_RSVP_TRUE));
        icalcomponent_add_property(event, attendee);
    }
    calendar.add(event);
    return calendar.text(CoreText("MatchInvitation", "The calendar invitation is not valid.").shown());
}

void SaveInvitation(const QByteArray& invitation, const QString& path)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(invitation) != invitation.size() || !file.commit())
        throw RosterError(ErrorKind::FileNotSaved,
                          CoreText("MatchInvitation", "The invitation could not be saved to %1.")
                              .arg(QDir::toNativeSeparators(path)),
                          file.errorString());
}
