#include "ui/kit/zel_message_box.h"
#include "ui/kit/skin_images.h"

#include "ui/kit/dialog_skin.h"
#include "ui/kit/kit_resources.h"
#include "ui/kit/keyboard_access.h"
#include "ui/kit/kit_style.h"
#include "ui/kit/plug_in_flag.h"
#include "ui/kit/ui_scale.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QTimer>
#include <QToolButton>

namespace {

// Design geometry at scale 1.
constexpr int kWidth = 478, kHeight = 309;
constexpr int kIconX = 30, kIconY = 66, kIconSize = 45;
// The first line of the message sits level with the icon's centre.
constexpr int kTextX = 95, kTextY = 80, kTextWidth = 355, kTextHeight = 150;
constexpr int kButtonWidth = 100, kButtonHeight = 40, kButtonY = 245, kButtonGap = 12, kRightMargin = 28;

} // namespace

ZelMessageBox::ZelMessageBox(int style, const QString &title, const QString &caption, const QString &message,
                             QWidget *parent, bool pollPlugIn, Qt::WindowFlags flags)
    : QDialog(parent, flags)
    , m_style(style >= Question && style <= Receiver ? style : Warning)
{
    initKitResources();
    setWindowTitle(title);
    setModal(true);
    setAttribute(Qt::WA_TranslucentBackground);
    setFixedSize(scaledSize(kWidth, kHeight));

    m_iconPath = skinPath(m_style == Receiver ? QStringLiteral("/skin/dongle2.png") : QStringLiteral("/skin/warn.png"));
    const int iconSide = scaled(kIconSize);
    m_icon = new QLabel(this);
    m_icon->setGeometry(scaled(kIconX), scaled(kIconY), iconSide, iconSide);
    m_icon->setPixmap(skinImage(m_iconPath).scaled(iconSide, iconSide, Qt::KeepAspectRatio, Qt::SmoothTransformation));
    m_icon->setAlignment(Qt::AlignCenter);

    const QFont font = dialogFont();
    m_caption = new QLabel(caption, this);
    m_caption->setObjectName(QStringLiteral("msgBoxInfoLabel1"));
    m_caption->setGeometry(scaledRect(20, 20, 300, 20));
    m_caption->setFont(font);
    m_caption->setStyleSheet(QStringLiteral("color: rgb(255, 255, 255); background: transparent;"));

    m_message = new QLabel(message, this);
    m_message->setObjectName(QStringLiteral("msgBoxInfoLabel2"));
    m_message->setGeometry(scaledRect(kTextX, kTextY, kTextWidth, kTextHeight));
    m_message->setWordWrap(true);
    m_message->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_message->setFont(font);
    m_message->setStyleSheet(QStringLiteral("color: rgb(255, 255, 255); background: transparent;"));

    const bool question = m_style == Question;
    m_yes = makeDialogToolButton(question ? QObject::tr("Yes") : QObject::tr("Ok"), QIcon(QStringLiteral(":/yes_Btn")),
                                 QStringLiteral("msgBoxYesBtn"), this);
    connect(m_yes, &QToolButton::released, this, &QDialog::accept);
    int right = kWidth - kRightMargin;
    if (question) {
        m_no = makeDialogToolButton(QObject::tr("No"), QIcon(QStringLiteral(":/no_Btn")), QStringLiteral("msgBoxNoBtn"), this);
        connect(m_no, &QToolButton::released, this, &QDialog::reject);
        m_no->setGeometry(scaledRect(right - kButtonWidth, kButtonY, kButtonWidth, kButtonHeight));
        right -= kButtonWidth + kButtonGap;
    }
    m_yes->setGeometry(scaledRect(right - kButtonWidth, kButtonY, kButtonWidth, kButtonHeight));

    // Read out as an alert, whatever has the focus: the message is the point of the box.
    registerAccessibleRole("ZelMessageBox", QAccessible::AlertMessage);
    setAccessibleName(caption.isEmpty() ? title : caption);
    setAccessibleDescription(message);

    if (pollPlugIn) {
        m_plugInTimer = new QTimer(this);
        connect(m_plugInTimer, &QTimer::timeout, this, &ZelMessageBox::GetPlugInSignal);
        m_plugInTimer->start(100);
    }
}

void ZelMessageBox::GetPlugInSignal()
{
    if (mousePluggedIn()) {
        if (m_plugInTimer)
            m_plugInTimer->stop();
        accept();
    }
}

void ZelMessageBox::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    announce(this, m_message->text());
}

void ZelMessageBox::keyPressEvent(QKeyEvent *event)
{
    // Return answers with the button that has the focus, else with "Yes" / "Ok"; Esc is "No".
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && !event->isAutoRepeat()) {
        if (m_no && m_no->hasFocus())
            reject();
        else
            accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void ZelMessageBox::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    paintDialogSkin(painter, this);
}
