#pragma once

// Two programs, one mouse: the window's poller and a zelmouse-cli run (or two runs) must not
// interleave their packets on the same node. Every exchange sequence (one status request, a
// whole write, a profile select) holds this per-product lock, an advisory file lock in the
// user's runtime folder.
//
// Lock order: the settings lock (around a load-modify-save of the settings files) first, then
// this one, then exchangeMutex() (one packet and its echo, within this process).
class ProcessFileLock;

class ExchangeSequenceLock {
public:
    // Waits at most timeoutMs; 0 only tries. Never on the GUI thread.
    explicit ExchangeSequenceLock(int timeoutMs);
    ~ExchangeSequenceLock();
    ExchangeSequenceLock(const ExchangeSequenceLock &) = delete;
    ExchangeSequenceLock &operator=(const ExchangeSequenceLock &) = delete;

    bool held() const { return m_held; }

private:
    ProcessFileLock *m_lock = nullptr;
    bool m_held = false;
};

// How long a command-line run waits for another program's exchange before giving up.
constexpr int kExchangeLockPatienceMs = 10000;
