#pragma once

#include <QString>
#include <optional>

// The per-user preferences, held in memory for the whole run: the seven of the Options dialog and
// the week planner's last match length and minimum players.
struct Preferences
{
    QString userTimeZone = QStringLiteral("EST");
    bool userDST = true;
    bool verifyOff = false;
    int maxResults = 10;
    QString userName = QStringLiteral("John Q. User");
    QString userEmail = QStringLiteral("you@example.com");
    int timeGranularity = 30;
    int matchLength = 1; // minutes; 1 is a single moment
    int minimumPlayers = 1;

    // A result limit is a whole number from 1 to 32767 (a fraction rounds, half to even).
    static std::optional<int> readMaxResults(const QString& text);
    // A grid step is a whole number of minutes from 1 to 1440; others would stall or skip the grid.
    static std::optional<int> readTimeGranularity(const QString& text);
    // A match length is 1 (a moment) or a whole number of minutes from 15 to 1440.
    static std::optional<int> readMatchLength(const QString& text);
    // A minimum count of players is a whole number from 1 to 32767.
    static std::optional<int> readMinimumPlayers(const QString& text);
    static std::optional<bool> readBoolean(const QString& text);
};

// Reads the store (organisation "Quillmoor", application and group "Tallyhold"); an absent
// key, or a value that does not read as its type, gives its default.
Preferences LoadSettings();
// False until a user time zone has been stored: the first run, or a store without the key.
bool UserTimeZoneStored();
// Writes the values as text: numbers in decimal, Booleans as True or False.
void SaveSettings(const Preferences& preferences);
// The shared roster last opened through File, Open Shared Roster (its address; never a password).
QString LoadLastSharedRoster();
void SaveLastSharedRoster(const QString& address);
