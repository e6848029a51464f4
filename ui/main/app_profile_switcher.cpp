#include "ui/main/app_profile_switcher.h"
#include "ui/main/window_log.h"
#include "ui/main/zizirazi_widget.h"

#include "device/device_session.h"
#include "platform/switch_notice.h"
#include "store/app_paths.h"
#include "store/device_settings.h"
#include "store/profile_library.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace {

// Config.ini is replaced by a rename at every save: the folder is watched, and a burst of
// saves is read once.
constexpr int kReloadDelayMs = 50;

QString programLabel(const FrontProgram &program)
{
    for (const QString &name : {program.className, program.instanceName, program.programName()}) {
        if (!name.isEmpty())
            return name;
    }
    return QString::number(program.window, 16);
}

} // namespace

AppProfileSwitcher::AppProfileSwitcher(ZiziraziWidget *window)
    : QObject(window)
    , m_window(window)
{
    m_hold.setSingleShot(true);
    m_hold.setInterval(kHoldMs);
    connect(&m_hold, &QTimer::timeout, this, &AppProfileSwitcher::decide);
    m_reload.setSingleShot(true);
    m_reload.setInterval(kReloadDelayMs);
    connect(&m_reload, &QTimer::timeout, this, &AppProfileSwitcher::reloadRules);
    const QString config = configFilePath();
    m_configWatcher.addPath(QFileInfo(config).absolutePath());
    connect(&m_configWatcher, &QFileSystemWatcher::directoryChanged, &m_reload, qOverload<>(&QTimer::start));
    m_rules = loadAppRules();

    connect(&m_watcher, &FrontProgramWatcher::frontChanged, this, &AppProfileSwitcher::onFrontChanged);
    connect(window, &ZiziraziWidget::QuietWriteFinished, this, &AppProfileSwitcher::onWriteFinished);
    // A match that waited for the mouse goes to it once it is back, or once a write is done.
    connect(window, &ZiziraziWidget::MouseReloaded, this, [this] {
        if (m_waiting)
            m_hold.start(0);
    });
    // Any write, the window's Apply too: its dialog is closed by the time the hold ends.
    connect(window->deviceSession(), &DeviceSession::writeFinished, this, [this] {
        if (m_waiting)
            m_hold.start();
    });
    onFrontChanged(m_watcher.current(), m_watcher.visibility());
}

AppProfileSwitcher::~AppProfileSwitcher() = default;

void AppProfileSwitcher::reloadRules()
{
    const AppRules rules = loadAppRules();
    if (rules == m_rules)
        return;
    m_rules = rules;
    qCDebug(lcWindow, "Program rules read again: %d rules", int(m_rules.rules.size()));
    // A new rule for the program already in front counts at once.
    m_hold.start();
}

void AppProfileSwitcher::setStatus(const QString &text)
{
    if (text == m_status)
        return;
    m_status = text;
    qCDebug(lcWindow, "Program rules: %s", qPrintable(text));
    emit statusChanged(text);
}

void AppProfileSwitcher::onFrontChanged(const FrontProgram &program, FrontVisibility visibility)
{
    // The program's own windows are passed over: opening the window to edit a profile, or
    // its "Dongle Disconnect!" box coming up, neither switches nor drops a waiting switch.
    if (visibility == FrontVisibility::Visible && program.window != 0 && program.pid == QCoreApplication::applicationPid())
        return;
    m_front = program;
    m_waiting = false;
    switch (visibility) {
    case FrontVisibility::NoDisplay:
        m_hold.stop();
        return setStatus(tr("No X display: the program in front cannot be seen, so profiles do not follow programs."));
    case FrontVisibility::NoWindowManager:
        m_hold.stop();
        return setStatus(tr("The window manager does not tell which window is in front, so profiles do not follow programs."));
    case FrontVisibility::NotVisible:
        m_hold.stop();
        return setStatus(tr("The window in front is not visible to this program (a native Wayland window), so nothing switches."));
    case FrontVisibility::Visible:
        break;
    }
    if (program.window == 0) {
        m_hold.stop();
        return setStatus(tr("No window is in front."));
    }
    // The hold: a program only passed through on the way to another one switches nothing.
    m_hold.start();
}

void AppProfileSwitcher::decide()
{
    m_waiting = false;
    if (m_watcher.visibility() != FrontVisibility::Visible)
        return;
    const FrontProgram front = m_front;
    const QString label = programLabel(front);
    if (front.window == 0)
        return;
    const QString profile = profileForProgram(m_rules, front.names());
    if (profile.isEmpty())
        return setStatus(tr("Following the program in front: %1, no rule.").arg(label));
    if (currentSettings.ProfileNames[currentSettings.activeIndex()] == profile)
        return setStatus(tr("Following the program in front: %1, \"%2\" is in the active slot.").arg(label, profile));
    if (!m_window->libraryNames().contains(profile))
        return setStatus(tr("The rule for %1 names \"%2\", which is not in the profile library.").arg(label, profile));
    if (isUsedByOtherSlot(currentSettings, profile))
        return setStatus(tr("\"%1\" is held by another slot, so it cannot go into the active one.").arg(profile));
    if (m_window->connectedMouseCount() == 0 || m_window->isWriting() || !m_writing.isEmpty()) {
        m_waiting = true;
        return setStatus(tr("\"%1\" goes to the mouse for %2 as soon as it can.").arg(profile, label));
    }
    if (m_window->hasUnsentEdits()) {
        noteSwitch(profile, QStringLiteral("skipped"));
        m_window->sayAppSwitchSkipped(profile);
        return setStatus(tr("A switch to \"%1\" for %2 was skipped: the window has changes not yet applied.").arg(profile, label));
    }
    qCDebug(lcWindow, "Program %s is in front: switching to \"%s\"", qPrintable(label), qPrintable(profile));
    m_writing = profile;
    if (!m_window->switchActiveProfile(profile)) {
        m_writing.clear();
        return setStatus(tr("\"%1\" could not be put into the active slot.").arg(profile));
    }
    setStatus(tr("Switching to \"%1\" for %2.").arg(profile, label));
}

void AppProfileSwitcher::onWriteFinished(uchar status)
{
    const QString profile = m_writing;
    m_writing.clear();
    if (!profile.isEmpty()) {
        noteSwitch(profile, status == 0 ? QStringLiteral("switched") : QStringLiteral("failed"));
        setStatus(status == 0 ? tr("Switched to \"%1\".").arg(profile)
                              : tr("The switch to \"%1\" could not be sent to the mouse.").arg(profile));
        emit switched(profile, status);
    }
}

void AppProfileSwitcher::noteSwitch(const QString &profile, const QString &result)
{
    SwitchNotice notice;
    notice.program = programLabel(m_front);
    notice.profile = profile;
    notice.result = result;
    if (!writeSwitchNotice(notice))
        qCDebug(lcWindow, "The switch notice could not be written to %s", qPrintable(switchNoticePath()));
}
