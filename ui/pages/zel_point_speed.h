#pragma once
#include <QWidget>

#include "store/device_settings.h"

class QCheckBox;
class QSpinBox;
class ZelLabel;
class ZelPushButton;
class ZelSlider;

// The device-wide sensor options and the wheel speed, on the DPI tab. The page keeps its own
// copies of the options; the main window reads them back when the user applies.
class ZelPointSpeed : public QWidget {
    Q_OBJECT
public:
    // Every control of the page, in the order of the layout table.
    enum Control {
        KeyResponseLabel, KeyResponseValue, KeyResponseSlider, ScrollLabel, ScrollSpin, MouseSettingButton,
        SyncLabel, SyncOn, SyncOff, LiftLabel, Lift1mm, Lift2mm, AngleLabel, AngleOn, AngleOff,
        JitterLabel, JitterOn, JitterOff, ControlCount
    };

    ZelPointSpeed(ProfileData *profile, QWidget *parent);

    void refresh(ProfileData *profile, uint8_t sync, uint8_t liftHigh, uint8_t angleValue, uint8_t jitter,
                 uint8_t debounce);
    void retranslate();
    void setScale(double factor);

    uint8_t sync() const { return m_sync; }
    uint8_t liftHigh() const { return m_liftHigh; }
    uint8_t angleValue() const { return m_angleValue; }
    uint8_t jitter() const { return m_jitter; }
    uint8_t debounce() const { return m_debounce; }
    uint8_t mouseSpeed() const { return m_profile ? m_profile->mousespeed : 0; }
    uint8_t scrollSpeed() const { return m_profile ? m_profile->scrollspeed : 0; }

    QWidget *control(Control which) const { return m_controls[which]; }

public slots:
    void sValueChangedSlot(int value);
    void checkbtn_clicked();

private:
    struct OptionPair {
        QCheckBox *first;
        QCheckBox *second;
        uint8_t *value;
        uint8_t firstValue;
        uint8_t secondValue;
    };

    void build();
    void onKeyResponseChanged(int value);
    void openMouseSettings();
    void place();
    void setPairChecked(const OptionPair &pair, bool first);

    ProfileData *m_profile;
    uint8_t m_sync = 0;
    uint8_t m_liftHigh = 0;
    uint8_t m_angleValue = 0;
    uint8_t m_jitter = 0;
    uint8_t m_debounce = 0;
    int m_showMouseButton = 0;
    int m_syncMode = 0;
    double m_scale = 1.0;
    QWidget *m_controls[ControlCount] = {};
    ZelSlider *m_keySlider = nullptr;
    QSpinBox *m_scrollSpin = nullptr;
    OptionPair m_pairs[4] = {};
};
