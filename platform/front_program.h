#pragma once
#include <QObject>
#include <QString>
#include <QStringList>
#include <QVector>

#include <cstdint>

class QSocketNotifier;
struct xcb_connection_t;

// A top-level window and the program it belongs to, as the X server describes them.
struct FrontProgram {
    uint32_t window = 0;   // 0: no window we can see
    QString instanceName;  // the two halves of WM_CLASS
    QString className;
    qint64 pid = 0;        // _NET_WM_PID, when the window's process runs on this computer
    QString programPath;   // that process's executable
    QString title;

    QString programName() const;
    // What a rule may name: instance, class, program name and path.
    QStringList names() const;
    bool operator==(const FrontProgram &o) const;
    bool operator!=(const FrontProgram &o) const { return !(*this == o); }
};

// Whether the program in front can be seen, and if not, why.
enum class FrontVisibility {
    Visible,        // a window of ours to describe, or none focused on an X desktop
    NoDisplay,      // no X display to ask (a Wayland session without XWayland, or none at all)
    NoWindowManager, // the window manager does not say which window is in front
    NotVisible,     // the focused window is not an X window (a native Wayland program)
};

// The program in front, on the X display this program runs on: follows the root window's
// _NET_ACTIVE_WINDOW through the X server's events, read from the event loop of the thread
// that made it; it never polls. On a Wayland desktop it sees the programs that run through
// XWayland; the focus on any other window reads as NotVisible.
class FrontProgramWatcher : public QObject {
    Q_OBJECT
public:
    explicit FrontProgramWatcher(QObject *parent = nullptr);
    ~FrontProgramWatcher() override;

    FrontVisibility visibility() const { return m_visibility; }
    FrontProgram current() const { return m_current; }
    // The top-level windows the window manager lists (_NET_CLIENT_LIST), in its order.
    QVector<FrontProgram> openPrograms();

signals:
    // The window in front, or whether one can be seen, changed.
    void frontChanged(const FrontProgram &program, FrontVisibility visibility);

private:
    void readEvents();
    void refresh();
    FrontProgram describe(uint32_t window);
    QByteArray property(uint32_t window, uint32_t atom, uint32_t type, uint32_t maxBytes);
    void lose();

    xcb_connection_t *m_connection = nullptr;
    QSocketNotifier *m_notifier = nullptr;
    uint32_t m_root = 0;
    enum Atom { ActiveWindow, Supported, ClientList, WmPid, NetWmName, Utf8String, ClientMachine, AtomCount };
    uint32_t m_atoms[AtomCount] = {};
    FrontVisibility m_visibility = FrontVisibility::NoDisplay;
    FrontProgram m_current;
};
