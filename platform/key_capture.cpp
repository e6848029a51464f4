#include "platform/key_capture.h"

#include "platform/display_platform.h"
#include "platform/platform_log.h"

#include <QEvent>
#include <QKeyEvent>
#include <QWidget>

namespace {

// evdev codes outside the main block, with the set-1 code they send.
struct EvdevKey {
    int evdev;
    quint8 scanCode;
    bool extended;
};

constexpr EvdevKey kEvdevKeys[] = {
    {69, 0x45, true},   // Num Lock: evdev puts it where Pause sits in set 1
    {87, 0x57, false},  // F11
    {88, 0x58, false},  // F12
    {96, 0x1C, true},   // keypad Enter
    {97, 0x1D, true},   // right Ctrl
    {98, 0x35, true},   // keypad "/"
    {99, 0x37, true},   // Print Screen
    {100, 0x38, true},  // right Alt
    {102, 0x47, true},  // Home
    {103, 0x48, true},  // Up
    {104, 0x49, true},  // Page Up
    {105, 0x4B, true},  // Left
    {106, 0x4D, true},  // Right
    {107, 0x4F, true},  // End
    {108, 0x50, true},  // Down
    {109, 0x51, true},  // Page Down
    {110, 0x52, true},  // Insert
    {111, 0x53, true},  // Delete
    {119, 0x45, false}, // Pause
    {125, 0x5B, true},  // left Windows (Super)
    {126, 0x5C, true},  // right Windows
    {127, 0x5D, true},  // Menu
};

// The main block, Esc (1) to keypad "." (83), has evdev codes equal to its set-1 codes.
constexpr int kMainBlockLast = 83;

constexpr int kEvdevLeftAlt = 56;
constexpr int kEvdevRightAlt = 100;

// Native key codes of X11 and Wayland are evdev codes plus this.
constexpr int kNativeKeyOffset = 8;

// Scan codes shared by two keys, and the code the second key gets.
struct SharedCode {
    quint8 scanCode;
    quint8 keyCode;
};

// Extended keys only (flags 1 or 129).
constexpr SharedCode kExtendedShared[] = {
    {28, 229}, // keypad Enter
    {29, 238}, // right Ctrl
    {53, 226}, // keypad "/"
    {69, 225}, // Num Lock
};

// The keypad with Num Lock in either state: the plain (not extended) codes, without Alt held.
constexpr SharedCode kKeypadShared[] = {
    {55, 227}, {71, 235}, {72, 236}, {73, 228}, {75, 233}, {77, 234},
    {79, 230}, {80, 231}, {81, 232}, {82, 237}, {83, 224},
};

} // namespace

bool pcScanCodeFromEvdev(int evdevCode, quint8 *scanCode, bool *extended)
{
    quint8 code = 0;
    bool ext = false;
    if (evdevCode >= 1 && evdevCode <= kMainBlockLast && evdevCode != 69) {
        code = quint8(evdevCode);
    } else {
        const EvdevKey *hit = nullptr;
        for (const EvdevKey &key : kEvdevKeys) {
            if (key.evdev == evdevCode)
                hit = &key;
        }
        if (!hit)
            return false;
        code = hit->scanCode;
        ext = hit->extended;
    }
    if (scanCode)
        *scanCode = code;
    if (extended)
        *extended = ext;
    return true;
}

int evdevCodeOfKeyEvent(const QKeyEvent &event)
{
    const quint32 native = event.nativeScanCode();
    if (native <= quint32(kNativeKeyOffset))
        return -1;
    return int(native) - kNativeKeyOffset;
}

std::optional<CapturedKey> captureEvdevKey(int evdevCode, bool release, bool altHeld)
{
    CapturedKey key;
    bool extended = false;
    if (!pcScanCodeFromEvdev(evdevCode, &key.scanCode, &extended))
        return std::nullopt;
    // An Alt key counts as held from its own press; its release no longer has it down.
    if (evdevCode == kEvdevLeftAlt || evdevCode == kEvdevRightAlt)
        altHeld = !release;
    if (extended)
        key.flags |= kKeyFlagExtended;
    if (altHeld)
        key.flags |= kKeyFlagAltDown;
    if (release)
        key.flags |= kKeyFlagUp;
    return key;
}

std::optional<CapturedKey> captureKeyEvent(const QKeyEvent &event)
{
    const bool release = event.type() == QEvent::KeyRelease;
    if (release && event.isAutoRepeat())
        return std::nullopt;
    if (event.type() != QEvent::KeyPress && !release)
        return std::nullopt;
    return captureEvdevKey(evdevCodeOfKeyEvent(event), release, event.modifiers() & Qt::AltModifier);
}

quint8 captureKeyCode(quint8 scanCode, quint8 flags)
{
    if (flags == kKeyFlagExtended || flags == (kKeyFlagExtended | kKeyFlagUp)) {
        for (const SharedCode &shared : kExtendedShared) {
            if (shared.scanCode == scanCode)
                return shared.keyCode;
        }
    }
    // Right Alt: its press carries the Alt bit too.
    if (scanCode == 56
        && (flags == kKeyFlagExtended || flags == (kKeyFlagExtended | kKeyFlagAltDown)
            || flags == (kKeyFlagExtended | kKeyFlagUp)))
        return 239;
    if ((flags & ~kKeyFlagUp) == 0) {
        for (const SharedCode &shared : kKeypadShared) {
            if (shared.scanCode == scanCode)
                return shared.keyCode;
        }
    }
    return scanCode;
}

KeyboardGrab::KeyboardGrab(QWidget *widget, bool active) : QObject(widget), m_widget(widget)
{
    if (m_widget)
        m_widget->installEventFilter(this);
    setActive(active);
}

KeyboardGrab::~KeyboardGrab()
{
    m_active = false;
    update();
}

void KeyboardGrab::setActive(bool active)
{
    m_active = active;
    update();
}

bool KeyboardGrab::isGrabbing() const
{
    return m_widget && QWidget::keyboardGrabber() == m_widget;
}

bool KeyboardGrab::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_widget && (event->type() == QEvent::Show || event->type() == QEvent::Hide))
        update();
    return QObject::eventFilter(watched, event);
}

void KeyboardGrab::update()
{
    if (!m_widget)
        return;
    const bool want = m_active && m_widget->isVisible();
    if (want && !isGrabbing()) {
        // Wayland gives keys to the focused window only: outside ours the capture hears nothing.
        if (onWaylandDisplay())
            qCDebug(lcPlatform, "On Wayland the key capture hears keys only while its window has the focus");
        m_widget->grabKeyboard();
    }
    else if (!want && isGrabbing())
        m_widget->releaseKeyboard();
}
