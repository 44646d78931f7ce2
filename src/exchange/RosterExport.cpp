#include "RosterExport.h"
#include "members/MemberChangeStore.h"
#include "store/ScheduleColumns.h"

#include "store/KeyIndex.h"
#include "store/RosterError.h"
#include "store/RosterSchema.h"
#include "store/Scan.h"
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

// Records are built as UTF-8 bytes in blocks: the escaped characters are ASCII, so escaping
// the bytes gives what escaping the text would.
class RecordWriter
{
public:
    explicit RecordWriter(QIODevice& out)
        : m_out(out)
    {
        m_buffer.reserve(BlockSize + 4096);
    }

    int records() const { return m_records; }

    void begin(int tag)
    {
        ++m_records;
        m_buffer += char('0' + tag);
    }
    void field(QByteArrayView bytes)
    {
        m_buffer += '|';
        qsizetype from = 0;
        for (qsizetype i = 0; i < bytes.size(); ++i) {
            const char* escaped = nullptr;
            switch (bytes[i]) {
            case '\\':
                escaped = "\\\\";
                break;
            case '|':
                escaped = "\\p";
                break;
            case '\r':
                escaped = "\\r";
                break;
            case '\n':
                escaped = "\\n";
                break;
            default:
                continue;
            }
            m_buffer.append(bytes.sliced(from, i - from)).append(escaped);
            from = i + 1;
        }
        m_buffer.append(bytes.sliced(from));
    }
    void field(const QString& text) { field(QByteArrayView(text.toUtf8())); }
    // A key's upper-case digits.
    void key(QByteArrayView key, bool prefixed = true)
    {
        m_buffer += prefixed ? "|0x" : "|";
        static constexpr char digits[] = "0123456789ABCDEF";
        const qsizetype at = m_buffer.size();
        m_buffer.resize(at + key.size() * 2);
        char* out = m_buffer.data() + at;
        for (const char byte : key) {
            *out++ = digits[(uchar(byte) >> 4) & 0xF];
            *out++ = digits[uchar(byte) & 0xF];
        }
    }
    // A flag or number; a null value gives an empty field.
    void number(const Scan& row, int column)
    {
        m_buffer += '|';
        if (!row.isNull(column))
            m_buffer += QByteArray::number(int(row.integer(column)));
    }
    void end()
    {
        m_buffer += ExchangeFile::LineEnd;
        if (m_buffer.size() >= BlockSize)
            flush();
    }
    void write(int tag, const QStringList& fields)
    {
        begin(tag);
        for (const QString& text : fields)
            field(text);
        end();
    }
    // Lines that are no records: the header and the end line.
    void writeLine(QByteArrayView line) { m_buffer.append(line).append(ExchangeFile::LineEnd); }
    void flush()
    {
        m_out.write(m_buffer);
        m_buffer.resize(0);
    }

private:
    static constexpr qsizetype BlockSize = 1 << 16;
    QIODevice& m_out;
    QByteArray m_buffer;
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

// Every Times row, read in one scan. Slot times repeat across a roster: each distinct stored
// text is kept once and converted once, when a schedule first needs it.
class TimesTable
{
public:
    explicit TimesTable(const Database& db)
    {
        if (const auto count = db.first(QStringLiteral("SELECT count(*) FROM Times"))) {
            m_index = KeyIndex(count->value(0).toLongLong());
            m_rows.reserve(count->value(0).toLongLong());
        }
        Scan rows(db,
                  QStringLiteral("SELECT TMS_PK, TMS_Slot1_Start, TMS_Slot1_End, TMS_Slot2_Start, "
                                 "TMS_Slot2_End FROM Times"));
        QHash<QByteArray, int> distinct;
        while (rows.next()) {
            // Decoded while the key's place is fetched.
            m_index.prefetch(rows.bytes(0));
            Slots row {-1, -1, -1, -1};
            for (int slot = 0; slot < 4; ++slot) {
                if (rows.isNull(slot + 1))
                    continue;
                const QByteArrayView text = rows.bytes(slot + 1);
                // Looked up without a copy; only a text not seen before is kept.
                auto found = distinct.constFind(QByteArray::fromRawData(text.data(), text.size()));
                if (found == distinct.cend()) {
                    found = distinct.insert(text.toByteArray(), int(m_stored.size()));
                    m_stored.append(QString::fromUtf8(text));
                }
                row[slot] = *found;
            }
            m_index.exchange(rows.bytes(0), qsizetype(m_rows.size()));
            m_rows.push_back(row);
        }
        m_texts.resize(m_stored.size());
    }

    // Slot indexes into the distinct texts, -1 for a null time.
    using Slots = std::array<int, 4>;
    const Slots* find(QByteArrayView key) const
    {
        const qsizetype at = m_index.value(key);
        return at == KeyIndex::None ? nullptr : &m_rows[at];
    }
    void prefetch(QByteArrayView key) const { m_index.prefetch(key); }

    const QByteArray& text(int index, QByteArrayView timesKey)
    {
        std::optional<QByteArray>& converted = m_texts[index];
        if (!converted) {
            const auto value = DateTime::fromStorageText(m_stored[index]);
            if (!value)
                programmingError(
                    CoreText("RosterExport", "The Times row %1 holds \"%2\", which is not a time.")
                        .arg(KeyToHex(timesKey.toByteArray()), m_stored[index]));
            converted = value->toGeneralText().toUtf8();
        }
        return *converted;
    }

private:
    KeyIndex m_index;
    std::vector<Slots> m_rows;
    QStringList m_stored;
    QList<std::optional<QByteArray>> m_texts;
};

// Members of one division with their schedule, one row per member.
QString memberStatement()
{
    static const QString sql = [] {
        QString select
            = QStringLiteral("SELECT m.MBR_PK, m.MBR_FK_Division, m.MBR_FK_TZones, m.MBR_Online_Player_Name, "
                             "m.MBR_FL_Active, m.MBR_Real_First, m.MBR_Real_last, m.MBR_Email_Primary, "
                             "m.MBR_Email_Secondary, m.MBR_Other_Contact, m.MBR_Notes, s.SCH_FK_Member");
        for (int day = 0; day < 6; ++day)
            select += QStringLiteral(", s.%1, s.%2")
                          .arg(ScheduleColumns::flag(day), ScheduleColumns::timesKey(day));
        return select
            + QStringLiteral(" FROM Members m LEFT JOIN Schedules s ON s.SCH_FK_Member = m.MBR_PK"
                             " WHERE m.MBR_FK_Division = ?");
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

// Returns the number of members written.
int WriteDivisionRecords(const Database& db, const RecordKey& divisionKey, const QHash<int, ZoneRow>& zones,
                         const Changes& changes, TimesTable& times, RecordWriter& out)
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
    std::array<std::pair<QByteArrayView, const TimesTable::Slots*>, 6> days;
    int members = 0;
    Scan member(db, memberStatement(), {divisionKey});
    while (member.next()) {
        ++members;
        // The Times rows' places are fetched while the member's line is built.
        if (!member.isNull(ScheduleColumn)) {
            for (int day = 0; day < 6; ++day) {
                if (member.integer(FirstDayColumn + day * 2) != 0)
                    times.prefetch(member.bytes(FirstDayColumn + day * 2 + 1));
            }
        }
        out.begin(2);
        out.key(member.bytes(0));
        out.key(member.bytes(1));
        out.number(member, 2);
        for (int column = 3; column < ScheduleColumn; ++column) {
            if (column == 4)
                out.number(member, column);
            else
                out.field(member.bytes(column));
        }
        out.end();

        if (!member.isNull(ScheduleColumn)) {
            out.begin(3);
            out.key(member.bytes(ScheduleColumn));
            int playing = 0;
            for (int day = 0; day < 6; ++day) {
                const int c = FirstDayColumn + day * 2;
                out.number(member, c);
                if (member.integer(c) == 0) {
                    out.field(QByteArrayView());
                    continue;
                }
                const QByteArrayView timesKey = member.bytes(c + 1);
                const TimesTable::Slots* timesRow = times.find(timesKey);
                if (!timesRow)
                    programmingError(
                        CoreText("RosterExport", "The Times row 0x%1 of player %2 is not in the roster.")
                            .arg(KeyToHex(timesKey.toByteArray()), member.text(3)));
                out.key(timesKey, false);
                days[playing++] = {timesKey, timesRow};
            }
            out.end();
            for (int i = 0; i < playing; ++i) {
                const auto& [timesKey, timesRow] = days[i];
                out.begin(4);
                out.key(timesKey, false);
                // Without a second start there is no second slot.
                const bool second = (*timesRow)[2] >= 0;
                for (int slot = 0; slot < 4; ++slot) {
                    const int index = (*timesRow)[slot];
                    out.field(index >= 0 && (slot < 2 || second) ? QByteArrayView(times.text(index, timesKey))
                                                                 : QByteArrayView());
                }
                out.end();
            }
        }
        if (!changes.isEmpty()) {
            const QByteArrayView memberKey = member.bytes(0);
            const auto memberChanges
                = changes.constFind(QByteArray::fromRawData(memberKey.data(), memberKey.size()));
            if (memberChanges != changes.cend()) {
                for (const MemberChange& change : *memberChanges)
                    out.write(7, changeFields(change));
            }
        }

        // A zone travels by its content unless it is the standard zone of its key, which every
        // roster knows by the key alone.
        if (member.isNull(2))
            continue;
        const int zone = int(member.integer(2));
        if (zonesWritten.contains(zone))
            continue;
        const auto found = zones.constFind(zone);
        if (found == zones.cend() && RosterSchema::standardZone(zone))
            continue;
        if (found == zones.cend())
            programmingError(CoreText("RosterExport", "The time zone %1 of player %2 is not in the roster.")
                                 .arg(zone)
                                 .arg(member.text(3)));
        if (ZoneStore::isStandard(*found))
            continue;
        out.write(5,
                  {QString::number(found->key), found->name, found->description, number(found->offset),
                   number(found->daylight)});
        if (!found->iana.isEmpty())
            out.write(6, {QString::number(found->key), found->iana});
        zonesWritten << zone;
    }
    return members;
}

} // namespace

int ExportDivisions(const Database& db, const QList<RecordKey>& divisions, const QString& path,
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
    TimesTable times(db);
    const Changes changes = MemberChangeStore(db).all();
    out.writeLine(ExchangeFile::Header);
    int members = 0;
    for (qsizetype i = 0; i < divisions.size(); ++i) {
        const int written = WriteDivisionRecords(db, divisions[i], zones, changes, times, out);
        // A division named twice is written twice but its members are counted once.
        if (divisions.indexOf(divisions[i]) == i)
            members += written;
        if (progress)
            progress(int((i + 1) * 100 / divisions.size()));
    }
    // Lets a reader tell a whole file from one cut off while copying.
    out.writeLine(ExchangeFile::EndPrefix + QByteArray::number(out.records()));
    out.flush();
    if (!file.commit())
        throw writeFailed();
    return members;
}
