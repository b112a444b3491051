#pragma once

#include <QString>

class QTimer;

// Lets the event loop run for a settling second and then `seconds` more, and prints the process's
// CPU time (user and system, from getrusage) as a share of one core over that wall time, with
// the ticks `timer` delivered and the heap allocations (operator new) per tick.
// With a target share (per cent of one core) and a target of allocations per tick, prints them
// beside. Returns the process exit code; `share`, when given, receives the share.
int reportCpuShare(const QString &what, QTimer *timer, double seconds, double targetPercent = 0,
                   double targetAllocations = 0, double *share = nullptr);

// The measuring time from the first argument, in seconds; 10 when there is none.
double secondsFromArguments(int argc, char *argv[]);
