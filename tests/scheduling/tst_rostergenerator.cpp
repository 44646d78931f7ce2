#include "RosterGenerator.h"
#include "TestRoster.h"
#include "store/RosterError.h"

#include <QtTest>

// The generated roster must repeat with its seed and hold the awkward cases it promises, since benchmarks and
// the scheduling tests lean on both.
class tst_RosterGenerator : public QObject
{
    Q_OBJECT

private slots:
    void sameSeedSameRows()
    {
        TestRoster first;
        TestRoster second;
        const auto a = RosterGenerator(42).generate(first.db(), 300);
        QCOMPARE(a.members, RosterGenerator(42).generate(second.db(), 300).members);
        const QString dump = QStringLiteral("SELECT group_concat(hex(TMS_PK) || TMS_Slot1_Start || "
                                            "coalesce(TMS_Slot2_End, '-'), ',') FROM Times");
        QCOMPARE(first.db().first(dump)->value(0).toString(), second.db().first(dump)->value(0).toString());
        QVERIFY(RosterGenerator(43).generate(TestRoster().db(), 300).members != a.members);
    }

    void holdsTheAwkwardCases()
    {
        TestRoster roster;
        const auto summary = RosterGenerator(7).generate(roster.db(), 1000);
        QCOMPARE(roster.count(QStringLiteral("Members")), 1000);
        QCOMPARE(roster.count(QStringLiteral("Times")), summary.timesRows);
        const auto count = [&](const char* rows) {
            return roster.db()
                .first(QStringLiteral("SELECT COUNT(*) FROM ") + QLatin1String(rows))
                ->value(0)
                .toInt();
        };
        for (const char* rows :
             {"Divisions WHERE DIV_Hide = 1", "Members WHERE MBR_FL_Active = 0",
              "Members WHERE MBR_PK NOT IN (SELECT SCH_FK_Member FROM Schedules)",
              "Times WHERE TMS_Slot2_Start IS NULL", "Times WHERE TMS_Slot2_Start IS NOT NULL",
              "TimeZones WHERE TZ_GMT_Offset < 0 AND TZ_Daylight_Savings = 1 AND "
              "TZ_PK > 8",
              "Schedules WHERE SCH_FL_MON = 0 AND SCH_FK_TIMES_MON IS NOT NULL",
              "Members m WHERE EXISTS (SELECT 1 FROM Members o WHERE o.MBR_PK <> "
              "m.MBR_PK AND "
              "o.MBR_Online_Player_Name = m.MBR_Online_Player_Name)",
              "Members WHERE MBR_Notes LIKE '%|%' OR MBR_Notes LIKE '%' || "
              "char(10) || '%'"})
            QVERIFY2(count(rows) > 0, rows);
        // Every member's zone and division exist: the generator makes no broken links.
        QCOMPARE(count("Members WHERE MBR_FK_TZones NOT IN (SELECT TZ_PK FROM "
                       "TimeZones) OR "
                       "MBR_FK_Division NOT IN (SELECT DIV_PK FROM Divisions)"),
                 0);
    }

    void writesANewFileOnly()
    {
        TestRoster roster;
        const QString path = roster.filePath(QStringLiteral("generated.mdb"));
        RosterGenerator::writeFile(path, 20, 1);
        QCOMPARE(Database::open(path).first(QStringLiteral("SELECT COUNT(*) FROM Members"))->value(0).toInt(),
                 20);
        QVERIFY_THROWS_EXCEPTION(RosterError, RosterGenerator::writeFile(path, 20, 1));
    }
};

QTEST_GUILESS_MAIN(tst_RosterGenerator)
#include "tst_rostergenerator.moc"
