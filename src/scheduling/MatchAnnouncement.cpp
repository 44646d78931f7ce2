#include "MatchAnnouncement.h"
#include "i18n/CoreText.h"

#include "WeekAvailability.h"
#include "time/cTimeFuncs.h"
#include "timezones/ZoneStore.h"

#include <QLocale>
#include <QRegularExpression>
#include <algorithm>

namespace {

// One zone's lines: its members see the same start and end.
struct ZoneGroup
{
    QString label;
    DateTime start;
    DateTime end;
    QStringList names;
};

QString moment(const DateTime& local, bool withDay)
{
    const QString time = local.toHhMmAmPm();
    return withDay ? QLocale::c().toString(local.date(), QStringLiteral("ddd M/d ")) + time : time;
}

QString joined(QStringList names)
{
    names.removeDuplicates();
    return names.isEmpty() ? QStringLiteral("nobody") : names.join(QStringLiteral(", "));
}

} // namespace

bool IsEmailAddress(const QString& text)
{
    static const QRegularExpression address(QStringLiteral("^[^@\\s<>()\\[\\],;:\"]+@[^@\\s<>()\\[\\],;:\"]+"
                                                           "\\.[^@\\s<>()\\[\\],;:\".]+$"));
    return address.match(text).hasMatch();
}

QString MatchAnnouncement::discordLine() const
{
    return QStringLiteral("%1 <t:%2:F> (<t:%2:R>)").arg(title).arg(unixStart());
}

QStringList MatchAnnouncement::withoutEmail() const
{
    QStringList names;
    for (const AnnouncedMember& member : members) {
        if (member.email.isEmpty())
            names << member.name;
    }
    return names;
}

QUrl MatchAnnouncement::mailto() const
{
    QStringList to;
    for (const AnnouncedMember& member : members) {
        if (member.canPlay && !member.email.isEmpty())
            to << member.email;
    }
    to.removeDuplicates();
    return QUrl::fromEncoded(
        MailtoLink(to, title, QString(text).replace(QLatin1Char('\n'), QStringLiteral("\r\n"))),
        QUrl::StrictMode);
}

MatchAnnouncement AnnounceMatch(const Database& db, const QList<RecordKey>& members, const QString& title,
                                const DateTime& startLocal, int length, const QString& userTimeZone,
                                bool userDST, const QStringList& canPlay)
{
    // Every zone conversion goes through cTimeFuncs, so zones that know their dates change only there.
    const QList<ZoneRow> zones = ZoneStore(db).rows();
    QHash<int, const ZoneRow*> zoneOf;
    for (const ZoneRow& zone : zones)
        zoneOf.insert(zone.key, &zone);
    cTimeFuncs time(zones);
    MatchAnnouncement match;
    match.title
        = title.trimmed().isEmpty() ? QString::fromLatin1(MatchAnnouncement::DefaultTitle) : title.trimmed();
    // A real moment: real time zones place it with the offsets of its date.
    match.startGMT = time.rule(userTimeZone, userDST).toGMTOrLater(startLocal);
    match.length = length;

    QList<ZoneGroup> groups;
    for (const RecordKey& key : members) {
        const auto row = db.first(QStringLiteral("SELECT MBR_Online_Player_Name, MBR_Email_Primary, "
                                                 "MBR_FK_TZones FROM Members WHERE MBR_PK = ?"),
                                  {key});
        if (!row)
            continue;
        AnnouncedMember member;
        member.name = row->value(0).toString().trimmed();
        const QString email = row->value(1).toString().trimmed();
        member.email = IsEmailAddress(email) ? email : QString();
        member.canPlay = canPlay.contains(member.name);
        match.members.append(member);

        const ZoneRow* zone = row->value(2).isNull() ? nullptr : zoneOf.value(row->value(2).toInt());
        const QString label
            = zone ? zone->name.trimmed() : CoreText("MatchAnnouncement", "No time zone (GMT)").shown();
        auto group = std::find_if(groups.begin(), groups.end(),
                                  [&](const ZoneGroup& g) { return g.label == label; });
        if (group == groups.end()) {
            const DateTime start = zone
                ? time.rule(zone->name, zone->daylight.toInt() != 0).fromGMT(match.startGMT)
                : match.startGMT;
            groups.append({label, start, start.addMinutes(length), {}});
            group = groups.end() - 1;
        }
        if (!group->names.contains(member.name))
            group->names << member.name;
    }
    match.missingZones = time.takeMissingZones();
    std::sort(match.members.begin(), match.members.end(),
              [](const AnnouncedMember& a, const AnnouncedMember& b) { return ReadsBefore(a.name, b.name); });
    std::stable_sort(groups.begin(), groups.end(), [](const ZoneGroup& a, const ZoneGroup& b) {
        return a.start != b.start ? a.start < b.start : a.label < b.label;
    });

    QStringList lines {match.title};
    for (ZoneGroup& group : groups) {
        SortNames(group.names);
        const bool sameDay = group.start.day() == group.end.day();
        lines << group.label + QStringLiteral(": ") + moment(group.start, true) + QStringLiteral(" - ")
                + moment(group.end, !sameDay);
        lines << QStringLiteral("  ") + group.names.join(QStringLiteral(", "));
    }
    QStringList can;
    QStringList cannot;
    for (const AnnouncedMember& member : match.members)
        (member.canPlay ? can : cannot) << member.name;
    lines << CoreText("MatchAnnouncement", "Can play the whole match: %1").arg(joined(can)).shown();
    lines << CoreText("MatchAnnouncement", "Cannot play the whole match: %1").arg(joined(cannot)).shown();
    match.text = lines.join(QLatin1Char('\n'));
    return match;
}

QByteArray MailtoLink(const QStringList& to, const QString& subject, const QString& body)
{
    QByteArray encoded = "mailto:";
    for (const QString& address : to)
        encoded += (encoded.endsWith(':') ? "" : ",") + QUrl::toPercentEncoding(address, "@");
    encoded += "?subject=" + QUrl::toPercentEncoding(subject);
    encoded += "&body=" + QUrl::toPercentEncoding(body);
    return encoded;
}
