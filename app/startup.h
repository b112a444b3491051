#pragma once

// Starts the program: reads the command line and the locale, then either writes the exports it
// names and ends, or checks for a display, shows the main window and runs the event loop. Returns
// the process exit code: 0, 1 on a failure, 2 on an unknown option or a missing file name.
int runLifetally(int argc, char *argv[]);
