#pragma once
#include <QWidget>

#include "store/device_settings.h"

class ZelPushButton;

// The button customisation page: what each mouse button does. Shown inside a scroll area on
// the CUSTOMIZE tab. Groups: 0 front view, 1 side view, 2 wheel.
class ZelBtnWindow : public QWidget {
    Q_OBJECT
public:
    ZelBtnWindow(ProfileData *profile, QWidget *parent);

    void setProfile(ProfileData *profile);
    // Make `index` of `group` the current button and show that group's view.
    void selectButton(int index, int group);
    // Group 255 keeps the current group.
    void showGroup(int index, int group);
    void clearSelection();
    void refreshLabels();
    void retranslate();
    void setScale(double factor);
    // Position of a page button among the page's buttons, -1 when it is not one of them.
    int indexOfButton(const ZelPushButton *button) const;

    int currentIndex() const { return m_currentIndex; }
    int currentGroup() const { return m_currentGroup; }
    const ProfileData *profile() const { return m_profile; }

signals:
    void SelBtnControl(ZelPushButton *button, bool on);
    void GotoMacroTab(quint8 page);
    void PopOneClickBox();

private:
    ProfileData *m_profile;
    int m_currentIndex = 255;
    int m_currentGroup = 0;
    double m_scale = 1.0;
};
