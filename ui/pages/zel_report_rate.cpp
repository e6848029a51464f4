#include "ui/pages/zel_report_rate.h"

#include "ui/kit/kit_style.h"
#include "ui/kit/ui_scale.h"
#include "ui/kit/zel_action.h"
#include "ui/kit/zel_label.h"
#include "ui/kit/zel_push_button.h"
#include "ui/main/window_log.h"
#include "ui/pages/report_rate_codes.h"

#include <QButtonGroup>
#include <QMenu>
#include <QRadioButton>

ZelReportRate::ZelReportRate(ProfileData *profile, QWidget *parent)
    : QWidget(parent)
    , m_title(new ZelLabel(this))
    , m_rateButton(new ZelPushButton(skinPaths({QStringLiteral("/skin/rate.png"), QStringLiteral("/skin/rate.png"),
                                                QStringLiteral("/skin/rate.png")}),
                                     this))
    , m_menu(new QMenu(this))
    , m_liftLabel(new ZelLabel(this))
    , m_liftGroup(new QButtonGroup(this))
{
    setObjectName(QStringLiteral("ZelReportRate"));
    setAttribute(Qt::WA_StyledBackground);
    setStyleSheet(QStringLiteral("background-color: rgba(33,35,35,0.5)"));
    if (profile)
        m_profile = *profile;
    m_title->setStyleSheet(QStringLiteral("background:transparent;color:rgb(255,255,255);"));
    m_liftLabel->setStyleSheet(QStringLiteral("background:transparent;color:rgb(255,255,255);"));

    for (int code : reportRateCodes()) {
        auto *action = new ZelAction(m_menu);
        action->setData(code);
        m_menu->addAction(action);
        m_actions.append(action);
    }
    connect(m_menu, &QMenu::triggered, this, [this](QAction *action) { chooseRate(action->data().toInt()); });
    m_rateButton->setMenu(m_menu);

    m_liftGroup->setExclusive(true);
    for (int i = 0; i < 2; ++i) {
        m_liftButtons[i] = new QRadioButton(this);
        m_liftGroup->addButton(m_liftButtons[i], i);
        connect(m_liftButtons[i], &QRadioButton::clicked, this, &ZelReportRate::onRadioChanged);
    }
    retranslate();
    setScale(1.0);
    showRate();
}

void ZelReportRate::chooseRate(int code)
{
    m_profile.pollrate = uint8_t(code);
    m_rateButton->setText(reportRateText(code));
    nameRateButton();
}

void ZelReportRate::nameRateButton()
{
    m_rateButton->setAccessibleName(QObject::tr("Report rate") + QStringLiteral(": ") + m_rateButton->text());
}

void ZelReportRate::refresh(const ProfileData &profile, int lift)
{
    m_profile = profile;
    showRate();
    m_lift = (lift == 1 || lift == 2) ? lift : 2;
    m_liftButtons[m_lift - 1]->setChecked(true);
}

void ZelReportRate::showRate()
{
    // A code the menu does not offer leaves the last text in place.
    const QString text = reportRateText(m_profile.pollrate);
    if (!text.isEmpty())
        m_rateButton->setText(text);
    nameRateButton();
}

void ZelReportRate::onRadioChanged()
{
    m_lift = m_liftGroup->checkedId() + 1;
    qCDebug(lcWindow, "m_iLift = %d", m_lift);
    emit RefreshLift(quint8(m_lift));
}

void ZelReportRate::retranslate()
{
    m_title->setText(QObject::tr("REPORT RATE"));
    for (ZelAction *action : m_actions)
        action->setText(reportRateText(action->data().toInt()));
    m_liftLabel->setText(QObject::tr("Lift off Distance"));
    m_liftButtons[0]->setText(QObject::tr("1 mm"));
    m_liftButtons[1]->setText(QObject::tr("2 mm"));
    showRate();
}

void ZelReportRate::setScale(double factor)
{
    m_scale = factor;
    m_title->setGeometry(scaledRect(20, 20, 170, 20, factor));
    m_rateButton->setGeometry(scaledRect(20, 40, 152, 28, factor));
    m_rateButton->setFont(configuredFont());
    m_menu->setMinimumWidth(scaled(150, factor));
    m_menu->setFont(configuredFont());
    applyMenuStyle(m_menu);
    for (ZelAction *action : m_actions)
        action->setFont(configuredFont());
    // The lift-off choice lives on the pointer page in this layout.
    m_liftLabel->setGeometry(QRect());
    const int n = scaled(8, factor);
    const QColor accent = currentAccentColor();
    const QString radioStyle = QString::asprintf(
        "QRadioButton{background:transparent;color:rgb(255,255,255)}QRadioButton:checked{color:rgb(255,255,255);}"
        "QRadioButton::indicator{width:%dpx;height:%dpx;border-radius:%dpx;border-style: solid;border-width: "
        "%dpx;border-color: rgb(100, 100, 100);}QRadioButton::indicator:checked {background-color:rgb(%d,%d,%d);}"
        "QRadioButton::indicator:unchecked {background-color:transparent; }",
        n, n, n / 2 + 1, n / 4, accent.red(), accent.green(), accent.blue());
    for (QRadioButton *radio : m_liftButtons) {
        radio->setStyleSheet(radioStyle);
        radio->setGeometry(QRect());
    }
}
