#include "Languages.h"

#include "i18n/Translations.h"

#include <QCoreApplication>
#include <QLocale>
#include <QSettings>

namespace {

const QString LanguageKey = QStringLiteral("Tallyhold/Language");
const QString ClockKey = QStringLiteral("Tallyhold/Clock");

QSettings store()
{
    return QSettings(QStringLiteral("Quillmoor"), QStringLiteral("Tallyhold"));
}

bool isBuiltIn(const QString& code)
{
    for (const Languages::Language& language : Languages::builtIn())
        if (language.code == code)
            return true;
    return false;
}

// "pt-BR" and "pt_BR" alike; a region we have no catalogue for falls back to the language.
QString builtInMatch(const QString& uiLanguage)
{
    QString code = uiLanguage;
    code.replace(QLatin1Char('-'), QLatin1Char('_'));
    if (isBuiltIn(code))
        return code;
    const QString base = code.section(QLatin1Char('_'), 0, 0);
    if (base == QLatin1String("en"))
        return QStringLiteral("en");
    if (base == QLatin1String("pt") && isBuiltIn(QStringLiteral("pt_BR")))
        return QStringLiteral("pt_BR");
    return isBuiltIn(base) ? base : QString();
}

} // namespace

QList<Languages::Language> Languages::builtIn()
{
    static const QList<Language> all {{QString(), QStringLiteral("English")},
                                      {QStringLiteral("de"), QStringLiteral("Deutsch")},
                                      {QStringLiteral("fr"), QStringLiteral("Français")},
                                      {QStringLiteral("es"), QStringLiteral("Español")},
                                      {QStringLiteral("ru"), QStringLiteral("Русский")},
                                      {QStringLiteral("pt_BR"), QStringLiteral("Português (Brasil)")},
                                      {QStringLiteral("pl"), QStringLiteral("Polski")}};
    // Only a language whose catalogue was built in is offered: one still being translated is not.
    const QStringList built = Translations::available();
    QList<Language> offered;
    for (const Language& language : all) {
        if (language.code.isEmpty() || built.contains(language.code))
            offered.append(language);
    }
    return offered;
}

QString Languages::builtInNames()
{
    QStringList names;
    for (const Language& language : builtIn())
        names << language.name;
    return names.join(QStringLiteral(", "));
}

QString Languages::saved()
{
    const QString code = store().value(LanguageKey).toString();
    return code == QLatin1String("en") || isBuiltIn(code) ? code : QString();
}

void Languages::save(const QString& code)
{
    QSettings settings = store();
    if (code.isEmpty())
        settings.remove(LanguageKey);
    else
        settings.setValue(LanguageKey, code);
    settings.sync();
}

QString Languages::chosen()
{
    const QString choice = saved();
    if (!choice.isEmpty())
        return choice == QLatin1String("en") ? QString() : choice;
    for (const QString& uiLanguage : QLocale().uiLanguages()) {
        const QString match = builtInMatch(uiLanguage);
        if (!match.isEmpty())
            return match == QLatin1String("en") ? QString() : match;
    }
    return QString();
}

void Languages::install(QCoreApplication&)
{
    // English, the source language, needs nothing.
    if (const QString code = chosen(); !code.isEmpty())
        Translations::install(code);
}

Languages::Clock Languages::savedClock()
{
    const QString hours = store().value(ClockKey).toString();
    return hours == QLatin1String("12") ? Clock::Hours12
        : hours == QLatin1String("24")  ? Clock::Hours24
                                        : Clock::ByLanguage;
}

void Languages::saveClock(Clock clock)
{
    QSettings settings = store();
    if (clock == Clock::ByLanguage)
        settings.remove(ClockKey);
    else
        settings.setValue(ClockKey, clock == Clock::Hours24 ? QStringLiteral("24") : QStringLiteral("12"));
    settings.sync();
}

bool Languages::uses24HourClock()
{
    const Clock clock = savedClock();
    return clock == Clock::ByLanguage ? !chosen().isEmpty() : clock == Clock::Hours24;
}
