#include "ExchangeReader.h"

#include "ExchangeFile.h"
#include "ImportFormatError.h"
#include "time/DateTime.h"

#include <QFile>
#include <QHash>
#include <QStringDecoder>

namespace {

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

    [[noreturn]] void fault(const QString& problem) const { throw ImportFormatError(m_line, problem); }

    int line() const { return m_line; }
    const QString& text(int n) const { return m_fields[n - 1]; }

    RecordKey key(int n, const char* what) const
    {
        const auto key = optionalKey(n, what);
        if (!key)
            fault(QStringLiteral("field %1 (%2) is empty.").arg(n).arg(QLatin1String(what)));
        return *key;
    }

    // Either notation: "0x" and 32 digits, or the 32 digits alone.
    std::optional<RecordKey> optionalKey(int n, const char* what) const
    {
        QString digits = text(n);
        if (digits.isEmpty())
            return std::nullopt;
        if (digits.startsWith(QLatin1String("0x"), Qt::CaseInsensitive))
            digits = digits.mid(2);
        if (!IsKeyText(digits))
            fault(QStringLiteral("field %1 (%2) is not a record key of 32 hexadecimal digits: \"%3\".")
                      .arg(n)
                      .arg(QLatin1String(what), text(n)));
        return HexToKey(digits);
    }

    int number(int n, const char* what, int min, int max) const
    {
        const auto value = optionalNumber(n, what, min, max);
        if (!value)
            fault(QStringLiteral("field %1 (%2) is empty.").arg(n).arg(QLatin1String(what)));
        return *value;
    }

    std::optional<int> optionalNumber(int n, const char* what, int min, int max) const
    {
        if (text(n).isEmpty())
            return std::nullopt;
        bool ok = false;
        const int value = text(n).toInt(&ok);
        if (!ok || value < min || value > max)
            fault(QStringLiteral("field %1 (%2) is not a whole number from %3 to %4: \"%5\".")
                      .arg(n)
                      .arg(QLatin1String(what))
                      .arg(min)
                      .arg(max)
                      .arg(text(n)));
        return value;
    }

    // A 16-bit flag; empty is a flag that was never set (null).
    QVariant flag(int n, const char* what) const
    {
        if (text(n).isEmpty())
            return {};
        bool ok = false;
        const int value = text(n).toInt(&ok);
        if (!ok || value < -32768 || value > 32767)
            fault(QStringLiteral("field %1 (%2) is not a flag (1 or 0): \"%3\".")
                      .arg(n)
                      .arg(QLatin1String(what), text(n)));
        return value;
    }

    // The store's text of a time, or null for an empty field.
    QVariant time(int n, const char* what) const
    {
        if (text(n).isEmpty())
            return {};
        auto known = m_times.constFind(text(n));
        if (known == m_times.cend()) {
            const auto value = DateTime::parse(text(n));
            if (!value)
                fault(QStringLiteral("field %1 (%2) is not a time: \"%3\".")
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
const RecordKind Kinds[6]
    = {{"", 0}, {"division", 4}, {"member", 11}, {"schedule", 13}, {"times", 5}, {"zone", 5}};

class Parser
{
public:
    void line(int number, QByteArrayView bytes);
    bool escaped = false;
    ExchangeContent content;

private:
    void checkUnique(QHash<RecordKey, int>& seen, const RecordKey& key, const Fields& fields,
                     const char* what);

    QHash<RecordKey, int> m_divisionLines;
    QHash<RecordKey, int> m_memberLines;
    QHash<RecordKey, int> m_timesLines;
    QHash<RecordKey, int> m_scheduleLines;
    Fields::TimeCache m_times;
};

void Parser::checkUnique(QHash<RecordKey, int>& seen, const RecordKey& key, const Fields& fields,
                         const char* what)
{
    const int earlier = seen.value(key);
    if (earlier)
        fields.fault(QStringLiteral("the %1 0x%2 is also on line %3.")
                         .arg(QLatin1String(what), KeyToHex(key))
                         .arg(earlier));
    seen.insert(key, fields.line());
}

void Parser::line(int number, QByteArrayView bytes)
{
    if (bytes.endsWith('\r'))
        bytes.chop(1);
    // Lines that are not records (blank lines, the header) are skipped, as every reader of
    // this format always has.
    if (bytes.isEmpty() || bytes[0] < '1' || bytes[0] > '5')
        return;
    const int tag = bytes[0] - '0';
    const RecordKind& kind = Kinds[tag];
    if (bytes.size() < 2 || bytes[1] != '|')
        throw ImportFormatError(number,
                                QStringLiteral("the record tag %1 is not followed by \"|\".").arg(tag));

    QString text;
    if (escaped) {
        QStringDecoder decoder(QStringDecoder::Utf8);
        text = decoder(bytes.sliced(2));
        if (decoder.hasError())
            throw ImportFormatError(number, QStringLiteral("the line is not UTF-8 text."));
    } else {
        text = ExchangeFile::fromWindows1252(bytes.sliced(2));
    }
    QStringList list = ExchangeFile::SplitFields(text);
    if (list.size() != kind.fieldCount)
        throw ImportFormatError(number,
                                QStringLiteral("the %1 record has %2 fields; it needs %3.")
                                    .arg(QLatin1String(kind.name))
                                    .arg(list.size())
                                    .arg(kind.fieldCount));
    if (escaped) {
        for (qsizetype i = 0; i < list.size(); ++i) {
            auto plain = ExchangeFile::unescape(list[i]);
            if (!plain)
                throw ImportFormatError(number,
                                        QStringLiteral("field %1 holds a \"\\\" that is not one of "
                                                       "\\\\, \\p, \\r or \\n.")
                                            .arg(i + 1));
            list[i] = *plain;
        }
    }
    const Fields f(number, std::move(list), m_times);

    switch (tag) {
    case 1: {
        ExchangeContent::Division d {number, f.key(1, "division key"), f.text(2), f.text(3),
                                     f.flag(4, "hide flag")};
        checkUnique(m_divisionLines, d.key, f, "division key");
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
        checkUnique(m_memberLines, m.key, f, "member key");
        content.members.append(std::move(m));
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
                f.fault(QStringLiteral("field %1 (%2) is empty, but %3 is set.")
                            .arg(2 * day + 3)
                            .arg(QLatin1String(keyName), QLatin1String(DayNames[day])));
        }
        checkUnique(m_scheduleLines, s.member, f, "schedule's member key");
        content.schedules.append(std::move(s));
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
        checkUnique(m_timesLines, t.key, f, "times key");
        content.times.append(std::move(t));
        break;
    }
    case 5:
        content.zones.append({number, f.number(1, "zone key", 1, 32767), f.text(2), f.text(3),
                              f.number(4, "offset in minutes", -32768, 32767),
                              f.flag(5, "daylight-saving flag")});
        break;
    }
}

} // namespace

ExchangeContent ExchangeReader::read(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw RosterError(ErrorKind::ImportAborted, QStringLiteral("The Import File cannot be read."),
                          file.errorString());
    const QByteArray bytes = file.readAll();
    file.close();

    Parser parser;
    int number = 0;
    for (QByteArrayView rest(bytes); !rest.isEmpty();) {
        const qsizetype end = rest.indexOf('\n');
        const QByteArrayView line = end < 0 ? rest : rest.first(end);
        rest = end < 0 ? QByteArrayView() : rest.sliced(end + 1);
        ++number;
        if (number == 1) {
            QByteArrayView first = line;
            if (first.endsWith('\r'))
                first.chop(1);
            parser.escaped = first == ExchangeFile::Header;
            if (!parser.escaped && first.startsWith(ExchangeFile::HeaderPrefix))
                throw ImportFormatError(1,
                                        QStringLiteral("the file was written by a newer version of "
                                                       "Tallyhold (\"%1\").")
                                            .arg(QString::fromUtf8(first)));
        }
        parser.line(number, line);
    }
    return std::move(parser.content);
}
