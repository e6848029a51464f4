#pragma once
#include <QObject>
#include <QPointer>
#include <QtGlobal>

#include <optional>

class QKeyEvent;
class QWidget;

// Keyboard capture for the key dialogs and the macro recorder.
//
// A captured key is a PC set-1 scan code (without the 0xE0 prefix) and a flag byte. The flags
// mean what the capture code was written for:
//   bit 0  the key is an extended one (sent with the 0xE0 prefix: right Ctrl, right Alt,
//          keypad Enter and "/", the navigation block, the arrows, the Windows and Menu keys,
//          Num Lock);
//   bit 5  Alt is held (also set on the press of an Alt key itself, never on its release);
//   bit 7  the key goes up.
// So a plain press is 0, an extended press 1, an extended release 129 (0x81).
//
// Linux has no system-wide keyboard hook: the capturing widget holds the keyboard grab
// (KeyboardGrab below), so that Super, Alt+Tab, Print Screen and the like arrive as key events
// and nothing else acts on them, and each event's evdev key code is turned into the scan code
// by a table. The evdev code does not depend on the keyboard layout.

constexpr quint8 kKeyFlagExtended = 0x01;
constexpr quint8 kKeyFlagAltDown = 0x20;
constexpr quint8 kKeyFlagUp = 0x80;

struct CapturedKey {
    quint8 scanCode = 0;
    quint8 flags = 0;

    bool isRelease() const { return flags & kKeyFlagUp; }
    bool isExtended() const { return flags & kKeyFlagExtended; }
    bool operator==(const CapturedKey &o) const { return scanCode == o.scanCode && flags == o.flags; }
    bool operator!=(const CapturedKey &o) const { return !(*this == o); }
};

// The PC scan code and extended flag of a Linux evdev key code. False for keys that have no
// code in the program's key table (media keys, international keys, ...): those are not
// captured at all rather than mistaken for a letter sharing their scan code.
bool pcScanCodeFromEvdev(int evdevCode, quint8 *scanCode, bool *extended);

// The evdev code of a key event: the native scan code minus 8 (X11 and Wayland key codes are
// evdev codes offset by 8); -1 when the platform gives no native code (offscreen, synthetic).
int evdevCodeOfKeyEvent(const QKeyEvent &event);

// Scan code and flags of one key event. Nothing for keys without a code and for the release
// half of an auto-repeat pair: held keys then repeat as presses only, each equal to the last.
std::optional<CapturedKey> captureKeyEvent(const QKeyEvent &event);
std::optional<CapturedKey> captureEvdevKey(int evdevCode, bool release, bool altHeld);

// The program's key code of a captured key. Keys whose scan code another key shares get codes
// of their own: 224 keypad ".", 225 Num Lock, 226 keypad "/", 227 keypad "*", 228 keypad 9,
// 229 keypad Enter, 230..232 keypad 1..3, 233 keypad 4, 234 keypad 6, 235 keypad 7,
// 236 keypad 8, 237 keypad 0, 238 right Ctrl, 239 right Alt. Every other code passes unchanged.
quint8 captureKeyCode(quint8 scanCode, quint8 flags);
inline quint8 captureKeyCode(const CapturedKey &key) { return captureKeyCode(key.scanCode, key.flags); }

// Holds the keyboard grab for a widget while the grab is wanted and the widget is visible:
// set it active before the dialog is shown and the grab starts when it appears; hiding the
// widget, deactivating or destroying this object releases it. Only one widget of the program
// can hold the grab; activating a second one takes it over.
class KeyboardGrab : public QObject {
    Q_OBJECT
public:
    explicit KeyboardGrab(QWidget *widget, bool active = true);
    ~KeyboardGrab() override;

    void setActive(bool active);
    bool isActive() const { return m_active; }
    // True while the widget holds the grab.
    bool isGrabbing() const;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void update();

    QPointer<QWidget> m_widget;
    bool m_active = false;
};
