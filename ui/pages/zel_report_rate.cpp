#include "ui/pages/zel_report_rate.h"

#include "ui/pages/report_rate_codes.h"

#include <QLabel>

// The rate menu and the lift-off choice come with the report-rate page work; this page shows
// the profile's rate.

ZelReportRate::ZelReportRate(ProfileData *profile, QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("ZelReportRate"));
    setAttribute(Qt::WA_StyledBackground);
    setStyleSheet(QStringLiteral("background-color: rgba(33,35,35,0.5)"));
    m_title = new QLabel(this);
    m_rate = new QLabel(this);
    if (profile)
        m_pollrate = profile->pollrate;
    retranslate();
    setScale(1.0);
}

void ZelReportRate::refresh(const ProfileData &profile, int lift)
{
    m_pollrate = profile.pollrate;
    m_lift = lift == 2 ? 2 : 1;
    showRate();
}

void ZelReportRate::retranslate()
{
    m_title->setText(QObject::tr("REPORT RATE"));
    showRate();
}

void ZelReportRate::setScale(double factor)
{
    m_scale = factor;
    const QString style = QStringLiteral("background:transparent;color:white;font-size:%1px;").arg(int(14 * factor));
    m_title->setStyleSheet(style + QStringLiteral("font-weight:bold;"));
    m_rate->setStyleSheet(style);
    m_title->setGeometry(int(10 * factor), int(8 * factor), int(209 * factor), int(24 * factor));
    m_rate->setGeometry(int(10 * factor), int(40 * factor), int(209 * factor), int(24 * factor));
}

void ZelReportRate::showRate()
{
    m_rate->setText(reportRateText(m_pollrate));
}
