#include "RosterLookup.h"

#include "store/RosterError.h"

namespace {

bool sameName(const QString& stored, const QString& typed)
{
    return stored.compare(typed.trimmed(), Qt::CaseInsensitive) == 0;
}

QString keyText(const QVariant& key)
{
    return key.typeId() == QMetaType::Int ? QString::number(key.toInt()) : KeyToHex(key.toByteArray());
}

// The one entry a name or key fits, nothing when none fits; several are refused, listing each
// key with its shown text (the entry's own text unless given).
std::optional<RosterListEntry> pick(const QList<RosterListEntry>& entries, const QString& typed,
                                    const QString& what, const QStringList& shown = {})
{
    QList<int> found;
    for (int i = 0; i < entries.size(); ++i) {
        if (keyText(entries[i].key).compare(typed.trimmed(), Qt::CaseInsensitive) == 0)
            return entries[i];
        if (sameName(entries[i].text, typed))
            found.append(i);
    }
    if (found.size() <= 1)
        return found.isEmpty() ? std::nullopt : std::optional(entries[found.first()]);
    QString text = QStringLiteral("%1 %2s are named \"%3\"; give one of their keys:")
                       .arg(found.size())
                       .arg(what, typed.trimmed());
    for (const int i : found)
        text += QLatin1Char('\n') + keyText(entries[i].key) + QStringLiteral("  ")
            + (shown.isEmpty() ? entries[i].text : shown[i]);
    throw RosterError(ErrorKind::Selection, text);
}

// A refusal that says what there is, where that is a short list.
RosterListEntry existing(const std::optional<RosterListEntry>& entry, const QString& typed,
                         const QString& what, const QList<RosterListEntry>& choices = {})
{
    if (entry)
        return *entry;
    QString text = QStringLiteral("No %1 is named \"%2\".").arg(what, typed.trimmed());
    if (!choices.isEmpty() && choices.size() <= 40) {
        QStringList names;
        for (const RosterListEntry& choice : choices)
            names.append(choice.text);
        text += QStringLiteral(" The %1s are: %2.").arg(what, names.join(QStringLiteral(", ")));
    }
    throw RosterError(ErrorKind::Selection, text);
}

} // namespace

RosterLookup::RosterLookup(const Roster& roster)
    : m_roster(roster)
{
}

MemberRow RosterLookup::member(const QString& nameOrKey) const
{
    const QList<MemberRow> rows = m_roster.memberRows();
    QList<RosterListEntry> entries;
    QStringList shown;
    for (const MemberRow& row : rows) {
        shown.append(row.division + QStringLiteral(" - ") + row.player);
        // The list entry is tried first, so that "Alpha - Bob" picks one of two Bobs.
        if (sameName(shown.last(), nameOrKey))
            return row;
        entries.append({row.player, row.key});
    }
    const RosterListEntry found = existing(pick(entries, nameOrKey, QStringLiteral("member"), shown),
                                           nameOrKey, QStringLiteral("member"));
    return *std::find_if(rows.begin(), rows.end(),
                         [&](const MemberRow& row) { return row.key == found.key.toByteArray(); });
}

std::optional<RosterListEntry> RosterLookup::findDivision(const QString& nameOrKey) const
{
    return pick(m_roster.divisionList(), nameOrKey, QStringLiteral("division"));
}

RosterListEntry RosterLookup::division(const QString& nameOrKey) const
{
    return existing(findDivision(nameOrKey), nameOrKey, QStringLiteral("division"), m_roster.divisionList());
}

std::optional<RosterListEntry> RosterLookup::findZone(const QString& nameOrKey) const
{
    return pick(m_roster.zoneList(), nameOrKey, QStringLiteral("time zone"));
}

RosterListEntry RosterLookup::zone(const QString& nameOrKey) const
{
    return existing(findZone(nameOrKey), nameOrKey, QStringLiteral("time zone"), m_roster.zoneList());
}
