#pragma once
#include <QByteArray>
#include <functional>

// SIGTERM and SIGINT end the program the way quitting does, so that what it set up (the
// emulated mouse's testbed folder, lock files) is taken down again.

// Catches SIGTERM and SIGINT from here on, whichever thread they reach, and keeps them for
// quitEventLoopOnTerminationSignals(): one sent before the event loop runs waits for it
// instead of ending the program half set up. Call before any other thread is started.
void catchTerminationSignals();

// With an event loop: the signal quits it (QCoreApplication::quit) from the loop itself. A
// signal caught so far is taken now.
void quitEventLoopOnTerminationSignals();

// Without one (a command-line run that blocks in its work): the process ends with 128 + the
// signal number, and the folder `leftover()` names at that moment (if any) is removed once it
// has ended, when no thread of it can add files any more. Call before any other thread is
// started, so that every thread inherits the blocked signals.
void exitOnTerminationSignals(std::function<QByteArray()> leftover);
// While one exists, a signal caught by exitOnTerminationSignals waits to end the process: what
// is being set up (a testbed folder made but not yet named in the environment) is then whole
// and named, and goes with it.
class TerminationHold {
public:
    TerminationHold();
    ~TerminationHold();
    TerminationHold(const TerminationHold &) = delete;
    TerminationHold &operator=(const TerminationHold &) = delete;
};
// While on, a signal caught by exitOnTerminationSignals quits the application's event loop
// instead (a command that follows events until interrupted, and then ends normally).
void setTerminationQuitsEventLoop(bool quits);
