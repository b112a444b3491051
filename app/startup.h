#pragma once

#include <QString>

// Starts the program: chooses the platform, reads the command line and the locale, then either
// writes the exports it names and ends, or shows the main window and runs the event loop. Returns
// the process exit code: 0, 1 on a failure, 2 on an unknown option or a missing file name.
int runLifetally(int argc, char *argv[]);

// The window's run, once the application object exists: one copy per settings file (a second
// copy is refused, and may ask the first to show itself), the window, and the signals that end
// it. A signal to end saves without questions, also while a start-up message is open, and ends
// the run: 0 when the entries were kept (in the settings file or the recovery file), 1 when not.
int runWindow(const QString &settingsFile);
