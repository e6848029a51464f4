#pragma once
#include <QWidget>

#include "store/device_settings.h"

// The device-wide sensor options and the wheel speed, on the DPI tab. The page keeps its own
// copies of the options; the main window reads them back when the user applies.
class ZelPointSpeed : public QWidget {
    Q_OBJECT
public:
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

private:
    ProfileData *m_profile;
    uint8_t m_sync = 0;
    uint8_t m_liftHigh = 0;
    uint8_t m_angleValue = 0;
    uint8_t m_jitter = 0;
    uint8_t m_debounce = 0;
    double m_scale = 1.0;
};
