#pragma once
#include <QWidget>

#include "store/device_settings.h"

class QLabel;
class ZelLabel;
class ZelSingleDPI;

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

    int currentStage() const { return m_profile.dpi; }
    const DpiStage *stages() const { return m_profile.dpiStages; }
    int stageCount() const { return m_stageCount; }
    // Where the rows of `stages` stages end, at scale 1, from the page's top.
    static int stagesBottom(int stages) { return 43 + 50 * stages - 2; }
    int sensorModel() const { return m_sensorModel; }
    ZelSingleDPI *row(int index) const { return m_rows[index]; }

public slots:
    void onLinkChanged(uchar link, uchar index);
    void onEnableChanged(uchar used, uchar index);
    void onSliderChanged(int x, int y, uchar index);
    void MouseinSignal(uchar index);

private:
    void setSensorOnRows(int sensorModel);
    void showStages();

    ProfileData m_profile;
    double m_scale = 1.0;
    int m_sensorModel = 3325;
    int m_stageCount = kDpiStageCount;
    QLabel *m_title;
    ZelSingleDPI *m_rows[kDpiStageCount];
};
