#pragma once

#include <QLocale>
#include <QStringList>
#include <QTranslator>
#include <memory>

// The program's catalogues, "tallyhold_<lang>.qm" (tallyhold_de.qm, tallyhold_pt_BR.qm), one piece
// of code for the window, tallyhold-cli and tallyhold-web. English is the source language and has
// no catalogue, so every function here does nothing when none is found and the texts stay English.
class Translations
{
public:
    // Where catalogues are looked for, first to last: built into the program (":/i18n"), then
    // beside it ("<program dir>/translations", a build tree), then the installed
    // "<datadir>/tallyhold/translations". TALLYHOLD_TRANSLATIONS, when set, comes first.
    static QStringList directories();

    // The languages there is a catalogue of ("de", "pt_BR"), sorted; English, the source, is not
    // among them.
    static QStringList available();

    // The program's catalogue for locale (its UI languages in order, "pt-BR" then "pt"), or null
    // when there is none: the locale is English or the catalogue was not built.
    static std::unique_ptr<QTranslator> load(const QLocale& locale);

    // Installs the program's catalogue and Qt's own ("qtbase_<lang>.qm") for language ("de",
    // "pt_BR"; empty for the system's, which follows LANGUAGE, LC_ALL, LC_MESSAGES and LANG) on the
    // running application for the rest of the run. Returns whether the program's was found.
    static bool install(const QString& language = QString());
};
