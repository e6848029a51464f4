#include "ui/pages/zel_dpi_window.h"

#include "store/config_file.h"
#include "store/product_definition.h"
#include "store/sensor_ranges.h"
#include "ui/kit/kit_style.h"
#include "ui/kit/ui_scale.h"
#include "ui/kit/zel_label.h"
#include "ui/pages/zel_single_dpi.h"


ZelDPIWindow::ZelDPIWindow(ProfileData *profile, QWidget *parent)
    : QWidget(parent)
    , m_title(new ZelLabel(this))
{
    setObjectName(QStringLiteral("ZelDPIWindow"));
    setAttribute(Qt::WA_StyledBackground);
    setStyleSheet(QStringLiteral("background-color: rgba(33,35,35,0.5)"));
    if (profile)
        m_profile = *profile;
    m_stageCount = dpiStagesOffered();
    m_title->setStyleSheet(QStringLiteral("background:transparent;color:rgb(255,255,255);"));
    for (int i = 0; i < kDpiStageCount; ++i) {
        auto *row = new ZelSingleDPI(i, this);
        m_rows[i] = row;
        connect(row, &ZelSingleDPI::DPISignal, this, &ZelDPIWindow::onSliderChanged);
        connect(row, &ZelSingleDPI::LinkSignal, this, &ZelDPIWindow::onLinkChanged);
        connect(row, &ZelSingleDPI::MouseinSignal, this, &ZelDPIWindow::MouseinSignal);
        connect(row, &ZelSingleDPI::EnableSignal, this, &ZelDPIWindow::onEnableChanged);
    }
    setSensorOnRows(m_sensorModel);
    showStages();
    retranslate();
    layoutForScale(1.0);
}

void ZelDPIWindow::showStages()
{
    for (int i = 0; i < kDpiStageCount; ++i) {
        const DpiStage &stage = m_profile.dpiStages[i];
        m_rows[i]->setLink(stage.link);
        m_rows[i]->setValues(int(stage.x), int(stage.y));
        // The enable boxes follow the profile too, so a box never contradicts the stage it
        // stands for.
        m_rows[i]->setUsed(stage.used);
    }
    selectStage(m_profile.dpi);
}

void ZelDPIWindow::setSensorOnRows(int sensorModel)
{
    m_sensorModel = sensorModel;
    SensorRange range;
    const bool known = sensorRange(sensorModel, readCurrentProductName(), productWideDpiRange(), &range);
    for (ZelSingleDPI *row : m_rows)
        row->setSensor(sensorModel, known ? &range : nullptr);
}

void ZelDPIWindow::refresh(const ProfileData &profile, int sensorModel)
{
    setSensorOnRows(sensorModel);
    m_profile = profile;
    showStages();
}

void ZelDPIWindow::selectStage(int stage)
{
    // Status reports carry four bits; the profile holds eight stages.
    if (stage < 0 || stage >= kDpiStageCount)
        return;
    m_profile.dpi = uint8_t(stage);
    const QColor accent = currentAccentColor();
    for (int i = 0; i < kDpiStageCount; ++i)
        m_rows[i]->setTextColor(i == stage ? accent : QColor(Qt::white));
}

void ZelDPIWindow::layoutForScale(double factor)
{
    m_scale = factor;
    m_title->setGeometry(scaledRect(3, 3, 80, 17, factor));
    for (int i = 0; i < kDpiStageCount; ++i) {
        ZelSingleDPI *row = m_rows[i];
        if (i < m_stageCount) {
            row->setGeometry(scaledRect(15, stagesBottom(i + 1) - 48, 440, 48, factor));
            row->show();
        } else {
            row->setGeometry(QRect());
            row->hide();
        }
        row->layoutForScale(factor);
    }
    // The accent colour may have changed with the skin.
    selectStage(m_profile.dpi);
}

void ZelDPIWindow::retranslate()
{
    m_title->setText(QObject::tr("DPI"));
    for (ZelSingleDPI *row : m_rows)
        row->retranslate();
}

void ZelDPIWindow::onLinkChanged(uchar link, uchar index)
{
    if (index < kDpiStageCount)
        m_profile.dpiStages[index].link = link;
}

void ZelDPIWindow::onEnableChanged(uchar used, uchar index)
{
    if (index < kDpiStageCount)
        m_profile.dpiStages[index].used = used;
}

void ZelDPIWindow::onSliderChanged(int x, int y, uchar index)
{
    if (index >= kDpiStageCount)
        return;
    m_profile.dpiStages[index].x = decltype(DpiStage::x)(x);
    m_profile.dpiStages[index].y = decltype(DpiStage::y)(y);
}

void ZelDPIWindow::MouseinSignal(uchar index)
{
    selectStage(index);
}
