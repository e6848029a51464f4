#pragma once
#include <QWidget>

#include "store/device_settings.h"

class QLabel;

// The DPI stages of the active profile. The page edits its own copy of the profile; the main
// window reads the stages back when the user applies.
class ZelDPIWindow : public QWidget {
    Q_OBJECT
public:
    ZelDPIWindow(ProfileData *profile, QWidget *parent);

    void refresh(const ProfileData &profile, int sensorModel);
    void selectStage(int stage);
    void layoutForScale(double factor);
    void retranslate();

    int currentStage() const { return m_dpi; }
    const DpiStage *stages() const { return m_stages; }
    int stageCount() const { return m_stageCount; }

private:
    void showStages();

    uint8_t m_dpi = 0;
    DpiStage m_stages[kDpiStageCount];
    int m_sensorModel = 3325;
    int m_stageCount = kDpiStageCount;
    double m_scale = 1.0;
    QLabel *m_title;
    QLabel *m_rows[kDpiStageCount];
};
