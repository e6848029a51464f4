#pragma once
#include <QObject>
#include <QString>

class QSocketNotifier;

// Lets a tester reach into the running emulated mouse: one command per line written to a
// named pipe, read on the owner's event loop (so plugging happens there, as the hot-plug
// handling expects). For example:
//
//   echo dpi > "$XDG_RUNTIME_DIR/zelmouse-emulator"
//
// Commands: "dpi" (press the DPI button), "status" (send a status report), "battery L [E]",
// "stage S", "rate R", "plug receiver|cable|both", "unplug receiver|cable|both",
// "silent on|off", "zeros N", "delay MS", "state" (print the decoded state). A command's answer
// is also written to "<pipe>.reply", for scripts.
class EmulatorControl : public QObject {
    Q_OBJECT
public:
    // The pipe's default path: $ZEL_EMULATOR_CONTROL, else "zelmouse-emulator" in the
    // user's runtime folder.
    static QString defaultPath();

    explicit EmulatorControl(const QString &path = defaultPath(), QObject *parent = nullptr);
    ~EmulatorControl() override;

    bool isListening() const { return m_readFd >= 0; }
    QString path() const { return m_path; }

    // Runs one command line; returns false for a line it does not understand.
    static bool execute(const QString &line, QString *reply = nullptr);

private:
    void writeReply(const QString &reply);
    void readAvailable();

    QString m_path;
    int m_readFd = -1;
    int m_keepOpenFd = -1; // our own writer, so the pipe never reads end-of-file
    QSocketNotifier *m_notifier = nullptr;
    QByteArray m_pending;
};
