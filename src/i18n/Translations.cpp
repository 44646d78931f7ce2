#include "Translations.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>

QStringList Translations::directories()
{
    QStringList dirs;
    const QString chosen = qEnvironmentVariable("TALLYHOLD_TRANSLATIONS");
    if (!chosen.isEmpty())
        dirs << chosen;
    dirs << QStringLiteral(":/i18n");
    if (QCoreApplication::instance())
        dirs << QCoreApplication::applicationDirPath() + QStringLiteral("/translations");
    dirs << QStringLiteral(TALLYHOLD_TRANSLATIONS_DIR);
    return dirs;
}

QStringList Translations::available()
{
    QStringList languages;
    for (const QString& dir : directories())
        for (const QString& file : QDir(dir).entryList({QStringLiteral("tallyhold_*.qm")}, QDir::Files)) {
            const QString language = file.mid(10).chopped(3);
            if (!languages.contains(language))
                languages.append(language);
        }
    languages.sort();
    return languages;
}

std::unique_ptr<QTranslator> Translations::load(const QLocale& locale)
{
    auto translator = std::make_unique<QTranslator>();
    for (const QString& language : locale.uiLanguages()) {
        const QLocale one(language);
        // English texts are the source: a user who puts English before another language gets
        // English, not the next language QTranslator would go on to.
        if (one.language() == QLocale::English || one.language() == QLocale::C)
            return nullptr;
        for (const QString& dir : directories())
            if (translator->load(one, QStringLiteral("tallyhold"), QStringLiteral("_"), dir))
                return translator;
    }
    return nullptr;
}

bool Translations::install(const QString& language)
{
    const QLocale locale = language.isEmpty() ? QLocale::system() : QLocale(language);
    std::unique_ptr<QTranslator> own = load(locale);
    if (!own)
        return false;
    // Parented to the application: installed for the rest of the run.
    QTranslator* const qt = new QTranslator(QCoreApplication::instance());
    if (qt->load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
                 QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(qt);
    else
        delete qt;
    own->setParent(QCoreApplication::instance());
    QCoreApplication::installTranslator(own.release());
    return true;
}
