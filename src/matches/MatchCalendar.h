#pragma once

#include "Match.h"

#include <QByteArray>

// Matches as one calendar (iCalendar, RFC 5545) a calendar program subscribes to: one event per
// match in UTC, its UID the match's for life and its SEQUENCE the stored one, cancelled ones
// marked so. With a member, only that member attends each event, with their answer as PARTSTAT;
// without one, every player does. The matches carry their players. Written and checked by
// libical; throws RosterError(Programming) when libical finds fault with it.
QByteArray MatchCalendar(const QList<Match>& matches, const RecordKey& member, const QString& organiserName,
                         const QString& organiserEmail);
