#include "ui/pages/zel_color_window.h"

// The effect menu, sliders and colour swatch come with the lighting page work.

ZelColorWindow::ZelColorWindow(double scale, QWidget *parent)
    : QWidget(parent), m_scale(scale)
{
    setObjectName(QStringLiteral("ZelColorWindow"));
    setAttribute(Qt::WA_StyledBackground);
    setStyleSheet(QStringLiteral("background-color: rgba(33,35,35,0.5)"));
}

void ZelColorWindow::setProfile(ProfileData *profile)
{
    m_profile = profile;
    update();
}

void ZelColorWindow::setEffect(int index)
{
    if (m_profile && index >= 0 && index < kLedEffectCount)
        m_profile->LedMode = uint8_t(index);
    update();
}

void ZelColorWindow::retranslate()
{
    update();
}

void ZelColorWindow::setScale(double factor)
{
    m_scale = factor;
    update();
}
