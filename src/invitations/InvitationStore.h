#pragma once

#include "store/Database.h"
#include "store/RecordKey.h"

#include <QDateTime>
#include <optional>

// A member's private sign-up link as the roster keeps it: never the token, only its hash.
struct Invitation
{
    enum class State { Active, Expired, Revoked };

    RecordKey key;
    RecordKey member;
    QString player; // trimmed
    // GMT; revoked and lastSaved are null until that happens.
    QDateTime created;
    QDateTime expires;
    QDateTime revoked;
    QDateTime lastSaved;

    State state(const QDateTime& now) const;
    // "Active until 2/4/2027", "Expired 2/4/2027", "Revoked 12/6/2026" (GMT dates), and when the
    // member last saved through it.
    QString describe(const QDateTime& now) const;
};

// A link just made: the token is shown once and then only its hash remains.
struct NewInvitation
{
    Invitation invitation;
    QString token;
};

// The Invitations table. Tokens are 128 random bits written as 22 URL-safe characters.
class InvitationStore
{
public:
    static constexpr int DefaultDays = 60;
    static constexpr int MaximumDays = 3650;

    explicit InvitationStore(const Database& db);

    // RowVanished when the member is gone; ValueOutOfRange for days outside 1 to MaximumDays.
    NewInvitation make(const RecordKey& member, int days, const QDateTime& now) const;
    // The links of one member, or of every member when member is empty; newest first.
    QList<Invitation> list(const RecordKey& member = {}) const;
    // RowVanished when there is no such link; revoking twice keeps the first time.
    void revoke(const RecordKey& key, const QDateTime& now) const;
    // The active link of an existing member that token opens; nothing for any other text.
    std::optional<Invitation> find(const QString& token, const QDateTime& now) const;
    void markSaved(const RecordKey& key, const QDateTime& now) const;
    // When the member last saved their week through a link; null when never.
    QDateTime lastSaved(const RecordKey& member) const;
    void removeFor(const RecordKey& member) const;

    // Takes as long whatever bytes differ, so the time of a refusal tells nothing of a secret.
    static bool sameInConstantTime(const QByteArray& a, const QByteArray& b);

private:
    Database m_db;
};
