#include "RosterGenerator.h"
#include "TestRoster.h"
#include "store/RosterError.h"

#include <QtTest>

// The generated roster must repeat with its seed and hold the awkward cases it promises,
// since benchmarks and the scheduling tests lean on both.
class tst_RosterGenerator : public QObject
{
    Q_OBJECT

private:
    static int value(TestRoster& roster, const QString& sql)
    {
        return roster.db().first(sql)->value(0).toInt();
    }

private slots:
    void sameSeedSameRows()
    {
        TestRoster first;
        TestRoster second;
        const auto a = RosterGenerator(42).generate(first.db(), 300);
        const auto b = RosterGenerator(42).generate(second.db(), 300);
        QCOMPARE(a.members, b.members);
        QCOMPARE(a.divisions, b.divisions);
        const QString dump = QStringLiteral("SELECT group_concat(hex(TMS_PK) || TMS_Slot1_Start || "
                                            "coalesce(TMS_Slot2_End, '-'), ',') FROM Times");
        QCOMPARE(first.db().first(dump)->value(0).toString(), second.db().first(dump)->value(0).toString());
        const auto c = RosterGenerator(43).generate(TestRoster().db(), 300);
        QVERIFY(c.members != a.members);
    }

    void holdsTheAwkwardCases()
    {
        TestRoster roster;
        const auto summary = RosterGenerator(7).generate(roster.db(), 1000);
        QCOMPARE(roster.count(QStringLiteral("Members")), 1000);
        QCOMPARE(summary.members.size(), 1000);
        QCOMPARE(roster.count(QStringLiteral("Times")), summary.timesRows);
        QVERIFY(value(roster, QStringLiteral("SELECT COUNT(*) FROM Divisions WHERE DIV_Hide = 1")) > 0);
        QVERIFY(value(roster, QStringLiteral("SELECT COUNT(*) FROM Members WHERE MBR_FL_Active = 0")) > 0);
        QVERIFY(value(roster,
                      QStringLiteral("SELECT COUNT(*) FROM Members WHERE MBR_PK NOT IN "
                                     "(SELECT SCH_FK_Member FROM Schedules)"))
                > 0);
        QVERIFY(value(roster, QStringLiteral("SELECT COUNT(*) FROM Times WHERE TMS_Slot2_Start IS NULL"))
                > 0);
        QVERIFY(value(roster, QStringLiteral("SELECT COUNT(*) FROM Times WHERE TMS_Slot2_Start IS NOT NULL"))
                > 0);
        QVERIFY(value(roster,
                      QStringLiteral("SELECT COUNT(*) FROM TimeZones WHERE TZ_GMT_Offset < 0 AND "
                                     "TZ_Daylight_Savings = 1 AND TZ_PK > 8"))
                > 0);
        QVERIFY(value(roster,
                      QStringLiteral("SELECT COUNT(*) FROM Schedules WHERE SCH_FL_MON = 0 AND "
                                     "SCH_FK_TIMES_MON IS NOT NULL"))
                > 0);
        QVERIFY(value(roster,
                      QStringLiteral("SELECT COUNT(*) - COUNT(DISTINCT MBR_Online_Player_Name) FROM "
                                     "Members"))
                > 0);
        QVERIFY(value(roster,
                      QStringLiteral("SELECT COUNT(*) FROM Members WHERE MBR_Notes LIKE '%|%' OR "
                                     "MBR_Notes LIKE '%' || char(10) || '%'"))
                > 0);
        // Every member's zone and division exist: the generator makes no broken links.
        QCOMPARE(value(roster,
                       QStringLiteral("SELECT COUNT(*) FROM Members WHERE MBR_FK_TZones NOT IN "
                                      "(SELECT TZ_PK FROM TimeZones) OR MBR_FK_Division NOT IN "
                                      "(SELECT DIV_PK FROM Divisions)")),
                 0);
    }

    void writesANewFileOnly()
    {
        TestRoster roster;
        const QString path = roster.filePath(QStringLiteral("generated.mdb"));
        RosterGenerator::writeFile(path, 20, 1);
        Database db = Database::open(path);
        QCOMPARE(db.first(QStringLiteral("SELECT COUNT(*) FROM Members"))->value(0).toInt(), 20);
        db.close();
        QVERIFY_THROWS_EXCEPTION(RosterError, RosterGenerator::writeFile(path, 20, 1));
    }
};

QTEST_GUILESS_MAIN(tst_RosterGenerator)
#include "tst_rostergenerator.moc"
