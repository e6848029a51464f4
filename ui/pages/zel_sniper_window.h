#pragma once
#include "ui/pages/zel_key_dialog.h"

class QSlider;

// "SNIPER": the DPI the button switches to while held, as a step of the sensor.
class ZelSniperWindow : public ZelKeyDialog {
    Q_OBJECT
public:
    explicit ZelSniperWindow(QWidget *parent = nullptr);

    // A step the sensor does not take falls back to the sensor's default.
    void presetStep(int step);
    quint8 step() const { return m_step; }
    int sensorModel() const { return m_sensor; }
    QSlider *slider() const { return m_slider; }

signals:
    void SetSniperValue(uchar step);

protected:
    void keyCaptured(quint8, quint8) override {}

private:
    void showStep(int step);

    int m_sensor = 0;
    quint8 m_step = 0;
    QSlider *m_slider = nullptr;
};
