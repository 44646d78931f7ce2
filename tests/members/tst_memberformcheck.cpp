#include "members/MemberFormCheck.h"

#include <QTest>

// A day as "1|start|end|start2|end2" (checked) or "0|..." (unchecked); missing days are unchecked.
class tst_MemberFormCheck : public QObject
{
    Q_OBJECT

private slots:
    void check_data();
    void check();
};

namespace {

QString on(const QString& start, const QString& end, const QString& start2 = {}, const QString& end2 = {})
{
    return QStringList {QStringLiteral("1"), start, end, start2, end2}.join(QLatin1Char('|'));
}

QString off(const QString& start = {}, const QString& end = {})
{
    return QStringList {QStringLiteral("0"), start, end, QString(), QString()}.join(QLatin1Char('|'));
}

MemberForm form(const QString& name, const QString& division, const QString& zone, const QStringList& days)
{
    MemberForm form;
    form.playerName = name;
    form.divisionText = division;
    form.zoneText = zone;
    for (int day = 0; day < days.size(); ++day) {
        const QStringList parts = days[day].split(QLatin1Char('|'));
        form.days[day].checked = parts[0] == QLatin1String("1");
        for (int slot = 0; slot < 4; ++slot)
            form.days[day].texts[slot] = parts[slot + 1];
    }
    return form;
}

const QString SaveError = QStringLiteral("Save/Update Error");
const QString FormatError = QStringLiteral("Data Format Error");
const QString TooEarly = QStringLiteral("Ending time must be greater than starting time!");
const QString FirstSlot = QStringLiteral("You must have the first Time Slots filled if this day is checked!");
const QString SecondSlot
    = QStringLiteral("You must fill in both times of the second Time Slot, or leave both empty!");

} // namespace

void tst_MemberFormCheck::check_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("division");
    QTest::addColumn<QString>("zone");
    QTest::addColumn<QStringList>("days");
    QTest::addColumn<QString>("title"); // empty: the form passes
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("day");
    QTest::addColumn<int>("slot");

    const int name = int(FormField::Kind::PlayerName);
    const int division = int(FormField::Kind::Division);
    const int zone = int(FormField::Kind::TimeZone);
    const int slot = int(FormField::Kind::Slot);
    const QStringList none;

    QTest::newRow("complete form") << "Bob"
                                   << "Alpha"
                                   << "EST" << QStringList {on("7:00 PM", "11:00 PM", "7:00 AM", "9:00 AM")}
                                   << QString() << QString() << 0 << -1 << -1;
    QTest::newRow("blank player name")
        << "   "
        << "Alpha"
        << "EST" << none << SaveError << "You must enter in a Player Name!" << name << -1 << -1;
    QTest::newRow("name before division")
        << ""
        << ""
        << "" << none << SaveError << "You must enter in a Player Name!" << name << -1 << -1;
    QTest::newRow("empty division") << "Bob"
                                    << ""
                                    << "" << none << SaveError << "You must place member in a Division!"
                                    << division << -1 << -1;
    QTest::newRow("blank division passes") << "Bob"
                                           << " "
                                           << "EST" << none << QString() << QString() << 0 << -1 << -1;
    QTest::newRow("empty zone") << "Bob"
                                << "Alpha"
                                << "" << none << SaveError
                                << "For proper scheduling, you must put in the member's Time Zone!" << zone
                                << -1 << -1;
    QTest::newRow("first slot end missing")
        << "Bob"
        << "Alpha"
        << "EST" << QStringList {off(), on("7:00 PM", "")} << SaveError << FirstSlot << slot << 1 << 0;
    QTest::newRow("first slot start missing")
        << "Bob"
        << "Alpha"
        << "EST" << QStringList {off(), off(), on("", "7:00 PM")} << SaveError << FirstSlot << slot << 2 << 0;
    QTest::newRow("step 4 over all days before step 5")
        << "Bob"
        << "Alpha"
        << "EST" << QStringList {on("10:00 PM", "01:00 AM"), off(), on("7:00 PM", "")} << SaveError
        << FirstSlot << slot << 2 << 0;
    QTest::newRow("slot past midnight")
        << "Bob"
        << "Alpha"
        << "EST" << QStringList {on("10:00 PM", "01:00 AM")} << SaveError << TooEarly << slot << 0 << 1;
    QTest::newRow("equal start and end") << "Bob"
                                         << "Alpha"
                                         << "EST" << QStringList {off(), off(), off(), on("19:00", "7:00 PM")}
                                         << SaveError << TooEarly << slot << 3 << 1;
    QTest::newRow("second slot backwards")
        << "Bob"
        << "Alpha"
        << "EST"
        << QStringList {off(), off(), off(), off(), off(), on("7:00 AM", "9:00 AM", "11:00 PM", "6:00 PM")}
        << SaveError << TooEarly << slot << 5 << 3;
    QTest::newRow("one day whole before the next")
        << "Bob"
        << "Alpha"
        << "EST" << QStringList {on("7:00 AM", "9:00 AM", "11:00 PM", "6:00 PM"), on("9:00 PM", "8:00 PM")}
        << SaveError << TooEarly << slot << 0 << 3;
    QTest::newRow("second slot start only") << "Bob"
                                            << "Alpha"
                                            << "EST" << QStringList {on("7:00 AM", "9:00 AM", "6:00 PM", "")}
                                            << SaveError << SecondSlot << slot << 0 << 3;
    QTest::newRow("second slot end only")
        << "Bob"
        << "Alpha"
        << "EST" << QStringList {off(), on("7:00 AM", "9:00 AM", "", "6:00 PM")} << SaveError << SecondSlot
        << slot << 1 << 2;
    QTest::newRow("unchecked day is not looked at")
        << "Bob"
        << "Alpha"
        << "EST" << QStringList {off("11:00 PM", "garbage"), on("7:00 AM", "9:00 AM")} << QString()
        << QString() << 0 << -1 << -1;
    QTest::newRow("unreadable slot text")
        << "Bob"
        << "Alpha"
        << "EST" << QStringList {on("7:00 AM", "9:00 AM"), on("7:75", "9:00 PM")} << FormatError
        << "This field must be in a valid time format!  HH:MM AM/PM" << slot << 1 << 0;
    QTest::newRow("unreadable text found before times are compared")
        << "Bob"
        << "Alpha"
        << "EST" << QStringList {on("9:00 PM", "8:00 PM"), on("7:00 AM", "9:00 AM", "24:00", "")}
        << FormatError << "This field must be in a valid time format!  HH:MM AM/PM" << slot << 1 << 2;
    QTest::newRow("date in a slot is read as its time of day")
        << "Bob"
        << "Alpha"
        << "EST" << QStringList {on("12/25/1999", "1:00 AM")} << QString() << QString() << 0 << -1 << -1;
}

void tst_MemberFormCheck::check()
{
    QFETCH(QString, name);
    QFETCH(QString, division);
    QFETCH(QString, zone);
    QFETCH(QStringList, days);
    QFETCH(QString, title);
    QFETCH(QString, text);
    QFETCH(int, kind);
    QFETCH(int, day);
    QFETCH(int, slot);

    const auto problem = CheckMemberForm(form(name, division, zone, days));
    if (title.isEmpty()) {
        QVERIFY2(!problem, problem ? qPrintable(problem->text()) : "");
        return;
    }
    QVERIFY(problem);
    QCOMPARE(problem->title(), title);
    QCOMPARE(problem->text(), text);
    QCOMPARE(problem->icon(), title == SaveError ? FormError::Icon::Critical : FormError::Icon::Information);
    QCOMPARE(int(problem->field().kind), kind);
    QCOMPARE(problem->field().day, day);
    QCOMPARE(problem->field().slot, slot);
}

QTEST_GUILESS_MAIN(tst_MemberFormCheck)
#include "tst_memberformcheck.moc"
