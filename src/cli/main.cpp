#include "CommandLine.h"
#include "i18n/Translations.h"

#include <QCoreApplication>

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    // The preferences are the window's own: Preferences names their store itself.
    QCoreApplication::setApplicationName(QStringLiteral("tallyhold-cli"));
    QCoreApplication::setApplicationVersion(QStringLiteral(TALLYHOLD_VERSION));
    // Human-readable output follows the locale; --json and stored values never do.
    Translations::install();
    return CommandLine::run(QCoreApplication::arguments());
}
