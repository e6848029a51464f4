#pragma once
#include <QString>
#include <memory>

class QLockFile;

// Serialises every load-modify-save of the settings files, between the threads of one process
// and between processes (the window, command-line runs): a QLockFile in the configuration
// folder, named after the product. The first holder in a process takes the file; nested and
// later holders on the same thread re-enter it.
//
// Lock order: this lock is taken before the per-product exchange lock that guards device
// exchanges, never while holding it, so a save and a write to the mouse cannot deadlock.
class SettingsLock {
public:
    // Waits up to kSettingsLockWaitMs for another holder to finish.
    SettingsLock();
    ~SettingsLock();
    SettingsLock(const SettingsLock &) = delete;
    SettingsLock &operator=(const SettingsLock &) = delete;

    // False when another holder kept it past the wait; the caller must then not save.
    bool isLocked() const { return m_locked; }

private:
    bool m_locked = false;
};

constexpr int kSettingsLockWaitMs = 10000;

// The lock file of the current product in the configuration folder.
QString settingsLockPath();
