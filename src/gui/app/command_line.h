#pragma once

#include <QString>
#include <QStringList>

// The desktop program's command line:
//   brisko7 [FILE.dat]    start, with that data file opened
//   brisko7 --help        print the usage and end
//   brisko7 --version     print the version and end
// It is parsed before the application object exists, so that --help and
// --version work without a display.
struct CommandLine {
    enum class Action { Run, Help, Version, Error };

    Action action = Action::Run;
    QString file;    // the data file to open at start; empty for a new document
    QString output;  // what to print for Help, Version and Error

    // The exit status for the actions that end at once.
    int exitStatus() const { return action == Action::Error ? 2 : 0; }
};

// arguments[0] is the program itself, as in argv.
CommandLine ParseCommandLine(const QStringList& arguments);
