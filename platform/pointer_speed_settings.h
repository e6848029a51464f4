#pragma once
// The desktop settings that can hold the pointer speed, one class each; chosen by
// pointer_speed.cpp. All values are on libinput's scale, -1..1.
#include <QString>

#include <memory>
#include <vector>

class PointerSpeedSetting {
public:
    virtual ~PointerSpeedSetting() = default;
    // For the user: "GNOME's mouse settings".
    virtual QString name() const = 0;
    // False, with the reason, when the setting is not there to be used.
    virtual bool reachable(QString *reason) = 0;
    virtual bool read(double *speed) = 0;
    virtual bool write(double speed) = 0;
};

// GSettings through GIO: "org.gnome.desktop.peripherals.mouse" and the like.
std::unique_ptr<PointerSpeedSetting> gnomePointerSpeed();
std::unique_ptr<PointerSpeedSetting> cinnamonPointerSpeed();
std::unique_ptr<PointerSpeedSetting> matePointerSpeed();
// KWin's input devices on the session bus (Plasma on Wayland).
std::unique_ptr<PointerSpeedSetting> kwinPointerSpeed();
// Plasma on X11: its input configuration file, then the devices themselves.
std::unique_ptr<PointerSpeedSetting> plasmaX11PointerSpeed();
// Xfce's "pointers" channel through xfconf on the session bus.
std::unique_ptr<PointerSpeedSetting> xfcePointerSpeed();
// Any X11 session: "libinput Accel Speed" of the pointer devices, the core pointer control
// for devices without it.
std::unique_ptr<PointerSpeedSetting> x11PointerSpeed();

// The X11 device part, shared by the Plasma and Xfce settings.
// Names of the slave pointers that have "libinput Accel Speed"; false without an X display.
bool listLibinputPointers(std::vector<QString> *names);
bool writeX11PointerSpeed(double speed);
