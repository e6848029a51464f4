#pragma once
#include <QDialog>

class QLabel;
class QTimer;
class QToolButton;

// The program's message box: frameless, translucent, 478 x 309 (scaled), painted with the
// common dialog look. exec() returns 1 when accepted ("Yes" / "Ok" / a mouse plugged in).
class ZelMessageBox : public QDialog {
    Q_OBJECT
public:
    enum Style {
        Question = 1, // warn.png, "Yes" and "No"
        Warning = 2,  // warn.png, "Ok"
        Warning2 = 3, // as Warning
        Receiver = 4, // dongle2.png, "Ok"
    };

    // Styles outside 1..4 are shown as Warning so that the box can always be closed.
    // With pollPlugIn, every 100 ms the box looks at mousePluggedIn() (plug_in_flag.h) and
    // accepts itself when it is set.
    ZelMessageBox(int style, const QString &title, const QString &caption, const QString &message,
                  QWidget *parent = nullptr, bool pollPlugIn = false,
                  Qt::WindowFlags flags = Qt::FramelessWindowHint);

    int style() const { return m_style; }
    QToolButton *yesButton() const { return m_yes; }
    QToolButton *noButton() const { return m_no; } // null unless Question
    QLabel *captionLabel() const { return m_caption; }
    QLabel *messageLabel() const { return m_message; }
    QLabel *iconLabel() const { return m_icon; }
    QString iconPath() const { return m_iconPath; }

public slots:
    void GetPlugInSignal();

protected:
    void paintEvent(QPaintEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    int m_style;
    QString m_iconPath;
    QLabel *m_icon = nullptr;
    QLabel *m_caption = nullptr;
    QLabel *m_message = nullptr;
    QToolButton *m_yes = nullptr;
    QToolButton *m_no = nullptr;
    QTimer *m_plugInTimer = nullptr;
};
