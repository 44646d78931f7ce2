#include "CommandLine.h"

#include <QCoreApplication>

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    // The preferences are the window's own: Preferences names their store itself.
    QCoreApplication::setApplicationName(QStringLiteral("tallyhold-cli"));
    QCoreApplication::setApplicationVersion(QStringLiteral(TALLYHOLD_VERSION));
    return CommandLine::run(QCoreApplication::arguments());
}
