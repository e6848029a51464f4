#pragma once
#include <QString>

// Chooses the display the window programs open, before their application object exists: the
// X display when there is one (XWayland included: keyboard capture and the notice window's
// placement need X), else the Wayland compositor. A choice made in QT_QPA_PLATFORM stands.
// False, with a sentence for the user, when there is no display to open.
bool chooseDisplayPlatform(QString *problem);

// True when the window runs as a Wayland client: windows cannot place themselves there, and
// the keyboard reaches only the focused window.
bool onWaylandDisplay();
