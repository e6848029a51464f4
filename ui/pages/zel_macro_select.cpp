#include "ui/pages/zel_macro_select.h"

#include "store/macro_files.h"
#include "ui/kit/kit_style.h"
#include "ui/kit/ui_scale.h"
#include "ui/kit/zel_action.h"
#include "ui/main/window_log.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QHBoxLayout>
#include <QIcon>
#include <QRegularExpressionValidator>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

ZelMacroSelect::ZelMacroSelect(const QString &windowTitle, const QString &title, const QString &name, int loopCount,
                               int loopMode, QWidget *parent, Qt::WindowFlags flags)
    : ZelSkinDialog(parent, flags)
{
    setWindowTitle(windowTitle);
    setFixedSize(scaledSize(478, 309));
    setModal(true);
    const QString textStyle = QStringLiteral("color: rgb(255, 255, 255); background: transparent;");

    m_title = new QLabel(title, this);
    m_title->setObjectName(QStringLiteral("macroSelectTitle"));
    m_title->setFont(dialogFont());
    m_title->setStyleSheet(textStyle);

    m_menu = new QMenu(this);
    applyMenuStyle(m_menu);
    m_menu->setFont(configuredFont());
    for (const QString &macro : listMacroNames()) {
        auto *action = new ZelAction(macro, m_menu);
        connect(action, &QAction::triggered, this, [this, macro]() { selectName(macro); });
        m_menu->addAction(action);
    }
    m_macroButton = new QPushButton(this);
    m_macroButton->setObjectName(QStringLiteral("macroSelectName"));
    m_macroButton->setMenu(m_menu);
    m_macroButton->setFixedSize(scaledSize(300, 30));
    m_macroButton->setFont(configuredFont());
    const QColor accent = currentAccentColor();
    m_macroButton->setStyleSheet(QStringLiteral("QPushButton{color: rgb(255, 255, 255); background: rgb(30, 30, 30);"
                                                " border: 1px solid rgb(%1, %2, %3); text-align: left; padding-left: 6px;}")
                                     .arg(accent.red())
                                     .arg(accent.green())
                                     .arg(accent.blue()));
    m_menu->setMinimumWidth(m_macroButton->width());

    const char *modeNames[] = {QT_TR_NOOP("LOOPS TIME(1-255)"), QT_TR_NOOP("REPEAT RUN WHEN KEY DOWN"),
                               QT_TR_NOOP("REPEAT RUN UNTILL THE KEY DOWN")};
    const QString toggleStyle = checkImageStyleSheet(QStringLiteral("/skin/checkbox2-1.png"),
                                                     QStringLiteral("/skin/checkbox2-2.png"), scaled(16));
    m_modeGroup = new QButtonGroup(this);
    m_modeGroup->setExclusive(true);
    for (int mode = 0; mode < 3; ++mode) {
        m_modes[mode] = new QCheckBox(tr(modeNames[mode]), this);
        m_modes[mode]->setStyleSheet(toggleStyle);
        m_modes[mode]->setFont(configuredFont());
        m_modes[mode]->setFocusPolicy(Qt::NoFocus);
        m_modeGroup->addButton(m_modes[mode], mode);
    }

    m_loop = new QLineEdit(this);
    m_loop->setObjectName(QStringLiteral("macroSelectLoops"));
    // Any three digits may be typed; "Yes" says why a count out of range is refused, where a
    // range validator would drop the keystroke without a word.
    m_loop->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("\\d{0,3}")), m_loop));
    m_loop->setMaxLength(3);
    m_loop->setAlignment(Qt::AlignCenter);
    m_loop->setFixedWidth(scaled(50));
    m_loop->setStyleSheet(QStringLiteral("QLineEdit{color: rgb(255, 255, 255); background: rgb(40, 40, 40);"
                                         " border: 1px solid rgb(90, 90, 90);}"));

    m_problem = new QLabel(this);
    m_problem->setObjectName(QStringLiteral("macroSelectProblem"));
    m_problem->setStyleSheet(QStringLiteral("color: rgb(255, 120, 120); background: transparent;"));
    m_problem->setFont(configuredFont());

    m_yes = makeDialogToolButton(tr("Yes"), QIcon(QStringLiteral(":/yes_Btn")), QStringLiteral("macroSelectYes"), this);
    m_no = makeDialogToolButton(tr("No"), QIcon(QStringLiteral(":/no_Btn")), QStringLiteral("macroSelectNo"), this);
    connect(m_yes, &QToolButton::clicked, this, &ZelMacroSelect::accept);
    connect(m_no, &QToolButton::clicked, this, &ZelMacroSelect::reject);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(scaled(30), scaled(20), scaled(20), scaled(20));
    layout->addWidget(m_title);
    layout->addSpacing(scaled(10));
    layout->addWidget(m_macroButton);
    auto *firstMode = new QHBoxLayout;
    firstMode->addWidget(m_modes[0]);
    firstMode->addWidget(m_loop);
    firstMode->addStretch();
    layout->addLayout(firstMode);
    layout->addWidget(m_modes[1]);
    layout->addWidget(m_modes[2]);
    layout->addWidget(m_problem);
    layout->addStretch();
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_yes);
    buttons->addWidget(m_no);
    layout->addLayout(buttons);

    selectName(name);
    m_loop->setText(QString::number(loopCount));
    m_modes[loopMode >= 0 && loopMode <= 2 ? loopMode : 0]->setChecked(true);
}

int ZelMacroSelect::loopCount() const
{
    return m_loop->text().toInt();
}

int ZelMacroSelect::loopMode() const
{
    const int mode = m_modeGroup->checkedId();
    return mode < 0 ? 0 : mode;
}

void ZelMacroSelect::selectName(const QString &name)
{
    m_name = name;
    m_macroButton->setText(name);
    m_problem->clear();
}

void ZelMacroSelect::accept()
{
    QString problem;
    if (m_name.isEmpty())
        problem = tr("Choose a macro from the list first.");
    else if (loopMode() == 0 && (m_loop->text().toInt() < 1 || m_loop->text().toInt() > 255))
        problem = tr("The loop count must be a number from 1 to 255.");
    if (problem.isEmpty()) {
        ZelSkinDialog::accept();
        return;
    }
    m_problem->setText(problem);
    qCDebug(lcWindow, "Macro selection refused: %s", qPrintable(problem));
}
