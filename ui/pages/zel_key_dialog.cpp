#include "ui/pages/zel_key_dialog.h"

#include "platform/key_capture.h"
#include "ui/kit/kit_style.h"
#include "ui/kit/ui_scale.h"

#include <QHBoxLayout>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QToolButton>
#include <QVBoxLayout>

ZelKeyDialog::ZelKeyDialog(const QString &title, QWidget *parent)
    : ZelSkinDialog(parent, Qt::Dialog | Qt::FramelessWindowHint)
{
    setFixedSize(scaledSize(400, 258));
    setModal(true);
    m_grab = new KeyboardGrab(this, false);

    const QString labelStyle = QStringLiteral("color: rgb(255, 255, 255); background: transparent;");
    m_title = new QLabel(title, this);
    m_title->setObjectName(QStringLiteral("keyDialogTitle"));
    m_title->setFont(dialogFont());
    m_title->setStyleSheet(labelStyle);
    m_value = new QLabel(this);
    m_value->setObjectName(QStringLiteral("keyDialogValue"));
    m_value->setAlignment(Qt::AlignCenter);
    m_value->setFont(configuredFont());
    m_value->setStyleSheet(labelStyle);
    m_value->setFocusPolicy(Qt::StrongFocus);

    m_ok = makeDialogToolButton(tr("OK"), QIcon(QStringLiteral(":/yes_Btn")), QStringLiteral("keyDialogOk"), this);
    m_cancel = makeDialogToolButton(tr("Cancel"), QIcon(QStringLiteral(":/no_Btn")), QStringLiteral("keyDialogCancel"), this);
    connect(m_ok, &QToolButton::clicked, this, &ZelKeyDialog::tryAccept);
    connect(m_cancel, &QToolButton::clicked, this, &QDialog::reject);

    auto *titleRow = new QHBoxLayout;
    titleRow->addSpacing(scaled(30));
    titleRow->addWidget(m_title);
    titleRow->addStretch();

    m_middle = new QVBoxLayout;

    m_problem = new QLabel(this);
    m_problem->setObjectName(QStringLiteral("keyDialogProblem"));
    m_problem->setAccessibleName(tr("Why OK is refused"));
    m_problem->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_problem->setWordWrap(true);
    m_problem->setFont(configuredFont());
    m_problem->setStyleSheet(QStringLiteral("color: rgb(255, 120, 120); background: transparent;"));

    // Beside the buttons, where the user looks when OK does nothing; there it moves no field.
    auto *buttonRow = new QHBoxLayout;
    buttonRow->addSpacing(scaled(20));
    buttonRow->addWidget(m_problem, 1);
    buttonRow->addWidget(m_ok);
    buttonRow->addWidget(m_cancel);

    auto *outer = new QVBoxLayout(this);
    outer->addLayout(titleRow);
    outer->addLayout(m_middle, 1);
    outer->addLayout(buttonRow);
    outer->addSpacing(scaled(20));
}

ZelKeyDialog::~ZelKeyDialog() = default;

void ZelKeyDialog::addValueRow()
{
    auto *row = new QHBoxLayout;
    row->addStretch();
    row->addWidget(m_value);
    row->addStretch();
    m_middle->addStretch();
    m_middle->addLayout(row);
    m_middle->addStretch();
}

void ZelKeyDialog::showProblem(const QString &text)
{
    m_problem->setText(text);
}

void ZelKeyDialog::tryAccept()
{
    const QString why = refusal();
    showProblem(why);
    if (why.isEmpty())
        accept();
}

void ZelKeyDialog::setCapturing(bool on)
{
    m_capturing = on;
    refreshGrab();
}

void ZelKeyDialog::refreshGrab()
{
    m_grab->setActive(wantsGrab());
}

bool ZelKeyDialog::isNewEvent(quint8 keyCode, quint8 flags)
{
    if (m_hasLast && keyCode == m_lastCode && flags == m_lastFlags)
        return false;
    m_hasLast = true;
    m_lastCode = keyCode;
    m_lastFlags = flags;
    return true;
}

void ZelKeyDialog::keyPressEvent(QKeyEvent *event)
{
    if (m_capturing)
        handleKey(event);
    else
        ZelSkinDialog::keyPressEvent(event);
}

void ZelKeyDialog::keyReleaseEvent(QKeyEvent *event)
{
    if (m_capturing)
        handleKey(event);
    else
        ZelSkinDialog::keyReleaseEvent(event);
}

void ZelKeyDialog::handleKey(QKeyEvent *event)
{
    // While capturing no key acts on the dialog: Escape and Return are keys like any other.
    event->accept();
    if (const std::optional<CapturedKey> key = captureKeyEvent(*event))
        keyCaptured(captureKeyCode(*key), key->flags);
}
