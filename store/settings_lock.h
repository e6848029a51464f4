#pragma once
#include <QString>
#include <memory>

class QLockFile;

// Serialises every load-modify-save of the settings files, between the threads of one process
// and between processes (the window, command-line runs): a QLockFile in the configuration
// folder, named after the product. One thread of a process owns it at a time and may re-enter
// it; the file is held while any thread owns it.
//
// Lock order: this lock first, then the per-product exchange lock around device exchanges
// (device/exchange_lock.h); never the other way round.
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

// Why the last attempt of this process to take the lock failed when no other program held it
// (the lock file could not be made: "No space left on device"); empty when it failed because
// another program held it, or did not fail.
QString lastSettingsLockFailure();

// True for the name of a staging file (".<name>.XXXXXX", or its ".lock"): saves write one
// beside their target under the lock, and one still there was left by a killed run.
bool isStagingFileName(const QString &fileName);

// Lends a held lock to the other threads of this process while this thread waits for them
// (a command-line run holds the lock from loading the settings to saving them, and the save
// happens on the device session's writer thread). The file stays locked throughout; this
// thread owns the lock again when the loan ends.
class SettingsLockLoan {
public:
    explicit SettingsLockLoan(const SettingsLock &lock);
    ~SettingsLockLoan();
    SettingsLockLoan(const SettingsLockLoan &) = delete;
    SettingsLockLoan &operator=(const SettingsLockLoan &) = delete;

private:
    bool m_active = false;
    int m_depth = 0;
};

constexpr int kSettingsLockWaitMs = 10000;

// The lock file of the current product in the configuration folder.
QString settingsLockPath();
