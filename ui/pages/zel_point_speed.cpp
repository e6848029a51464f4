#include "ui/pages/zel_point_speed.h"

#include "platform/mouse_settings_launcher.h"
#include "store/language_config.h"
#include "store/product_definition.h"
#include "ui/kit/kit_style.h"
#include "ui/kit/ui_scale.h"
#include "ui/kit/zel_label.h"
#include "ui/kit/zel_message_box.h"
#include "ui/kit/zel_push_button.h"
#include "ui/kit/zel_slider.h"
#include "ui/main/window_log.h"

#include <QCheckBox>
#include <QSignalBlocker>
#include <QSpinBox>

namespace {

using Control = ZelPointSpeed::Control;

struct Placement {
    int x, y, width, height;
};

constexpr Placement kZero{0, 0, 0, 0};
// "Not placed here": the control keeps the geometry it has.
constexpr Placement kKeep{-1, -1, -1, -1};

constexpr Placement kCommon[ZelPointSpeed::ControlCount] = {
    {20, 10, 120, 20}, {141, 10, 80, 20}, {20, 35, 200, 25}, {20, 75, 170, 20}, {20, 100, 70, 20}, kKeep,
    kKeep, kKeep, kKeep, kKeep, kKeep, kKeep, kKeep, kKeep, kKeep, kKeep, kKeep, kKeep,
};

constexpr Placement kSyncModes[4][ZelPointSpeed::ControlCount] = {
    // 0: only the mouse settings button.
    {kZero, kZero, kZero, kZero, kZero, {20, 85, 128, 30},
     kZero, kZero, kZero, kZero, kZero, kZero, kZero, kZero, kZero, kZero, kZero, kZero},
    // 1: motion sync. The button goes below the sync boxes rather than over them.
    {kZero, kZero, kZero, kZero, kZero, {20, 130, 128, 30},
     {20, 70, 170, 20}, {20, 95, 100, 20}, {121, 95, 100, 20}, kZero, kZero, kZero, kZero, kZero, kZero,
     kZero, kZero, kZero},
    // 2: every sensor option, one row under the other, the mouse settings button at the
    // foot; the space between them is kept for one more row.
    {{20, 8, 120, 20}, {141, 8, 80, 20}, {20, 30, 200, 24}, kZero, kZero, {20, 326, 128, 30},
     {20, 62, 200, 18}, {20, 80, 100, 20}, {121, 80, 100, 20},
     {20, 108, 200, 18}, {20, 126, 100, 20}, {121, 126, 100, 20},
     {20, 154, 200, 18}, {20, 172, 100, 20}, {121, 172, 100, 20},
     {20, 200, 200, 18}, {20, 218, 100, 20}, {121, 218, 100, 20}},
    // 3: key response only.
    {{20, 10, 120, 20}, {141, 10, 80, 20}, {20, 35, 200, 25}, kZero, kZero, {20, 85, 128, 30},
     kZero, kZero, kZero, kZero, kZero, kZero, kZero, kZero, kZero, kZero, kZero, kZero},
};

bool isKeep(const Placement &p)
{
    return p.x < 0;
}

} // namespace

ZelPointSpeed::ZelPointSpeed(ProfileData *profile, QWidget *parent)
    : QWidget(parent), m_profile(profile)
{
    setObjectName(QStringLiteral("ZelPointSpeed"));
    setAttribute(Qt::WA_StyledBackground);
    setStyleSheet(QStringLiteral("background-color: rgba(33,35,35,0.5)"));
    m_showMouseButton = productShowMouseButton();
    m_syncMode = productSyncMode();
    build();
    retranslate();
    setScale(1.0);
}

void ZelPointSpeed::build()
{
    const QString labelStyle = QStringLiteral("background:transparent;color: rgb(225,225,225)");
    const QString boxStyle = skinCheckBoxStyleSheet() + QStringLiteral("QCheckBox{color: rgb(225,225,225)}");
    for (Control label : {KeyResponseLabel, KeyResponseValue, ScrollLabel, SyncLabel, LiftLabel, AngleLabel, JitterLabel}) {
        auto *widget = new ZelLabel(this);
        widget->setStyleSheet(labelStyle);
        m_controls[label] = widget;
    }
    static_cast<QLabel *>(m_controls[KeyResponseValue])->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_keySlider = new ZelSlider(this);
    m_keySlider->setRange(1, 255);
    m_keySlider->setSingleStep(1);
    m_keySlider->setPageStep(1);
    connect(m_keySlider, &QSlider::valueChanged, this, &ZelPointSpeed::onKeyResponseChanged);
    m_controls[KeyResponseSlider] = m_keySlider;

    m_scrollSpin = new QSpinBox(this);
    m_scrollSpin->setRange(1, 20);
    connect(m_scrollSpin, qOverload<int>(&QSpinBox::valueChanged), this, &ZelPointSpeed::sValueChangedSlot);
    m_controls[ScrollSpin] = m_scrollSpin;

    auto *settings = new ZelPushButton(skinPaths({QStringLiteral("/skin/tabbutton-1.png"), QStringLiteral("/skin/tabbutton-3.png"),
                                                  QStringLiteral("/skin/tabbutton-2.png")}),
                                       this);
    connect(settings, &QPushButton::clicked, this, &ZelPointSpeed::openMouseSettings);
    m_controls[MouseSettingButton] = settings;

    for (Control box : {SyncOn, SyncOff, Lift1mm, Lift2mm, AngleOn, AngleOff, JitterOn, JitterOff}) {
        auto *check = new QCheckBox(this);
        check->setStyleSheet(boxStyle);
        connect(check, &QCheckBox::clicked, this, &ZelPointSpeed::checkbtn_clicked);
        m_controls[box] = check;
    }
    auto box = [this](Control which) { return static_cast<QCheckBox *>(m_controls[which]); };
    // Angle snapping and the jitter filter are stored inverted: 0 means on.
    m_pairs[0] = {box(SyncOn), box(SyncOff), &m_sync, 1, 0};
    m_pairs[1] = {box(Lift1mm), box(Lift2mm), &m_liftHigh, 1, 2};
    m_pairs[2] = {box(AngleOn), box(AngleOff), &m_angleValue, 0, 1};
    m_pairs[3] = {box(JitterOn), box(JitterOff), &m_jitter, 0, 1};
    // Controls a product's layout does not place stay out of sight.
    for (QWidget *widget : m_controls)
        widget->setGeometry(QRect());
}

void ZelPointSpeed::refresh(ProfileData *profile, uint8_t sync, uint8_t liftHigh, uint8_t angleValue,
                            uint8_t jitter, uint8_t debounce)
{
    m_profile = profile;
    m_scrollSpin->setFont(configuredFont(currentLanguageIndex(), m_scale));
    {
        const QSignalBlocker quiet(m_keySlider);
        m_keySlider->setValue(debounce);
    }
    static_cast<QLabel *>(m_controls[KeyResponseValue])->setText(QString::number(debounce));
    if (m_profile) {
        const QSignalBlocker quiet(m_scrollSpin);
        m_scrollSpin->setValue(m_profile->scrollspeed);
    }
    m_sync = sync;
    m_liftHigh = liftHigh;
    m_angleValue = angleValue;
    m_jitter = jitter;
    m_debounce = debounce;
    setPairChecked(m_pairs[0], sync != 0);
    setPairChecked(m_pairs[1], liftHigh == 1);
    setPairChecked(m_pairs[2], angleValue == 0);
    setPairChecked(m_pairs[3], jitter == 0);
}

void ZelPointSpeed::setPairChecked(const OptionPair &pair, bool first)
{
    pair.first->setChecked(first);
    pair.second->setChecked(!first);
}

void ZelPointSpeed::onKeyResponseChanged(int value)
{
    qCDebug(lcWindow, "slider_clicked 1 = %d", value);
    m_debounce = uint8_t(value);
    static_cast<QLabel *>(m_controls[KeyResponseValue])->setText(QString::number(value));
}

void ZelPointSpeed::sValueChangedSlot(int value)
{
    qCDebug(lcWindow, "slider_clicked 1 = %d", value);
    if (m_profile)
        m_profile->scrollspeed = uint8_t(value);
}

void ZelPointSpeed::checkbtn_clicked()
{
    // The two boxes of a pair behave as radio buttons; a click on the checked one keeps it.
    for (const OptionPair &pair : m_pairs) {
        if (sender() == pair.first || sender() == pair.second) {
            const bool first = sender() == pair.first;
            *pair.value = first ? pair.firstValue : pair.secondValue;
            setPairChecked(pair, first);
            return;
        }
    }
}

void ZelPointSpeed::openMouseSettings()
{
    if (openDesktopMouseSettings())
        return;
    ZelMessageBox box(ZelMessageBox::Warning, QString(), QObject::tr("Warning"),
                      QObject::tr("No mouse settings program of a known desktop was found. Open your desktop's "
                                  "settings and choose the mouse there."),
                      window(), false, Qt::FramelessWindowHint);
    box.exec();
}

void ZelPointSpeed::retranslate()
{
    auto setLabel = [this](Control which, const QString &text) { static_cast<QLabel *>(m_controls[which])->setText(text); };
    setLabel(KeyResponseLabel, QObject::tr("Key Response"));
    // The slider is read by its label's words.
    m_keySlider->setAccessibleName(QObject::tr("Key Response"));
    setLabel(ScrollLabel, QObject::tr("SCROLL SPEED"));
    setLabel(SyncLabel, QObject::tr("Enable sync"));
    setLabel(LiftLabel, QObject::tr("Lift Distance"));
    setLabel(AngleLabel, QObject::tr("Angle Snapping"));
    setLabel(JitterLabel, QObject::tr("Jitter"));
    for (int i : {0, 2, 3}) {
        m_pairs[i].first->setText(QObject::tr("ON"));
        m_pairs[i].second->setText(QObject::tr("OFF"));
    }
    m_pairs[1].first->setText(QObject::tr("1mm"));
    m_pairs[1].second->setText(QObject::tr("2mm"));
    static_cast<ZelPushButton *>(m_controls[MouseSettingButton])->setText(QObject::tr("Mouse Setting"));
}

void ZelPointSpeed::setScale(double factor)
{
    m_scale = factor;
    const QFont font = configuredFont(currentLanguageIndex(), factor);
    for (QWidget *widget : m_controls) {
        if (!qobject_cast<ZelLabel *>(widget))
            widget->setFont(font);
    }
    place();
}

void ZelPointSpeed::place()
{
    auto apply = [this](const Placement *table) {
        for (int i = 0; i < ControlCount; ++i) {
            const Placement &p = table[i];
            if (!isKeep(p))
                m_controls[i]->setGeometry(scaledRect(p.x, p.y, p.width, p.height, m_scale));
        }
    };
    apply(kCommon);
    if (m_syncMode >= 0 && m_syncMode < 4)
        apply(kSyncModes[m_syncMode]);
    // Longer translations of "Key Response" may use the room the number leaves at the right.
    QWidget *label = m_controls[KeyResponseLabel];
    QWidget *value = m_controls[KeyResponseValue];
    const QRect valueRect = value->geometry();
    if (!label->geometry().isEmpty() && !valueRect.isEmpty()) {
        const int numberWidth = QFontMetrics(configuredFont(currentLanguageIndex(), m_scale))
                                    .horizontalAdvance(QStringLiteral("255")) + scaled(4, m_scale);
        if (numberWidth < valueRect.width()) {
            value->setGeometry(valueRect.right() + 1 - numberWidth, valueRect.y(), numberWidth, valueRect.height());
            label->setGeometry(label->x(), label->y(), value->x() - scaled(2, m_scale) - label->x(), label->height());
        }
    }
    if (m_showMouseButton == 0)
        m_controls[MouseSettingButton]->setGeometry(QRect());
}
