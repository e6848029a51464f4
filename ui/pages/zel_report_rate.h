#pragma once
#include <QWidget>

#include "store/device_settings.h"

class QLabel;

// The report rate of the active profile and the lift-off distance, on the DPI tab. The page
// keeps the rate in its own copy; the main window reads it back when the user applies.
class ZelReportRate : public QWidget {
    Q_OBJECT
public:
    ZelReportRate(ProfileData *profile, QWidget *parent);

    void refresh(const ProfileData &profile, int lift);
    void retranslate();
    void setScale(double factor);

    uint8_t pollRate() const { return m_pollrate; }
    int lift() const { return m_lift; }

signals:
    void RefreshLift(quint8 lift);

private:
    void showRate();

    uint8_t m_pollrate = 0;
    int m_lift = 1;
    double m_scale = 1.0;
    QLabel *m_title;
    QLabel *m_rate;
};
