#pragma once
#include <QByteArray>
#include <functional>

// SIGTERM and SIGINT end the program the way quitting does, so that what it set up (the
// emulated mouse's testbed folder, lock files) is taken down again.

// Holds SIGTERM and SIGINT back, in this thread and every thread it starts, until
// quitEventLoopOnTerminationSignals() takes them: one sent meanwhile waits for it instead of
// ending the program half set up. Call before any other thread is started.
void holdTerminationSignals();

// With an event loop: the signal quits it (QCoreApplication::quit) from the loop itself. A
// signal held back so far is taken now.
void quitEventLoopOnTerminationSignals();

// Without one (a command-line run that blocks in its work): the process ends with 128 + the
// signal number, and the folder `leftover()` names at that moment (if any) is removed once it
// has ended, when no thread of it can add files any more. Call before any other thread is
// started, so that every thread inherits the blocked signals.
void exitOnTerminationSignals(std::function<QByteArray()> leftover);
// While on, a signal caught by exitOnTerminationSignals quits the application's event loop
// instead (a command that follows events until interrupted, and then ends normally).
void setTerminationQuitsEventLoop(bool quits);
