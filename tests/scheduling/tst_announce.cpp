#include "TestRoster.h"
#include "scheduling/MatchInvitation.h"

#include <QTest>
#include <libical/ical.h>

namespace {

// Tuesday 12/8/2026 18:00 GMT, counted independently: date -u -d '2026-12-08 18:00' +%s.
constexpr qint64 MatchStart = 1796752800;

// Four members in zones from -10:00 to +12:45, the user on GMT. Ann (-10:00) plays Tuesday
// morning, Gus (GMT) Tuesday evening: both cover a 90-minute match at 18:00 GMT. Kiri (+12:45) stops
// before its end; Raj (+5:30) has no schedule. Raj has no e-mail and Kiri's is not an address.
struct AnnounceRoster
{
    TestRoster roster {userPreferences()};

    static Preferences userPreferences()
    {
        Preferences preferences;
        preferences.userTimeZone = QStringLiteral("GMT");
        preferences.userDST = false;
        return preferences;
    }

    AnnounceRoster()
    {
        roster.addDivision(QStringLiteral("Alpha"));
        roster.addZone(QStringLiteral("M10"), QStringLiteral("Minus ten"), 600, 0);
        roster.addZone(QStringLiteral("IST"), QStringLiteral("India"), -330, 0);
        roster.addZone(QStringLiteral("CHAST"), QStringLiteral("Chatham"), -765, 0);
        add("Ann", "ann@example.org", "M10", {"", "8:00-10:00"});
        add("Gus", "gus@example.org", "GMT", {"", "17:00-20:00"});
        add("Kiri", "kiri at home", "CHAST", {"", "", "6:00-8:00"});
        add("Raj", "", "IST", {});
    }

    void add(const char* name, const char* email, const char* zone, const QStringList& days)
    {
        MemberForm form = TestRoster::form(QString::fromLatin1(name), days, QStringLiteral("Alpha"),
                                           QString::fromLatin1(zone));
        form.email = QString::fromLatin1(email);
        keys << roster.session().addMember(form).key;
    }

    MatchAnnouncement announce(const QString& date = QStringLiteral("12/8/2026"),
                               const QString& time = QStringLiteral("6:00 PM"))
    {
        Roster& session = roster.session();
        return session.announceMatch(session.viewpoint(), keys, date, time, QStringLiteral("90"), QString());
    }

    QList<RecordKey> keys;
};

const char* const ExpectedText = "Clan match\n"
                                 "M10: Tue 12/8 08:00 AM - 09:30 AM\n"
                                 "  Ann\n"
                                 "GMT: Tue 12/8 06:00 PM - 07:30 PM\n"
                                 "  Gus\n"
                                 "IST: Tue 12/8 11:30 PM - Wed 12/9 01:00 AM\n"
                                 "  Raj\n"
                                 "CHAST: Wed 12/9 06:45 AM - 08:15 AM\n"
                                 "  Kiri\n"
                                 "Can play the whole match: Ann, Gus\n"
                                 "Cannot play the whole match: Kiri, Raj";

} // namespace

class tst_announce : public QObject
{
    Q_OBJECT

private slots:
    void text_data();
    void text();
    void discordAndMail();
    void refusals();
    void invitationByLibical_data();
    void invitationByLibical();
};

void tst_announce::text_data()
{
    QTest::addColumn<QString>("userZone");
    QTest::addColumn<QString>("date");
    QTest::addColumn<QString>("time");
    QTest::newRow("user on GMT") << "GMT"
                                 << "12/8/2026"
                                 << "6:00 PM";
    // The same moment typed on the other side of the date line.
    QTest::newRow("user at +12:45") << "CHAST"
                                    << "12/9/2026"
                                    << "6:45 AM";
    QTest::newRow("user at -10:00") << "M10"
                                    << "12/8/2026"
                                    << "8:00 AM";
}

void tst_announce::text()
{
    QFETCH(QString, userZone);
    QFETCH(QString, date);
    QFETCH(QString, time);
    AnnounceRoster arranged;
    OptionsForm options = arranged.roster.session().optionsForm();
    options.userTimeZone = userZone;
    options.userDST = false;
    arranged.roster.session().saveOptions(options);
    const MatchAnnouncement match = arranged.announce(date, time);
    QCOMPARE(match.text, QString::fromLatin1(ExpectedText));
    QCOMPARE(match.unixStart(), MatchStart);
    QCOMPARE(match.withoutEmail(), QStringList({"Kiri", "Raj"}));
}

void tst_announce::discordAndMail()
{
    AnnounceRoster arranged;
    const MatchAnnouncement match = arranged.announce();
    QCOMPARE(match.discordLine(), QStringLiteral("Clan match <t:1796752800:F> (<t:1796752800:R>)"));
    // Only those who can play and have an address; the text survives "&" and line breaks.
    const QUrl mail = match.mailto();
    QCOMPARE(mail.path(), QStringLiteral("ann@example.org,gus@example.org"));
    QVERIFY(mail.toString(QUrl::FullyEncoded).contains(QStringLiteral("&body=Clan%20match%0D%0AM10")));
}

void tst_announce::refusals()
{
    AnnounceRoster arranged;
    Roster& session = arranged.roster.session();
    const Viewpoint view = session.viewpoint();
    QCOMPARE(refusal([&] { session.announceMatch(view, {}, "12/8/2026", "6:00 PM", "90", {}); }),
             QStringLiteral("Selection: You must Select Member(s) from the list!"));
    QCOMPARE(refusal([&] { session.announceMatch(view, arranged.keys, "6:00 PM", "6:00 PM", "90", {}); }),
             QStringLiteral("DataFormat: \"6:00 PM 6:00 PM\" is not a valid date and time."));
    QCOMPARE(refusal([&] { session.announceMatch(view, arranged.keys, "12/8/2026", "6:00 PM", "1", {}); }),
             QStringLiteral("DataFormat: Match length must be a whole number of minutes from 15 to 1440."));
    QCOMPARE(session.announceMatch(view, arranged.keys, "12/8/2026", "6:00 PM", "90", " Finals ").title,
             QStringLiteral("Finals"));
}

void tst_announce::invitationByLibical_data()
{
    QTest::addColumn<QString>("userEmail");
    QTest::addColumn<QString>("organizer");
    QTest::newRow("address") << "lead@clan.example"
                             << "mailto:lead@clan.example";
    QTest::newRow("not an address") << "lead at clan"
                                    << "";
    QTest::newRow("the placeholder") << "you@example.com"
                                     << "";
}

void tst_announce::invitationByLibical()
{
    QFETCH(QString, userEmail);
    QFETCH(QString, organizer);
    AnnounceRoster arranged;
    OptionsForm options = arranged.roster.session().optionsForm();
    options.userName = QStringLiteral("Lee \"Boss\" Lead");
    options.userEmail = userEmail;
    arranged.roster.session().saveOptions(options);
    const MatchAnnouncement match = arranged.announce();
    const QByteArray ics = arranged.roster.session().matchInvitation(match);

    icalcomponent* calendar = icalparser_parse_string(ics.constData());
    QVERIFY(calendar);
    QCOMPARE(icalcomponent_count_errors(calendar), 0);
    icalcomponent* event = icalcomponent_get_first_component(calendar, ICAL_VEVENT_COMPONENT);
    QVERIFY(event);
    QVERIFY(QByteArray(icalcomponent_get_uid(event)).endsWith("@tallyhold"));
    QVERIFY(icaltime_is_utc(icalcomponent_get_dtstamp(event)));
    const icaltimetype start = icalcomponent_get_dtstart(event);
    const icaltimetype end = icalcomponent_get_dtend(event);
    QVERIFY(icaltime_is_utc(start) && icaltime_is_utc(end));
    QCOMPARE(qint64(icaltime_as_timet(start)), MatchStart);
    QCOMPARE(qint64(icaltime_as_timet(end)), MatchStart + 90 * 60);
    QCOMPARE(QString::fromUtf8(icalcomponent_get_summary(event)), QStringLiteral("Clan match"));
    QCOMPARE(QString::fromUtf8(icalcomponent_get_description(event)), match.text);
    icalproperty* organizerProperty = icalcomponent_get_first_property(event, ICAL_ORGANIZER_PROPERTY);
    QCOMPARE(QString::fromUtf8(organizerProperty ? icalproperty_get_organizer(organizerProperty) : ""),
             organizer);
    QStringList attendees;
    for (icalproperty* p = icalcomponent_get_first_property(event, ICAL_ATTENDEE_PROPERTY); p;
         p = icalcomponent_get_next_property(event, ICAL_ATTENDEE_PROPERTY))
        attendees << QString::fromUtf8(icalproperty_get_attendee(p));
    QCOMPARE(attendees, QStringList({"mailto:ann@example.org", "mailto:gus@example.org"}));
    icalcomponent_free(calendar);
}

QTEST_GUILESS_MAIN(tst_announce)
#include "tst_announce.moc"
