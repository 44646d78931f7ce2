#pragma once

#include "MatchAnnouncement.h"

#include <QByteArray>

// A match as a calendar invitation (iCalendar, RFC 5545): one event in UTC with the announcement
// as its description, the organiser when organiserEmail is an address, and one attendee per
// chosen member with an e-mail. Built and checked by libical; throws RosterError(Programming)
// when libical finds fault with it.
QByteArray MatchInvitation(const MatchAnnouncement& match, const QString& organiserName,
                           const QString& organiserEmail);

// Writes the invitation whole or not at all; throws RosterError(FileNotSaved) naming the file.
void SaveInvitation(const QByteArray& invitation, const QString& path);
