#pragma once
#include <QWidget>

// The macro editor on the MACRO tab.
class MacroDialog : public QWidget {
    Q_OBJECT
public:
    explicit MacroDialog(QWidget *parent);

    void retranslate();
    void setScale(double factor);

signals:
    // False while a recording or key edit runs: the main window locks its other controls.
    void EnableButtonsSignal(bool enable);

private:
    double m_scale = 1.0;
};
