#pragma once

#include <QString>
#include <optional>

// The seven per-user preferences, held in memory for the whole run.
struct Preferences
{
    QString userTimeZone = QStringLiteral("EST");
    bool userDST = true;
    bool verifyOff = false;
    int maxResults = 10;
    QString userName = QStringLiteral("John Q. User");
    QString userEmail = QStringLiteral("you@example.com");
    int timeGranularity = 30;

    // A result limit is a whole number from 1 to 32767 (a fraction rounds, half to even).
    static std::optional<int> readMaxResults(const QString& text);
    // A grid step is a whole number of minutes from 1 to 1440; others would stall or skip the grid.
    static std::optional<int> readTimeGranularity(const QString& text);
    static std::optional<bool> readBoolean(const QString& text);
};

// Reads the store (organisation "Quillmoor", application and group "Tallyhold"); an absent
// key, or a value that does not read as its type, gives its default.
Preferences LoadSettings();
// Writes the seven values as text: numbers in decimal, Booleans as True or False.
void SaveSettings(const Preferences& preferences);
