#include "RosterExport.h"
#include "members/MemberChangeStore.h"
#include "store/ScheduleColumns.h"

#include "store/RosterError.h"
#include "store/RosterSchema.h"
#include "time/DateTime.h"
#include "timezones/ZoneStore.h"

#include <QDir>
#include <QHash>
#include <QSaveFile>
#include <QSqlRecord>

namespace {

[[noreturn]] void programmingError(const CoreText& detail)
{
    throw RosterError(ErrorKind::Programming, CoreText("RosterExport", "Critical dB Programming Error!"),
                      detail);
}

class RecordWriter
{
public:
    explicit RecordWriter(QIODevice& out)
        : m_out(out)
    {
    }

    int records() const { return m_records; }

    void write(int tag, const QStringList& fields)
    {
        ++m_records;
        QString line = QString::number(tag);
        for (const QString& field : fields)
            line += QLatin1Char('|') + ExchangeFile::escape(field);
        line += QLatin1String(ExchangeFile::LineEnd);
        m_out.write(line.toUtf8());
    }

private:
    QIODevice& m_out;
    int m_records = 0;
};

QString prefixed(const QVariant& key)
{
    return QStringLiteral("0x") + KeyToHex(key.toByteArray());
}

// A flag or number as written; a null value gives an empty field.
QString number(const QVariant& value)
{
    return value.isNull() ? QString() : QString::number(value.toInt());
}

// Slot times repeat across a roster; each distinct one is converted once.
using TimeTexts = QHash<QString, QString>;

QString timeText(const QVariant& stored, const RecordKey& timesKey, TimeTexts& known)
{
    if (stored.isNull())
        return {};
    const QString text = stored.toString();
    auto found = known.constFind(text);
    if (found == known.cend()) {
        const auto value = DateTime::fromStorageText(text);
        if (!value)
            programmingError(CoreText("RosterExport", "The Times row %1 holds \"%2\", which is not a time.")
                                 .arg(KeyToHex(timesKey), text));
        found = known.insert(text, value->toGeneralText());
    }
    return *found;
}

// Members of one division with their schedule and each day's times, one row per member.
QString memberStatement()
{
    static const QString sql = [] {
        QString select
            = QStringLiteral("SELECT m.MBR_PK, m.MBR_FK_Division, m.MBR_FK_TZones, m.MBR_Online_Player_Name, "
                             "m.MBR_FL_Active, m.MBR_Real_First, m.MBR_Real_last, m.MBR_Email_Primary, "
                             "m.MBR_Email_Secondary, m.MBR_Other_Contact, m.MBR_Notes, s.SCH_FK_Member");
        QString from = QStringLiteral(" FROM Members m LEFT JOIN Schedules s ON s.SCH_FK_Member = m.MBR_PK");
        for (int day = 0; day < 6; ++day) {
            const QString t = QStringLiteral("t%1").arg(day);
            const QString suffix = ScheduleColumns::daySuffix(day);
            select += QStringLiteral(", s.SCH_FL_%1, s.SCH_FK_TIMES_%1, %2.TMS_PK, %2.TMS_Slot1_Start, "
                                     "%2.TMS_Slot1_End, %2.TMS_Slot2_Start, %2.TMS_Slot2_End")
                          .arg(suffix, t);
            from += QStringLiteral(" LEFT JOIN Times %1 ON %1.TMS_PK = s.SCH_FK_TIMES_%2").arg(t, suffix);
        }
        return select + from + QStringLiteral(" WHERE m.MBR_FK_Division = ?");
    }();
    return sql;
}

// Every change of every member, past ones too, by member.
using Changes = QHash<RecordKey, QList<MemberChange>>;

QStringList changeFields(const MemberChange& change)
{
    QStringList fields {prefixed(change.key), prefixed(change.member), change.first.toString(Qt::ISODate),
                        change.last.toString(Qt::ISODate),
                        change.away ? QStringLiteral("1") : QStringLiteral("0")};
    for (int slot = 0; slot < MemberChange::MaxSlots; ++slot) {
        const bool has = !change.away && slot < change.times.size();
        fields << (has ? MemberChange::clockText(change.times[slot].start) : QString())
               << (has ? MemberChange::clockText(change.times[slot].end) : QString());
    }
    return fields << change.note;
}

constexpr int ScheduleColumn = 11;
constexpr int FirstDayColumn = 12;
constexpr int ColumnsPerDay = 7;

void WriteDivisionRecords(const Database& db, const RecordKey& divisionKey, const QHash<int, ZoneRow>& zones,
                          const Changes& changes, TimeTexts& timeTexts, RecordWriter& out)
{
    const auto division = db.first(
        QStringLiteral("SELECT DIV_PK, DIV_Name, DIV_Notes, DIV_Hide FROM Divisions WHERE DIV_PK = ?"),
        {divisionKey});
    if (!division)
        programmingError(
            CoreText("RosterExport", "The division 0x%1 is not in the roster.").arg(KeyToHex(divisionKey)));
    out.write(1,
              {prefixed(division->value(0)), division->value(1).toString(), division->value(2).toString(),
               number(division->value(3))});

    QList<int> zonesWritten;
    Rows member = db.select(memberStatement(), {divisionKey});
    while (member.next()) {
        QStringList fields {prefixed(member.value(0)), prefixed(member.value(1)), number(member.value(2))};
        for (int column = 3; column < ScheduleColumn; ++column)
            fields << (column == 4 ? number(member.value(column)) : member.value(column).toString());
        out.write(2, fields);

        if (!member.value(ScheduleColumn).isNull()) {
            QStringList schedule {prefixed(member.value(ScheduleColumn))};
            QList<QStringList> times;
            for (int day = 0; day < 6; ++day) {
                const int c = FirstDayColumn + day * ColumnsPerDay;
                const QVariant flag = member.value(c);
                schedule << number(flag);
                if (flag.toInt() == 0) {
                    schedule << QString();
                    continue;
                }
                const RecordKey timesKey = member.value(c + 1).toByteArray();
                if (member.value(c + 2).isNull())
                    programmingError(
                        CoreText("RosterExport", "The Times row 0x%1 of player %2 is not in the roster.")
                            .arg(KeyToHex(timesKey), member.value(3).toString()));
                schedule << KeyToHex(timesKey);
                QStringList slotTexts {KeyToHex(timesKey)};
                for (int slot = 0; slot < 4; ++slot)
                    slotTexts << timeText(member.value(c + 3 + slot), timesKey, timeTexts);
                // Without a second start there is no second slot.
                if (member.value(c + 5).isNull())
                    slotTexts[3] = slotTexts[4] = QString();
                times << slotTexts;
            }
            out.write(3, schedule);
            for (const QStringList& slotTexts : std::as_const(times))
                out.write(4, slotTexts);
        }
        for (const MemberChange& change : changes.value(member.value(0).toByteArray()))
            out.write(7, changeFields(change));

        // A zone travels by its content unless it is the standard zone of its key, which every
        // roster knows by the key alone.
        const QVariant zone = member.value(2);
        if (zone.isNull() || zonesWritten.contains(zone.toInt()))
            continue;
        const auto found = zones.constFind(zone.toInt());
        if (found == zones.cend() && RosterSchema::standardZone(zone.toInt()))
            continue;
        if (found == zones.cend())
            programmingError(CoreText("RosterExport", "The time zone %1 of player %2 is not in the roster.")
                                 .arg(zone.toInt())
                                 .arg(member.value(3).toString()));
        if (ZoneStore::isStandard(*found))
            continue;
        out.write(5,
                  {QString::number(found->key), found->name, found->description, number(found->offset),
                   number(found->daylight)});
        if (!found->iana.isEmpty())
            out.write(6, {QString::number(found->key), found->iana});
        zonesWritten << zone.toInt();
    }
}

} // namespace

void ExportDivisions(const Database& db, const QList<RecordKey>& divisions, const QString& path,
                     const ExchangeProgress& progress)
{
    QHash<int, ZoneRow> zones;
    for (const ZoneRow& zone : ZoneStore(db).rows())
        zones.insert(zone.key, zone);

    // QSaveFile writes beside the target and renames only on commit(); dropped unfinished,
    // it removes its temporary file, so every way out leaves the target as it was.
    QSaveFile file(path);
    const auto writeFailed = [&] {
        return RosterError(ErrorKind::ExportFailed,
                           CoreText("RosterExport", "The Export File could not be written."),
                           QDir::toNativeSeparators(path) + QStringLiteral(": ") + file.errorString());
    };
    if (!file.open(QIODevice::WriteOnly))
        throw writeFailed();
    RecordWriter out(file);
    TimeTexts timeTexts;
    const Changes changes = MemberChangeStore(db).all();
    file.write(QByteArray(ExchangeFile::Header) + ExchangeFile::LineEnd);
    for (qsizetype i = 0; i < divisions.size(); ++i) {
        WriteDivisionRecords(db, divisions[i], zones, changes, timeTexts, out);
        if (progress)
            progress(int((i + 1) * 100 / divisions.size()));
    }
    // Lets a reader tell a whole file from one cut off while copying.
    file.write(ExchangeFile::EndPrefix + QByteArray::number(out.records()) + ExchangeFile::LineEnd);
    if (!file.commit())
        throw writeFailed();
}
