#pragma once
#include <QString>

// The desktop's pointer speed, set through the running desktop's own setting (GNOME and its
// relatives, Cinnamon, MATE, KDE Plasma, Xfce, any other X11 session).
//
// The profile keeps it as 1 (slowest) .. 20 (fastest); 10 is the desktop's default. Desktops
// keep libinput's scale, -1..1 with 0 the default: 1..20 maps linearly onto -0.9..1.0.

double desktopSpeedFromMouseSpeed(int mouseSpeed);
// The nearest step, 1..20.
int mouseSpeedFromDesktopSpeed(double speed);
// A profile's stored speed; one outside 1..20 (a profile from before it was kept) is the
// desktop's default.
int storedMouseSpeed(int stored);

struct PointerSpeedOutcome {
    bool done = false;
    // The setting that was used ("GNOME's mouse settings"); empty when none answered.
    QString where;
    // Why nothing could be set or read, as a sentence for the user.
    QString reason;
    // What was read (1..20), or what was set.
    int mouseSpeed = 10;
};

// The session's current pointer speed, from the first setting that answers.
PointerSpeedOutcome readDesktopPointerSpeed();
// Sets it (clamped to 1..20) through the first setting that answers.
PointerSpeedOutcome setDesktopPointerSpeed(int mouseSpeed);

// The core pointer acceleration of an X server for a speed, relative to the server's default,
// in 32nds (10 -> 32): for pointers driven without libinput.
int pointerSpeedFactor32(int mouseSpeed);
