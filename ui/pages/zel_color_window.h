#pragma once
#include <QWidget>

#include "store/device_settings.h"

// The lighting of a profile: effect, colour, brightness, speed, sleep time. The page writes
// into the profile it is given as the user edits.
class ZelColorWindow : public QWidget {
    Q_OBJECT
public:
    ZelColorWindow(double scale, QWidget *parent);

    void setProfile(ProfileData *profile);
    // A lighting mode changed outside the page.
    void setEffect(int index);
    void retranslate();
    void setScale(double factor);

    const ProfileData *profile() const { return m_profile; }

private:
    ProfileData *m_profile = nullptr;
    double m_scale;
};
