#pragma once

#include "store/Database.h"
#include "store/RecordKey.h"
#include "time/DateTime.h"

#include <QStringList>
#include <QUrl>

// A chosen member as an announcement names them.
struct AnnouncedMember
{
    QString name; // trimmed player name
    QString email; // the primary e-mail when it reads as an address, else empty
    bool canPlay = false; // free for the whole match
};

// A match told to its players: when it is on each one's clock, who can play, and how to reach them.
struct MatchAnnouncement
{
    static constexpr const char* DefaultTitle = "Clan match";

    QString title;
    DateTime startGMT;
    int length = 0; // minutes
    // The title, each zone's start and end with its members, then who can and cannot play.
    QString text;
    QList<AnnouncedMember> members; // in name order
    QStringList missingZones;

    qint64 unixStart() const { return startGMT.toUnixSeconds(); }
    // "<t:…:F> (<t:…:R>)": chat clients show the moment in each reader's own time.
    QString discordLine() const;
    QStringList withoutEmail() const;
    // The e-mails of those who can play, with the title as subject and the text as body.
    QUrl mailto() const;
};

// Composes the announcement of a match that starts at startLocal on the user's clock.
// canPlay holds the player names free for the whole match.
MatchAnnouncement AnnounceMatch(const Database& db, const QList<RecordKey>& members, const QString& title,
                                const DateTime& startLocal, int length, const QString& userTimeZone,
                                bool userDST, const QStringList& canPlay);

// True for text that can stand as one e-mail address (name@domain.tld, no blanks or separators).
bool IsEmailAddress(const QString& text);

// A mailto: link to addresses with a subject and a body. Encoded by hand: QUrlQuery leaves "&" and
// "+" in a value as they are.
QByteArray MailtoLink(const QStringList& to, const QString& subject, const QString& body);
