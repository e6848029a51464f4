#include "ui/pages/zel_dpi_window.h"

#include "store/product_definition.h"
#include "store/dpi_scale.h"
#include "ui/kit/kit_style.h"

#include <QLabel>

#include <algorithm>
#include <iterator>

// The stage rows with their sliders come with the DPI page work; this page lists the stages
// and marks the current one.

ZelDPIWindow::ZelDPIWindow(ProfileData *profile, QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("ZelDPIWindow"));
    setAttribute(Qt::WA_StyledBackground);
    setStyleSheet(QStringLiteral("background-color: rgba(33,35,35,0.5)"));
    m_stageCount = productDpiStageCount();
    if (m_stageCount < 1 || m_stageCount > kDpiStageCount)
        m_stageCount = kDpiStageCount;
    m_title = new QLabel(this);
    for (QLabel *&row : m_rows)
        row = new QLabel(this);
    if (profile) {
        m_dpi = profile->dpi;
        std::copy(std::begin(profile->dpiStages), std::end(profile->dpiStages), std::begin(m_stages));
    }
    retranslate();
    layoutForScale(1.0);
}

void ZelDPIWindow::refresh(const ProfileData &profile, int sensorModel)
{
    m_sensorModel = sensorModel;
    std::copy(std::begin(profile.dpiStages), std::end(profile.dpiStages), std::begin(m_stages));
    selectStage(profile.dpi);
}

void ZelDPIWindow::selectStage(int stage)
{
    if (stage < 0 || stage >= kDpiStageCount)
        return;
    m_dpi = uint8_t(stage);
    showStages();
}

void ZelDPIWindow::layoutForScale(double factor)
{
    m_scale = factor;
    const int rowHeight = int(40 * factor);
    m_title->setGeometry(int(20 * factor), int(10 * factor), int(200 * factor), int(24 * factor));
    for (int i = 0; i < kDpiStageCount; ++i) {
        m_rows[i]->setGeometry(int(20 * factor), int(44 * factor) + i * rowHeight, int(300 * factor), rowHeight);
        m_rows[i]->setVisible(i < m_stageCount);
    }
    showStages();
}

void ZelDPIWindow::retranslate()
{
    m_title->setText(QObject::tr("DPI"));
    showStages();
}

void ZelDPIWindow::showStages()
{
    const QColor accent = currentAccentColor();
    for (int i = 0; i < kDpiStageCount; ++i) {
        const int dpi = dpiFromCode(int(m_stages[i].y), m_sensorModel);
        m_rows[i]->setText(QString::asprintf("DPI : %d", dpi));
        const QColor colour = i == m_dpi ? accent : QColor(Qt::white);
        m_rows[i]->setStyleSheet(QStringLiteral("background:transparent;color:%1;font-size:%2px;")
                                     .arg(colour.name())
                                     .arg(int(16 * m_scale)));
    }
    m_title->setStyleSheet(QStringLiteral("background:transparent;color:white;font-weight:bold;font-size:%1px;")
                               .arg(int(16 * m_scale)));
}
