#include "platform/pointer_speed.h"

#include "platform/platform_log.h"

#include <QtGlobal>

#include <X11/Xlib.h>

#include <cmath>
#include <numeric>

namespace {

// Multiples of the default acceleration, in 32nds: fine steps below the default, even quarter
// steps above it, so every step is felt and the order never inverts.
constexpr int kFactor32[20] = {1, 2, 4, 8, 12, 16, 20, 24, 28, 32, 40, 48, 56, 64, 72, 80, 88, 96, 104, 112};
constexpr int kDefaultSpeed = 10;

struct Acceleration {
    int numerator = 2;
    int denominator = 1;
};

Acceleration current(Display *display)
{
    Acceleration a;
    int threshold = 0;
    XGetPointerControl(display, &a.numerator, &a.denominator, &threshold);
    if (a.denominator <= 0)
        a.denominator = 1;
    return a;
}

// The protocol offers no query for the default, only a way to restore it. The server is
// grabbed meanwhile so no other client acts on the restored value.
Acceleration serverDefault(Display *display)
{
    XGrabServer(display);
    const Acceleration before = current(display);
    XChangePointerControl(display, True, False, -1, -1, 0);
    const Acceleration fallback = current(display);
    XChangePointerControl(display, True, False, before.numerator, before.denominator, 0);
    XUngrabServer(display);
    XSync(display, False);
    return fallback;
}

// Xlib prints to stderr and exits on a protocol error by default; a refused value must only
// fail this one request.
int ignoreError(Display *, XErrorEvent *)
{
    return 0;
}

class DisplayConnection {
public:
    DisplayConnection() : m_display(XOpenDisplay(nullptr)), m_oldHandler(XSetErrorHandler(ignoreError)) {}
    ~DisplayConnection()
    {
        if (m_display)
            XCloseDisplay(m_display);
        XSetErrorHandler(m_oldHandler);
    }
    Display *get() const { return m_display; }

private:
    Display *m_display;
    XErrorHandler m_oldHandler;
};

} // namespace

int pointerSpeedFactor32(int mouseSpeed)
{
    return kFactor32[qBound(1, mouseSpeed, 20) - 1];
}

bool applyPointerSpeed(int mouseSpeed)
{
    const int speed = qBound(1, mouseSpeed, 20);
    DisplayConnection connection;
    Display *display = connection.get();
    if (!display) {
        qCDebug(lcPlatform, "No X display: the pointer speed %d is left to the desktop.", speed);
        return false;
    }
    if (speed == kDefaultSpeed) {
        XChangePointerControl(display, True, False, -1, -1, 0);
    } else {
        const Acceleration base = serverDefault(display);
        int numerator = base.numerator * pointerSpeedFactor32(speed);
        int denominator = base.denominator * 32;
        const int divisor = std::gcd(numerator, denominator);
        numerator /= divisor;
        denominator /= divisor;
        XChangePointerControl(display, True, False, numerator, denominator, 0);
    }
    XSync(display, False);
    qCDebug(lcPlatform, "Pointer speed %d set on the X display.", speed);
    return true;
}

int readPointerSpeed()
{
    DisplayConnection connection;
    Display *display = connection.get();
    if (!display)
        return kDefaultSpeed;
    const Acceleration now = current(display);
    if (now.numerator <= 0)
        return kDefaultSpeed;
    const Acceleration base = serverDefault(display);
    if (base.numerator <= 0)
        return kDefaultSpeed;
    // Nearest step on a log scale: the steps are ratios.
    const double ratio = (double(now.numerator) / now.denominator) / (double(base.numerator) / base.denominator);
    int best = kDefaultSpeed;
    double bestDistance = 1e9;
    for (int speed = 1; speed <= 20; ++speed) {
        const double distance = std::fabs(std::log(ratio * 32.0 / kFactor32[speed - 1]));
        if (distance < bestDistance) {
            bestDistance = distance;
            best = speed;
        }
    }
    return best;
}
