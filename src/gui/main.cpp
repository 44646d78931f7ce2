#include "gui/Messages.h"
#include "gui/frmTallyhold.h"
#include "roster/Roster.h"
#include "store/RosterError.h"
#include "store/RosterFile.h"

#include <QApplication>
#include <optional>

namespace {

// The roster for this run, or nothing when it cannot be used and the user has been told why.
// A roster another program holds for a moment is worth trying again.
std::optional<RosterFile> openRoster()
{
    for (;;) {
        try {
            return RosterFile::open();
        } catch (const RosterError& error) {
            if (error.kind() != ErrorKind::RosterInUse) {
                Messages::error(nullptr, error);
                return std::nullopt;
            }
            if (Messages::show(nullptr, QStringLiteral("Roster In Use"), error.text(),
                               Messages::Icon::Exclamation, Messages::Buttons::RetryExit, error.detail())
                != Messages::Answer::Retry)
                return std::nullopt;
        }
    }
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tallyhold"));
    QApplication::setOrganizationName(QStringLiteral("Quillmoor"));

    // Held for the whole run: it keeps a second Tallyhold off the roster.
    std::optional<RosterFile> file = openRoster();
    if (!file)
        return 1;
    for (const RosterError& warning : file->warnings())
        Messages::error(nullptr, warning);
    Roster roster(file->database(), LoadSettings());
    frmTallyhold window(roster);
    window.show();
    window.activateWindow();
    return app.exec();
}
