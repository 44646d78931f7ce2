#include "app/Messages.h"
#include "app/frmTallyhold.h"
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
    frmTallyhold window(db, LoadSettings());
    window.show();
    window.activateWindow();
    return app.exec();
}
