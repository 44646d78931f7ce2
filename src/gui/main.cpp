#include "gui/Messages.h"
#include "gui/frmTallyhold.h"
#include "roster/Roster.h"
#include "store/RosterError.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tallyhold"));
    QApplication::setOrganizationName(QStringLiteral("Quillmoor"));

    Database db;
    try {
        db = Database::open();
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
