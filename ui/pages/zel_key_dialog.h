#pragma once
#include "ui/kit/dialog_skin.h"

#include <QtGlobal>

class KeyboardGrab;
class QHBoxLayout;
class QKeyEvent;
class QLabel;
class QToolButton;
class QVBoxLayout;

// The frame the key dialogs and the sniper dialog share: 400 x 258 (scaled), the skinned look,
// a title, a value label, "OK" and "Cancel" at the bottom right. A capturing dialog holds the
// keyboard grab, so that every key, system shortcuts included, comes here as a key event and
// nothing else acts on it; each one reaches keyCaptured() as the program's key code and flags.
class ZelKeyDialog : public ZelSkinDialog {
    Q_OBJECT
public:
    ZelKeyDialog(const QString &title, QWidget *parent);
    ~ZelKeyDialog() override;

    bool capturing() const { return m_capturing; }
    QLabel *titleLabel() const { return m_title; }
    QLabel *valueLabel() const { return m_value; }
    QToolButton *okButton() const { return m_ok; }
    QToolButton *cancelButton() const { return m_cancel; }
    // Why OK would be refused, in the dialog above its buttons; empty while nothing is wrong.
    QLabel *problemLabel() const { return m_problem; }
    // Why the input cannot be taken as it stands; empty when OK may accept it.
    virtual QString refusal() const { return QString(); }

protected:
    // Switches capture; the grab follows wantsGrab().
    void setCapturing(bool on);
    // The grab is held while this is true: while capturing, unless a dialog lets its own
    // fields take typing.
    virtual bool wantsGrab() const { return m_capturing; }
    void refreshGrab();
    // A key event while capturing. `flags` are the capture flags (key_capture.h).
    virtual void keyCaptured(quint8 keyCode, quint8 flags) = 0;

    // False for an event equal to the one before (a held key's repeat); remembers it otherwise.
    bool isNewEvent(quint8 keyCode, quint8 flags);

    void keyPressEvent(QKeyEvent *event) override;
    void keyReleaseEvent(QKeyEvent *event) override;

    // Title row, then what a dialog puts in the middle, then the button row.
    QVBoxLayout *middle() const { return m_middle; }
    // The value label centred in its own row of the middle.
    void addValueRow();
    void showProblem(const QString &text);

private:
    void handleKey(QKeyEvent *event);
    // OK: accepts, or says why not.
    void tryAccept();

    bool m_capturing = false;
    bool m_hasLast = false;
    quint8 m_lastCode = 0;
    quint8 m_lastFlags = 0;
    KeyboardGrab *m_grab = nullptr;
    QLabel *m_title = nullptr;
    QLabel *m_value = nullptr;
    QToolButton *m_ok = nullptr;
    QToolButton *m_cancel = nullptr;
    QLabel *m_problem = nullptr;
    QVBoxLayout *m_middle = nullptr;
};
