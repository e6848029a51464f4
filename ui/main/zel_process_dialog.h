#pragma once
#include <QDialog>
#include <QPixmap>

class QLabel;
class QMovie;

// The small modal animation shown while the settings are written to the mouse, with a line
// under it that says how far the write has come. It closes itself (accepted) once the
// session reports the write finished.
class ZelProcessDialog : public QDialog {
    Q_OBJECT
public:
    ZelProcessDialog();
    ~ZelProcessDialog() override;

    // Put the dialog's centre on the centre of `window`.
    void centreOn(const QWidget *window);
    bool animationRunning() const;

    // The try the write is on (1 the first) and the packets that have gone.
    void setAttempt(int attempt);
    void setProgress(int sent, int total);
    QString statusText() const;

    // Only the session's report closes it: Escape or a close request would end the modal wait
    // that keeps the window from editing the settings the writer is reading.
    void reject() override;

public slots:
    void slotProcessDlg();
    void updateProgress();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void showStatus();

    QPixmap background; // "/skin/process.png", kept for skins that draw it
    QLabel *animationLabel;
    QMovie *animation;
    QLabel *statusLabel;
    int attempt = 1;
    int sent = 0;
    int total = 0;
};
