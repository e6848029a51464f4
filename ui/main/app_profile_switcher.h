#pragma once
#include "platform/front_program.h"
#include "store/app_rules.h"

#include <QFileSystemWatcher>
#include <QObject>
#include <QTimer>

class ZiziraziWidget;

// Profiles that follow the program in front: when a program a rule names keeps the focus for
// kHoldMs, its library profile goes into the active slot and to the mouse, without a dialog.
// Never over unsent edits (the switch is skipped and said so); with no mouse, or while a write
// runs, the switch waits for it. The rules are read again whenever the configuration file
// changes, so edits made by zelmouse-cli count at once.
class AppProfileSwitcher : public QObject {
    Q_OBJECT
public:
    static constexpr int kHoldMs = 500;

    explicit AppProfileSwitcher(ZiziraziWidget *window);
    ~AppProfileSwitcher() override;

    const AppRules &rules() const { return m_rules; }
    // After the rules were stored by the window itself.
    void reloadRules();
    FrontProgramWatcher &watcher() { return m_watcher; }
    // What the switcher is doing, or why it cannot, in a sentence for the window.
    QString statusText() const { return m_status; }

signals:
    void statusChanged(const QString &text);
    // A switch was made: its profile and the write's status.
    void switched(const QString &profile, uchar status);

private:
    void onFrontChanged(const FrontProgram &program, FrontVisibility visibility);
    void decide();
    void onWriteFinished(uchar status);
    void setStatus(const QString &text);
    void noteSwitch(const QString &profile, const QString &result);

    ZiziraziWidget *m_window;
    FrontProgramWatcher m_watcher;
    QFileSystemWatcher m_configWatcher;
    QTimer m_hold;
    QTimer m_reload;
    AppRules m_rules;
    // The last program in front that is not this one.
    FrontProgram m_front;
    // A match waits for the mouse or for a write in progress.
    bool m_waiting = false;
    // The switch whose write is running.
    QString m_writing;
    QString m_status;
};
