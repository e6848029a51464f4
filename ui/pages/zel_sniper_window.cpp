#include "ui/pages/zel_sniper_window.h"

#include "store/button_assignment.h"
#include "store/config_file.h"
#include "store/dpi_scale.h"
#include "ui/kit/kit_style.h"
#include "ui/kit/ui_scale.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QSlider>
#include <QVBoxLayout>

ZelSniperWindow::ZelSniperWindow(QWidget *parent) : ZelKeyDialog(tr("Sniper Setting"), parent)
{
    m_sensor = readSensorModel();
    m_slider = new QSlider(Qt::Horizontal, this);
    const QColor accent = currentAccentColor();
    m_slider->setStyleSheet(
        QStringLiteral("QSlider::groove:horizontal{border-image: url(%1); height: %2px;}"
                       "QSlider::handle:horizontal{background: rgb(%3, %4, %5); width: 16px; margin: -4px 0;}"
                       "QSlider::handle:horizontal:hover{background: rgb(200, 200, 200);}")
            .arg(skinPath(QStringLiteral("/skin/pspeed.png")), QString::number(scaled(8)), QString::number(accent.red()),
                 QString::number(accent.green()), QString::number(accent.blue())));
    const SniperSteps steps = sniperSteps(m_sensor);
    m_slider->setRange(steps.minimum, steps.maximum);
    connect(m_slider, &QSlider::valueChanged, this, [this](int value) { showStep(value); });

    auto *sliderRow = new QHBoxLayout;
    sliderRow->addSpacing(scaled(30));
    sliderRow->addWidget(m_slider);
    sliderRow->addSpacing(scaled(30));
    middle()->addSpacing(scaled(50));
    middle()->addLayout(sliderRow);
    addValueRow();

    // A new sniper button starts at the sensor's default step.
    presetStep(0);
}

void ZelSniperWindow::showStep(int step)
{
    m_step = quint8(step);
    valueLabel()->setText(QString::asprintf("%d", dpiFromCode(step, m_sensor)));
}

void ZelSniperWindow::presetStep(int step)
{
    const int valid = validSniperStep(step, m_sensor);
    const QSignalBlocker quiet(m_slider);
    m_slider->setValue(valid);
    showStep(valid);
    emit SetSniperValue(uchar(valid));
}
