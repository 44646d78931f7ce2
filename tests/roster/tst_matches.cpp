#include "TestRoster.h"
#include "store/RosterCopy.h"
#include "store/RosterSchema.h"

#include <QSignalSpy>
#include <QSqlQuery>
#include <QTest>
#include <libical/ical.h>

// Planned matches: answers and their counts, who can play, edits, attendance, the calendar.
class tst_Matches : public QObject
{
    Q_OBJECT

private slots:
    void statusLine_data();
    void statusLine();
    void canPlay_data();
    void canPlay();
    void edits_data();
    void edits();
    void refusals();
    void attendanceHistory();
    void reminder();
    void deletedMemberLeavesMatchesAndCopiesCarryThem();
    void upgradeAddsTables();
    void calendarRoundTrips();
};

namespace {

// Six players on New York's clock, each free every evening 6 to 11 PM, but Eve is away on
// 12/12/2099 and Fay plays Mondays only. Saturday 12/12/2099 8 PM, 90 minutes: Ann and Bob
// required, at least four.
struct Squad : TestRoster
{
    QList<RecordKey> players;
    RecordKey match;
    const QStringList names {"Ann", "Bob", "Cat", "Dan", "Eve", "Fay"};

    Squad()
    {
        addDivision("Alpha");
        const QString evening = "6:00 PM-11:00 PM";
        for (const QString& name : names) {
            MemberForm member = name == "Fay"
                ? form(name, {evening}, "Alpha", "EST")
                : form(name, {evening, evening, evening, evening, evening, evening}, "Alpha", "EST");
            member.email = name == "Dan" ? QString() : name.toLower() + "+x&y@example.org";
            players << session().addMember(member).key;
        }
        MemberChangeForm away;
        away.first = "12/12/2099";
        session().addMemberChange(players[4], away);
        match = plan("12/12/2099 8:00 PM");
    }
    static Viewpoint view() { return {"EST", true, 30, 100, {}}; }
    MatchForm matchForm(const QString& at, const QString& length = "90") const
    {
        MatchForm form;
        form.at = at;
        form.length = length;
        form.title = "Cup final";
        form.minimum = "4";
        form.members = players;
        form.required = {players[0], players[1]};
        return form;
    }
    RecordKey plan(const QString& at) { return session().planMatch(view(), matchForm(at)); }
    // One letter per player: y(es), m(aybe), l(ate), n(o), - (no answer).
    void answer(const RecordKey& key, const QString& letters)
    {
        for (int i = 0; i < letters.size(); ++i) {
            const MatchAnswer answer = QString("-ymln").indexOf(letters[i]) >= 0
                ? MatchAnswer(QString("-ymln").indexOf(letters[i]))
                : MatchAnswer::None;
            session().answerMatch(key, players[i], answer, "note " + names[i]);
        }
    }
    void moveToPast(const RecordKey& key, int daysAgo)
    {
        db().exec("UPDATE Matches SET MCH_Start = ? WHERE MCH_PK = ?",
                  {DateTime::fromDate(QDate::currentDate().addDays(-daysAgo), 20).toStorageText(), key});
    }
    QString answers(const RecordKey& key)
    {
        QStringList list;
        for (const MatchPlayer& player : session().match(key).players)
            list << AnswerName(player.answer) + ":" + player.note;
        return list.join(' ');
    }
};

} // namespace

void tst_Matches::statusLine_data()
{
    QTest::addColumn<QString>("answers");
    QTest::addColumn<QString>("line");
    QTest::newRow("minimum not met") << "yyymn-"
                                     << "3 yes · 1 maybe · 1 no · 1 no answer — minimum 4 not met";
    QTest::newRow("ready") << "yyyyn-"
                           << "4 yes · 1 no · 1 no answer";
    QTest::newRow("required late") << "-lyyyy"
                                   << "4 yes · 1 late · 1 no answer — 2 required not in";
    QTest::newRow("nobody") << "nnnnnn"
                            << "0 yes · 6 no — minimum 4 not met, 2 required not in";
}

void tst_Matches::statusLine()
{
    QFETCH(QString, answers);
    QFETCH(QString, line);
    Squad squad;
    QSignalSpy changed(&squad.session(), &Roster::matchesChanged);
    squad.answer(squad.match, answers);
    QCOMPARE(changed.count(), 6);
    const QString expected = "Sat 12/12 08:00 PM · " + line;
    QCOMPARE(squad.session().matchStatus(Squad::view(), squad.match).summary.line.english(), expected);
    // The list counts in the store, the status in memory: both say the same.
    const QList<MatchSummary> list = squad.session().matches(Squad::view());
    QCOMPARE(list.size(), 1);
    QCOMPARE(list.first().line.english(), expected);
    QCOMPARE(list.first().minimumMet, !line.contains("minimum"));
    QCOMPARE(list.first().requiredIn, !line.contains("required"));
    QVERIFY(squad.session().matches(Squad::view(), true).isEmpty());
}

void tst_Matches::canPlay_data()
{
    QTest::addColumn<QString>("at");
    QTest::addColumn<QString>("length");
    QTest::addColumn<QString>("free");
    QTest::newRow("evening") << "12/12/2099 8:00 PM"
                             << "90"
                             << "Ann Bob Cat Dan";
    QTest::newRow("past their evening") << "12/12/2099 10:30 PM"
                                        << "60"
                                        << "";
    // Eve's away day is hers alone; Fay's Monday is her week.
    QTest::newRow("Monday") << "12/14/2099 7:00 PM"
                            << "60"
                            << "Ann Bob Cat Dan Eve Fay";
}

void tst_Matches::canPlay()
{
    QFETCH(QString, at);
    QFETCH(QString, length);
    QFETCH(QString, free);
    Squad squad;
    squad.session().editMatch(Squad::view(), squad.match, squad.matchForm(at, length));
    QStringList names;
    for (const MatchPlayerStatus& player : squad.session().matchStatus(Squad::view(), squad.match).players) {
        if (player.canPlay)
            names << player.player.name;
    }
    QCOMPARE(names.join(' '), free);
}

void tst_Matches::edits_data()
{
    QTest::addColumn<QString>("at");
    QTest::addColumn<QString>("length");
    QTest::addColumn<QString>("title");
    QTest::addColumn<bool>("reset");
    QTest::newRow("moved") << "12/13/2099 8:00 PM"
                           << "90"
                           << "Cup final" << true;
    QTest::newRow("longer") << "12/12/2099 8:00 PM"
                            << "120"
                            << "Cup final" << true;
    QTest::newRow("renamed") << "12/12/2099 8:00 PM"
                             << "90"
                             << "Cup final, leg 2" << false;
}

void tst_Matches::edits()
{
    QFETCH(QString, at);
    QFETCH(QString, length);
    QFETCH(QString, title);
    QFETCH(bool, reset);
    Squad squad;
    squad.answer(squad.match, "ymln--");
    const QString before = squad.answers(squad.match);
    MatchForm form = squad.matchForm(at, length);
    form.title = title;
    squad.session().editMatch(Squad::view(), squad.match, form);
    const QString none
        = "none:note Ann none:note Bob none:note Cat none:note Dan none:note Eve none:note Fay";
    QCOMPARE(squad.answers(squad.match), reset ? none : before);
    const Match edited = squad.session().match(squad.match);
    QCOMPARE(edited.sequence, 1);
    QCOMPARE(edited.title, title);
    QCOMPARE(squad.session().matchForm(Squad::view(), squad.match).at,
             QDateTime::fromString(at, "MM/dd/yyyy h:mm AP").toString("MM/dd/yyyy hh:mm AP"));

    // Players dropped lose their rows; one added starts without an answer.
    form.members = {squad.players[0], squad.players[2]};
    form.required = {squad.players[2]};
    form.minimum = "2";
    squad.session().editMatch(Squad::view(), squad.match, form);
    const QList<MatchPlayer> players = squad.session().match(squad.match).players;
    QCOMPARE(players.size(), 2);
    QVERIFY(!players[0].required && players[1].required);
    QCOMPARE(squad.count("MatchPlayers"), 2);
}

void tst_Matches::refusals()
{
    Squad squad;
    Roster& roster = squad.session();
    const RecordKey ann = squad.players[0];
    const RecordKey past = squad.plan("12/12/2099 8:00 PM");
    squad.moveToPast(past, 1);
    const RecordKey cancelled = squad.plan("12/12/2099 8:00 PM");
    roster.cancelMatch(cancelled);
    MatchForm two = squad.matchForm("12/12/2099 8:00 PM");
    two.members = {ann};
    two.required = {};
    MatchForm timeAlone = squad.matchForm("8:00 PM");
    const QStringList before = squad.rows();
    const QList<std::pair<std::function<void()>, QString>> cases {
        {[&] { roster.markAttended(squad.match, ann, true); },
         "SaveRefused: Attendance can be taken once \"Cup final\" has started."},
        {[&] { roster.markAttended(cancelled, ann, true); },
         "SaveRefused: \"Cup final\" was cancelled; there is no attendance to take."},
        {[&] { roster.answerMatch(past, ann, MatchAnswer::Yes); },
         "SaveRefused: \"Cup final\" has started; it cannot be answered any more."},
        {[&] { roster.answerMatch(cancelled, ann, MatchAnswer::Yes); },
         "SaveRefused: \"Cup final\" was cancelled; it cannot be answered."},
        {[&] { roster.answerMatch(squad.match, ann, MatchAnswer::Yes, QString(501, 'x')); },
         "SaveRefused: The note may hold at most 500 characters."},
        {[&] { roster.answerSignupMatch("no such token", squad.match, MatchAnswer::Yes); },
         "RowVanished: This link is no longer valid"},
        {[&] { roster.answerMatch(QByteArray(16, 'x'), ann, MatchAnswer::Yes); },
         "RowVanished: That match was deleted in the meantime."},
        {[&] { roster.planMatch(Squad::view(), two); },
         "DataFormat: The minimum of 4 players is more than the 1 invited."},
        {[&] { roster.planMatch(Squad::view(), timeAlone); },
         "DataFormat MatchDate: \"8:00 PM\" is not a valid date and time."},
        {[&] { roster.planMatch(Squad::view(), squad.matchForm("12/12/2099 8:00 PM", "10")); },
         "DataFormat: Match length must be a whole number of minutes from 15 to 1440."},
        {[&] { roster.planMatch(Squad::view(), squad.matchForm("03/08/2099 2:30 AM")); },
         "DataFormat MatchTime: 03/08/2099 2:30 AM does not happen on your clock: it is skipped when the "
         "clocks go forward."},
    };
    for (const auto& [command, refused] : cases)
        QCOMPARE(refusal(command), refused);
    QCOMPARE(squad.rows(), before);

    // Through the member's own link: theirs alone.
    const NewInvitation link = roster.makeInvitation(ann);
    roster.answerSignupMatch(link.token, squad.match, MatchAnswer::Late, "traffic");
    QCOMPARE(squad.answers(squad.match).section(' ', 0, 1), "late:traffic none:");
}

void tst_Matches::attendanceHistory()
{
    Squad squad;
    Roster& roster = squad.session();
    // Older: Ann and Bob said yes, Ann came, Bob did not. Newer: Ann yes and came; Cat came unasked.
    const RecordKey older = squad.plan("12/12/2099 8:00 PM");
    squad.answer(older, "yy");
    squad.moveToPast(older, 3);
    const RecordKey newer = squad.plan("12/12/2099 8:00 PM");
    squad.answer(newer, "y");
    squad.moveToPast(newer, 2);
    const RecordKey cancelled = squad.plan("12/12/2099 8:00 PM");
    squad.moveToPast(cancelled, 1);
    roster.cancelMatch(cancelled);
    roster.markAttended(older, squad.players[0], true);
    roster.markAttended(older, squad.players[1], false);
    roster.markAttended(newer, squad.players[0], true);
    roster.markAttended(newer, squad.players[2], true);
    QCOMPARE(roster.matches(Squad::view(), true).size(), 3);
    const auto history = [&](int last) {
        QStringList rows;
        for (const AttendanceRecord& record : roster.attendance(last))
            rows << QStringLiteral("%1 %2/%3/%4/%5")
                        .arg(record.name)
                        .arg(record.invited)
                        .arg(record.saidYes)
                        .arg(record.came)
                        .arg(record.saidYesDidNotCome);
        return rows.join(", ");
    };
    QCOMPARE(history(10), "Ann 2/2/2/0, Bob 2/1/0/1, Cat 2/0/1/0, Dan 2/0/0/0, Eve 2/0/0/0, Fay 2/0/0/0");
    QCOMPARE(history(1), "Ann 1/1/1/0, Bob 1/0/0/0, Cat 1/0/1/0, Dan 1/0/0/0, Eve 1/0/0/0, Fay 1/0/0/0");
}

void tst_Matches::reminder()
{
    Squad squad;
    squad.answer(squad.match, "yy-n-");
    const MatchReminder reminder = squad.session().matchReminder(Squad::view(), squad.match);
    QCOMPARE(reminder.names, QStringList({"Cat", "Eve", "Fay"}));
    const qint64 stamp = squad.session().match(squad.match).unixStart();
    QCOMPARE(stamp, QDateTime(QDate(2099, 12, 13), QTime(1, 0), Qt::UTC).toSecsSinceEpoch());
    QCOMPARE(reminder.discord.english(),
             QStringLiteral("Cup final <t:%1:F> (<t:%1:R>): Cat, Eve, Fay, please answer yes, "
                            "maybe, late or no.")
                 .arg(stamp));
    // Dan answered; everyone else who did not has an address, each "+" and "&" encoded.
    QVERIFY2(
        reminder.mailto().startsWith("mailto:cat%2Bx%26y@example.org,eve%2Bx%26y@example.org,fay%2Bx%26y@"
                                     "example.org?subject=Reminder%3A%20Cup%20final&body=Cup%20final%20"
                                     "starts%20Sat%2012%2F12%2F2099%2008%3A00%20PM%20EST"),
        qPrintable(reminder.mailto()));
    QVERIFY(reminder.withoutEmail.isEmpty());
}

void tst_Matches::deletedMemberLeavesMatchesAndCopiesCarryThem()
{
    Squad squad;
    squad.answer(squad.match, "ym");
    {
        Database copy = Database::open(squad.filePath("copy.mdb"));
        RosterCopy::copy(squad.db(), copy);
        QCOMPARE(TestRoster::rows(copy).filter("Cup final").size(), 1);
        QCOMPARE(TestRoster::rows(copy).filter("note Bob").size(), 1);
        copy.close();
    }
    QSignalSpy changed(&squad.session(), &Roster::matchesChanged);
    squad.session().memberInfo(squad.players[2]);
    squad.session().deleteMember(squad.players[2]);
    QCOMPARE(changed.count(), 1);
    QCOMPARE(squad.count("MatchPlayers"), 5);
    QCOMPARE(squad.session().matchStatus(Squad::view(), squad.match).players.size(), 5);
    squad.session().deleteMatch(squad.match);
    QCOMPARE(squad.count("MatchPlayers") + squad.count("Matches"), 0);
}

void tst_Matches::upgradeAddsTables()
{
    TestRoster roster;
    const QString location = roster.location();
    const RecordKey ann = roster.addMember(roster.addDivision("Alpha"), 1, "Ann");
    // A roster of the version before: statements a server will not prepare, so run as they are.
    QSqlQuery downgrade(roster.db().connection());
    for (const char* statement :
         {"DROP TABLE MatchPlayers", "DROP TABLE Matches",
          TestRoster::onServer() ? "COMMENT ON TABLE TimeZones IS 'Tallyhold roster, schema version 2'"
                                 : "PRAGMA user_version = 2"})
        QVERIFY2(downgrade.exec(statement), statement);
    roster.db().close();
    roster.db() = Database::open(location);
    QCOMPARE(RosterSchema::version(roster.db().connection()), 3);
    // On a server, other sessions hear of the new tables' writes.
    if (TestRoster::onServer())
        QCOMPARE(roster.db()
                     .first("SELECT COUNT(*) FROM pg_trigger WHERE tgname IN ('matches_changed', "
                            "'matchplayers_changed')")
                     ->value(0)
                     .toInt(),
                 2);
    Roster session(roster.db(), {});
    MatchForm form;
    form.at = "12/14/2099 7:00 PM";
    form.length = "60";
    form.members = {ann};
    session.planMatch(Squad::view(), form);
    QCOMPARE(roster.count("Matches"), 1);
    QCOMPARE(roster.count("MatchPlayers"), 1);
}

void tst_Matches::calendarRoundTrips()
{
    Squad squad;
    Roster& roster = squad.session();
    squad.answer(squad.match, "ymln");
    struct Event
    {
        QString uid;
        int sequence = -1;
        QString start;
        bool cancelled = false;
        QStringList attendees;
    };
    const auto read = [](const QByteArray& ics) {
        Event event;
        icalcomponent* calendar = icalparser_parse_string(ics.constData());
        if (!calendar)
            return event;
        icalcomponent* vevent = icalcomponent_get_first_component(calendar, ICAL_VEVENT_COMPONENT);
        if (vevent && !icalcomponent_get_next_component(calendar, ICAL_VEVENT_COMPONENT)) {
            event.uid = QString::fromUtf8(icalcomponent_get_uid(vevent));
            event.sequence = icalcomponent_get_sequence(vevent);
            event.start = QString::fromLatin1(icaltime_as_ical_string(icalcomponent_get_dtstart(vevent)));
            event.cancelled = icalcomponent_get_status(vevent) == ICAL_STATUS_CANCELLED;
            for (icalproperty* p = icalcomponent_get_first_property(vevent, ICAL_ATTENDEE_PROPERTY); p;
                 p = icalcomponent_get_next_property(vevent, ICAL_ATTENDEE_PROPERTY)) {
                icalparameter* state = icalproperty_get_first_parameter(p, ICAL_PARTSTAT_PARAMETER);
                event.attendees << QString::fromUtf8(icalproperty_get_parameter_as_string(p, "CN")) + ":"
                        + QString::fromLatin1(
                                       icalparameter_enum_to_string(icalparameter_get_partstat(state)));
            }
        }
        icalcomponent_free(calendar);
        return event;
    };
    const Event planned = read(roster.matchCalendar());
    QCOMPARE(planned.uid, KeyToHex(squad.match).toLower() + "@tallyhold");
    QCOMPARE(planned.sequence, 0);
    QCOMPARE(planned.start, "20991213T010000Z");
    QCOMPARE(planned.attendees.join(' '),
             "Ann:ACCEPTED Bob:TENTATIVE Cat:TENTATIVE Dan:DECLINED "
             "Eve:NEEDS-ACTION Fay:NEEDS-ACTION");
    // A member's feed names them alone.
    QCOMPARE(read(roster.matchCalendar(squad.players[3])).attendees, QStringList {"Dan:DECLINED"});

    roster.editMatch(Squad::view(), squad.match, squad.matchForm("12/13/2099 8:00 PM"));
    const Event moved = read(roster.matchCalendar(squad.players[0]));
    QCOMPARE(moved.uid, planned.uid);
    QCOMPARE(moved.sequence, 1);
    QCOMPARE(moved.start, "20991214T010000Z");
    QCOMPARE(moved.attendees, QStringList {"Ann:NEEDS-ACTION"});
    QVERIFY(!moved.cancelled);

    roster.cancelMatch(squad.match);
    const QString path = squad.filePath("matches.ics");
    roster.saveMatchCalendar(path, squad.players[0]);
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const Event cancelled = read(file.readAll());
    QCOMPARE(cancelled.uid, planned.uid);
    QCOMPARE(cancelled.sequence, 2);
    QVERIFY(cancelled.cancelled);
}

QTEST_GUILESS_MAIN(tst_Matches)
#include "tst_matches.moc"
