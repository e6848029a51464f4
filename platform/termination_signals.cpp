#include "platform/termination_signals.h"

#include <QCoreApplication>
#include <QDebug>
#include <QSocketNotifier>

#include <atomic>
#include <mutex>
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <poll.h>
#include <pthread.h>
#include <thread>
#include <sys/syscall.h>
#include <unistd.h>

namespace {

int g_signalPipe[2] = {-1, -1};

void writeSignalNumber(int signo)
{
    const int savedErrno = errno;
    const unsigned char byte = static_cast<unsigned char>(signo);
    // Past any preloaded library's wrapper, which may take locks.
    ::syscall(SYS_write, g_signalPipe[1], &byte, 1);
    errno = savedErrno;
}

sigset_t terminationSignals()
{
    sigset_t set;
    sigemptyset(&set);
    sigaddset(&set, SIGTERM);
    sigaddset(&set, SIGINT);
    return set;
}

} // namespace

// A handler rather than signals blocked until the loop runs: umockdev's preload saves and
// restores a thread's signal mask through one variable shared by all threads, so a thread can
// end up with another's mask; with the signals blocked in the threads started early and not
// in later ones, the main thread was at times left blocking them for good, and a SIGTERM never
// arrived.
void catchTerminationSignals()
{
    if (g_signalPipe[0] >= 0 || ::pipe2(g_signalPipe, O_CLOEXEC | O_NONBLOCK) != 0)
        return;
    struct sigaction action {};
    action.sa_handler = writeSignalNumber;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    sigaction(SIGTERM, &action, nullptr);
    sigaction(SIGINT, &action, nullptr);
}

void quitEventLoopOnTerminationSignals()
{
    static bool listening = false;
    catchTerminationSignals();
    if (listening || g_signalPipe[0] < 0)
        return;
    listening = true;
    auto *notifier = new QSocketNotifier(g_signalPipe[0], QSocketNotifier::Read, QCoreApplication::instance());
    QObject::connect(notifier, &QSocketNotifier::activated, notifier, [] {
        unsigned char byte = 0;
        while (::read(g_signalPipe[0], &byte, 1) == 1)
            qDebug("Signal %d received; quitting.", int(byte));
        QCoreApplication::quit();
    });
}

namespace {
std::atomic<bool> g_quitsEventLoop{false};
std::mutex g_setUp;
} // namespace

TerminationHold::TerminationHold()
{
    g_setUp.lock();
}

TerminationHold::~TerminationHold()
{
    g_setUp.unlock();
}

void setTerminationQuitsEventLoop(bool quits)
{
    g_quitsEventLoop.store(quits);
}

// Caught by the same handler as the window's, not blocked and waited for: under umockdev's
// preload a thread can end up with another thread's signal mask, and a signal that reached a
// thread without the block ended the run at once, leaving the testbed folder behind.
void exitOnTerminationSignals(std::function<QByteArray()> leftover)
{
    catchTerminationSignals();
    if (g_signalPipe[0] < 0)
        return;
    std::thread([leftover = std::move(leftover)] {
        unsigned char signo = 0;
        for (;;) {
            struct pollfd ready {g_signalPipe[0], POLLIN, 0};
            // Directly: a preloaded library's wrappers may take locks.
            if (::syscall(SYS_ppoll, &ready, 1, nullptr, nullptr, 0) < 0 && errno != EINTR)
                return;
            if (::syscall(SYS_read, g_signalPipe[0], &signo, 1) != 1)
                continue;
            if (!g_quitsEventLoop.load())
                break;
            // A run that follows events until interrupted ends as if it had quit.
            QMetaObject::invokeMethod(QCoreApplication::instance(), [] { QCoreApplication::quit(); }, Qt::QueuedConnection);
        }
        QByteArray folder;
        {
            const std::lock_guard<std::mutex> setUp(g_setUp);
            folder = leftover ? leftover() : QByteArray();
        }
        int parentAlive[2];
        const int null = ::open("/dev/null", O_RDWR | O_CLOEXEC);
        if (!folder.isEmpty() && null >= 0 && ::pipe(parentAlive) == 0) {
            char *const argv[] = {const_cast<char *>("rm"), const_cast<char *>("-rf"), const_cast<char *>("--"),
                                  const_cast<char *>(folder.constData()), nullptr};
            char *const envp[] = {nullptr};
            // The child of a threaded process may only make system calls, and makes them
            // directly: a preloaded library's wrappers may hold locks another thread had at the
            // fork. It waits for the pipe to close, which happens when this process has ended,
            // then removes the folder.
            const pid_t child = ::fork();
            if (child == 0) {
                ::syscall(SYS_close, parentAlive[1]);
                char byte = 0;
                while (::syscall(SYS_read, parentAlive[0], &byte, 1) < 0 && errno == EINTR) {
                }
                ::syscall(SYS_dup3, null, 1, 0);
                ::syscall(SYS_dup3, null, 2, 0);
                ::syscall(SYS_execve, "/bin/rm", argv, envp);
                ::syscall(SYS_exit_group, 127);
            }
        }
        ::_exit(128 + signo);
    }).detach();
}
