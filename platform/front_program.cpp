#include "platform/front_program.h"
#include "platform/platform_log.h"

#include <QFile>
#include <QFileInfo>
#include <QSocketNotifier>
#include <QSysInfo>

#include <cstdlib>
#include <cstring>
#include <memory>
#include <xcb/xcb.h>

namespace {

struct FreeDeleter {
    void operator()(void *p) const { std::free(p); }
};
template <class T>
using XcbReply = std::unique_ptr<T, FreeDeleter>;

const char *const kAtomNames[] = {"_NET_ACTIVE_WINDOW", "_NET_SUPPORTED", "_NET_CLIENT_LIST", "_NET_WM_PID",
                                  "_NET_WM_NAME", "UTF8_STRING", "WM_CLIENT_MACHINE"};

// A property's text, up to its first NUL.
QString firstString(const QByteArray &bytes, bool utf8)
{
    const int end = bytes.indexOf('\0');
    const QByteArray text = end < 0 ? bytes : bytes.left(end);
    return utf8 ? QString::fromUtf8(text) : QString::fromLatin1(text);
}

QVector<uint32_t> cardinals(const QByteArray &bytes)
{
    QVector<uint32_t> values(bytes.size() / 4);
    std::memcpy(values.data(), bytes.constData(), size_t(values.size()) * 4);
    return values;
}

} // namespace

QString FrontProgram::programName() const
{
    return QFileInfo(programPath).fileName();
}

QStringList FrontProgram::names() const
{
    QStringList all;
    for (const QString &name : {instanceName, className, programName(), programPath}) {
        if (!name.isEmpty())
            all << name;
    }
    return all;
}

bool FrontProgram::operator==(const FrontProgram &o) const
{
    return window == o.window && instanceName == o.instanceName && className == o.className && pid == o.pid
        && programPath == o.programPath;
}

FrontProgramWatcher::FrontProgramWatcher(QObject *parent)
    : QObject(parent)
{
    // Its own connection: Qt's is not there without a display, nor in the command-line tool.
    int screenNumber = 0;
    m_connection = xcb_connect(nullptr, &screenNumber);
    if (xcb_connection_has_error(m_connection)) {
        qCInfo(lcPlatform, "No X display; the program in front cannot be followed.");
        xcb_disconnect(m_connection);
        m_connection = nullptr;
        return;
    }
    xcb_screen_iterator_t screens = xcb_setup_roots_iterator(xcb_get_setup(m_connection));
    for (int i = 0; i < screenNumber && screens.rem > 0; ++i)
        xcb_screen_next(&screens);
    m_root = screens.data->root;

    xcb_intern_atom_cookie_t cookies[AtomCount];
    for (int i = 0; i < AtomCount; ++i)
        cookies[i] = xcb_intern_atom(m_connection, 0, uint16_t(std::strlen(kAtomNames[i])), kAtomNames[i]);
    for (int i = 0; i < AtomCount; ++i) {
        XcbReply<xcb_intern_atom_reply_t> reply(xcb_intern_atom_reply(m_connection, cookies[i], nullptr));
        m_atoms[i] = reply ? reply->atom : 0;
    }
    // Only property changes of the root window: the active window and what the window
    // manager supports (it may start after us, or be replaced).
    const uint32_t mask = XCB_EVENT_MASK_PROPERTY_CHANGE;
    xcb_change_window_attributes(m_connection, m_root, XCB_CW_EVENT_MASK, &mask);
    xcb_flush(m_connection);
    m_notifier = new QSocketNotifier(xcb_get_file_descriptor(m_connection), QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &FrontProgramWatcher::readEvents);
    m_visibility = FrontVisibility::NotVisible;
    refresh();
}

FrontProgramWatcher::~FrontProgramWatcher()
{
    delete m_notifier;
    if (m_connection)
        xcb_disconnect(m_connection);
}

void FrontProgramWatcher::lose()
{
    qCWarning(lcPlatform, "The connection to the X display was lost; the program in front is no longer followed.");
    m_notifier->setEnabled(false);
    m_visibility = FrontVisibility::NoDisplay;
    m_current = FrontProgram();
    emit frontChanged(m_current, m_visibility);
}

void FrontProgramWatcher::readEvents()
{
    if (!m_connection || m_visibility == FrontVisibility::NoDisplay)
        return;
    // Replies read while describing a window can bring more events along: they are queued
    // by xcb, where the notifier cannot see them, so the loop looks again after each refresh.
    for (;;) {
        bool changed = false;
        while (xcb_generic_event_t *event = xcb_poll_for_event(m_connection)) {
            if ((event->response_type & 0x7f) == XCB_PROPERTY_NOTIFY) {
                const auto *notify = reinterpret_cast<xcb_property_notify_event_t *>(event);
                changed = changed
                    || (notify->window == m_root
                        && (notify->atom == m_atoms[ActiveWindow] || notify->atom == m_atoms[Supported]));
            }
            std::free(event);
        }
        if (xcb_connection_has_error(m_connection)) {
            lose();
            return;
        }
        if (!changed)
            return;
        refresh();
    }
}

QByteArray FrontProgramWatcher::property(uint32_t window, uint32_t atom, uint32_t type, uint32_t maxBytes)
{
    if (!atom)
        return QByteArray();
    const xcb_get_property_cookie_t cookie = xcb_get_property(m_connection, 0, window, atom, type, 0, maxBytes / 4);
    // A window that went meanwhile answers with an error, which is simply no value.
    XcbReply<xcb_get_property_reply_t> reply(xcb_get_property_reply(m_connection, cookie, nullptr));
    if (!reply || reply->type == XCB_NONE)
        return QByteArray();
    const int length = xcb_get_property_value_length(reply.get());
    return QByteArray(static_cast<const char *>(xcb_get_property_value(reply.get())), length);
}

void FrontProgramWatcher::refresh()
{
    FrontVisibility visibility = FrontVisibility::Visible;
    FrontProgram front;
    const QVector<uint32_t> supported = cardinals(property(m_root, m_atoms[Supported], XCB_ATOM_ATOM, 4096));
    if (!supported.contains(m_atoms[ActiveWindow])) {
        visibility = FrontVisibility::NoWindowManager;
    } else {
        const QVector<uint32_t> active = cardinals(property(m_root, m_atoms[ActiveWindow], XCB_ATOM_WINDOW, 4));
        // None while a window X cannot see has the focus (a native Wayland program, or the
        // desktop itself on some).
        if (active.isEmpty() || active.first() == 0)
            visibility = FrontVisibility::NotVisible;
        else
            front = describe(active.first());
    }
    if (visibility == m_visibility && front == m_current)
        return;
    m_visibility = visibility;
    m_current = front;
    qCDebug(lcPlatform, "In front: window 0x%x, class \"%s\" \"%s\", program \"%s\" (visibility %d)", front.window,
            qPrintable(front.instanceName), qPrintable(front.className), qPrintable(front.programPath),
            int(visibility));
    emit frontChanged(m_current, m_visibility);
}

FrontProgram FrontProgramWatcher::describe(uint32_t window)
{
    FrontProgram program;
    program.window = window;
    const QByteArray wmClass = property(window, XCB_ATOM_WM_CLASS, XCB_ATOM_STRING, 1024);
    const QList<QByteArray> halves = wmClass.split('\0');
    program.instanceName = halves.size() > 0 ? QString::fromLatin1(halves.at(0)) : QString();
    program.className = halves.size() > 1 ? QString::fromLatin1(halves.at(1)) : QString();
    program.title = firstString(property(window, m_atoms[NetWmName], m_atoms[Utf8String], 1024), true);
    if (program.title.isEmpty())
        program.title = firstString(property(window, XCB_ATOM_WM_NAME, XCB_ATOM_STRING, 1024), false);

    // A process id means something only on the computer the window's program runs on.
    const QString machine = firstString(property(window, m_atoms[ClientMachine], XCB_ATOM_STRING, 1024), false);
    const QVector<uint32_t> pid = cardinals(property(window, m_atoms[WmPid], XCB_ATOM_CARDINAL, 4));
    if (!pid.isEmpty() && pid.first() > 0 && (machine.isEmpty() || machine == QSysInfo::machineHostName())) {
        program.pid = pid.first();
        const QString proc = QStringLiteral("/proc/%1/").arg(program.pid);
        program.programPath = QFile::symLinkTarget(proc + QStringLiteral("exe"));
        if (program.programPath.isEmpty()) {
            // Another user's process: its name at least.
            QFile comm(proc + QStringLiteral("comm"));
            if (comm.open(QIODevice::ReadOnly))
                program.programPath = QString::fromLocal8Bit(comm.readAll().trimmed());
        }
    }
    return program;
}

QVector<FrontProgram> FrontProgramWatcher::openPrograms()
{
    QVector<FrontProgram> programs;
    if (!m_connection || m_visibility == FrontVisibility::NoDisplay)
        return programs;
    const QVector<uint32_t> windows = cardinals(property(m_root, m_atoms[ClientList], XCB_ATOM_WINDOW, 4 * 4096));
    for (uint32_t window : windows)
        programs.append(describe(window));
    // Events read along with the replies would otherwise wait for the next one.
    QMetaObject::invokeMethod(this, &FrontProgramWatcher::readEvents, Qt::QueuedConnection);
    return programs;
}
