#include "platform/platform_log.h"
#include "platform/pointer_speed.h"
#include "platform/pointer_speed_settings.h"

#include <QtGlobal>

#include <X11/Xlib.h>
#include <X11/extensions/XInput2.h>

#include <cmath>
#include <cstring>
#include <numeric>

namespace {

constexpr int kDefaultSpeed = 10;
constexpr char kAccelSpeed[] = "libinput Accel Speed";
// Only touchpads tap; the mouse's speed leaves their own speed alone.
constexpr char kTapping[] = "libinput Tapping Enabled";

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
    DisplayConnection(const DisplayConnection &) = delete;
    DisplayConnection &operator=(const DisplayConnection &) = delete;
    Display *get() const { return m_display; }

private:
    Display *m_display;
    XErrorHandler m_oldHandler;
};

bool hasXInput2(Display *display)
{
    int opcode = 0, event = 0, error = 0;
    if (!XQueryExtension(display, "XInputExtension", &opcode, &event, &error))
        return false;
    int major = 2, minor = 0;
    return XIQueryVersion(display, &major, &minor) == Success;
}

bool hasProperty(Display *display, int device, Atom property)
{
    if (property == None)
        return false;
    int count = 0;
    Atom *properties = XIListProperties(display, device, &count);
    bool found = false;
    for (int i = 0; i < count && !found; ++i)
        found = properties[i] == property;
    if (properties)
        XFree(properties);
    return found;
}

struct Pointers {
    std::vector<int> libinput;      // slave pointers with the speed property
    std::vector<QString> names;
    bool othersWithout = false;     // a real pointer without it (the old evdev driver)
};

Pointers pointers(Display *display)
{
    Pointers result;
    if (!hasXInput2(display)) {
        result.othersWithout = true;
        return result;
    }
    const Atom speed = XInternAtom(display, kAccelSpeed, True);
    const Atom tapping = XInternAtom(display, kTapping, True);
    int count = 0;
    XIDeviceInfo *devices = XIQueryDevice(display, XIAllDevices, &count);
    for (int i = 0; i < count; ++i) {
        const XIDeviceInfo &device = devices[i];
        if (device.use != XISlavePointer)
            continue;
        if (hasProperty(display, device.deviceid, speed)) {
            if (!hasProperty(display, device.deviceid, tapping)) {
                result.libinput.push_back(device.deviceid);
                result.names.push_back(QString::fromUtf8(device.name));
            }
        } else if (!std::strstr(device.name, "XTEST")) {
            result.othersWithout = true;
        }
    }
    if (devices)
        XIFreeDeviceInfo(devices);
    return result;
}

// XInput 2 passes format-32 items as 32-bit values (the core protocol's calls take longs).
bool readFloat(Display *display, int device, double *value)
{
    const Atom speed = XInternAtom(display, kAccelSpeed, True);
    Atom type = None;
    int format = 0;
    unsigned long items = 0, after = 0;
    unsigned char *data = nullptr;
    if (XIGetProperty(display, device, speed, 0, 1, False, AnyPropertyType, &type, &format, &items, &after, &data) != Success)
        return false;
    const bool ok = data && format == 32 && items == 1 && type == XInternAtom(display, "FLOAT", False);
    if (ok) {
        float f = 0;
        std::memcpy(&f, data, sizeof f);
        *value = f;
    }
    if (data)
        XFree(data);
    return ok;
}

void writeFloat(Display *display, int device, double value)
{
    float f = float(qBound(-1.0, value, 1.0));
    XIChangeProperty(display, device, XInternAtom(display, kAccelSpeed, False), XInternAtom(display, "FLOAT", False), 32,
                     PropModeReplace, reinterpret_cast<unsigned char *>(&f), 1);
}

// ---- the core pointer control ----

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

void writeCore(Display *display, int speed)
{
    if (speed == kDefaultSpeed) {
        XChangePointerControl(display, True, False, -1, -1, 0);
        return;
    }
    const Acceleration base = serverDefault(display);
    int numerator = base.numerator * pointerSpeedFactor32(speed);
    int denominator = base.denominator * 32;
    const int divisor = std::gcd(numerator, denominator);
    XChangePointerControl(display, True, False, numerator / divisor, denominator / divisor, 0);
}

int readCore(Display *display)
{
    const Acceleration now = current(display);
    const Acceleration base = serverDefault(display);
    if (now.numerator <= 0 || base.numerator <= 0)
        return kDefaultSpeed;
    // Nearest step on a log scale: the steps are ratios.
    const double ratio = (double(now.numerator) / now.denominator) / (double(base.numerator) / base.denominator);
    int best = kDefaultSpeed;
    double bestDistance = 1e9;
    for (int speed = 1; speed <= 20; ++speed) {
        const double distance = std::fabs(std::log(ratio * 32.0 / pointerSpeedFactor32(speed)));
        if (distance < bestDistance) {
            bestDistance = distance;
            best = speed;
        }
    }
    return best;
}

const QString kNoDisplay = QStringLiteral("There is no X display to set the pointer speed on.");

class X11PointerSpeed : public PointerSpeedSetting {
public:
    QString name() const override { return QStringLiteral("the X server's pointer devices"); }
    bool reachable(QString *reason) override
    {
        if (m_connection.get())
            return true;
        *reason = kNoDisplay;
        return false;
    }
    bool read(double *speed) override
    {
        Display *display = m_connection.get();
        const Pointers found = pointers(display);
        if (!found.libinput.empty() && readFloat(display, found.libinput.front(), speed))
            return true;
        *speed = desktopSpeedFromMouseSpeed(readCore(display));
        return true;
    }
    bool write(double speed) override
    {
        Display *display = m_connection.get();
        const Pointers found = pointers(display);
        for (int device : found.libinput)
            writeFloat(display, device, speed);
        // libinput's pointers ignore the core control; changed anyway, it would only undo the
        // acceleration a user set for other pointers.
        if (found.othersWithout || found.libinput.empty())
            writeCore(display, mouseSpeedFromDesktopSpeed(speed));
        XSync(display, False);
        return true;
    }

private:
    DisplayConnection m_connection;
};

} // namespace

bool listLibinputPointers(std::vector<QString> *names)
{
    DisplayConnection connection;
    if (!connection.get())
        return false;
    *names = pointers(connection.get()).names;
    return true;
}

bool writeX11PointerSpeed(double speed)
{
    X11PointerSpeed setting;
    QString reason;
    return setting.reachable(&reason) && setting.write(speed);
}

std::unique_ptr<PointerSpeedSetting> x11PointerSpeed()
{
    return std::make_unique<X11PointerSpeed>();
}
