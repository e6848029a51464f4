#pragma once
#include "ui/pages/zel_key_dialog.h"

// "SINGLE KEY": the next key pressed (or released) becomes the button's key.
class ZelSingleKeyWindow : public ZelKeyDialog {
    Q_OBJECT
public:
    QString refusal() const override;
    explicit ZelSingleKeyWindow(QWidget *parent = nullptr);

    // Shows the key's name and makes it the result.
    void presetKey(quint8 keyCode);
    // The result: the key code, 0 when none was captured.
    quint8 keyCode() const { return m_keyCode; }

signals:
    void SetSingleKeyValue(uchar keyCode);

protected:
    void keyCaptured(quint8 keyCode, quint8 flags) override;

private:
    quint8 m_keyCode = 0;
};
