#include "gui/Messages.h"
#include "gui/frmTallyhold.h"
#include "languages/Languages.h"
#include "roster/Roster.h"
#include "roster/RosterLocation.h"
#include "store/RosterError.h"
#include "store/RosterFile.h"
#include "time/DateTime.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QIcon>
#include <optional>

namespace {

// The roster for this run, or nothing when it cannot be used and the user has been told why.
// A roster another program holds for a moment is worth trying again; a server that wants a
// password gets it for this run only (libpq reads PGPASSWORD; nothing is written anywhere).
// status is what the program exits with when the roster is not opened: 2 when the store failed,
// as tallyhold-cli does.
std::optional<RosterFile> openRoster(const QString& path, QWidget* parent = nullptr, int* status = nullptr)
{
    for (;;) {
        try {
            return RosterFile::open(path);
        } catch (const RosterError& error) {
            if (status)
                *status = isStoreFailure(error.kind()) ? 2 : 1;
            if (error.kind() == ErrorKind::PasswordNeeded) {
                const QString password = Messages::askText(
                    parent, QCoreApplication::translate("main", "Password"),
                    error.text() + QStringLiteral("\n\n") + error.detail(), QString(), true);
                if (password.isEmpty())
                    return std::nullopt;
                qputenv("PGPASSWORD", password.toUtf8());
                continue;
            }
            if (error.kind() != ErrorKind::RosterInUse) {
                Messages::error(parent, error);
                return std::nullopt;
            }
            if (Messages::show(parent, QCoreApplication::translate("main", "Roster In Use"), error.text(),
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
    QApplication::setApplicationVersion(QStringLiteral(TALLYHOLD_VERSION));
    QApplication::setDesktopFileName(QStringLiteral(TALLYHOLD_APP_ID));
    QApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral(TALLYHOLD_APP_ID)));
    // Before any window or box: the language is chosen once per run.
    Languages::install(app);
    DateTime::setShown24Hour(Languages::uses24HourClock());

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

    // Held for the whole run: it keeps a second Tallyhold off the roster.
    int failed = 1;
    std::optional<RosterFile> file = openRoster(path, nullptr, &failed);
    if (!file)
        return failed;
    // File, Open Shared Roster starts the window again on the roster chosen, once it opens.
    for (;;) {
        for (const RosterError& warning : file->warnings())
            Messages::error(nullptr, warning);
        std::optional<RosterFile> next;
        int status = 0;
        {
            Roster roster(file->database(), LoadSettings());
            frmTallyhold window(roster);
            QObject::connect(&window, &frmTallyhold::rosterChosen, &window, [&](const QString& address) {
                next = openRoster(address, &window);
                if (next) {
                    SaveLastSharedRoster(address);
                    QCoreApplication::exit(0);
                }
            });
            window.show();
            window.activateWindow();
            status = app.exec();
        }
        if (!next)
            return status;
        Database(file->database()).close();
        file = std::move(next);
    }
}
