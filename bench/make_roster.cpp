#include "RosterGenerator.h"
#include "store/RosterError.h"

#include <QCoreApplication>
#include <QTextStream>

// make_roster MEMBERS SEED OUTPUT: writes a new generated roster file.
int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QTextStream err(stderr);
    const QStringList args = app.arguments();
    bool countOk = false;
    bool seedOk = false;
    const int members = args.value(1).toInt(&countOk);
    const quint32 seed = args.value(2).toUInt(&seedOk);
    if (args.size() != 4 || !countOk || !seedOk || members < 0) {
        err << "usage: make_roster MEMBERS SEED OUTPUT.mdb\n";
        return 2;
    }
    try {
        const auto summary = RosterGenerator::writeFile(args.at(3), members, seed);
        QTextStream(stdout) << args.at(3) << ": " << summary.members.size() << " members, "
                            << summary.divisions.size() << " divisions, " << summary.zones.size()
                            << " added zones, " << summary.timesRows << " Times rows\n";
    } catch (const RosterError& error) {
        err << error.text() << ' ' << error.detail() << '\n';
        return 1;
    }
    return 0;
}
