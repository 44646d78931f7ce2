#include "InvitationStore.h"

#include "store/RosterError.h"

#include <QCryptographicHash>
#include <QRandomGenerator>

namespace {

constexpr int TokenBytes = 16;

const QByteArray::Base64Options TokenEncoding
    = QByteArray::Base64UrlEncoding | QByteArray::OmitTrailingEquals;

QString storageText(const QDateTime& time)
{
    return time.isValid() ? time.toUTC().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")) : QString();
}

QDateTime fromStorage(const QVariant& value)
{
    QDateTime time = QDateTime::fromString(value.toString(), QStringLiteral("yyyy-MM-dd HH:mm:ss"));
    time.setTimeSpec(Qt::UTC);
    return time;
}

// The token's bytes, or nothing when text is not a token of this program.
std::optional<QByteArray> tokenBytes(const QString& text)
{
    if (text.size() != 22)
        return std::nullopt;
    const auto decoded = QByteArray::fromBase64Encoding(
        text.toLatin1(), TokenEncoding | QByteArray::AbortOnBase64DecodingErrors);
    if (!decoded || decoded.decoded.size() != TokenBytes
        || decoded.decoded.toBase64(TokenEncoding) != text.toLatin1())
        return std::nullopt;
    return decoded.decoded;
}

QByteArray tokenHash(const QByteArray& bytes)
{
    return QCryptographicHash::hash(bytes, QCryptographicHash::Sha256);
}

const QString Columns = QStringLiteral("SELECT INV_PK, INV_FK_Member, MBR_Online_Player_Name, INV_Created, "
                                       "INV_Expires, INV_Revoked, INV_Last_Saved, INV_Token_Hash "
                                       "FROM Invitations JOIN Members ON INV_FK_Member = MBR_PK ");

Invitation read(const QSqlRecord& row)
{
    return {row.value(0).toByteArray(), row.value(1).toByteArray(), row.value(2).toString().trimmed(),
            fromStorage(row.value(3)),  fromStorage(row.value(4)),  fromStorage(row.value(5)),
            fromStorage(row.value(6))};
}

} // namespace

Invitation::State Invitation::state(const QDateTime& now) const
{
    if (revoked.isValid())
        return State::Revoked;
    return now < expires ? State::Active : State::Expired;
}

QString Invitation::describe(const QDateTime& now) const
{
    const QString format = QStringLiteral("M/d/yyyy");
    CoreText text;
    switch (state(now)) {
    case State::Active:
        text = CoreText("InvitationStore", "Active until %1").arg(expires.toString(format));
        break;
    case State::Expired:
        text = CoreText("InvitationStore", "Expired %1").arg(expires.toString(format));
        break;
    case State::Revoked:
        text = CoreText("InvitationStore", "Revoked %1").arg(revoked.toString(format));
        break;
    }
    if (lastSaved.isValid())
        text = CoreText("InvitationStore", "%1, last saved %2").arg(text, lastSaved.toString(format));
    return text.shown();
}

InvitationStore::InvitationStore(const Database& db)
    : m_db(db)
{
}

NewInvitation InvitationStore::make(const RecordKey& member, int days, const QDateTime& now) const
{
    if (days < 1 || days > MaximumDays)
        throw RosterError(ErrorKind::ValueOutOfRange,
                          CoreText("InvitationStore", "A sign-up link lasts 1 to %1 days.").arg(MaximumDays));
    const auto row
        = m_db.first(QStringLiteral("SELECT MBR_Online_Player_Name FROM Members WHERE MBR_PK = ?"), {member});
    if (!row)
        throw RosterError(ErrorKind::RowVanished,
                          CoreText("InvitationStore", "That member is no longer in the roster."));
    QByteArray bytes(TokenBytes, Qt::Uninitialized);
    QRandomGenerator::system()->fillRange(reinterpret_cast<quint32*>(bytes.data()), TokenBytes / 4);
    NewInvitation made {{NewRecordKey(),
                         member,
                         row->value(0).toString().trimmed(),
                         now.toUTC(),
                         now.toUTC().addDays(days),
                         {},
                         {}},
                        QString::fromLatin1(bytes.toBase64(TokenEncoding))};
    const Invitation& link = made.invitation;
    m_db.checkWritable();
    m_db.insert(QStringLiteral("Invitations"),
                {{QStringLiteral("INV_PK"), link.key},
                 {QStringLiteral("INV_FK_Member"), member},
                 {QStringLiteral("INV_Token_Hash"), tokenHash(bytes)},
                 {QStringLiteral("INV_Created"), storageText(link.created)},
                 {QStringLiteral("INV_Expires"), storageText(link.expires)}});
    return made;
}

QList<Invitation> InvitationStore::list(const RecordKey& member) const
{
    const QString order = QStringLiteral("ORDER BY INV_Created DESC, MBR_Online_Player_Name");
    const QList<QSqlRecord> rows = member.isEmpty()
        ? m_db.all(Columns + order)
        : m_db.all(Columns + QStringLiteral("WHERE INV_FK_Member = ? ") + order, {member});
    QList<Invitation> links;
    for (const QSqlRecord& row : rows)
        links.append(read(row));
    return links;
}

void InvitationStore::revoke(const RecordKey& key, const QDateTime& now) const
{
    const auto row
        = m_db.first(QStringLiteral("SELECT INV_Revoked FROM Invitations WHERE INV_PK = ?"), {key});
    if (!row)
        throw RosterError(ErrorKind::RowVanished,
                          CoreText("InvitationStore", "That sign-up link is no longer in the roster."));
    if (row->value(0).isNull())
        m_db.update(QStringLiteral("Invitations"), QStringLiteral("INV_PK"), key,
                    {{QStringLiteral("INV_Revoked"), storageText(now)}});
}

std::optional<Invitation> InvitationStore::find(const QString& token, const QDateTime& now) const
{
    const std::optional<QByteArray> bytes = tokenBytes(token);
    if (!bytes)
        return std::nullopt;
    // The index finds the row by a hash no caller can steer; the hash is then compared again
    // in constant time, whatever the database's own comparison does.
    const QByteArray hash = tokenHash(*bytes);
    const auto row = m_db.first(Columns + QStringLiteral("WHERE INV_Token_Hash = ?"), {hash});
    if (!row || !InvitationStore::sameInConstantTime(row->value(7).toByteArray(), hash))
        return std::nullopt;
    Invitation link = read(*row);
    if (link.state(now) != Invitation::State::Active)
        return std::nullopt;
    return link;
}

void InvitationStore::markSaved(const RecordKey& key, const QDateTime& now) const
{
    m_db.update(QStringLiteral("Invitations"), QStringLiteral("INV_PK"), key,
                {{QStringLiteral("INV_Last_Saved"), storageText(now)}});
}

QDateTime InvitationStore::lastSaved(const RecordKey& member) const
{
    // A read-only roster from before sign-up links has no such table.
    if (!m_db.connection().tables().contains(QStringLiteral("Invitations"), Qt::CaseInsensitive))
        return {};
    const auto row = m_db.first(
        QStringLiteral("SELECT MAX(INV_Last_Saved) FROM Invitations WHERE INV_FK_Member = ?"), {member});
    return row && !row->value(0).isNull() ? fromStorage(row->value(0)) : QDateTime();
}

void InvitationStore::removeFor(const RecordKey& member) const
{
    m_db.exec(QStringLiteral("DELETE FROM Invitations WHERE INV_FK_Member = ?"), {member});
}

bool InvitationStore::sameInConstantTime(const QByteArray& a, const QByteArray& b)
{
    if (a.size() != b.size())
        return false;
    unsigned char difference = 0;
    for (qsizetype i = 0; i < a.size(); ++i)
        difference |= static_cast<unsigned char>(a[i] ^ b[i]);
    return difference == 0;
}
