#pragma once

// Starts the program: checks for a display, reads the locale once, shows the main window and
// runs the event loop. Returns the process exit code.
int runLifetally(int argc, char *argv[]);
