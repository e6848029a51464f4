#include "ui/pages/zel_btn_window.h"

// The page's buttons and menus arrive with the button assignment work; until then it keeps
// the selection the main window gives it.

ZelBtnWindow::ZelBtnWindow(ProfileData *profile, QWidget *parent)
    : QWidget(parent), m_profile(profile)
{
    setObjectName(QStringLiteral("ZelBtnWindow"));
    setAttribute(Qt::WA_TranslucentBackground);
    retranslate();
}

void ZelBtnWindow::setProfile(ProfileData *profile)
{
    m_profile = profile;
    refreshLabels();
}

void ZelBtnWindow::selectButton(int index, int group)
{
    m_currentIndex = index;
    m_currentGroup = group;
    showGroup(index, group);
    refreshLabels();
}

void ZelBtnWindow::showGroup(int index, int group)
{
    m_currentIndex = index;
    if (group != 255)
        m_currentGroup = group;
}

void ZelBtnWindow::clearSelection()
{
    m_currentIndex = 255;
    m_currentGroup = 0;
}

void ZelBtnWindow::refreshLabels()
{
    update();
}

void ZelBtnWindow::retranslate()
{
    update();
}

void ZelBtnWindow::setScale(double factor)
{
    m_scale = factor;
    update();
}

int ZelBtnWindow::indexOfButton(const ZelPushButton *) const
{
    return -1;
}
