#include "gui/Messages.h"
#include "gui/frmTallyhold.h"
#include "roster/Roster.h"
#include "roster/RosterLocation.h"
#include "store/RosterError.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QIcon>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tallyhold"));
    QApplication::setOrganizationName(QStringLiteral("Quillmoor"));
    QApplication::setApplicationVersion(QStringLiteral(TALLYHOLD_VERSION));
    QApplication::setDesktopFileName(QStringLiteral(TALLYHOLD_APP_ID));
    QApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral(TALLYHOLD_APP_ID)));

    QCommandLineParser parser;
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addOptions(RosterLocation::options());
    parser.process(app);
    const QString path = RosterLocation::fromCommandLine(parser);
    if (path.isEmpty()) {
        qCritical("--roster needs a file name.");
        return 1;
    }

    Database db;
    try {
        db = Database::open(path);
    } catch (const RosterError& error) {
        Messages::error(nullptr, error);
        return 1;
    }
    Roster roster(db, LoadSettings());
    frmTallyhold window(roster);
    window.show();
    window.activateWindow();
    const int status = app.exec();
    db.close();
    return status;
}
