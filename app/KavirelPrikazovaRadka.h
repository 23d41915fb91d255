// SPDX-License-Identifier: GPL-3.0-or-later
// The game's command line: --help, --version and one board file to play, and
// nothing else of its own besides the options the windowing toolkit takes for
// itself.
#pragma once

#include <QStringList>

// Before the application object exists, so that --help and --version work
// without a display and touch no file: prints what they ask for and returns
// the exit status, or returns -1 to go on starting.
int PrikazovaRadkaPredSpustenim(int argc, char** argv);

// Once the toolkit has taken its own options out of the arguments: a single
// argument left is a board file to play (`deska`, empty without one); anything
// else is unknown. Prints a message and returns 2, or returns -1 to go on.
int PrikazovaRadkaPoSpusteni(const QStringList& argumenty, QString& deska);
