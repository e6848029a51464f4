#pragma once
#include "platform/hid_interface_name.h"

#include <QHash>
#include <QObject>

class QSocketNotifier;
struct udev;
struct udev_device;
struct udev_monitor;

// Tells when a HID interface (a hidraw node) comes or goes. Reads the system's device events
// on the thread that made it, from its event loop: no thread and no polling of its own.
// Each change is reported as a name of the form composeHidInterfaceName() makes.
class HotplugWatcher : public QObject {
    Q_OBJECT
public:
    explicit HotplugWatcher(QObject *parent = nullptr);
    ~HotplugWatcher() override;

    // False when the system's device events cannot be read; nothing is reported then.
    bool isWatching() const { return m_monitor != nullptr; }

signals:
    void interfaceChanged(const QString &name, bool arrived);

private:
    void readEvents();
    HidInterfaceName describe(udev_device *device, bool arrived);

    udev *m_udev = nullptr;
    udev_monitor *m_monitor = nullptr;
    QSocketNotifier *m_notifier = nullptr;
    // What each node was when it arrived: a removal no longer has its parents to ask.
    QHash<QString, HidInterfaceName> m_arrived;
};
