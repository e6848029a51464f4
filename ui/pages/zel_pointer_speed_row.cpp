#include "ui/pages/zel_pointer_speed_row.h"

#include "platform/pointer_speed.h"
#include "store/app_paths.h"
#include "store/config_file.h"
#include "store/language_config.h"
#include "ui/kit/kit_style.h"
#include "ui/kit/ui_scale.h"
#include "ui/kit/zel_slider.h"

#include <QCheckBox>
#include <QEvent>
#include <QLabel>

ZelPointerSpeedRow::ZelPointerSpeedRow(QWidget *parent)
    : QWidget(parent), m_title(new QLabel(this)), m_slider(new ZelSlider(this)), m_value(new QLabel(this)),
      m_option(new QCheckBox(this)), m_optionText(new QLabel(this)), m_desktop(new QLabel(this))
{
    setObjectName(QStringLiteral("ZelPointerSpeedRow"));
    setAttribute(Qt::WA_StyledBackground);
    setStyleSheet(QStringLiteral("ZelPointerSpeedRow{background-color: rgba(33,35,35,0.5)}"));
    const QString labelStyle = QStringLiteral("background:transparent;color: rgb(225,225,225)");
    for (QLabel *label : {m_title, m_value, m_optionText, m_desktop})
        label->setStyleSheet(labelStyle);
    m_optionText->setWordWrap(true);
    m_optionText->installEventFilter(this);
    m_desktop->setWordWrap(true);
    m_desktop->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_value->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_slider->setRange(1, 20);
    m_slider->setSingleStep(1);
    m_slider->setPageStep(1);
    m_slider->setFocusPolicy(Qt::StrongFocus);
    m_title->setBuddy(m_slider);
    m_option->setStyleSheet(skinCheckBoxStyleSheet() + QStringLiteral("QCheckBox{color: rgb(225,225,225)}"));
    m_option->setFocusPolicy(Qt::StrongFocus);
    connect(m_slider, &QSlider::valueChanged, this, &ZelPointerSpeedRow::onSpeedChanged);
    connect(m_option, &QCheckBox::toggled, this, &ZelPointerSpeedRow::onOptionToggled);
    retranslate();
    setScale(1.0);
}

void ZelPointerSpeedRow::refresh(ProfileData *profile)
{
    m_profile = profile;
    {
        const QSignalBlocker quiet(m_slider);
        m_slider->setValue(storedMouseSpeed(profile ? profile->mousespeed : 0));
    }
    m_value->setText(QString::number(m_slider->value()));
    {
        const QSignalBlocker quiet(m_option);
        m_option->setChecked(readDesktopPointerSpeedOption());
    }
    showDesktopSpeed();
}

int ZelPointerSpeedRow::speed() const
{
    return m_slider->value();
}

bool ZelPointerSpeedRow::desktopOption() const
{
    return m_option->isChecked();
}

QString ZelPointerSpeedRow::desktopText() const
{
    return m_desktopFull;
}

void ZelPointerSpeedRow::showDesktopSpeed()
{
    if (!m_option->isChecked()) {
        m_desktopFull.clear();
    } else {
        const PointerSpeedOutcome desktop = readDesktopPointerSpeed();
        m_desktopFull = desktop.done ? QObject::tr("Desktop: %1 (%2)").arg(desktop.mouseSpeed).arg(desktop.where)
                                     : QObject::tr("Cannot be set here: %1").arg(desktop.reason);
    }
    showText(m_desktopFull);
}

void ZelPointerSpeedRow::showText(const QString &text)
{
    m_desktop->setText(text);
    m_desktop->setToolTip(text);
    m_desktop->setAccessibleName(text);
}

bool ZelPointerSpeedRow::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_optionText && event->type() == QEvent::MouseButtonRelease && m_option->isEnabled()) {
        m_option->toggle();
        m_option->setFocus(Qt::MouseFocusReason);
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void ZelPointerSpeedRow::onSpeedChanged(int value)
{
    m_value->setText(QString::number(value));
    if (m_profile)
        m_profile->mousespeed = uint8_t(value);
}

void ZelPointerSpeedRow::onOptionToggled(bool on)
{
    if (!writeDesktopPointerSpeedOption(on)) {
        const QSignalBlocker quiet(m_option);
        m_option->setChecked(!on);
        m_desktopFull = QObject::tr("The choice could not be saved in %1.").arg(configFilePath());
        showText(m_desktopFull);
        return;
    }
    showDesktopSpeed();
}

void ZelPointerSpeedRow::retranslate()
{
    m_title->setText(QObject::tr("Pointer speed"));
    m_slider->setAccessibleName(QObject::tr("Pointer speed"));
    m_optionText->setText(QObject::tr("Set the desktop's pointer speed with this profile"));
    m_option->setAccessibleName(m_optionText->text());
    if (m_option->isChecked())
        showDesktopSpeed();
}

void ZelPointerSpeedRow::setScale(double factor)
{
    // One line for the speed, the option under it, then what the desktop says; as wide as a
    // stage row. The window's font, as on the rest of the page.
    const QFont font = configuredFont(currentLanguageIndex(), factor);
    for (QWidget *w : {static_cast<QWidget *>(m_title), static_cast<QWidget *>(m_value), static_cast<QWidget *>(m_optionText),
                       static_cast<QWidget *>(m_desktop)})
        w->setFont(font);
    m_title->setGeometry(scaledRect(10, 4, 160, 20, factor));
    m_slider->setGeometry(scaledRect(176, 4, 200, 20, factor));
    m_value->setGeometry(scaledRect(386, 4, 50, 20, factor));
    m_option->setGeometry(scaledRect(10, 32, 20, 20, factor));
    m_optionText->setGeometry(scaledRect(34, 30, 402, 36, factor));
    m_desktop->setGeometry(scaledRect(10, 68, 426, 40, factor));
    // The look of the window's other bars, in the accent colour.
    const QColor accent = currentAccentColor();
    const int groove = qMax(2, int(6 * factor));
    const int handle = qMax(groove + 2, int(14 * factor));
    m_slider->setStyleSheet(QString::asprintf(
        "QSlider{background:transparent;}QSlider:focus{border:1px dotted rgb(225,225,225);}"
        "QSlider::groove:horizontal{height:%dpx;background:rgb(150,150,150);border-radius:%dpx;}"
        "QSlider::sub-page:horizontal{background:rgb(%d,%d,%d);border-radius:%dpx;}"
        "QSlider::handle:horizontal{width:%dpx;background:rgb(%d,%d,%d);margin:-%dpx 0px;border-radius:%dpx;}",
        groove, groove / 2, accent.red(), accent.green(), accent.blue(), groove / 2, handle, accent.red(), accent.green(),
        accent.blue(), (handle - groove) / 2, handle / 2));
}
