#pragma once
#include <QWidget>

#include "store/device_settings.h"

class QButtonGroup;
class QLabel;
class QMenu;
class QRadioButton;
class ZelAction;
class ZelPushButton;

// The report rate of the active profile and the lift-off distance, on the DPI tab. The page
// keeps the rate in its own copy; the main window reads it back when the user applies.
class ZelReportRate : public QWidget {
    Q_OBJECT
public:
    ZelReportRate(ProfileData *profile, QWidget *parent);

    void refresh(const ProfileData &profile, int lift);
    void retranslate();
    void setScale(double factor);

    uint8_t pollRate() const { return m_profile.pollrate; }
    int lift() const { return m_lift; }
    ZelPushButton *rateButton() const { return m_rateButton; }
    QMenu *rateMenu() const { return m_menu; }
    QRadioButton *liftButton(int index) const { return m_liftButtons[index]; }

signals:
    void RefreshLift(quint8 lift);

public slots:
    void onRadioChanged();

private:
    void nameRateButton();
    void chooseRate(int code);
    void showRate();

    ProfileData m_profile;
    int m_lift = 2;
    double m_scale = 1.0;
    QLabel *m_title;
    ZelPushButton *m_rateButton;
    QMenu *m_menu;
    QVector<ZelAction *> m_actions;
    QLabel *m_liftLabel;
    QButtonGroup *m_liftGroup;
    QRadioButton *m_liftButtons[2];
};
