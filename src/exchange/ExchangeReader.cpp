#include "ExchangeReader.h"
#include "i18n/CoreText.h"

#include "ExchangeFile.h"
#include "ImportFormatError.h"
#include "PackedKey.h"
#include "time/DateTime.h"

#include <QFile>
#include <QHash>
#include <QStringDecoder>
#include <algorithm>

namespace {

// A key read from a file always has its 16 bytes.
PackedKey packed(const RecordKey& key)
{
    return *PackedKey::from(key);
}

const char* const DayNames[6] = {"Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday/Sunday"};

// One record's fields, numbered from 1 as in the file, with readers that name the field
// and the line when a value is not what the record needs.
class Fields
{
public:
    // Slot times repeat across a roster; each distinct text is parsed once.
    using TimeCache = QHash<QString, QString>;

    Fields(int line, QStringList fields, TimeCache& times)
        : m_line(line)
        , m_fields(std::move(fields))
        , m_times(times)
    {
    }

    [[noreturn]] void fault(const CoreText& problem) const { throw ImportFormatError(m_line, problem); }

    int line() const { return m_line; }
    const QString& text(int n) const { return m_fields[n - 1]; }

    RecordKey key(int n, const char* what) const
    {
        const auto key = optionalKey(n, what);
        if (!key)
            fault(CoreText("ExchangeReader", "field %1 (%2) is empty.").arg(n).arg(QLatin1String(what)));
        return *key;
    }

    // Either notation: "0x" and 32 digits, or the 32 digits alone.
    std::optional<RecordKey> optionalKey(int n, const char* what) const
    {
        QStringView digits = text(n);
        if (digits.isEmpty())
            return std::nullopt;
        if (digits.startsWith(u"0x", Qt::CaseInsensitive))
            digits = digits.sliced(2);
        // Decoded in place: a file holds hundreds of thousands of keys.
        const auto value = [](QChar c) {
            const char16_t u = c.unicode();
            return u >= '0' && u <= '9' ? u - '0'
                : u >= 'a' && u <= 'f'  ? u - 'a' + 10
                : u >= 'A' && u <= 'F'  ? u - 'A' + 10
                                        : -1;
        };
        RecordKey key(16, Qt::Uninitialized);
        bool ok = digits.size() == 32;
        for (qsizetype i = 0; ok && i < 16; ++i) {
            const int high = value(digits[2 * i]);
            const int low = value(digits[2 * i + 1]);
            ok = high >= 0 && low >= 0;
            key[i] = char(high << 4 | low);
        }
        if (!ok)
            fault(CoreText("ExchangeReader",
                           "field %1 (%2) is not a record key of 32 hexadecimal digits: \"%3\".")
                      .arg(n)
                      .arg(QLatin1String(what), text(n)));
        return key;
    }

    int number(int n, const char* what, int min, int max) const
    {
        const auto value = optionalNumber(n, what, min, max);
        if (!value)
            fault(CoreText("ExchangeReader", "field %1 (%2) is empty.").arg(n).arg(QLatin1String(what)));
        return *value;
    }

    std::optional<int> optionalNumber(int n, const char* what, int min, int max) const
    {
        if (text(n).isEmpty())
            return std::nullopt;
        bool ok = false;
        const int value = text(n).toInt(&ok);
        if (!ok || value < min || value > max)
            fault(CoreText("ExchangeReader", "field %1 (%2) is not a whole number from %3 to %4: \"%5\".")
                      .arg(n)
                      .arg(QLatin1String(what))
                      .arg(min)
                      .arg(max)
                      .arg(text(n)));
        return value;
    }

    // 1 or 0; empty is a flag that was never set (null). Older files write -1 for true, which
    // the roster's "= 1" tests would take for false.
    QVariant flag(int n, const char* what) const
    {
        if (text(n).isEmpty())
            return {};
        bool ok = false;
        const int value = text(n).toInt(&ok);
        if (!ok || value < -1 || value > 1)
            fault(CoreText("ExchangeReader", "field %1 (%2) is not a flag (1 or 0): \"%3\".")
                      .arg(n)
                      .arg(QLatin1String(what), text(n)));
        return value == 0 ? 0 : 1;
    }

    // A change's date, as the table holds it: YYYY-MM-DD.
    QDate date(int n, const char* what) const
    {
        const QDate date = QDate::fromString(text(n), Qt::ISODate);
        if (!date.isValid() || date.year() < 1900 || date.year() > 9999)
            fault(CoreText("ExchangeReader", "field %1 (%2) is not a date YYYY-MM-DD: \"%3\".")
                      .arg(n)
                      .arg(QLatin1String(what), text(n)));
        return date;
    }

    // A change's time of day, HH:MM; nothing for an empty field.
    std::optional<int> clock(int n, const char* what) const
    {
        if (text(n).isEmpty())
            return std::nullopt;
        const std::optional<int> minute = MemberChange::fromClockText(text(n));
        if (!minute)
            fault(CoreText("ExchangeReader", "field %1 (%2) is not a time HH:MM: \"%3\".")
                      .arg(n)
                      .arg(QLatin1String(what), text(n)));
        return minute;
    }

    // The store's text of a time, or null for an empty field.
    QVariant time(int n, const char* what) const
    {
        if (text(n).isEmpty())
            return {};
        auto known = m_times.constFind(text(n));
        if (known == m_times.cend()) {
            // A time of day lies on 30 December 1899, or the next day for the end of a slot past
            // midnight; a zone's offset (16-bit minutes) moves it up to 23 days.
            const auto value = DateTime::parse(text(n));
            if (!value || value->day() < -23 || value->day() > 24)
                fault(CoreText("ExchangeReader", "field %1 (%2) is not a time of day: \"%3\".")
                          .arg(n)
                          .arg(QLatin1String(what), text(n)));
            known = m_times.insert(text(n), value->toStorageText());
        }
        return *known;
    }

private:
    int m_line;
    QStringList m_fields;
    TimeCache& m_times;
};

struct RecordKind
{
    const char* name;
    int fieldCount;
};

// Indexed by tag.
const RecordKind Kinds[8] = {{"", 0},      {"division", 4}, {"member", 11},        {"schedule", 13},
                             {"times", 5}, {"zone", 5},     {"real time zone", 2}, {"change", 10}};

// A header or end line without blanks around it, in lower case. Such lines are short; a long
// line is cut first, so that a huge one is never copied.
QByteArray shortLine(QByteArrayView line)
{
    return line.first(std::min<qsizetype>(line.size(), 64)).toByteArray().simplified().toLower();
}

// "#end 12", in any letter case and with blanks around it; the count, or nothing.
std::optional<int> endCount(QByteArrayView line)
{
    const QByteArray text = shortLine(line);
    if (!text.startsWith(ExchangeFile::EndPrefix))
        return std::nullopt;
    bool ok = false;
    const int count = text.mid(qstrlen(ExchangeFile::EndPrefix)).toInt(&ok);
    return ok && count >= 0 ? std::optional<int>(count) : std::nullopt;
}

// The last line that holds more than blanks.
QByteArrayView lastLine(QByteArrayView text)
{
    const auto blank = [](char c) {
        return c == '\n' || c == '\r' || c == ' ' || c == '\t';
    };
    while (!text.isEmpty() && blank(text.back()))
        text.chop(1);
    qsizetype start = text.size();
    while (start > 0 && text[start - 1] != '\n' && text[start - 1] != '\r')
        --start;
    return text.sliced(start);
}

// Checks a file as it is read (given the roster's keys), or reads a checked file again for
// its sink.
class Parser
{
public:
    explicit Parser(const RosterKeys* roster, ExchangeReader::Sink* sink)
        : m_roster(roster)
        , m_sink(sink)
    {
    }
    void line(int number, QByteArrayView bytes);
    // Called after the last line.
    void finish();
    bool utf8 = false;
    ExchangeContent content;

private:
    template<class Key>
    void checkUnique(QHash<Key, int>& seen, const Key& key, const Fields& fields, const CoreText& what);
    void readChange(const Fields& f);
    void checkSchedule(const ExchangeContent::Schedule& s, const Fields& f);
    // Every record must point at a row that is in the file or already in this roster; a
    // member of a division that exists nowhere would be a row no list could ever show.
    void checkReferences() const;

    const RosterKeys* m_roster;
    ExchangeReader::Sink* m_sink;
    int m_records = 0;
    int m_endLine = 0;
    std::optional<int> m_endCount;
    QHash<PackedKey, int> m_divisionLines;
    QHash<PackedKey, int> m_memberLines;
    QHash<PackedKey, int> m_timesLines;
    QHash<PackedKey, int> m_scheduleLines;
    struct Scheduled
    {
        int line = 0;
        int day = 0;
    };
    QHash<PackedKey, Scheduled> m_scheduledTimes;
    QHash<RecordKey, int> m_changeLines;
    // References to records that may still follow, with the line they are on.
    QList<std::pair<int, RecordKey>> m_memberDivisions;
    QList<std::pair<int, RecordKey>> m_scheduleMembers;
    // The first schedule times that belong to a schedule of this roster: line, day and key.
    std::optional<std::tuple<int, int, RecordKey>> m_takenTimes;
    // Each member's changes so far, as indexes into content.changes.
    QHash<RecordKey, QList<qsizetype>> m_memberChanges;
    QHash<int, ExchangeContent::Zone> m_zones;
    Fields::TimeCache m_times;
};

template<class Key>
void Parser::checkUnique(QHash<Key, int>& seen, const Key& key, const Fields& fields, const CoreText& what)
{
    const int earlier = seen.value(key);
    if (earlier)
        fields.fault(CoreText("ExchangeReader", "the %1 is also used on line %2.").arg(what).arg(earlier));
    seen.insert(key, fields.line());
}

void Parser::line(int number, QByteArrayView bytes)
{
    if (bytes.isEmpty())
        return;
    const char lastTag = content.version >= ExchangeFile::ChangeVersion ? '7'
        : content.version >= ExchangeFile::RealZoneVersion              ? '6'
                                                                        : '5';
    if (bytes[0] < '1' || bytes[0] > lastTag) {
        // Files without header are read as every older reader did: such lines are skipped.
        if (content.version == 0) {
            ++content.skippedLines;
            return;
        }
        if (bytes[0] != '#')
            throw ImportFormatError(
                number,
                CoreText("ExchangeReader", "the line is neither a record (1 to %1) nor a \"#\" line.")
                    .arg(QString(QLatin1Char(lastTag))));
        if (content.version >= 3 && !m_endCount) {
            m_endCount = endCount(bytes);
            m_endLine = m_endCount ? number : 0;
        }
        return;
    }
    if (m_endCount)
        throw ImportFormatError(
            number, CoreText("ExchangeReader", "a record follows the end line %1.").arg(m_endLine));
    ++m_records;
    const int tag = bytes[0] - '0';
    const RecordKind& kind = Kinds[tag];
    if (bytes.size() < 2 || bytes[1] != '|')
        throw ImportFormatError(
            number, CoreText("ExchangeReader", "the record tag %1 is not followed by \"|\".").arg(tag));
    // No field within bounds takes more than three bytes a character: refuse before decoding.
    const QByteArrayView record = bytes.sliced(2);
    for (qsizetype start = 0, field = 1; start <= record.size(); ++field) {
        qsizetype end = record.indexOf('|', start);
        if (end < 0)
            end = record.size();
        if (end - start > 3 * ExchangeFile::MaxFieldLength)
            throw ImportFormatError(
                number,
                CoreText("ExchangeReader", "field %1 is longer than 1,000,000 characters.").arg(field));
        start = end + 1;
    }

    QString text;
    if (utf8) {
        QStringDecoder decoder(QStringDecoder::Utf8);
        text = decoder(bytes.sliced(2));
        if (decoder.hasError())
            throw ImportFormatError(number, CoreText("ExchangeReader", "the line is not UTF-8 text."));
    } else {
        text = ExchangeFile::fromWindows1252(bytes.sliced(2));
    }
    QStringList list = ExchangeFile::SplitFields(text);
    text = QString();
    if (list.size() != kind.fieldCount)
        throw ImportFormatError(number,
                                CoreText("ExchangeReader", "the %1 record has %2 fields; it needs %3.")
                                    .arg(QLatin1String(kind.name))
                                    .arg(list.size())
                                    .arg(kind.fieldCount));
    for (qsizetype i = 0; i < list.size(); ++i) {
        if (content.version > 0) {
            auto plain = ExchangeFile::unescape(list[i]);
            if (!plain)
                throw ImportFormatError(number,
                                        CoreText("ExchangeReader",
                                                 "field %1 holds a \"\\\" that is not one of "
                                                 "\\\\, \\p, \\r or \\n.")
                                            .arg(i + 1));
            list[i] = *plain;
        }
        if (list[i].size() > ExchangeFile::MaxFieldLength)
            throw ImportFormatError(
                number,
                CoreText("ExchangeReader", "field %1 is longer than 1,000,000 characters.").arg(i + 1));
    }
    const Fields f(number, std::move(list), m_times);

    switch (tag) {
    case 1: {
        ExchangeContent::Division d {number, f.key(1, "division key"), f.text(2), f.text(3),
                                     f.flag(4, "hide flag")};
        if (m_sink)
            break;
        checkUnique(m_divisionLines, packed(d.key), f,
                    CoreText("ExchangeReader", "division key 0x%1").arg(KeyToHex(d.key)));
        content.divisions.append(std::move(d));
        break;
    }
    case 2: {
        ExchangeContent::Member m;
        m.line = number;
        m.key = f.key(1, "member key");
        m.division = f.key(2, "division key");
        m.zone = f.optionalNumber(3, "zone key", 1, 32767);
        m.playerName = f.text(4);
        m.active = f.flag(5, "active flag");
        m.realFirst = f.text(6);
        m.realLast = f.text(7);
        m.emailPrimary = f.text(8);
        m.emailSecondary = f.text(9);
        m.otherContact = f.text(10);
        m.notes = f.text(11);
        if (m_sink) {
            m_sink->member(m);
            break;
        }
        checkUnique(m_memberLines, packed(m.key), f,
                    CoreText("ExchangeReader", "member key 0x%1").arg(KeyToHex(m.key)));
        if (!m_divisionLines.contains(packed(m.division)) && !m_roster->divisions.contains(m.division))
            m_memberDivisions.append({number, m.division});
        break;
    }
    case 3: {
        ExchangeContent::Schedule s;
        s.line = number;
        s.member = f.key(1, "member key");
        for (int day = 0; day < 6; ++day) {
            const QByteArray flagName = QByteArray(DayNames[day]) + " flag";
            const QByteArray keyName = QByteArray(DayNames[day]) + " times key";
            s.flags[day] = f.flag(2 * day + 2, flagName.constData());
            s.times[day] = f.optionalKey(2 * day + 3, keyName.constData());
            // A playing day without its times would fail every reader of the schedule.
            if (s.flags[day].toInt() != 0 && !s.times[day])
                f.fault(CoreText("ExchangeReader", "field %1 (%2) is empty, but %3 is set.")
                            .arg(2 * day + 3)
                            .arg(QLatin1String(keyName), QLatin1String(DayNames[day])));
            // Shared times would go with whichever member is deleted first.
            if (s.times[day] && !m_sink) {
                Scheduled& at = m_scheduledTimes[packed(*s.times[day])];
                if (at.line)
                    f.fault(CoreText("ExchangeReader", "the %1 is also used on line %2.")
                                .arg(CoreText("ExchangeReader", "times 0x%1 of %2")
                                         .arg(KeyToHex(*s.times[day]), QLatin1String(DayNames[day])))
                                .arg(at.line));
                at = {number, day};
            }
        }
        if (m_sink) {
            m_sink->schedule(s);
            break;
        }
        checkUnique(m_scheduleLines, packed(s.member), f,
                    CoreText("ExchangeReader", "schedule's member key 0x%1").arg(KeyToHex(s.member)));
        checkSchedule(s, f);
        break;
    }
    case 4: {
        ExchangeContent::Times t {number,
                                  f.key(1, "times key"),
                                  {f.time(2, "slot 1 start"), f.time(3, "slot 1 end"),
                                   f.time(4, "slot 2 start"), f.time(5, "slot 2 end")}};
        // The second slot exists only when it has a start.
        if (t.slotTexts[2].isNull())
            t.slotTexts[3] = QVariant();
        if (m_sink) {
            m_sink->times(t);
            break;
        }
        checkUnique(m_timesLines, packed(t.key), f,
                    CoreText("ExchangeReader", "times key 0x%1").arg(KeyToHex(t.key)));
        break;
    }
    case 5: {
        if (m_sink)
            break;
        ExchangeContent::Zone z {number,
                                 f.number(1, "zone key", 1, 32767),
                                 f.text(2),
                                 f.text(3),
                                 f.number(4, "offset in minutes", -32768, 32767),
                                 f.flag(5, "daylight-saving flag")};
        // Each division written repeats its zones; one key for two zones would be a guess.
        const auto earlier = m_zones.constFind(z.key);
        if (earlier == m_zones.cend()) {
            m_zones.insert(z.key, z);
            content.zones.append(std::move(z));
        } else if (earlier->name != z.name || earlier->description != z.description
                   || earlier->offset != z.offset || earlier->daylight != z.daylight) {
            f.fault(CoreText("ExchangeReader", "the zone key %1 is also used on line %2 for another zone.")
                        .arg(z.key)
                        .arg(earlier->line));
        }
        break;
    }
    case 6: {
        if (m_sink)
            break;
        const int key = f.number(1, "zone key", 1, 32767);
        const auto zone = m_zones.find(key);
        if (zone == m_zones.end())
            f.fault(CoreText("ExchangeReader", "no zone record before it has the zone key %1.").arg(key));
        if (f.text(2).trimmed().isEmpty())
            f.fault(CoreText("ExchangeReader", "field 2 (real time zone) is empty."));
        if (!zone->iana.isEmpty() && zone->iana != f.text(2).trimmed())
            f.fault(CoreText("ExchangeReader", "the zone key %1 already has the real time zone %2.")
                        .arg(key)
                        .arg(zone->iana));
        zone->iana = f.text(2).trimmed();
        for (ExchangeContent::Zone& listed : content.zones) {
            if (listed.key == key)
                listed.iana = zone->iana;
        }
        break;
    }
    case 7:
        if (!m_sink)
            readChange(f);
        break;
    }
}

// The rules of the member change store, so that an import never writes a change the roster
// would refuse.
void Parser::readChange(const Fields& f)
{
    ExchangeContent::Change record {f.line(), {}};
    MemberChange& change = record.change;
    change.key = f.key(1, "change key");
    change.member = f.key(2, "member key");
    if (!m_memberLines.contains(packed(change.member)))
        f.fault(CoreText("ExchangeReader", "no member record before it has the member key 0x%1.")
                    .arg(KeyToHex(change.member)));
    change.first = f.date(3, "first date");
    change.last = f.date(4, "last date");
    if (change.last < change.first)
        f.fault(CoreText("ExchangeReader", "field 4 (last date) is before field 3 (first date)."));
    const QVariant away = f.flag(5, "away flag");
    if (away.isNull())
        f.fault(CoreText("ExchangeReader", "field 5 (away flag) is empty."));
    change.away = away.toInt() != 0;
    const char* const names[4] = {"slot 1 start", "slot 1 end", "slot 2 start", "slot 2 end"};
    for (int slot = 0; slot < MemberChange::MaxSlots; ++slot) {
        const int n = 6 + 2 * slot;
        const std::optional<int> start = f.clock(n, names[2 * slot]);
        const std::optional<int> end = f.clock(n + 1, names[2 * slot + 1]);
        if (!start && !end)
            continue;
        if (change.away)
            f.fault(CoreText("ExchangeReader", "field %1 holds a time, but the member is away (field 5).")
                        .arg(start ? n : n + 1));
        if (!start || !end)
            f.fault(CoreText("ExchangeReader", "field %1 (%2) is empty, but field %3 holds a time.")
                        .arg(start ? n + 1 : n)
                        .arg(QLatin1String(names[2 * slot + (start ? 1 : 0)]))
                        .arg(start ? n : n + 1));
        if (*start == *end)
            f.fault(CoreText("ExchangeReader", "slot %1 ends when it starts.").arg(slot + 1));
        if (change.times.size() != slot)
            f.fault(CoreText("ExchangeReader", "slot 2 is given without slot 1."));
        change.times.append({*start, *end});
    }
    if (!change.away && change.times.isEmpty())
        f.fault(CoreText("ExchangeReader",
                         "fields 6 and 7 (slot 1) are empty, but the member is not away (field 5)."));
    change.note = f.text(10);
    if (change.note.size() > MemberChange::MaxNoteLength)
        f.fault(CoreText("ExchangeReader", "field 10 (note) is longer than %1 characters.")
                    .arg(MemberChange::MaxNoteLength));
    checkUnique(m_changeLines, change.key, f,
                CoreText("ExchangeReader", "change key 0x%1").arg(KeyToHex(change.key)));
    QList<qsizetype>& earlier = m_memberChanges[change.member];
    for (const qsizetype index : std::as_const(earlier)) {
        const ExchangeContent::Change& other = content.changes[index];
        if (other.change.first <= change.last && change.first <= other.change.last)
            f.fault(CoreText("ExchangeReader", "the dates overlap the change of the same member on line %1.")
                        .arg(other.line));
    }
    earlier.append(content.changes.size());
    content.changes.append(std::move(record));
}

void Parser::finish()
{
    if (m_records == 0)
        throw RosterError(ErrorKind::ImportAborted,
                          CoreText("ExchangeReader", "The file holds no roster records"));
    if (content.version >= 3 && m_endCount != m_records)
        throw ImportFormatError(
            m_endLine,
            CoreText("ExchangeReader", "the end line counts %1 records; the file holds %2.")
                .arg(m_endCount.value_or(0))
                .arg(m_records),
            ImportFormatError::CutOffText);
    if (!m_sink)
        checkReferences();
}

void Parser::checkSchedule(const ExchangeContent::Schedule& s, const Fields& f)
{
    if (!m_memberLines.contains(packed(s.member)) && !m_roster->members.contains(s.member))
        m_scheduleMembers.append({f.line(), s.member});
    // A member already present keeps its own schedule and times.
    const bool added = !m_roster->members.contains(s.member) && !m_roster->schedules.contains(s.member);
    for (int day = 0; day < 6; ++day) {
        if (!s.times[day])
            continue;
        if (!added)
            content.keptTimes.insert(*s.times[day]);
        else if (!m_takenTimes && m_roster->scheduledTimes.contains(*s.times[day]))
            m_takenTimes = {f.line(), day, *s.times[day]};
    }
}

void Parser::checkReferences() const
{
    for (const auto& [line, division] : m_memberDivisions) {
        if (!m_divisionLines.contains(packed(division)))
            throw ImportFormatError(line,
                                    CoreText("RosterImport",
                                             "the member's division 0x%1 is neither in the file "
                                             "nor in this roster.")
                                        .arg(KeyToHex(division)));
    }

    // A schedule's faults in the order of the file: its member first, then each day's times
    // (missing, then taken). Ranked by line and that order.
    std::optional<std::tuple<int, int, ImportFormatError>> first;
    const auto consider = [&](int line, int rank, auto makeError) {
        if (!first || std::pair(line, rank) < std::pair(std::get<0>(*first), std::get<1>(*first)))
            first.emplace(line, rank, makeError());
    };
    for (const auto& [line, member] : m_scheduleMembers) {
        if (!m_memberLines.contains(packed(member))) {
            consider(line, 0, [&, line = line, member = member] {
                return ImportFormatError(line,
                                         CoreText("RosterImport",
                                                  "the schedule's member 0x%1 is neither in the file "
                                                  "nor in this roster.")
                                             .arg(KeyToHex(member)));
            });
            break;
        }
    }
    for (auto it = m_scheduledTimes.cbegin(); it != m_scheduledTimes.cend(); ++it) {
        if (m_timesLines.contains(it.key()))
            continue;
        const RecordKey key = it.key().key();
        if (m_roster->times.contains(key))
            continue;
        consider(it->line, 1 + 2 * it->day, [&] {
            return ImportFormatError(
                it->line,
                CoreText("RosterImport", "the times 0x%1 are neither in the file nor in this roster.")
                    .arg(KeyToHex(key)));
        });
    }
    if (m_takenTimes) {
        const auto& [line, day, key] = *m_takenTimes;
        consider(line, 2 + 2 * day, [&] {
            return ImportFormatError(
                line,
                CoreText("RosterImport", "the times 0x%1 belong to a schedule of this roster.")
                    .arg(KeyToHex(key)));
        });
    }
    if (first)
        throw std::get<2>(*first);

    // The file's own members only (the reader checks); one already present keeps its changes.
    for (const auto& c : content.changes) {
        if (!m_roster->members.contains(c.change.member) && m_roster->changes.contains(c.change.key))
            throw ImportFormatError(
                c.line,
                CoreText("RosterImport", "the change 0x%1 belongs to another member of this roster.")
                    .arg(KeyToHex(c.change.key)));
    }
}

// Reads the file at path line by line into parser.
void ReadFile(const QString& path, Parser& parser, const ExchangeProgress& progress = {})
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw RosterError(ErrorKind::ImportAborted,
                          CoreText("ExchangeReader", "The Import File cannot be read."), file.errorString());
    // Mapped, not copied: the file's pages stay the system's to drop.
    QByteArray copy;
    const qint64 size = file.size();
    uchar* mapped = size > 0 ? file.map(0, size) : nullptr;
    if (!mapped)
        copy = file.readAll();
    QByteArrayView bytes = mapped ? QByteArrayView(mapped, size) : QByteArrayView(copy);
    // Pages read stay resident while mapped; mapping the file afresh now and then lets them go,
    // so a large file never sits whole in this process.
    constexpr qsizetype RemapBytes = 16 << 20;
    const char* remapped = bytes.data();

    const bool bom = bytes.startsWith("\xEF\xBB\xBF");
    if (bom)
        bytes = bytes.sliced(3);
    int number = 0;
    int percent = 0;
    for (QByteArrayView rest = bytes; !rest.isEmpty();) {
        if (progress && (bytes.size() - rest.size()) * 100 / bytes.size() > percent)
            progress(percent = int((bytes.size() - rest.size()) * 100 / bytes.size()));
        if (mapped && rest.data() - remapped > RemapBytes) {
            const qint64 offset = rest.data() - reinterpret_cast<const char*>(mapped);
            file.unmap(mapped);
            mapped = file.map(0, size);
            if (!mapped)
                throw RosterError(ErrorKind::ImportAborted,
                                  CoreText("ExchangeReader", "The Import File cannot be read."),
                                  file.errorString());
            rest = QByteArrayView(mapped + offset, size - offset);
            remapped = rest.data();
        }
        // CR LF, LF and CR alone all end a line.
        const char* begin = rest.data();
        const char* end
            = std::find_if(begin, begin + rest.size(), [](char c) { return c == '\n' || c == '\r'; });
        const QByteArrayView line(begin, end - begin);
        qsizetype next = line.size();
        if (next < rest.size())
            next += rest.sliced(next).startsWith("\r\n") ? 2 : 1;
        rest = rest.sliced(next);
        if (++number == 1) {
            const QByteArray first = shortLine(line);
            if (first.startsWith(ExchangeFile::HeaderPrefix)) {
                bool ok = false;
                parser.content.version = first.mid(qstrlen(ExchangeFile::HeaderPrefix)).toInt(&ok);
                if (!ok || parser.content.version < 1)
                    throw ImportFormatError(
                        1,
                        CoreText("ExchangeReader", "the header \"%1\" names no version of the format.")
                            .arg(QString::fromUtf8(line)));
                if (parser.content.version > ExchangeFile::Version)
                    throw ImportFormatError(1,
                                            CoreText("ExchangeReader",
                                                     "the file was written by a newer version of "
                                                     "Tallyhold (\"%1\").")
                                                .arg(QString::fromUtf8(line)));
                // Checked first, so that a record cut short is reported as what it is.
                if (parser.content.version >= 3 && !endCount(lastLine(rest)))
                    throw RosterError(
                        ErrorKind::ImportAborted, QString::fromLatin1(ImportFormatError::CutOffText),
                        CoreText("ExchangeReader",
                                 "The end line \"#end\" with the number of records is missing."));
                parser.utf8 = true;
                continue;
            }
            // Without a header, valid UTF-8 that is not plain ASCII is taken for UTF-8.
            parser.utf8 = bom
                || (std::any_of(bytes.begin(), bytes.end(), [](char c) { return c & 0x80; })
                    && bytes.isValidUtf8());
        }
        parser.line(number, line);
    }
    parser.finish();
}

} // namespace

ExchangeContent ExchangeReader::check(const QString& path, const RosterKeys& roster)
{
    Parser parser(&roster, nullptr);
    ReadFile(path, parser);
    return std::move(parser.content);
}

void ExchangeReader::replay(const QString& path, Sink& sink, const ExchangeProgress& progress)
{
    Parser parser(nullptr, &sink);
    ReadFile(path, parser, progress);
}
