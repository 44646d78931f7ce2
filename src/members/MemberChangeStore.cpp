#include "MemberChangeStore.h"
#include "i18n/CoreText.h"

#include "time/DateTime.h"
#include "time/TimeText.h"

namespace {

const QString Columns = QStringLiteral("SELECT CHG_PK, CHG_FK_Member, CHG_First, CHG_Last, CHG_Away, "
                                       "CHG_Slot1_Start, CHG_Slot1_End, CHG_Slot2_Start, CHG_Slot2_End, "
                                       "CHG_Note FROM MemberChanges ");

// Every column, the key first, in the order of values().
const QStringList ColumnNames {QStringLiteral("CHG_PK"),        QStringLiteral("CHG_FK_Member"),
                               QStringLiteral("CHG_First"),     QStringLiteral("CHG_Last"),
                               QStringLiteral("CHG_Away"),      QStringLiteral("CHG_Slot1_Start"),
                               QStringLiteral("CHG_Slot1_End"), QStringLiteral("CHG_Slot2_Start"),
                               QStringLiteral("CHG_Slot2_End"), QStringLiteral("CHG_Note")};

QVariantList values(const MemberChange& change)
{
    QVariantList values {change.key, change.member, change.first.toString(Qt::ISODate),
                         change.last.toString(Qt::ISODate), change.away ? 1 : 0};
    for (int slot = 0; slot < MemberChange::MaxSlots; ++slot) {
        const bool has = !change.away && slot < change.times.size();
        values << (has ? QVariant(MemberChange::clockText(change.times[slot].start)) : QVariant())
               << (has ? QVariant(MemberChange::clockText(change.times[slot].end)) : QVariant());
    }
    return values << change.note;
}

using Kind = FormField::Kind;

RosterError refusal(const CoreText& text, Kind field, int slot = -1)
{
    return RosterError(ErrorKind::SaveRefused, text, {}, FormField {field, -1, slot});
}

QDate readDate(const QString& typed, const CoreText& missing, Kind field)
{
    const QString text = typed.trimmed();
    if (text.isEmpty())
        throw refusal(missing, field);
    QDate date = QDate::fromString(text, Qt::ISODate);
    if (!date.isValid()) {
        const std::optional<DateTime> parsed = DateTime::parse(text);
        if (parsed && parsed->day() != 0 && parsed->secondsOfDay() == 0)
            date = parsed->date();
    }
    if (!date.isValid() || date.year() < 1900 || date.year() > 9999)
        throw RosterError(ErrorKind::DataFormat,
                          CoreText("MemberChangeStore", "\"%1\" is not a date (MM/DD/YYYY).").arg(text), {},
                          FormField {field});
    return date;
}

// A time of day in whole minutes, or nothing for an empty field.
std::optional<int> readTime(const QString& typed, int slot)
{
    const QString text = RewriteSlotText(typed.trimmed());
    if (text.isEmpty())
        return std::nullopt;
    const std::optional<DateTime> parsed = DateTime::parse(text);
    if (!parsed || parsed->day() != 0 || parsed->second() != 0)
        throw RosterError(
            ErrorKind::TimeFormat,
            CoreText("MemberChangeStore", "\"%1\" is not a time of day (HH:MM AM/PM or 24-hour HH:MM).")
                .arg(typed.trimmed()),
            {}, FormField {Kind::ChangeSlot, -1, slot});
    return parsed->minuteOfDay();
}

MemberChange readRow(Rows& row)
{
    MemberChange change;
    change.key = row.value(0).toByteArray();
    change.member = row.value(1).toByteArray();
    change.first = QDate::fromString(row.value(2).toString(), Qt::ISODate);
    change.last = QDate::fromString(row.value(3).toString(), Qt::ISODate);
    change.away = row.value(4).toInt() != 0;
    for (int slot = 0; !change.away && slot < MemberChange::MaxSlots; ++slot) {
        const auto start = MemberChange::fromClockText(row.value(5 + slot * 2).toString());
        const auto end = MemberChange::fromClockText(row.value(6 + slot * 2).toString());
        if (start && end && *start != *end)
            change.times.append({*start, *end});
    }
    change.note = row.value(9).toString();
    return change;
}

QList<MemberChange> readAll(Rows rows)
{
    QList<MemberChange> changes;
    while (rows.next()) {
        MemberChange change = readRow(rows);
        // A row another program left without readable dates holds no time; it is not guessed at.
        if (change.first.isValid() && change.last.isValid())
            changes.append(std::move(change));
    }
    return changes;
}

} // namespace

MemberChange MemberChangeStore::read(const MemberChangeForm& form)
{
    MemberChange change;
    change.first = readDate(form.first, CoreText("MemberChangeStore", "The first date must be filled!"),
                            Kind::ChangeFirst);
    change.last = form.last.trimmed().isEmpty()
        ? change.first
        : readDate(form.last, CoreText("MemberChangeStore", "The last date must be filled!"),
                   Kind::ChangeLast);
    if (change.last < change.first)
        throw refusal(CoreText("MemberChangeStore", "The last date must not be before the first."),
                      Kind::ChangeLast);
    change.away = form.away;
    for (int slot = 0; !form.away && slot < MemberChange::MaxSlots; ++slot) {
        const std::optional<int> start = readTime(form.slotTexts[slot * 2], slot * 2);
        const std::optional<int> end = readTime(form.slotTexts[slot * 2 + 1], slot * 2 + 1);
        if (!start && !end)
            continue;
        if (!start || !end)
            throw refusal(
                CoreText("MemberChangeStore", "Slot %1 needs both a start and an end.").arg(slot + 1),
                Kind::ChangeSlot, slot * 2 + (start ? 1 : 0));
        if (*start == *end)
            throw refusal(CoreText("MemberChangeStore", "Ending time must be greater than starting time!"),
                          Kind::ChangeSlot, slot * 2 + 1);
        change.times.append({*start, *end});
    }
    if (!change.away && change.times.isEmpty())
        throw refusal(CoreText("MemberChangeStore", "Type the times played on those dates, or choose Away."),
                      Kind::ChangeSlot, 0);
    change.note = form.note.trimmed();
    if (change.note.size() > MemberChange::MaxNoteLength)
        throw refusal(CoreText("MemberChangeStore", "The note may hold at most %1 characters.")
                          .arg(MemberChange::MaxNoteLength),
                      Kind::ChangeNote);
    return change;
}

QList<MemberChange> MemberChangeStore::forMember(const RecordKey& member, const QDate& from) const
{
    // ISO dates order as text.
    if (from.isValid())
        return readAll(m_db.select(
            Columns + QStringLiteral("WHERE CHG_FK_Member = ? AND CHG_Last >= ? ORDER BY CHG_First"),
            {member, from.toString(Qt::ISODate)}));
    return readAll(
        m_db.select(Columns + QStringLiteral("WHERE CHG_FK_Member = ? ORDER BY CHG_First"), {member}));
}

QHash<RecordKey, QList<MemberChange>> MemberChangeStore::all() const
{
    QHash<RecordKey, QList<MemberChange>> byMember;
    for (MemberChange& change : readAll(m_db.select(Columns + QStringLiteral("ORDER BY CHG_First"))))
        byMember[change.member].append(std::move(change));
    return byMember;
}

std::optional<MemberChange> MemberChangeStore::load(const RecordKey& key) const
{
    QList<MemberChange> found = readAll(m_db.select(Columns + QStringLiteral("WHERE CHG_PK = ?"), {key}));
    return found.isEmpty() ? std::nullopt : std::optional<MemberChange>(found.first());
}

RecordKey MemberChangeStore::save(MemberChange change) const
{
    Transaction transaction(m_db);
    if (!m_db.first(QStringLiteral("SELECT MBR_PK FROM Members WHERE MBR_PK = ?"), {change.member}))
        throw DataError(1016);
    const bool isNew = change.key.isEmpty();
    if (!isNew && !load(change.key))
        throw RosterError(
            ErrorKind::RowVanished,
            CoreText("MemberChangeStore", "That change was removed in the meantime; nothing was saved."));
    for (const MemberChange& other : forMember(change.member)) {
        if (other.key != change.key && other.first <= change.last && change.first <= other.last)
            throw refusal(
                CoreText("MemberChangeStore", "These dates overlap another change: %1.").arg(other.words()),
                Kind::ChangeFirst);
    }
    if (isNew)
        change.key = NewRecordKey();
    const QVariantList row = values(change);
    Database::Columns columns;
    for (qsizetype column = isNew ? 0 : 1; column < ColumnNames.size(); ++column)
        columns.append({ColumnNames[column], row[column]});
    if (isNew)
        m_db.insert(QStringLiteral("MemberChanges"), columns);
    else
        m_db.update(QStringLiteral("MemberChanges"), QStringLiteral("CHG_PK"), change.key, columns);
    transaction.commit();
    return change.key;
}

void MemberChangeStore::insertAll(const QList<MemberChange>& changes) const
{
    QList<QVariantList> rows;
    for (const MemberChange& change : changes)
        rows.append(values(change));
    m_db.insertRows(QStringLiteral("MemberChanges"), ColumnNames, rows);
}

void MemberChangeStore::remove(const RecordKey& key) const
{
    if (m_db.remove(QStringLiteral("MemberChanges"), QStringLiteral("CHG_PK"), key) == 0)
        throw RosterError(ErrorKind::RowVanished,
                          CoreText("MemberChangeStore", "That change was removed in the meantime."));
}

void MemberChangeStore::removeFor(const RecordKey& member) const
{
    m_db.exec(QStringLiteral("DELETE FROM MemberChanges WHERE CHG_FK_Member = ?"), {member});
}
