#pragma once
#include <QString>
#include <QThread>
#include <atomic>
#include <cstdint>

// The writer: one apply. Saves the settings, sends the whole configuration to the mouse and
// signals the progress dialog.
class ZelProcessThread : public QThread {
    Q_OBJECT
public:
    explicit ZelProcessThread(QObject *parent = nullptr);

    void Stop() { stop = true; }

    std::atomic<uint8_t> result{0}; // SendCommand status of the write; 0 = success
    std::atomic<bool> forceFull{false};
    std::atomic<bool> stop{false};  // set before start: run() does nothing
    // The settings file that could not be saved; nothing was sent then. Read after the run.
    QString saveFailedPath;

signals:
    void DoProcessDlg();

protected:
    void run() override;
};
