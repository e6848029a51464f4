#pragma once
#include <functional>

// SIGTERM and SIGINT end the program the way quitting does, so that what it set up (the
// emulated mouse's testbed folder, lock files) is taken down again.

// With an event loop: the signal quits it (QCoreApplication::quit) from the loop itself.
void quitEventLoopOnTerminationSignals();

// Without one (a command-line run that blocks in its work): `cleanUp` runs on a thread of its
// own when the signal arrives, then the process ends with 128 + the signal number. Call before
// any other thread is started, so that every thread inherits the blocked signals.
void exitOnTerminationSignals(std::function<void()> cleanUp);
