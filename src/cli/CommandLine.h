#pragma once

#include <QCoreApplication>
#include <QStringList>

// tallyhold-cli: reads the command line, opens the roster and runs one command on a roster
// session, printing its result to stdout and any refusal or failure to stderr.
class CommandLine
{
    Q_DECLARE_TR_FUNCTIONS(CommandLine)

public:
    enum Status {
        Done = 0,
        // The command was refused or the input is bad; nothing was written.
        Refused = 1,
        // The roster cannot be opened, or the database failed.
        Failed = 2,
    };

    // Runs the command in arguments (the program's own name first) and returns the exit status.
    static int run(const QStringList& arguments);
};
