#include "device_test_support.h"
#include "device/hid_exchange.h"

#include "device/write_plan.h"
#include "store/product_definition.h"

#include "device/device_link.h"
#include "store/app_paths.h"

#include <QMutex>
#include <QSettings>
#include <QtTest>

namespace {

QMutex g_traceMutex;
QStringList g_traces;
QtMessageHandler g_previous = nullptr;
int g_captures = 0;

void captureMessage(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    {
        QMutexLocker lock(&g_traceMutex);
        g_traces.append(message);
    }
    if (qEnvironmentVariableIsSet("ZEL_TEST_TRACE") && g_previous)
        g_previous(type, context, message);
}

} // namespace

void TraceCapture::start()
{
    if (g_captures++ == 0)
        g_previous = qInstallMessageHandler(captureMessage);
    clear();
}

TraceCapture::~TraceCapture()
{
    if (g_captures > 0 && --g_captures == 0)
        qInstallMessageHandler(g_previous);
}

QStringList TraceCapture::lines() const
{
    QMutexLocker lock(&g_traceMutex);
    return g_traces;
}

int TraceCapture::count(const QString &line) const
{
    return lines().count(line);
}

void TraceCapture::clear()
{
    QMutexLocker lock(&g_traceMutex);
    g_traces.clear();
}

DeviceTestBed::DeviceTestBed()
{
    setApplicationDirectoryOverride(m_dir.path());
    setConfig(QStringLiteral("Mouse_List/0"), QString::fromLatin1(kTestModelName));
    // Creating the emulator before anything opens a udev monitor.
    MouseEmulator::instance();
}

DeviceTestBed::~DeviceTestBed()
{
    disconnect();
    // Whatever a test replaced goes back, and the process ends with the library and the
    // emulator shut down.
    resetExchangeIo();
    ExitDeviceLibrary();
    MouseEmulator::shutdown();
}

void DeviceTestBed::setConfig(const QString &key, const QVariant &value)
{
    QSettings(configFilePath(), QSettings::IniFormat).setValue(key, value);
}

void DeviceTestBed::setProduct(const QString &key, const QVariant &value)
{
    QSettings(productDefinitionPath(), QSettings::IniFormat).setValue(key, value);
}

void DeviceTestBed::setButtonCount(int count)
{
    setProduct(QStringLiteral("PROFILE/MouseDpi"), 0);
    setProduct(QStringLiteral("PROFILE/ButtonCount"), count);
}

void DeviceTestBed::writeMacro(const QString &name, int count, const QVector<QVector<int>> &events)
{
    QSettings file(macroFilePath(name), QSettings::IniFormat);
    file.setValue(QStringLiteral("Setting/Count"), count);
    for (int i = 0; i < events.size(); ++i) {
        file.setValue(QStringLiteral("Setting/Map_%1").arg(i), events[i].value(0));
        file.setValue(QStringLiteral("Setting/DataL_%1").arg(i), events[i].value(1));
        file.setValue(QStringLiteral("Setting/DataH_%1").arg(i), events[i].value(2));
    }
}

void DeviceTestBed::connect(MouseEmulator::Connection connection)
{
    disconnect();
    mouse().setMisbehaviour({});
    mouse().plug(connection);
    mouse().resetState();
    mouse().clearPackets();
    InitDeviceTable();
    QCOMPARE(EnumerateDevices(), 0);
    OpenDevice(kTestModelName);
}

uint8_t DeviceTestBed::write(const DeviceSettings &settings)
{
    const WritePlan plan = planWrite(*m_sent, settings, readProductSnapshot(), loadMacroImages(settings.profiles[0]));
    *m_sent = settings;
    return sendWritePlan(plan);
}

void DeviceTestBed::forgetSent()
{
    *m_sent = DeviceSettings();
}

void DeviceTestBed::disconnect()
{
    CloseDevice();
    mouse().unplug(MouseEmulator::Both);
}

QVector<Report> DeviceTestBed::sentPackets() const
{
    QVector<Report> result;
    for (const auto &packet : MouseEmulator::instance().packets()) {
        if (packet.accepted)
            result.append(packet.bytes);
    }
    return result;
}

QVector<int> DeviceTestBed::sentCodes() const
{
    QVector<int> codes;
    for (const Report &r : sentPackets())
        codes.append(r[0]);
    return codes;
}
