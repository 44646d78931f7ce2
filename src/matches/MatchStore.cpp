#include "MatchStore.h"

#include <QSet>

namespace {

const QString MatchColumns
    = QStringLiteral("SELECT MCH_PK, MCH_Title, MCH_Start, MCH_Length, MCH_Zone, MCH_Notes, MCH_Minimum, "
                     "MCH_Created, MCH_Changed, MCH_Cancelled, MCH_Sequence FROM Matches ");

QString stored(const DateTime& moment)
{
    return moment.toStorageText();
}

DateTime readMoment(const QVariant& value)
{
    return DateTime::fromStorageText(value.toString()).value_or(DateTime());
}

template<class E> E readEnum(const QVariant& value, int last)
{
    const int number = value.toInt();
    // A number a later version may add reads as the first.
    return E(number >= 0 && number <= last ? number : 0);
}

QList<Match> readMatches(Rows rows)
{
    QList<Match> matches;
    while (rows.next()) {
        Match match;
        match.key = rows.value(0).toByteArray();
        match.title = rows.value(1).toString();
        const std::optional<DateTime> start = DateTime::fromStorageText(rows.value(2).toString());
        // A row another program left without a readable start is no match to show.
        if (!start)
            continue;
        match.start = *start;
        match.length = rows.value(3).toInt();
        match.zone = rows.value(4).toString();
        match.notes = rows.value(5).toString();
        match.minimum = rows.value(6).toInt();
        match.created = readMoment(rows.value(7));
        match.changed = readMoment(rows.value(8));
        match.cancelled = rows.value(9).toInt() != 0;
        match.sequence = rows.value(10).toInt();
        matches.append(std::move(match));
    }
    return matches;
}

} // namespace

QList<Match> MatchStore::starting(const DateTime& from, const DateTime& to, bool newestFirst) const
{
    // Stored moments order as text.
    return readMatches(
        m_db.select(MatchColumns + QStringLiteral("WHERE MCH_Start >= ? AND MCH_Start < ? ORDER BY MCH_Start")
                        + (newestFirst ? QStringLiteral(" DESC") : QString()),
                    {stored(from), stored(to)}));
}

QHash<RecordKey, MatchStore::Counts> MatchStore::counts(const DateTime& from, const DateTime& to) const
{
    QHash<RecordKey, Counts> byMatch;
    Rows rows = m_db.select(
        QStringLiteral("SELECT MPL_FK_Match, MPL_Answer, MPL_Required, COUNT(*) FROM MatchPlayers JOIN "
                       "Matches ON MCH_PK = MPL_FK_Match JOIN Members ON MBR_PK = MPL_FK_Member WHERE "
                       "MCH_Start >= ? AND MCH_Start < ? GROUP BY MPL_FK_Match, MPL_Answer, MPL_Required"),
        {stored(from), stored(to)});
    while (rows.next()) {
        Counts& counts = byMatch[rows.value(0).toByteArray()];
        const auto answer = readEnum<MatchAnswer>(rows.value(1), 4);
        const int players = rows.value(3).toInt();
        counts.answers[size_t(answer)] += players;
        if (rows.value(2).toInt() != 0 && answer != MatchAnswer::Yes)
            counts.requiredOut += players;
    }
    return byMatch;
}

std::optional<Match> MatchStore::load(const RecordKey& key) const
{
    QList<Match> found = readMatches(m_db.select(MatchColumns + QStringLiteral("WHERE MCH_PK = ?"), {key}));
    if (found.isEmpty())
        return std::nullopt;
    Match& match = found.first();
    Rows rows = m_db.select(
        QStringLiteral("SELECT MPL_FK_Member, MBR_Online_Player_Name, MBR_Email_Primary, MPL_Required, "
                       "MPL_Answer, MPL_Note, MPL_Answered, MPL_Attended FROM MatchPlayers JOIN Members ON "
                       "MBR_PK = MPL_FK_Member WHERE MPL_FK_Match = ?"),
        {key});
    while (rows.next()) {
        MatchPlayer player;
        player.member = rows.value(0).toByteArray();
        player.name = rows.value(1).toString().trimmed();
        player.email = rows.value(2).toString().trimmed();
        player.required = rows.value(3).toInt() != 0;
        player.answer = readEnum<MatchAnswer>(rows.value(4), 4);
        player.note = rows.value(5).toString();
        player.answered = DateTime::fromStorageText(rows.value(6).toString());
        player.attended = readEnum<Attended>(rows.value(7), 2);
        match.players.append(std::move(player));
    }
    std::sort(match.players.begin(), match.players.end(), [](const MatchPlayer& a, const MatchPlayer& b) {
        const int folded = a.name.compare(b.name, Qt::CaseInsensitive);
        return folded != 0 ? folded < 0 : a.name < b.name;
    });
    return match;
}

QList<Match> MatchStore::titled(const QString& title) const
{
    QList<Match> matches;
    for (Match& match : readMatches(m_db.select(MatchColumns + QStringLiteral("ORDER BY MCH_Start")))) {
        if (match.title.trimmed().compare(title.trimmed(), Qt::CaseInsensitive) == 0)
            matches.append(std::move(match));
    }
    return matches;
}

QList<RecordKey> MatchStore::invitedTo(const RecordKey& member, const DateTime& from) const
{
    QList<RecordKey> keys;
    Rows rows
        = m_db.select(QStringLiteral("SELECT MCH_PK FROM Matches JOIN MatchPlayers ON MPL_FK_Match = "
                                     "MCH_PK WHERE MPL_FK_Member = ? AND MCH_Start >= ? ORDER BY MCH_Start"),
                      {member, stored(from)});
    while (rows.next())
        keys.append(rows.value(0).toByteArray());
    return keys;
}

QList<AttendanceRecord> MatchStore::attendance(const DateTime& before, int last) const
{
    QHash<RecordKey, AttendanceRecord> byMember;
    Rows rows = m_db.select(
        QStringLiteral(
            "SELECT MPL_FK_Member, MBR_Online_Player_Name, MPL_Answer, MPL_Attended FROM MatchPlayers "
            "JOIN Members ON MBR_PK = MPL_FK_Member JOIN (SELECT MCH_PK FROM Matches WHERE MCH_Start < "
            "? AND MCH_Cancelled = 0 ORDER BY MCH_Start DESC LIMIT ?) recent ON recent.MCH_PK = "
            "MPL_FK_Match"),
        {stored(before), last});
    while (rows.next()) {
        AttendanceRecord& record = byMember[rows.value(0).toByteArray()];
        record.member = rows.value(0).toByteArray();
        record.name = rows.value(1).toString().trimmed();
        const bool yes = readEnum<MatchAnswer>(rows.value(2), 4) == MatchAnswer::Yes;
        const auto attended = readEnum<Attended>(rows.value(3), 2);
        ++record.invited;
        record.saidYes += yes ? 1 : 0;
        record.came += attended == Attended::Yes ? 1 : 0;
        record.saidYesDidNotCome += yes && attended == Attended::No ? 1 : 0;
    }
    QList<AttendanceRecord> records = byMember.values();
    std::sort(records.begin(), records.end(), [](const AttendanceRecord& a, const AttendanceRecord& b) {
        const int folded = a.name.compare(b.name, Qt::CaseInsensitive);
        return folded != 0 ? folded < 0 : a.member < b.member;
    });
    return records;
}

void MatchStore::addPlayer(const RecordKey& match, const MatchPlayer& player) const
{
    m_db.insert(
        QStringLiteral("MatchPlayers"),
        {{QStringLiteral("MPL_FK_Match"), match},
         {QStringLiteral("MPL_FK_Member"), player.member},
         {QStringLiteral("MPL_Required"), player.required ? 1 : 0},
         {QStringLiteral("MPL_Answer"), int(player.answer)},
         {QStringLiteral("MPL_Note"), player.note},
         {QStringLiteral("MPL_Answered"), player.answered ? QVariant(stored(*player.answered)) : QVariant()},
         {QStringLiteral("MPL_Attended"), int(player.attended)}});
}

RecordKey MatchStore::insert(Match match) const
{
    Transaction transaction(m_db);
    match.key = NewRecordKey();
    m_db.insert(QStringLiteral("Matches"),
                {{QStringLiteral("MCH_PK"), match.key},
                 {QStringLiteral("MCH_Title"), match.title},
                 {QStringLiteral("MCH_Start"), stored(match.start)},
                 {QStringLiteral("MCH_Length"), match.length},
                 {QStringLiteral("MCH_Zone"), match.zone},
                 {QStringLiteral("MCH_Notes"), match.notes},
                 {QStringLiteral("MCH_Minimum"), match.minimum},
                 {QStringLiteral("MCH_Created"), stored(match.created)},
                 {QStringLiteral("MCH_Changed"), stored(match.changed)},
                 {QStringLiteral("MCH_Cancelled"), match.cancelled ? 1 : 0},
                 {QStringLiteral("MCH_Sequence"), match.sequence}});
    for (const MatchPlayer& player : std::as_const(match.players))
        addPlayer(match.key, player);
    transaction.commit();
    return match.key;
}

void MatchStore::update(const Match& match, bool resetAnswers) const
{
    Transaction transaction(m_db);
    m_db.exec(
        QStringLiteral("UPDATE Matches SET MCH_Title = ?, MCH_Start = ?, MCH_Length = ?, MCH_Zone = ?, "
                       "MCH_Notes = ?, MCH_Minimum = ?, MCH_Changed = ?, MCH_Sequence = MCH_Sequence + 1 "
                       "WHERE MCH_PK = ?"),
        {match.title, stored(match.start), match.length, match.zone, match.notes, match.minimum,
         stored(match.changed), match.key});
    QSet<RecordKey> kept;
    for (const MatchPlayer& player : match.players)
        kept.insert(player.member);
    Rows rows = m_db.select(QStringLiteral("SELECT MPL_FK_Member FROM MatchPlayers WHERE MPL_FK_Match = ?"),
                            {match.key});
    QSet<RecordKey> stored;
    while (rows.next())
        stored.insert(rows.value(0).toByteArray());
    for (const RecordKey& member : std::as_const(stored)) {
        if (!kept.contains(member))
            m_db.exec(QStringLiteral("DELETE FROM MatchPlayers WHERE MPL_FK_Match = ? AND MPL_FK_Member = ?"),
                      {match.key, member});
    }
    for (const MatchPlayer& player : match.players) {
        if (stored.contains(player.member))
            m_db.exec(QStringLiteral("UPDATE MatchPlayers SET MPL_Required = ? WHERE MPL_FK_Match = ? AND "
                                     "MPL_FK_Member = ?"),
                      {player.required ? 1 : 0, match.key, player.member});
        else
            addPlayer(match.key, player);
    }
    // An answer was for the old time; the note stays, as the player wrote it.
    if (resetAnswers)
        m_db.exec(
            QStringLiteral("UPDATE MatchPlayers SET MPL_Answer = 0, MPL_Answered = NULL, MPL_Attended = 0 "
                           "WHERE MPL_FK_Match = ?"),
            {match.key});
    transaction.commit();
}

void MatchStore::setCancelled(const RecordKey& match, bool cancelled, const DateTime& now) const
{
    m_db.exec(QStringLiteral("UPDATE Matches SET MCH_Cancelled = ?, MCH_Changed = ?, MCH_Sequence = "
                             "MCH_Sequence + 1 WHERE MCH_PK = ?"),
              {cancelled ? 1 : 0, stored(now), match});
}

void MatchStore::setAnswer(const RecordKey& match, const RecordKey& member, MatchAnswer answer,
                           const QString& note, const DateTime& now) const
{
    m_db.exec(
        QStringLiteral("UPDATE MatchPlayers SET MPL_Answer = ?, MPL_Note = ?, MPL_Answered = ? WHERE "
                       "MPL_FK_Match = ? AND MPL_FK_Member = ?"),
        {int(answer), note, answer == MatchAnswer::None ? QVariant() : QVariant(stored(now)), match, member});
}

void MatchStore::setAttended(const RecordKey& match, const RecordKey& member, Attended attended) const
{
    m_db.exec(QStringLiteral("UPDATE MatchPlayers SET MPL_Attended = ? WHERE MPL_FK_Match = ? AND "
                             "MPL_FK_Member = ?"),
              {int(attended), match, member});
}

void MatchStore::remove(const RecordKey& match) const
{
    Transaction transaction(m_db);
    m_db.exec(QStringLiteral("DELETE FROM MatchPlayers WHERE MPL_FK_Match = ?"), {match});
    m_db.remove(QStringLiteral("Matches"), QStringLiteral("MCH_PK"), match);
    transaction.commit();
}

void MatchStore::removeFor(const RecordKey& member) const
{
    m_db.exec(QStringLiteral("DELETE FROM MatchPlayers WHERE MPL_FK_Member = ?"), {member});
}
