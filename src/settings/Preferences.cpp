#include "Preferences.h"

#include <QSettings>
#include <cmath>

namespace {

std::optional<int> readWhole(const QString& text, int lowest, int highest)
{
    bool ok = false;
    const double value = text.trimmed().toDouble(&ok);
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    const double rounded = std::nearbyint(value);
    if (rounded < lowest || rounded > highest)
        return std::nullopt;
    return int(rounded);
}

QSettings store()
{
    return QSettings(QStringLiteral("Quillmoor"), QStringLiteral("Tallyhold"));
}

} // namespace

std::optional<int> Preferences::readMaxResults(const QString& text)
{
    return readWhole(text, 1, 32767);
}

std::optional<int> Preferences::readTimeGranularity(const QString& text)
{
    return readWhole(text, 1, 1440);
}

std::optional<int> Preferences::readMatchLength(const QString& text)
{
    bool ok = false;
    const int minutes = text.trimmed().toInt(&ok);
    if (!ok || (minutes != 1 && (minutes < 15 || minutes > 1440)))
        return std::nullopt;
    return minutes;
}

std::optional<int> Preferences::readMinimumPlayers(const QString& text)
{
    bool ok = false;
    const int players = text.trimmed().toInt(&ok);
    if (!ok || players < 1 || players > 32767)
        return std::nullopt;
    return players;
}

std::optional<bool> Preferences::readBoolean(const QString& text)
{
    const QString value = text.trimmed();
    if (value.compare(QLatin1String("True"), Qt::CaseInsensitive) == 0)
        return true;
    if (value.compare(QLatin1String("False"), Qt::CaseInsensitive) == 0)
        return false;
    bool ok = false;
    const int number = value.toInt(&ok);
    if (ok)
        return number != 0;
    return std::nullopt;
}

Preferences LoadSettings()
{
    const Preferences defaults;
    Preferences loaded;
    QSettings settings = store();
    settings.beginGroup(QStringLiteral("Tallyhold"));
    const auto text = [&settings](const char* key) {
        return settings.value(QLatin1String(key)).toString();
    };
    const QString zone = text("UserTimeZone").trimmed();
    loaded.userTimeZone = zone.isEmpty() ? defaults.userTimeZone : zone;
    loaded.userDST = Preferences::readBoolean(text("UserDST")).value_or(defaults.userDST);
    loaded.verifyOff = Preferences::readBoolean(text("VerifyOff")).value_or(defaults.verifyOff);
    loaded.maxResults = Preferences::readMaxResults(text("MaxResults")).value_or(defaults.maxResults);
    if (settings.contains(QStringLiteral("UserName")))
        loaded.userName = text("UserName");
    if (settings.contains(QStringLiteral("UserEmail")))
        loaded.userEmail = text("UserEmail");
    loaded.timeGranularity
        = Preferences::readTimeGranularity(text("TimeGranularity")).value_or(defaults.timeGranularity);
    loaded.matchLength = Preferences::readMatchLength(text("MatchLength")).value_or(defaults.matchLength);
    loaded.minimumPlayers
        = Preferences::readMinimumPlayers(text("MinimumPlayers")).value_or(defaults.minimumPlayers);
    return loaded;
}

bool UserTimeZoneStored()
{
    return !store().value(QStringLiteral("Tallyhold/UserTimeZone")).toString().trimmed().isEmpty();
}

void SaveSettings(const Preferences& preferences)
{
    const auto boolean = [](bool value) {
        return value ? QStringLiteral("True") : QStringLiteral("False");
    };
    QSettings settings = store();
    settings.beginGroup(QStringLiteral("Tallyhold"));
    settings.setValue(QStringLiteral("UserTimeZone"), preferences.userTimeZone);
    settings.setValue(QStringLiteral("UserDST"), boolean(preferences.userDST));
    settings.setValue(QStringLiteral("VerifyOff"), boolean(preferences.verifyOff));
    settings.setValue(QStringLiteral("MaxResults"), QString::number(preferences.maxResults));
    settings.setValue(QStringLiteral("UserName"), preferences.userName);
    settings.setValue(QStringLiteral("UserEmail"), preferences.userEmail);
    settings.setValue(QStringLiteral("TimeGranularity"), QString::number(preferences.timeGranularity));
    settings.setValue(QStringLiteral("MatchLength"), QString::number(preferences.matchLength));
    settings.setValue(QStringLiteral("MinimumPlayers"), QString::number(preferences.minimumPlayers));
    settings.endGroup();
    settings.sync();
}

QString LoadLastSharedRoster()
{
    return store().value(QStringLiteral("Tallyhold/SharedRoster")).toString();
}

void SaveLastSharedRoster(const QString& address)
{
    store().setValue(QStringLiteral("Tallyhold/SharedRoster"), address);
}
