#pragma once
#include <QDialog>
#include <QPixmap>

class QLabel;
class QMovie;

// The small modal animation shown while the settings are written to the mouse. It closes
// itself (accepted) once the writer signals that it has finished.
class ZelProcessDialog : public QDialog {
    Q_OBJECT
public:
    ZelProcessDialog();
    ~ZelProcessDialog() override;

    // Put the dialog's centre on the centre of `window`.
    void centreOn(const QWidget *window);
    bool animationRunning() const;

    // Only the writer's signal closes it: Escape or a close request would end the modal wait
    // that keeps the window from editing the settings the writer is reading.
    void reject() override;

public slots:
    void slotProcessDlg();
    void updateProgress();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    QPixmap background; // "/skin/process.png", kept for skins that draw it
    QLabel *animationLabel;
    QMovie *animation;
};
