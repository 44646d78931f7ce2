#include "TestRoster.h"
#include "invitations/SignupLink.h"

#include <QSqlQuery>
#include <QTest>

// Sign-up links in the roster session: which tokens open a member's week, and what a save
// through a link writes.
class tst_Invitations : public QObject
{
    Q_OBJECT

private slots:
    void linkOpensOnlyItsMember_data();
    void linkOpensOnlyItsMember();
    void saveWritesAsTheMemberForm();
    void refusedSaveWritesNothing_data();
    void refusedSaveWritesNothing();
    void olderRosterGainsTheTable();
    void addressReach_data();
    void addressReach();
};

// Links to a loopback or private address work only on the leader's computer or network.
void tst_Invitations::addressReach_data()
{
    using Reach = SignupLink::Reach;
    QTest::addColumn<QString>("address");
    QTest::addColumn<Reach>("reach");
    QTest::newRow("default") << SignupLink::DefaultAddress << Reach::ThisComputer;
    QTest::newRow("localhost") << "localhost:8080" << Reach::ThisComputer;
    QTest::newRow("IPv6 loopback") << "http://[::1]:8080" << Reach::ThisComputer;
    QTest::newRow("home network") << "http://192.168.1.20:8080/" << Reach::LocalNetwork;
    QTest::newRow("10/8") << "10.0.0.5" << Reach::LocalNetwork;
    QTest::newRow("172.16/12") << "http://172.31.2.3" << Reach::LocalNetwork;
    QTest::newRow("172.32 is public") << "http://172.32.2.3" << Reach::Anywhere;
    QTest::newRow("bare host name") << "http://clanbox:8080" << Reach::LocalNetwork;
    QTest::newRow("IPv6 unique local") << "http://[fd12::1]" << Reach::LocalNetwork;
    QTest::newRow("public name") << "https://roster.example.org" << Reach::Anywhere;
    QTest::newRow("public address") << "http://203.0.113.9" << Reach::Anywhere;
}

void tst_Invitations::addressReach()
{
    QFETCH(QString, address);
    QFETCH(SignupLink::Reach, reach);
    QCOMPARE(SignupLink::reach(address), reach);
}

void tst_Invitations::linkOpensOnlyItsMember_data()
{
    QTest::addColumn<QString>("change"); // what happens to the link after it is made
    QTest::addColumn<bool>("opens");
    QTest::newRow("fresh") << "" << true;
    QTest::newRow("revoked") << "revoke" << false;
    QTest::newRow("expired") << "UPDATE Invitations SET INV_Expires = '2000-01-01 00:00:00'" << false;
    QTest::newRow("member deleted") << "delete" << false;
    QTest::newRow("one character changed") << "flip" << false;
    QTest::newRow("cut short") << "chop" << false;
    QTest::newRow("not a token's alphabet") << "plus" << false;
}

void tst_Invitations::linkOpensOnlyItsMember()
{
    QFETCH(QString, change);
    QFETCH(bool, opens);
    TestRoster roster;
    const RecordKey alpha = roster.addDivision("Alpha");
    const RecordKey ann = roster.addMember(alpha, 1, "Ann");
    roster.addMember(alpha, 1, "Ben");
    Roster& session = roster.session();
    const NewInvitation made = session.makeInvitation(ann);
    QString token = made.token;
    QCOMPARE(token.size(), 22);
    // Only the hash is kept.
    QVERIFY(!roster.rows().join('\n').contains(token));
    if (change == "revoke")
        session.revokeInvitation(made.invitation.key);
    else if (change == "delete")
        session.deleteMember(ann);
    else if (change == "flip")
        token[5] = token[5] == 'A' ? 'B' : 'A';
    else if (change == "chop")
        token.chop(1);
    else if (change == "plus")
        token[0] = '+';
    else if (!change.isEmpty())
        roster.db().exec(change);
    QCOMPARE(session.invitedMember(token), opens ? std::optional<RecordKey>(ann) : std::nullopt);
    // A deleted member takes their links along.
    QCOMPARE(roster.count("Invitations"), change == "delete" ? 0 : 1);
    QCOMPARE(session.invitations().size(), change == "delete" ? 0 : 1);
    if (change == "delete")
        QCOMPARE(refusal([&] { session.makeInvitation(ann); }),
                 "RowVanished: That member is no longer in the roster.");
    else
        QCOMPARE(refusal([&] { session.makeInvitation(ann, 3651); }),
                 "ValueOutOfRange: A sign-up link lasts 1 to 3650 days.");
}

void tst_Invitations::saveWritesAsTheMemberForm()
{
    TestRoster roster;
    const RecordKey alpha = roster.addDivision("Alpha");
    const RecordKey ann = roster.addMember(alpha, 1, "Ann"), twin = roster.addMember(alpha, 1, "Ann");
    Roster& session = roster.session();
    const QString token = session.makeInvitation(ann).token;
    QVERIFY(!session.selfUpdated(ann).isValid());

    const MemberForm form = TestRoster::form(
        "Ann", {"", "8:00 PM-11:00 PM", "", "", "", "9:00-10:00,13:00-14:00"}, "Alpha", "EST");
    session.updateMember(twin, form);
    const MemberSaved saved = session.saveSignup(token, {1, form.days});
    QCOMPARE(saved.key, ann);
    // Field for field what the window's update wrote for the same form.
    const MemberForm mine = session.memberForEdit(ann).form, theirs = session.memberForEdit(twin).form;
    for (int day = 0; day < MemberForm::DayCount; ++day) {
        QCOMPARE(mine.days[day].checked, theirs.days[day].checked);
        QCOMPARE(mine.days[day].texts, theirs.days[day].texts);
    }
    QCOMPARE(mine.zoneKey, std::optional<int>(1));
    QCOMPARE(session.memberInfo(ann).days, session.memberInfo(twin).days);
    QVERIFY(qAbs(session.selfUpdated(ann).secsTo(QDateTime::currentDateTimeUtc())) < 5);
    QVERIFY(!session.selfUpdated(twin).isValid());
}

void tst_Invitations::refusedSaveWritesNothing_data()
{
    QTest::addColumn<int>("zone");
    QTest::addColumn<QStringList>("days");
    QTest::addColumn<QString>("refused");
    QTest::newRow("end equals start")
        << 1 << QStringList {"", "8:00 PM-8:00 PM"}
        << "SaveRefused Slot 1.1: Ending time must be greater than starting time!";
    QTest::newRow("half a second slot")
        << 1 << QStringList {"7:00-8:00,9:00-"}
        << "SaveRefused Slot 0.3: You must fill in both times of the second Time Slot, or leave both empty!";
    QTest::newRow("zone not in the roster") << 99 << QStringList {}
                                            << "ZoneNotFound TimeZone: Make sure that the new Member's Time "
                                               "Zone is set right, then try to Save again.";
}

void tst_Invitations::refusedSaveWritesNothing()
{
    QFETCH(int, zone);
    QFETCH(QStringList, days);
    QFETCH(QString, refused);
    TestRoster roster;
    const RecordKey ann = roster.addMember(roster.addDivision("Alpha"), 1, "Ann");
    Roster& session = roster.session();
    const QString token = session.makeInvitation(ann).token;
    const QStringList before = roster.rows();
    QCOMPARE(refusal([&] {
                 session.saveSignup(token, {zone, TestRoster::form("Ann", days).days});
             }),
             refused);
    QCOMPARE(roster.rows(), before);
}

void tst_Invitations::olderRosterGainsTheTable()
{
    SKIP_ON_SERVER();
    TestRoster roster;
    const RecordKey ann = roster.addMember(roster.addDivision("Alpha"), 1, "Ann");
    const QString path = roster.filePath("ClanRoster.mdb");
    roster.db().exec("DROP TABLE Invitations");
    // Read-only, the older roster opens as it is and shows no self-update.
    {
        const Database readOnly = Database::open(path, Database::Access::ReadOnly);
        QVERIFY(!Roster(readOnly, {}).selfUpdated(ann).isValid());
    }
    Database db = Database::open(path);
    QVERIFY(db.connection().tables().contains("Invitations"));
    QVERIFY(!Roster(db, {}).makeInvitation(ann).token.isEmpty());
    db.close();
}

QTEST_GUILESS_MAIN(tst_Invitations)
#include "tst_invitations.moc"
