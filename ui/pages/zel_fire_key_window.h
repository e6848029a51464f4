#pragma once
#include "ui/pages/zel_key_dialog.h"

struct ButtonSlot;
class QCheckBox;
class QLineEdit;

// "FIRE KEY": what the button fires (a mouse button or a keyboard key), how many times and
// with which delay. Only the "Keyboard Key" choice captures keys, and never while the Times or
// Delay field is being typed in.
class ZelFireKeyWindow : public ZelKeyDialog {
    Q_OBJECT
public:
    QString refusal() const override;
    enum Kind { Left = 0, Right = 1, Middle = 2, KeyboardKey = 3 };

    explicit ZelFireKeyWindow(QWidget *parent = nullptr);
    ~ZelFireKeyWindow() override;

    void presetSlot(const ButtonSlot &slot);

    int kind() const { return m_kind; }
    quint8 keyCode() const { return m_keyCode; }
    int times() const;
    int delay() const;

    QCheckBox *kindBox(int kind) const { return m_boxes[kind]; }
    QLineEdit *timesEdit() const { return m_times; }
    QLineEdit *delayEdit() const { return m_delay; }

signals:
    void SetFireKeyValue(uchar keyCode, uchar kind, uchar times, uchar delay);

public slots:
    void onStateChanged(int state);
    void OnEditDataChanged(const QString &text);
    void checkbtn_clicked();
    void onEditReturn();

protected:
    void keyCaptured(quint8 keyCode, quint8 flags) override;
    bool wantsGrab() const override;

private:
    void setKind(int kind);
    bool editHasFocus() const;
    void updateOk();
    QString fieldProblem() const;

    int m_kind = Left;
    quint8 m_keyCode = 0;
    bool m_skip = false;
    QCheckBox *m_boxes[4] = {};
    QLineEdit *m_times = nullptr;
    QLineEdit *m_delay = nullptr;
    QMetaObject::Connection m_focusWatch;
};
