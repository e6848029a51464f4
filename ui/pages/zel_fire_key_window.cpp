#include "ui/pages/zel_fire_key_window.h"

#include "platform/key_capture.h"
#include "store/device_settings.h"
#include "store/key_table.h"
#include "ui/kit/kit_style.h"
#include "ui/kit/ui_scale.h"
#include "ui/kit/key_names.h"

#include <QApplication>
#include <QCheckBox>
#include <QHBoxLayout>
#include <QRegularExpressionValidator>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>
#include <QVBoxLayout>

namespace {
// Times and Delay each travel in one byte; 0 would never fire.
constexpr int kMinimum = 1;
constexpr int kMaximum = 255;
} // namespace

ZelFireKeyWindow::ZelFireKeyWindow(QWidget *parent) : ZelKeyDialog(tr("FireKey Setting"), parent)
{
    const char *kindNames[] = {QT_TR_NOOP("Left"), QT_TR_NOOP("Right"), QT_TR_NOOP("Middle"), QT_TR_NOOP("Keyboard Key")};
    const QString boxStyle = checkImageStyleSheet(QStringLiteral("/skin/checkbox1-1.png"),
                                                  QStringLiteral("/skin/checkbox1-2.png"), scaled(16));
    auto *boxRow = new QHBoxLayout;
    boxRow->addSpacing(scaled(30));
    for (int i = 0; i < 4; ++i) {
        m_boxes[i] = new QCheckBox(tr(kindNames[i]), this);
        m_boxes[i]->setStyleSheet(boxStyle);
        m_boxes[i]->setFont(configuredFont());
        m_boxes[i]->setFocusPolicy(Qt::NoFocus);
        connect(m_boxes[i], &QCheckBox::clicked, this, &ZelFireKeyWindow::checkbtn_clicked);
        connect(m_boxes[i], &QCheckBox::stateChanged, this, &ZelFireKeyWindow::onStateChanged);
        boxRow->addWidget(m_boxes[i]);
    }
    boxRow->addStretch();

    const QString editStyle = QStringLiteral("QLineEdit{color: rgb(255, 255, 255); background: rgb(40, 40, 40);"
                                             " border: 1px solid rgb(90, 90, 90);}");
    const QString textStyle = QStringLiteral("color: rgb(255, 255, 255); background: transparent;");
    auto makeEdit = [&](const QString &text) {
        auto *edit = new QLineEdit(text, this);
        // Any three digits may be typed: a value out of range is then refused with its reason,
        // where a range validator would drop the keystroke without a word.
        edit->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("\\d{0,3}")), edit));
        edit->setMaxLength(3);
        edit->setAlignment(Qt::AlignCenter);
        edit->setFixedWidth(scaled(50));
        edit->setStyleSheet(editStyle);
        connect(edit, &QLineEdit::returnPressed, this, &ZelFireKeyWindow::onEditReturn);
        connect(edit, &QLineEdit::textChanged, this, &ZelFireKeyWindow::updateOk);
        return edit;
    };
    m_times = makeEdit(QStringLiteral("3"));
    m_delay = makeEdit(QStringLiteral("100"));
    connect(m_times, &QLineEdit::textChanged, this, &ZelFireKeyWindow::OnEditDataChanged);
    auto *timesLabel = new QLabel(tr("Times:"), this);
    auto *delayLabel = new QLabel(tr("Delay:"), this);
    for (QLabel *label : {timesLabel, delayLabel}) {
        label->setStyleSheet(textStyle);
        label->setFont(configuredFont());
    }
    auto *editRow = new QHBoxLayout;
    editRow->addSpacing(scaled(30));
    editRow->addWidget(timesLabel);
    editRow->addWidget(m_times);
    editRow->addSpacing(scaled(20));
    editRow->addWidget(delayLabel);
    editRow->addWidget(m_delay);
    editRow->addStretch();

    setHint(tr("Choose the mouse button to repeat, or Keyboard Key and then press the key."));
    // Clear of the title's rule.
    middle()->addSpacing(scaled(8));
    middle()->addLayout(boxRow);
    addValueRow();
    middle()->addLayout(editRow);

    m_focusWatch = connect(qApp, &QApplication::focusChanged, this, [this]() { refreshGrab(); });

    setCapturing(true);
    setKind(Left);
}

ZelFireKeyWindow::~ZelFireKeyWindow()
{
    // Closing moves the focus while the dialog is already half gone.
    disconnect(m_focusWatch);
}

int ZelFireKeyWindow::times() const
{
    return m_times->text().toInt();
}

int ZelFireKeyWindow::delay() const
{
    return m_delay->text().toInt();
}

bool ZelFireKeyWindow::editHasFocus() const
{
    return m_times->hasFocus() || m_delay->hasFocus();
}

bool ZelFireKeyWindow::wantsGrab() const
{
    // Typing into Times or Delay goes to the field, not to the capture.
    return capturing() && !editHasFocus();
}

QString ZelFireKeyWindow::fieldProblem() const
{
    // An empty or zero count or delay would send a fire key that never fires.
    const auto inRange = [](const QLineEdit *edit) {
        const int value = edit->text().toInt();
        return value >= kMinimum && value <= kMaximum;
    };
    if (!inRange(m_times))
        return tr("Times: %1 to %2").arg(kMinimum).arg(kMaximum);
    if (!inRange(m_delay))
        return tr("Delay: %1 to %2").arg(kMinimum).arg(kMaximum);
    return QString();
}

QString ZelFireKeyWindow::refusal() const
{
    const QString field = fieldProblem();
    if (!field.isEmpty())
        return field;
    if (m_kind == KeyboardKey && m_keyCode == 0)
        return tr("Press the key to fire.");
    return QString();
}

void ZelFireKeyWindow::updateOk()
{
    // Said while typing; the missing key only when OK is pressed, as it is what comes next.
    showProblem(fieldProblem());
}

void ZelFireKeyWindow::setKind(int kind)
{
    m_kind = kind;
    for (int i = 0; i < 4; ++i)
        m_boxes[i]->setChecked(i == kind);
    if (kind == KeyboardKey) {
        setCapturing(true);
        valueLabel()->setFocus();
    } else {
        setCapturing(false);
        m_keyCode = 0;
        valueLabel()->clear();
    }
}

void ZelFireKeyWindow::onStateChanged(int)
{
}

void ZelFireKeyWindow::checkbtn_clicked()
{
    for (int i = 0; i < 4; ++i) {
        if (sender() == m_boxes[i])
            setKind(i);
    }
    emit SetFireKeyValue(m_keyCode, uchar(m_kind), uchar(times()), uchar(delay()));
}

void ZelFireKeyWindow::OnEditDataChanged(const QString &)
{
    emit SetFireKeyValue(m_keyCode, uchar(m_kind), uchar(times()), uchar(delay()));
}

void ZelFireKeyWindow::onEditReturn()
{
    m_skip = true;
    valueLabel()->setFocus();
}

void ZelFireKeyWindow::keyCaptured(quint8 keyCode, quint8 flags)
{
    if (m_kind != KeyboardKey || editHasFocus())
        return;
    // The Return that left a field: its press and release are not the fire key.
    if (m_skip) {
        if (flags & kKeyFlagUp)
            m_skip = false;
        return;
    }
    if (!isNewEvent(keyCode, flags))
        return;
    m_keyCode = keyCode;
    valueLabel()->setText(shownKeyName(keyCode));
}

void ZelFireKeyWindow::presetSlot(const ButtonSlot &slot)
{
    switch (slot.Res1) {
    case 0:
    case 0x81: setKind(Left); break;
    case 0x82: setKind(Right); break;
    case 0x84: setKind(Middle); break;
    default: {
        setKind(KeyboardKey);
        int keyCode = 0;
        hidUsageToKeyCode(slot.Res1, keyCode);
        m_keyCode = quint8(keyCode);
        valueLabel()->setText(shownKeyName(m_keyCode));
        break;
    }
    }
    m_times->setText(QString::number(slot.LoopNumber ? slot.LoopNumber : 3));
    m_delay->setText(QString::number(slot.KeyNumber ? slot.KeyNumber : 10));
}
