#include "ui/pages/zel_point_speed.h"

// The option controls come with the pointer options page work; this page keeps the values
// the main window hands it, unchanged.

ZelPointSpeed::ZelPointSpeed(ProfileData *profile, QWidget *parent)
    : QWidget(parent), m_profile(profile)
{
    setObjectName(QStringLiteral("ZelPointSpeed"));
    setAttribute(Qt::WA_StyledBackground);
    setStyleSheet(QStringLiteral("background-color: rgba(33,35,35,0.5)"));
}

void ZelPointSpeed::refresh(ProfileData *profile, uint8_t sync, uint8_t liftHigh, uint8_t angleValue,
                            uint8_t jitter, uint8_t debounce)
{
    m_profile = profile;
    m_sync = sync;
    m_liftHigh = liftHigh;
    m_angleValue = angleValue;
    m_jitter = jitter;
    m_debounce = debounce;
}

void ZelPointSpeed::retranslate()
{
    update();
}

void ZelPointSpeed::setScale(double factor)
{
    m_scale = factor;
    update();
}
