// SPDX-License-Identifier: GPL-3.0-or-later
// The command line: files to open at start-up, --help and --version. Read before the application
// object exists, so that the answers need no display.
#pragma once

#include <QString>
#include <QStringList>

namespace app {

struct CommandLine {
    enum class Action { Run, Help, Version, Usage };
    Action action = Action::Run;
    QStringList files;   // in the order given; each opens in a window of its own
    QString badOption;   // the option not understood, for Action::Usage
};

/// Reads the arguments after the program's name. Qt's own options (-platform, -style, -display
/// and the rest) are passed over with their values, since the application object takes them;
/// "--" ends the options, so that a file whose name starts with "-" can be named.
CommandLine parseCommandLine(const QStringList &arguments);
CommandLine parseCommandLine(int argc, char **argv);

/// The texts printed for --help, --version and a bad option.
QString helpText();
QString versionText();
QString usageText();

/// Prints the answer to a command line that asks for no window and returns the exit status:
/// 0 for help and version (on standard output), 2 for a bad option (on standard error).
int answerCommandLine(const CommandLine &line);

} // namespace app
