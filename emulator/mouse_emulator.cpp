#include "emulator/mouse_emulator.h"
#include "emulator/usb_description.h"

#include "device/model_identities.h"

#include <umockdev.h>

#include "emulator/preload_environment.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <csignal>
#include <cstring>
#include <deque>
#include <fcntl.h>
#include <functional>
#include <linux/hidraw.h>
#include <map>
#include <mutex>
#include <pty.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <termios.h>
#include <thread>
#include <unistd.h>

namespace {

using Clock = std::chrono::steady_clock;

// hidraw keeps at most this many unread reports per open file.
constexpr size_t kReportQueueLimit = 64;

// Runs small jobs at a given time on its own thread: late answers and unplugs that must not
// run inside umockdev's worker.
class Scheduler {
public:
    Scheduler() : m_thread([this] { loop(); }) {}
    ~Scheduler()
    {
        {
            std::lock_guard<std::mutex> lock(m_mutex);
            m_quit = true;
        }
        m_wake.notify_all();
        m_thread.join();
    }
    void post(int delayMs, std::function<void()> job)
    {
        {
            std::lock_guard<std::mutex> lock(m_mutex);
            m_jobs.emplace(Clock::now() + std::chrono::milliseconds(delayMs), std::move(job));
        }
        m_wake.notify_all();
    }

private:
    void loop()
    {
        std::unique_lock<std::mutex> lock(m_mutex);
        while (!m_quit) {
            if (m_jobs.empty()) {
                m_wake.wait(lock);
                continue;
            }
            auto first = m_jobs.begin();
            if (first->first > Clock::now()) {
                m_wake.wait_until(lock, first->first);
                continue;
            }
            auto job = std::move(first->second);
            m_jobs.erase(first);
            lock.unlock();
            job();
            lock.lock();
        }
    }
    std::mutex m_mutex;
    std::condition_variable m_wake;
    std::multimap<Clock::time_point, std::function<void()>> m_jobs;
    bool m_quit = false;
    std::thread m_thread;
};

constexpr MouseEmulator::Connection kConnections[] = {MouseEmulator::Receiver, MouseEmulator::Cable,
                                                      MouseEmulator::SecondReceiver, MouseEmulator::SecondCable};
constexpr int kConnectionCount = 4;

// 0 receiver, 1 cable, 2 and 3 the second model's.
int connectionIndex(MouseEmulator::Connection c)
{
    for (int i = 0; i < kConnectionCount; ++i) {
        if (kConnections[i] == c)
            return i;
    }
    return 0;
}
int modelOf(MouseEmulator::Connection c) { return connectionIndex(c) / 2; }
bool isCable(MouseEmulator::Connection c) { return connectionIndex(c) % 2 == 1; }

struct UsbIdentity {
    unsigned vid, pid;
};
UsbIdentity identityOf(MouseEmulator::Connection c)
{
    const ModelIdentity &model = kModelIdentities[modelOf(c)];
    return isCable(c) ? UsbIdentity{model.cableVid, model.cablePid} : UsbIdentity{model.receiverVid, model.receiverPid};
}

MouseEmulator *g_instance = nullptr;
std::mutex g_instanceMutex;

} // namespace

struct Node {
    MouseEmulator::Private *owner = nullptr;
    MouseEmulator::Connection connection = MouseEmulator::None;
    bool vendor = false;
    int number = 0;
    UMockdevIoctlBase *handler = nullptr;
    int master = -1;
    int slave = -1;
    bool plugged = false;
    int generation = 0;
    std::map<UMockdevIoctlClient *, int> clients; // open files and the plug they belong to
    std::deque<Report> queue;
    int inFlight = 0; // bytes of the report in the pty that were not read yet
    UsbInterfacePaths paths;
};

struct MouseEmulator::Private {
    UMockdevTestbed *testbed = nullptr;
    QString root;
    mutable std::mutex mutex;      // firmware, nodes, log
    std::mutex plugMutex;          // plug and unplug, which talk to the testbed
    Node nodes[2 * kConnectionCount];
    bool present[kConnectionCount] = {};
    QString usbSyspath[kConnectionCount];
    uint16_t release[kConnectionCount] = {0x0100, 0x0200, 0x0100, 0x0200};
    int hidSequence = 0;
    MouseFirmware firmware[2]; // per model
    Misbehaviour misbehaviour;
    int packetCounter = 0;
    QVector<Packet> log;
    std::unique_ptr<Scheduler> scheduler;

    Node &node(Connection c, bool vendor) { return nodes[connectionIndex(c) * 2 + (vendor ? 1 : 0)]; }

    int liveClients(const Node &n) const
    {
        int count = 0;
        for (const auto &client : n.clients)
            count += client.second == n.generation ? 1 : 0;
        return count;
    }

    void drainPty(Node &n)
    {
        if (n.slave < 0)
            return;
        char buffer[256];
        while (::read(n.slave, buffer, sizeof buffer) > 0) {
        }
    }

    void writeToPty(Node &n, const Report &report)
    {
        if (::write(n.master, report.data(), report.size()) == static_cast<ssize_t>(report.size()))
            n.inFlight = static_cast<int>(report.size());
    }

    // Hands a report to the node like hidraw: dropped when nobody has the node open or the
    // queue is full. The pty is a byte stream, so only one report is in it at a time.
    void enqueueLocked(Node &n, const Report &report)
    {
        if (!n.plugged || liveClients(n) == 0)
            return;
        if (n.inFlight > 0) {
            if (n.queue.size() < kReportQueueLimit)
                n.queue.push_back(report);
            return;
        }
        writeToPty(n, report);
    }

    void feedNextLocked(Node &n)
    {
        if (n.inFlight > 0 || n.queue.empty() || !n.plugged)
            return;
        const Report next = n.queue.front();
        n.queue.pop_front();
        writeToPty(n, next);
    }

    // The first model's: over the cable when it is plugged, as the program talks.
    Node *activeVendorNodeLocked()
    {
        if (node(Cable, true).plugged)
            return &node(Cable, true);
        if (node(Receiver, true).plugged)
            return &node(Receiver, true);
        return nullptr;
    }

    void markUnpluggedLocked(Connection c)
    {
        for (bool vendor : {false, true}) {
            Node &n = node(c, vendor);
            n.plugged = false;
            ++n.generation;
            n.queue.clear();
            n.inFlight = 0;
        }
    }

    // Returns the write's result: its length, or -errno.
    long onWrite(Node &n, UMockdevIoctlClient *client, const uint8_t *data, int length);
    void plug(Connection c);
    void unplug(Connection c);
};

namespace {

gboolean handleIoctl(UMockdevIoctlBase *, UMockdevIoctlClient *client, gpointer user)
{
    auto *n = static_cast<Node *>(user);
    const unsigned long request = umockdev_ioctl_client_get_request(client);
    UMockdevIoctlData *arg = umockdev_ioctl_client_get_arg(client);
    const QByteArray descriptor = n->vendor ? vendorReportDescriptor() : mouseReportDescriptor();
    auto resolved = [&](size_t size) -> UMockdevIoctlData * {
        return umockdev_ioctl_data_resolve(arg, 0, size, nullptr);
    };
    if (request == HIDIOCGRDESCSIZE) {
        if (UMockdevIoctlData *out = resolved(sizeof(int))) {
            const int size = descriptor.size();
            std::memcpy(out->data, &size, sizeof size);
            umockdev_ioctl_client_complete(client, 0, 0);
            g_object_unref(out);
            return TRUE;
        }
    } else if (request == HIDIOCGRDESC) {
        if (UMockdevIoctlData *out = resolved(sizeof(hidraw_report_descriptor))) {
            auto *desc = reinterpret_cast<hidraw_report_descriptor *>(out->data);
            desc->size = static_cast<__u32>(descriptor.size());
            std::memcpy(desc->value, descriptor.constData(), descriptor.size());
            umockdev_ioctl_client_complete(client, 0, 0);
            g_object_unref(out);
            return TRUE;
        }
    } else if (request == HIDIOCGRAWINFO) {
        if (UMockdevIoctlData *out = resolved(sizeof(hidraw_devinfo))) {
            auto *info = reinterpret_cast<hidraw_devinfo *>(out->data);
            info->bustype = 3; // BUS_USB
            const UsbIdentity id = identityOf(n->connection);
            info->vendor = static_cast<__s16>(id.vid);
            info->product = static_cast<__s16>(id.pid);
            umockdev_ioctl_client_complete(client, 0, 0);
            g_object_unref(out);
            return TRUE;
        }
    }
    // Feature and input report requests: the mouse has none.
    umockdev_ioctl_client_complete(client, -1, EPIPE);
    return TRUE;
}

gboolean handleWrite(UMockdevIoctlBase *, UMockdevIoctlClient *client, gpointer user)
{
    auto *n = static_cast<Node *>(user);
    UMockdevIoctlData *arg = umockdev_ioctl_client_get_arg(client);
    const long result = n->owner->onWrite(*n, client, arg->data, arg->data_len);
    if (result < 0)
        umockdev_ioctl_client_complete(client, -1, static_cast<int>(-result));
    else
        umockdev_ioctl_client_complete(client, result, 0);
    return TRUE;
}

gboolean handleRead(UMockdevIoctlBase *, UMockdevIoctlClient *client, gpointer user)
{
    auto *n = static_cast<Node *>(user);
    // The read itself runs on the client's pty; this only learns how much it took, so that the
    // next report goes into the stream after the previous one was consumed.
    int error = 0;
    const int result = umockdev_ioctl_client_execute(client, &error, nullptr);
    umockdev_ioctl_client_complete(client, result, error);
    if (result > 0) {
        std::lock_guard<std::mutex> lock(n->owner->mutex);
        const auto it = n->clients.find(client);
        if (it != n->clients.end() && it->second == n->generation) {
            n->inFlight = std::max(0, n->inFlight - result);
            n->owner->feedNextLocked(*n);
        }
    }
    return TRUE;
}

void clientConnected(UMockdevIoctlBase *, UMockdevIoctlClient *client, gpointer user)
{
    auto *n = static_cast<Node *>(user);
    std::lock_guard<std::mutex> lock(n->owner->mutex);
    // A fresh open sees no reports from before it.
    if (n->owner->liveClients(*n) == 0) {
        n->owner->drainPty(*n);
        n->queue.clear();
        n->inFlight = 0;
    }
    n->clients[client] = n->generation;
}

void clientVanished(UMockdevIoctlBase *, UMockdevIoctlClient *client, gpointer user)
{
    auto *n = static_cast<Node *>(user);
    std::lock_guard<std::mutex> lock(n->owner->mutex);
    n->clients.erase(client);
}

} // namespace

namespace {

// ZEL_EMULATE_WIRE_LOG: every packet the mouse takes, one line each ("pid hex bytes"),
// appended to a file that several processes' emulated mice may share, so that a test can see
// in which order two programs' packets reached "the" mouse.
void appendToWireLog(const Report &bytes)
{
    static const int fd = [] {
        const QByteArray path = qgetenv("ZEL_EMULATE_WIRE_LOG");
        return path.isEmpty() ? -1 : ::open(path.constData(), O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC, 0600);
    }();
    if (fd < 0)
        return;
    QByteArray line = QByteArray::number(qint64(::getpid())) + ' '
        + QByteArray(reinterpret_cast<const char *>(bytes.data()), int(bytes.size())).toHex(' ') + '\n';
    // One write of an appended line: lines of several processes never mix.
    if (::write(fd, line.constData(), size_t(line.size())) != line.size())
        return;
}

} // namespace

long MouseEmulator::Private::onWrite(Node &n, UMockdevIoctlClient *client, const uint8_t *data, int length)
{
    std::unique_lock<std::mutex> lock(mutex);
    const auto it = n.clients.find(client);
    if (!n.plugged || it == n.clients.end() || it->second != n.generation)
        return -ENODEV;
    if (!n.vendor)
        return length; // nothing is exchanged on the mouse interface
    // The kernel strips report id 0 before the device sees the report.
    Report command{};
    const int offset = (length > 0 && data[0] == 0) ? 1 : 0;
    std::memcpy(command.data(), data + offset, std::min<int>(32, std::max(0, length - offset)));

    Packet packet;
    packet.connection = n.connection;
    packet.bytes = command;
    ++packetCounter;
    if (misbehaviour.unplugAtPacket > 0 && packetCounter == misbehaviour.unplugAtPacket) {
        log.append(packet);
        const Connection c = n.connection;
        markUnpluggedLocked(c);
        scheduler->post(0, [this, c] { unplug(c); });
        return -ENODEV;
    }
    if (misbehaviour.failWritesAfter >= 0) {
        if (misbehaviour.failWritesAfter == 0) {
            log.append(packet);
            return -EIO;
        }
        --misbehaviour.failWritesAfter;
    }
    packet.accepted = true;
    log.append(packet);
    appendToWireLog(command);

    std::optional<Report> reply = firmware[modelOf(n.connection)].handleCommand(command);
    if (reply && misbehaviour.silent)
        reply.reset();
    if (reply && misbehaviour.zeroReplies != 0) {
        reply = Report{};
        if (misbehaviour.zeroReplies > 0)
            --misbehaviour.zeroReplies;
    } else if (reply && misbehaviour.corruptEchoes != 0 && *reply == command) {
        (*reply)[31] ^= 0xFF;
        if (misbehaviour.corruptEchoes > 0)
            --misbehaviour.corruptEchoes;
    }
    if (!reply)
        return length;
    if (misbehaviour.replyDelayMs > 0) {
        Node *target = &n;
        const int generation = n.generation;
        const Report late = *reply;
        scheduler->post(misbehaviour.replyDelayMs, [this, target, generation, late] {
            std::lock_guard<std::mutex> guard(mutex);
            if (target->generation == generation)
                enqueueLocked(*target, late);
        });
    } else {
        enqueueLocked(n, *reply);
    }
    return length;
}

void MouseEmulator::Private::plug(Connection c)
{
    std::lock_guard<std::mutex> plugLock(plugMutex);
    const int ci = connectionIndex(c);
    if (present[ci])
        return;
    const bool cable = isCable(c);
    UsbDeviceDescription usb;
    usb.port = ci + 1;
    usb.vendorId = identityOf(c).vid;
    usb.productId = identityOf(c).pid;
    usb.release = release[ci];
    usb.product = QStringLiteral("Emulated mouse%1 %2")
                      .arg(modelOf(c) == 0 ? QString() : QStringLiteral(" 2"))
                      .arg(cable ? QStringLiteral("(cable)") : QStringLiteral("receiver"));
    QString text = usbDeviceRecord(usb, &usbSyspath[ci]);
    for (bool vendor : {false, true}) {
        Node &n = node(c, vendor);
        int master = -1;
        int slave = -1;
        termios raw{};
        cfmakeraw(&raw);
        if (openpty(&master, &slave, nullptr, &raw, nullptr) != 0)
            qFatal("emulator: openpty failed");
        fcntl(slave, F_SETFL, fcntl(slave, F_GETFL) | O_NONBLOCK);
        struct stat st {};
        fstat(slave, &st);
        const QString node = QStringLiteral("%1/dev/hidraw%2").arg(root).arg(n.number);
        QFile::remove(node);
        if (::symlink(ptsname(master), QFile::encodeName(node).constData()) != 0)
            qFatal("emulator: cannot link %s", qPrintable(node));
        {
            std::lock_guard<std::mutex> lock(mutex);
            n.master = master;
            n.slave = slave;
            n.plugged = true;
            n.queue.clear();
            n.inFlight = 0;
        }
        UsbInterfaceDescription iface;
        iface.number = vendor ? 2 : 0;
        iface.hidrawNumber = n.number;
        iface.hidSequence = ++hidSequence;
        iface.devMajor = static_cast<int>(major(st.st_rdev));
        iface.devMinor = static_cast<int>(minor(st.st_rdev));
        iface.reportDescriptor = vendor ? vendorReportDescriptor() : mouseReportDescriptor();
        text += usbInterfaceRecords(usb, usbSyspath[ci], iface, &n.paths);
    }
    GError *error = nullptr;
    if (!umockdev_testbed_add_from_string(testbed, text.toUtf8().constData(), &error))
        qFatal("emulator: %s", error ? error->message : "cannot add devices");
    present[ci] = true;
}

void MouseEmulator::Private::unplug(Connection c)
{
    std::lock_guard<std::mutex> plugLock(plugMutex);
    const int ci = connectionIndex(c);
    if (!present[ci])
        return;
    {
        std::lock_guard<std::mutex> lock(mutex);
        markUnpluggedLocked(c);
    }
    // As the kernel does: remove events leaf first while sysfs still exists, then the files.
    QStringList leafFirst;
    for (bool vendor : {true, false}) {
        const Node &n = node(c, vendor);
        leafFirst << n.paths.hidraw << n.paths.hid << n.paths.interface;
    }
    leafFirst << usbSyspath[ci];
    for (const QString &path : leafFirst)
        umockdev_testbed_uevent(testbed, path.toUtf8().constData(), "remove");
    for (const QString &path : leafFirst)
        umockdev_testbed_remove_device(testbed, path.toUtf8().constData());
    for (bool vendor : {false, true}) {
        Node &n = node(c, vendor);
        QFile::remove(QStringLiteral("%1/dev/hidraw%2").arg(root).arg(n.number));
        std::lock_guard<std::mutex> lock(mutex);
        // Closing the master hangs up every open handle of the node.
        ::close(n.master);
        ::close(n.slave);
        n.master = n.slave = -1;
    }
    present[ci] = false;
}

namespace {

// umockdev makes its testbed in glib's temp folder, which glib reads from TMPDIR once per
// process. The testbed is some twenty small files, written and renamed into place while the
// window starts, and the nodes' sockets: in the session's runtime folder (a tmpfs on a desktop)
// rather than on disk, the plug takes a third of the time. TMPDIR points there only for that
// one read; without a usable runtime folder the testbed stays in the temp folder.
void preferRuntimeFolderForTestbeds()
{
    static std::once_flag once;
    std::call_once(once, [] {
        const QByteArray runtime = qgetenv("XDG_RUNTIME_DIR");
        // A socket's address holds 107 bytes: room for "/umockdev.XXXXXX/ioctl/dev/hidrawN"
        // and the like after it.
        constexpr int kLongestRuntimePath = 64;
        const QFileInfo folder(QFile::decodeName(runtime));
        if (!runtime.startsWith('/') || runtime.size() > kLongestRuntimePath || !folder.isDir() || !folder.isWritable())
            return;
        const bool hadTemp = qEnvironmentVariableIsSet("TMPDIR");
        const QByteArray temp = qgetenv("TMPDIR");
        qputenv("TMPDIR", runtime);
        g_get_tmp_dir();
        if (hadTemp)
            qputenv("TMPDIR", temp);
        else
            qunsetenv("TMPDIR");
    });
}

} // namespace

bool MouseEmulator::environmentReady()
{
    // umockdev_in_mock_environment() only turns true once a testbed exists; what matters
    // before that is whether the preload library is mapped.
    return emulationPreloadMapped();
}

MouseEmulator &MouseEmulator::instance()
{
    std::lock_guard<std::mutex> lock(g_instanceMutex);
    if (!g_instance)
        g_instance = new MouseEmulator;
    return *g_instance;
}

bool MouseEmulator::exists()
{
    std::lock_guard<std::mutex> lock(g_instanceMutex);
    return g_instance != nullptr;
}

void MouseEmulator::shutdown()
{
    std::lock_guard<std::mutex> lock(g_instanceMutex);
    delete g_instance;
    g_instance = nullptr;
}

MouseEmulator::MouseEmulator()
    : d(std::make_unique<Private>())
{
    if (!environmentReady())
        qFatal("The mouse emulator needs the umockdev preload (run under umockdev-wrapper).");
    // hidapi opens nodes without O_NOCTTY: an emulated node (a pty) can become our controlling
    // terminal, and its hang-up on unplug must not end the process.
    std::signal(SIGHUP, SIG_IGN);
    preferRuntimeFolderForTestbeds();
    d->testbed = umockdev_testbed_new();
    gchar *root = umockdev_testbed_get_root_dir(d->testbed);
    d->root = QString::fromLocal8Bit(root);
    g_free(root);
    QDir().mkpath(d->root + QStringLiteral("/dev"));
    d->scheduler = std::make_unique<Scheduler>();
    for (int i = 0; i < 2 * kConnectionCount; ++i) {
        Node &n = d->nodes[i];
        n.owner = d.get();
        n.connection = kConnections[i / 2];
        n.vendor = (i % 2) == 1;
        n.number = i;
        // Attached once for the life of the testbed: detaching while an open is pending
        // aborts the process.
        n.handler = umockdev_ioctl_base_new();
        g_signal_connect(n.handler, "handle-ioctl", G_CALLBACK(handleIoctl), &n);
        g_signal_connect(n.handler, "handle-read", G_CALLBACK(handleRead), &n);
        g_signal_connect(n.handler, "handle-write", G_CALLBACK(handleWrite), &n);
        g_signal_connect(n.handler, "client-connected", G_CALLBACK(clientConnected), &n);
        g_signal_connect(n.handler, "client-vanished", G_CALLBACK(clientVanished), &n);
        const QByteArray dev = QStringLiteral("/dev/hidraw%1").arg(i).toUtf8();
        GError *error = nullptr;
        if (!umockdev_testbed_attach_ioctl(d->testbed, dev.constData(), n.handler, &error))
            qFatal("emulator: cannot attach %s: %s", dev.constData(), error ? error->message : "");
    }
}

MouseEmulator::~MouseEmulator()
{
    for (Connection c : kConnections)
        d->unplug(c);
    d->scheduler.reset();
    g_object_unref(d->testbed);
    for (Node &n : d->nodes)
        g_object_unref(n.handler);
}

void MouseEmulator::plug(Connection connection)
{
    for (Connection c : kConnections) {
        if (connection & c)
            d->plug(c);
    }
}

void MouseEmulator::unplug(Connection connection)
{
    for (Connection c : kConnections) {
        if (connection & c)
            d->unplug(c);
    }
}

MouseEmulator::Connection MouseEmulator::plugged() const
{
    std::lock_guard<std::mutex> lock(d->mutex);
    int result = None;
    for (Connection c : kConnections) {
        if (d->node(c, true).plugged)
            result |= c;
    }
    return static_cast<Connection>(result);
}

void MouseEmulator::setReleaseNumber(Connection connection, uint16_t bcd)
{
    std::lock_guard<std::mutex> lock(d->plugMutex);
    for (int i = 0; i < kConnectionCount; ++i) {
        if (connection & kConnections[i])
            d->release[i] = bcd;
    }
}

QString MouseEmulator::devicePath(Connection connection, bool vendorInterface)
{
    return QStringLiteral("/dev/hidraw%1").arg(connectionIndex(connection) * 2 + (vendorInterface ? 1 : 0));
}

void MouseEmulator::setBattery(uint8_t level, uint8_t extra)
{
    std::lock_guard<std::mutex> lock(d->mutex);
    d->firmware[0].state().batteryLevel = level;
    d->firmware[0].state().batteryExtra = extra;
}

void MouseEmulator::setStatus(uint8_t activeStage, uint8_t rateCode)
{
    std::lock_guard<std::mutex> lock(d->mutex);
    d->firmware[0].state().activeStage = activeStage;
    d->firmware[0].state().rateCode = rateCode;
}

void MouseEmulator::pressDpiButton()
{
    {
        std::lock_guard<std::mutex> lock(d->mutex);
        d->firmware[0].advanceStage();
    }
    sendStatusReport();
}

void MouseEmulator::sendStatusReport()
{
    std::lock_guard<std::mutex> lock(d->mutex);
    if (d->misbehaviour.silent)
        return;
    if (Node *n = d->activeVendorNodeLocked())
        d->enqueueLocked(*n, d->firmware[0].statusReport());
}

FirmwareState MouseEmulator::state(int model) const
{
    std::lock_guard<std::mutex> lock(d->mutex);
    return d->firmware[model == 1 ? 1 : 0].state();
}

void MouseEmulator::resetState()
{
    std::lock_guard<std::mutex> lock(d->mutex);
    for (MouseFirmware &firmware : d->firmware) {
        FirmwareState fresh;
        fresh.batteryLevel = firmware.state().batteryLevel;
        fresh.batteryExtra = firmware.state().batteryExtra;
        firmware.state() = fresh;
    }
}

void MouseEmulator::setMisbehaviour(const Misbehaviour &misbehaviour)
{
    std::lock_guard<std::mutex> lock(d->mutex);
    d->misbehaviour = misbehaviour;
    d->packetCounter = 0;
}

MouseEmulator::Misbehaviour MouseEmulator::misbehaviour() const
{
    std::lock_guard<std::mutex> lock(d->mutex);
    return d->misbehaviour;
}

QVector<MouseEmulator::Packet> MouseEmulator::packets() const
{
    std::lock_guard<std::mutex> lock(d->mutex);
    return d->log;
}

void MouseEmulator::clearPackets()
{
    std::lock_guard<std::mutex> lock(d->mutex);
    d->log.clear();
}
