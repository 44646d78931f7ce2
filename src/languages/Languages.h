#pragma once

#include <QList>
#include <QString>

class QCoreApplication;

// The languages built into the programs, and the one a run speaks. English is the source
// language and needs no catalogue; the others come from the catalogues compiled into the
// programs, with Qt's own texts (dialog buttons) from the system's Qt translations.
class Languages
{
public:
    struct Language
    {
        QString code; // "de", "pt_BR"; empty for English
        QString name; // in its own language: "Deutsch"
    };

    // English first, then every built-in translation.
    static QList<Language> builtIn();
    // "English, Deutsch, …" for About.
    static QString builtInNames();

    // The choice saved in the user's preferences: a code from builtIn(), "en", or empty for the
    // system's language.
    static QString saved();
    static void save(const QString& code);

    // The language a run speaks: the saved choice, else the first of the system's UI languages that is
    // built in, else English.
    static QString chosen();
    // The clock on which the window shows times. By language: 12-hour in English, 24-hour in the others.
    enum class Clock { ByLanguage, Hours12, Hours24 };
    static Clock savedClock();
    static void saveClock(Clock clock);
    static bool uses24HourClock();

    // Installs the translators for chosen() on the application; the run then speaks it.
    static void install(QCoreApplication& app);
};
