#include "emulator/emulator_control.h"
#include "emulator/emulator_log.h"

#include "emulator/emulation_launch.h"
#include "emulator/mouse_emulator.h"

#include <QFile>
#include <QSaveFile>
#include <QSocketNotifier>
#include <QStandardPaths>
#include <QTextStream>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

QString describe(const FirmwareState &s)
{
    QString text;
    QTextStream out(&text);
    out << "battery " << s.batteryLevel << ' ' << s.batteryExtra << ", stage " << s.activeStage << ", rate "
        << s.rateCode << ", lighting " << s.ledMode << " speed " << s.ledSpeed << " brightness " << s.ledBrightness
        << ", profile " << s.selectedProfile << ", writes " << s.endMarkers << ", checksum errors " << s.checksumErrors;
    out << "\nlift " << s.liftHigh << ", sleep " << s.ledSleepTime << ", move off " << s.ledMoveOff << ", angle/debounce "
        << s.angleOrDebounce << ", sync " << s.sync << QString::asprintf(", colour %02x%02x%02x", s.rgb[0], s.rgb[1], s.rgb[2]);
    out << "\nbuttons:";
    for (const auto &b : s.buttons)
        out << QString::asprintf(" %02x%02x%02x%02x", b[0], b[1], b[2], b[3]);
    out << "\nstages:";
    for (const auto &d : s.dpiStages)
        out << QString::asprintf(" %02x:%02x%02x/%02x%02x", d[0], d[2], d[1], d[4], d[3]);
    // The macro slots the program filled, up to their last non-zero byte.
    out << "\nmacros:";
    for (int slot = 0; slot < 12; ++slot) {
        int end = 256;
        while (end > 0 && s.macroSlots[slot][end - 1] == 0)
            --end;
        if (end == 0)
            continue;
        out << ' ' << slot << ':';
        for (int i = 0; i < end; ++i)
            out << QString::asprintf("%02x", s.macroSlots[slot][i]);
    }
    return text;
}

} // namespace

QString EmulatorControl::defaultPath()
{
    const QString configured = qEnvironmentVariable("ZEL_EMULATOR_CONTROL");
    if (!configured.isEmpty())
        return configured;
    return QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation) + QStringLiteral("/zelmouse-emulator");
}

EmulatorControl::EmulatorControl(const QString &path, QObject *parent)
    : QObject(parent)
    , m_path(path)
{
    const QByteArray name = QFile::encodeName(path);
    struct stat st {};
    if (::stat(name.constData(), &st) == 0 && !S_ISFIFO(st.st_mode)) {
        qCWarning(lcEmulator, "emulator control: %s exists and is not a pipe", name.constData());
        return;
    }
    if (::mkfifo(name.constData(), 0600) != 0 && errno != EEXIST) {
        qCWarning(lcEmulator, "emulator control: cannot create %s", name.constData());
        return;
    }
    m_readFd = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    m_keepOpenFd = ::open(name.constData(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
    if (m_readFd < 0) {
        qCWarning(lcEmulator, "emulator control: cannot open %s", name.constData());
        return;
    }
    m_notifier = new QSocketNotifier(m_readFd, QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &EmulatorControl::readAvailable);
}

EmulatorControl::~EmulatorControl()
{
    delete m_notifier;
    if (m_readFd >= 0)
        ::close(m_readFd);
    if (m_keepOpenFd >= 0)
        ::close(m_keepOpenFd);
    if (m_readFd >= 0) {
        QFile::remove(m_path);
        QFile::remove(m_path + QStringLiteral(".reply"));
    }
}

void EmulatorControl::readAvailable()
{
    char buffer[512];
    ssize_t n;
    while ((n = ::read(m_readFd, buffer, sizeof buffer)) > 0)
        m_pending.append(buffer, static_cast<int>(n));
    int newline;
    while ((newline = m_pending.indexOf('\n')) >= 0) {
        const QString line = QString::fromUtf8(m_pending.left(newline)).trimmed();
        m_pending.remove(0, newline + 1);
        if (line.isEmpty())
            continue;
        QString reply;
        if (execute(line, &reply)) {
            qCInfo(lcEmulator).noquote().nospace() << "emulator: " << line << (reply.isEmpty() ? QString() : QStringLiteral("\n") + reply);
            writeReply(reply);
        } else
            qCWarning(lcEmulator).noquote() << "emulator: unknown command:" << line;
    }
}

void EmulatorControl::writeReply(const QString &reply)
{
    // Scripts read the answer from a file beside the pipe; written whole or not at all.
    QSaveFile file(m_path + QStringLiteral(".reply"));
    if (file.open(QIODevice::WriteOnly)) {
        file.write(reply.toUtf8() + '\n');
        file.commit();
    }
}

bool EmulatorControl::execute(const QString &line, QString *reply)
{
    const QStringList words = line.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    if (words.isEmpty())
        return false;
    MouseEmulator &mouse = MouseEmulator::instance();
    const QString command = words[0];
    auto number = [&](int i, bool *ok) { return words.value(i).toInt(ok); };
    bool ok = true;
    if (command == QLatin1String("dpi") && words.size() == 1) {
        mouse.pressDpiButton();
    } else if (command == QLatin1String("status") && words.size() == 1) {
        mouse.sendStatusReport();
    } else if (command == QLatin1String("battery") && (words.size() == 2 || words.size() == 3)) {
        bool extraOk = true;
        const int level = number(1, &ok);
        const int extra = words.size() == 3 ? number(2, &extraOk) : 0;
        if (!ok || !extraOk)
            return false;
        mouse.setBattery(static_cast<uint8_t>(level), static_cast<uint8_t>(extra));
    } else if ((command == QLatin1String("stage") || command == QLatin1String("rate")) && words.size() == 2) {
        const int value = number(1, &ok);
        if (!ok)
            return false;
        const FirmwareState s = mouse.state();
        if (command == QLatin1String("stage"))
            mouse.setStatus(static_cast<uint8_t>(value), s.rateCode);
        else
            mouse.setStatus(s.activeStage, static_cast<uint8_t>(value));
        mouse.sendStatusReport();
    } else if ((command == QLatin1String("plug") || command == QLatin1String("unplug")) && words.size() == 2) {
        const MouseEmulator::Connection c = emulationConnectionNamed(words[1], MouseEmulator::None);
        if (c == MouseEmulator::None)
            return false;
        if (command == QLatin1String("plug"))
            mouse.plug(c);
        else
            mouse.unplug(c);
    } else if (command == QLatin1String("silent") && words.size() == 2
               && (words[1] == QLatin1String("on") || words[1] == QLatin1String("off"))) {
        MouseEmulator::Misbehaviour m = mouse.misbehaviour();
        m.silent = words[1] == QLatin1String("on");
        mouse.setMisbehaviour(m);
    } else if ((command == QLatin1String("zeros") || command == QLatin1String("delay")) && words.size() == 2) {
        const int value = number(1, &ok);
        if (!ok)
            return false;
        MouseEmulator::Misbehaviour m = mouse.misbehaviour();
        (command == QLatin1String("zeros") ? m.zeroReplies : m.replyDelayMs) = value;
        mouse.setMisbehaviour(m);
    } else if (command == QLatin1String("state") && words.size() == 1) {
        if (reply)
            *reply = describe(mouse.state());
    } else {
        return false;
    }
    return true;
}
