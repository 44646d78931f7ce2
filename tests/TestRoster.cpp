#include "TestRoster.h"
#include "store/ScheduleColumns.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QProcess>
#include <QSqlError>
#include <QSqlQuery>
#include <QTest>
#include <cstdio>
#include <cstdlib>

namespace {

const QString ServerUser = QStringLiteral("tallyhold");

QString serverSocket()
{
    return qEnvironmentVariable("TALLYHOLD_TEST_PGHOST");
}

// The server run of a test without a server is skipped (CTest's SKIP_RETURN_CODE), not failed.
const bool serverChecked = [] {
    if (TestRoster::onServer() && serverSocket().isEmpty()) {
        std::fputs("No test server: TALLYHOLD_TEST_PGHOST is not set (scripts/test.sh starts one).\n",
                   stderr);
        std::exit(77);
    }
    return true;
}();

// Runs a statement on the server's maintenance database, outside any roster.
void administer(const QString& statement)
{
    const QString name = QStringLiteral("tallyhold-test-admin");
    {
        QSqlDatabase admin = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), name);
        admin.setHostName(serverSocket());
        admin.setUserName(ServerUser);
        admin.setDatabaseName(QStringLiteral("postgres"));
        QSqlQuery query(admin);
        if (!admin.open() || !query.exec(statement))
            qFatal("Test server: %s: %s%s", qPrintable(statement), qPrintable(admin.lastError().text()),
                   qPrintable(query.lastError().text()));
    }
    QSqlDatabase::removeDatabase(name);
}

} // namespace

bool TestRoster::onServer()
{
    return qEnvironmentVariable("TALLYHOLD_TEST_STORE") == QLatin1String("server");
}

QString TestRoster::newServerDatabase()
{
    static int counter = 0;
    const QString name
        = QStringLiteral("roster_%1_%2").arg(QCoreApplication::applicationPid()).arg(++counter);
    administer(QStringLiteral("CREATE DATABASE ") + name);
    m_serverDatabases << name;
    return QStringLiteral("postgresql://%1@/%2?host=%3").arg(ServerUser, name, serverSocket());
}

TestRoster::TestRoster(const Preferences& preferences)
    : m_previousDir(QDir::currentPath())
{
    QDir::setCurrent(m_dir.path());
    m_db = Database::open(onServer() ? newServerDatabase()
                                     : m_dir.filePath(QString::fromLatin1(Database::FileName)));
    m_session = std::make_unique<Roster>(m_db, preferences);
}

TestRoster::~TestRoster()
{
    m_session.reset();
    m_db.close();
    QDir::setCurrent(m_previousDir);
    for (const QString& name : std::as_const(m_serverDatabases))
        administer(QStringLiteral("DROP DATABASE %1 WITH (FORCE)").arg(name));
}

RecordKey TestRoster::addDivision(const QString& name, int hide, const QVariant& notes)
{
    const RecordKey key = NewRecordKey();
    m_db.insert("Divisions", {{"DIV_PK", key}, {"DIV_Name", name}, {"DIV_Notes", notes}, {"DIV_Hide", hide}});
    return key;
}

RecordKey TestRoster::addMember(const RecordKey& division, const QVariant& zone, const QString& playerName,
                                int active)
{
    const RecordKey key = NewRecordKey();
    m_db.exec("INSERT INTO Members (MBR_PK, MBR_FK_Division, MBR_FK_TZones, MBR_Online_Player_Name, "
              "MBR_FL_Active) VALUES (?, ?, ?, ?, ?)",
              {key, division, zone, playerName, active});
    return key;
}

int TestRoster::addZone(const QString& name, const QString& description, int offset, int daylight)
{
    const int key = m_db.first("SELECT COALESCE(MAX(TZ_PK), 0) + 1 FROM TimeZones")->value(0).toInt();
    m_db.exec("INSERT INTO TimeZones (TZ_PK, TZ_Name, TZ_Description, TZ_GMT_Offset, TZ_Daylight_Savings) "
              "VALUES (?, ?, ?, ?, ?)",
              {key, name, description, offset, daylight});
    return key;
}

RecordKey TestRoster::addTimes(const DateTime& start, const DateTime& end, std::optional<DateTime> start2,
                               std::optional<DateTime> end2)
{
    const RecordKey key = NewRecordKey();
    const auto text = [](const std::optional<DateTime>& value) {
        return value ? QVariant(value->toStorageText()) : QVariant();
    };
    m_db.exec("INSERT INTO Times VALUES (?, ?, ?, ?, ?)",
              {key, start.toStorageText(), end.toStorageText(), text(start2), text(end2)});
    return key;
}

void TestRoster::addSchedule(const RecordKey& member, const std::array<std::optional<RecordKey>, 6>& days)
{
    Database::Columns columns {{QStringLiteral("SCH_FK_Member"), member}};
    for (int day = 0; day < 6; ++day) {
        columns.append({ScheduleColumns::flag(day), days[day] ? 1 : 0});
        columns.append({ScheduleColumns::timesKey(day), days[day] ? QVariant(*days[day]) : QVariant()});
    }
    m_db.insert(QStringLiteral("Schedules"), columns);
}

int TestRoster::count(const QString& table) const
{
    return m_db.first(QStringLiteral("SELECT COUNT(*) FROM ") + table)->value(0).toInt();
}

void TestRoster::failWrites(const QString& trigger)
{
    QSqlQuery query(m_db.connection());
    if (!m_db.isServer()) {
        QVERIFY(
            query.exec(QStringLiteral("CREATE TRIGGER failing %1 BEGIN SELECT RAISE(ABORT, 'disk full'); END")
                           .arg(trigger)));
        return;
    }
    const QString condition = trigger.section(QStringLiteral(" WHEN "), 1);
    QVERIFY(query.exec(
        QStringLiteral("CREATE FUNCTION failing() RETURNS trigger LANGUAGE plpgsql AS $$BEGIN IF %1 "
                       "THEN RAISE EXCEPTION 'disk full'; END IF; RETURN NEW; END$$")
            .arg(condition.isEmpty() ? QStringLiteral("true") : condition)));
    QVERIFY(query.exec(QStringLiteral("CREATE TRIGGER failing %1 FOR EACH ROW EXECUTE FUNCTION failing()")
                           .arg(trigger.section(QStringLiteral(" WHEN "), 0, 0))));
}

void TestRoster::addMembersAndDamageOne(const RecordKey& division, int members)
{
    addPagesOfMembers(division, members);
    const QString path = m_db.path();
    m_db.close();
    damagePage(path);
    m_db = Database::open(path);
    m_session = std::make_unique<Roster>(m_db, m_session->preferences());
}

void TestRoster::addPagesOfMembers(const RecordKey& division, int members)
{
    for (int i = 0; i < members; ++i) {
        const RecordKey key = addMember(division, 1, QStringLiteral("Player %1").arg(i));
        m_db.update(QStringLiteral("Members"), QStringLiteral("MBR_PK"), key,
                    {{QStringLiteral("MBR_Notes"), QString(3000, QLatin1Char('n'))}});
    }
}

void TestRoster::damagePage(const QString& path)
{
    QFile file(path);
    file.open(QIODevice::ReadWrite);
    const qint64 pageSize = 4096;
    // The other tables are small: a table leaf page past the middle holds members.
    for (qint64 page = file.size() / pageSize / 2; page * pageSize < file.size(); ++page) {
        file.seek(page * pageSize);
        if (file.read(1) == QByteArray(1, 0x0D)) {
            file.seek(page * pageSize);
            file.write(QByteArray(pageSize, char(0xFF)));
            break;
        }
    }
}

QStringList TestRoster::rows(const Database& db)
{
    QStringList rows;
    for (const char* table : {"Divisions", "Members", "TimeZones", "Schedules", "Times", "Invitations",
                              "MemberChanges", "Matches", "MatchPlayers"}) {
        QStringList tableRows;
        QList<QSqlRecord> all;
        try {
            all = db.all(QStringLiteral("SELECT * FROM ") + QLatin1String(table));
        } catch (const DatabaseError&) {
            continue; // a table a roster of an older version does not have yet
        }
        for (const QSqlRecord& row : std::as_const(all)) {
            QStringList values;
            for (int column = 0; column < row.count(); ++column) {
                const QVariant value = row.value(column);
                values << (value.typeId() == QMetaType::QByteArray ? KeyToHex(value.toByteArray())
                                                                   : value.toString());
            }
            tableRows << values.join(QLatin1Char('/'));
        }
        tableRows.sort();
        rows << tableRows;
    }
    return rows;
}

MemberForm TestRoster::form(const QString& name, const QStringList& days, const QString& division,
                            const QString& zone)
{
    MemberForm form;
    form.playerName = name;
    form.divisionText = division;
    form.zoneText = zone;
    form.active = true;
    for (int day = 0; day < days.size(); ++day) {
        const QStringList times = QString(days[day]).replace(QLatin1Char(','), QLatin1Char('-')).split('-');
        form.days[day].checked = !days[day].isEmpty();
        for (int slot = 0; slot < times.size(); ++slot)
            form.days[day].texts[slot] = times[slot];
    }
    return form;
}

QString refusal(const std::function<void()>& command)
{
    std::optional<RosterError> error;
    try {
        command();
        return {};
    } catch (const RosterError& thrown) {
        error = thrown;
    }
    static const char* const Kinds[]
        = {"Database",       "DataLost",         "NotOpened",       "RosterInUse",   "RosterOpenElsewhere",
           "RosterDamaged",  "RosterEmpty",      "ReadOnly",        "Programming",   "RecordKey",
           "ZoneOffset",     "Selection",        "SaveRefused",     "RowVanished",   "DataFormat",
           "TimeFormat",     "DivisionNotFound", "ZoneNotFound",    "ScheduleInput", "DeletionRefused",
           "ImportAborted",  "ExportFailed",     "ValueOutOfRange", "FileNotSaved",  "RowChanged",
           "ConnectionLost", "PasswordNeeded"};
    static const char* const Fields[]
        = {"PlayerName",  "Division",   "TimeZone",   "Slot",       "DivisionName", "ZoneName",
           "ZoneOffset",  "MatchDate",  "MatchTime",  "MaxResults", "UserTimeZone", "ZoneIana",
           "ChangeFirst", "ChangeLast", "ChangeSlot", "ChangeNote"};
    QString text = QLatin1String(Kinds[int(error->kind())]);
    if (const std::optional<FormField>& field = error->field()) {
        text += QLatin1Char(' ') + QLatin1String(Fields[int(field->kind)]);
        if (field->kind == FormField::Kind::Slot)
            text += QStringLiteral(" %1.%2").arg(field->day).arg(field->slot);
        else if (field->kind == FormField::Kind::ChangeSlot)
            text += QStringLiteral(" %1").arg(field->slot);
    }
    text += QStringLiteral(": ") + error->text();
    return error->detail().isEmpty() ? text : text + QLatin1Char('\n') + error->detail();
}

bool buildCatalogue(const QString& dir, const QString& language, const QList<QStringList>& rows)
{
    const QString lrelease = QLibraryInfo::path(QLibraryInfo::BinariesPath) + QStringLiteral("/lrelease");
    if (!QFileInfo(lrelease).isExecutable())
        return false;
    QString ts = QStringLiteral("<?xml version=\"1.0\" encoding=\"utf-8\"?>\n<!DOCTYPE TS>\n"
                                "<TS version=\"2.1\" language=\"%1\">\n")
                     .arg(language);
    for (const QStringList& row : rows)
        ts += QStringLiteral("<context><name>%1</name><message><source>%2</source>"
                             "<translation>%3</translation></message></context>\n")
                  .arg(row[0].toHtmlEscaped(), row[1].toHtmlEscaped(), row[2].toHtmlEscaped());
    const QString base = dir + QStringLiteral("/tallyhold_") + language;
    QFile file(base + QStringLiteral(".ts"));
    if (!file.open(QIODevice::WriteOnly))
        return false;
    file.write((ts + QStringLiteral("</TS>\n")).toUtf8());
    file.close();
    QProcess process;
    process.start(
        lrelease,
        {QStringLiteral("-silent"), file.fileName(), QStringLiteral("-qm"), base + QStringLiteral(".qm")});
    return process.waitForFinished(60000) && process.exitCode() == 0
        && QFile::exists(base + QStringLiteral(".qm"));
}
