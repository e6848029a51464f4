// Linked into the tests of a ThreadSanitizer build (ZEL_TSAN) only.
//
// Qt's own library is not built with ThreadSanitizer, so the order that its locks, semaphores,
// thread ends and queued calls establish between threads is invisible to it, and every
// hand-over through them would be reported as a race. These definitions take the place of
// Qt's functions for the calls our code makes (the program's own definitions win over the
// shared library's), call Qt's, and tell ThreadSanitizer the order they guarantee. They add
// no order of their own, so a race in our code is still found.
#include <QMutex>
#include <QObject>
#include <QSemaphore>
#include <QThread>
#include <QWaitCondition>

#include <climits>
#include <dlfcn.h>
#include <sanitizer/tsan_interface.h>

extern "C" void AnnotateIgnoreWritesBegin(const char *file, int line);
extern "C" void AnnotateIgnoreWritesEnd(const char *file, int line);

namespace {

template <typename Fn>
Fn qtFunction(const char *symbol)
{
    void *f = dlvsym(RTLD_NEXT, symbol, "Qt_5");
    if (!f)
        qFatal("ThreadSanitizer hooks: %s not found in Qt", symbol);
    return reinterpret_cast<Fn>(f);
}

// A queued call's function object, wrapped so that running it and freeing it (in whichever
// thread drops the last reference) come after everything the caller did before posting it.
class OrderedSlot : public QtPrivate::QSlotObjectBase {
public:
    explicit OrderedSlot(QtPrivate::QSlotObjectBase *inner)
        : QSlotObjectBase(&OrderedSlot::impl)
        , m_inner(inner)
    {
        __tsan_release(this);
    }

private:
    static void impl(int which, QSlotObjectBase *base, QObject *receiver, void **args, bool *ret)
    {
        auto *self = static_cast<OrderedSlot *>(base);
        __tsan_acquire(self);
        switch (which) {
        case Destroy:
            self->m_inner->destroyIfLastRef();
            delete self;
            return;
        case Call:
            self->m_inner->call(receiver, args);
            break;
        case Compare:
            *ret = self->m_inner->compare(args);
            break;
        }
        __tsan_release(self);
    }

    QtPrivate::QSlotObjectBase *m_inner;
};

} // namespace

void QMutex::lock() QT_MUTEX_LOCK_NOEXCEPT
{
    static const auto real = qtFunction<void (*)(QMutex *)>("_ZN6QMutex4lockEv");
    real(this);
    __tsan_acquire(this);
}

bool QMutex::tryLock(int timeout) QT_MUTEX_LOCK_NOEXCEPT
{
    static const auto real = qtFunction<bool (*)(QMutex *, int)>("_ZN6QMutex7tryLockEi");
    const bool locked = real(this, timeout);
    if (locked)
        __tsan_acquire(this);
    return locked;
}

void QMutex::unlock() noexcept
{
    static const auto real = qtFunction<void (*)(QMutex *)>("_ZN6QMutex6unlockEv");
    __tsan_release(this);
    real(this);
}

// Waiting gives the mutex up and takes it again inside Qt.
bool QWaitCondition::wait(QMutex *mutex, QDeadlineTimer deadline)
{
    static const auto real =
        qtFunction<bool (*)(QWaitCondition *, QMutex *, QDeadlineTimer)>("_ZN14QWaitCondition4waitEP6QMutex14QDeadlineTimer");
    __tsan_release(mutex);
    const bool woken = real(this, mutex, deadline);
    __tsan_acquire(mutex);
    return woken;
}

void QSemaphore::acquire(int n)
{
    static const auto real = qtFunction<void (*)(QSemaphore *, int)>("_ZN10QSemaphore7acquireEi");
    real(this, n);
    __tsan_acquire(this);
}

bool QSemaphore::tryAcquire(int n)
{
    static const auto real = qtFunction<bool (*)(QSemaphore *, int)>("_ZN10QSemaphore10tryAcquireEi");
    const bool acquired = real(this, n);
    if (acquired)
        __tsan_acquire(this);
    return acquired;
}

bool QSemaphore::tryAcquire(int n, int timeout)
{
    static const auto real = qtFunction<bool (*)(QSemaphore *, int, int)>("_ZN10QSemaphore10tryAcquireEii");
    const bool acquired = real(this, n, timeout);
    if (acquired)
        __tsan_acquire(this);
    return acquired;
}

void QSemaphore::release(int n)
{
    static const auto real = qtFunction<void (*)(QSemaphore *, int)>("_ZN10QSemaphore7releaseEi");
    __tsan_release(this);
    real(this, n);
}

// Qt's threads are detached: the end of run() reaches wait() through Qt's own lock.
void QThread::start(Priority priority)
{
    static const auto real = qtFunction<void (*)(QThread *, Priority)>("_ZN7QThread5startENS_8PriorityE");
    connect(this, &QThread::finished, this, [this] { __tsan_release(this); }, Qt::DirectConnection);
    real(this, priority);
}

bool QThread::wait(QDeadlineTimer deadline)
{
    static const auto real = qtFunction<bool (*)(QThread *, QDeadlineTimer)>("_ZN7QThread4waitE14QDeadlineTimer");
    const bool ended = real(this, deadline);
    if (ended)
        __tsan_acquire(this);
    return ended;
}

bool QThread::wait(unsigned long time)
{
    return wait(time == ULONG_MAX ? QDeadlineTimer(QDeadlineTimer::Forever) : QDeadlineTimer(qint64(time)));
}

bool QMetaObject::invokeMethodImpl(QObject *object, QtPrivate::QSlotObjectBase *slot, Qt::ConnectionType type,
                                   void *ret)
{
    static const auto real = qtFunction<bool (*)(QObject *, QtPrivate::QSlotObjectBase *, Qt::ConnectionType, void *)>(
        "_ZN11QMetaObject16invokeMethodImplEP7QObjectPN9QtPrivate15QSlotObjectBaseEN2Qt14ConnectionTypeEPv");
    auto *ordered = new OrderedSlot(slot);
    const bool queued =
        type == Qt::QueuedConnection || (type == Qt::AutoConnection && object->thread() != QThread::currentThread());
    if (!queued)
        return real(object, ordered, type, ret);
    // Qt allocates the event that carries the call after the release above; its memory is
    // Qt's business, and the receiver reads its argument array and frees it.
    AnnotateIgnoreWritesBegin(__FILE__, __LINE__);
    const bool posted = real(object, ordered, type, ret);
    AnnotateIgnoreWritesEnd(__FILE__, __LINE__);
    return posted;
}
