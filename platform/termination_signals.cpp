#include "platform/termination_signals.h"

#include <QCoreApplication>
#include <QDebug>
#include <QSocketNotifier>

#include <atomic>
#include <cerrno>
#include <csignal>
#include <fcntl.h>
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
} // namespace

void setTerminationQuitsEventLoop(bool quits)
{
    g_quitsEventLoop.store(quits);
}

void exitOnTerminationSignals(std::function<QByteArray()> leftover)
{
    const sigset_t set = terminationSignals();
    if (pthread_sigmask(SIG_BLOCK, &set, nullptr) != 0)
        return;
    std::thread([set, leftover = std::move(leftover)] {
        int signo = 0;
        for (;;) {
            if (sigwait(&set, &signo) != 0)
                return;
            if (!g_quitsEventLoop.load())
                break;
            // A run that follows events until interrupted ends as if it had quit.
            QMetaObject::invokeMethod(QCoreApplication::instance(), [] { QCoreApplication::quit(); }, Qt::QueuedConnection);
        }
        const QByteArray folder = leftover ? leftover() : QByteArray();
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
