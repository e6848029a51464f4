#include "ui/main/programs_dialog.h"

#include "store/app_rules.h"
#include "store/ini_file.h"
#include "ui/kit/kit_style.h"
#include "ui/kit/ui_scale.h"
#include "ui/main/app_profile_switcher.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

QString controlStyle()
{
    const QColor accent = currentAccentColor();
    const QString border = QStringLiteral("rgb(%1, %2, %3)").arg(accent.red()).arg(accent.green()).arg(accent.blue());
    return QStringLiteral("QLabel{color: white; background: transparent;}"
                          "QComboBox, QLineEdit, QTreeWidget{color: white; background: rgb(30, 30, 30);"
                          " border: 1px solid %1;}"
                          "QComboBox QAbstractItemView{color: white; background: rgb(30, 30, 30);"
                          " selection-background-color: %1;}"
                          "QTreeWidget::item:selected{background: %1;}"
                          "QHeaderView::section{color: white; background: rgb(45, 45, 45); border: none; padding: 2px;}"
                          "QPushButton{color: white; background: black; border: 1px solid %1; padding: 4px 12px;}"
                          "QPushButton:focus, QComboBox:focus, QTreeWidget:focus{border: 2px solid %1;}"
                          "QPushButton:disabled{color: gray;}")
        .arg(border);
}

} // namespace

ProgramsDialog::ProgramsDialog(AppProfileSwitcher *switcher, const QStringList &library, QWidget *parent)
    : ZelSkinDialog(parent)
    , m_switcher(switcher)
    , m_library(library)
{
    setWindowTitle(tr("Programs"));
    setObjectName(QStringLiteral("programsDialog"));
    setModal(true);
    setFixedSize(scaledSize(560, 470));
    setStyleSheet(controlStyle());
    setFont(configuredFont());

    auto *caption = new QLabel(tr("Programs"), this);
    caption->setFont(dialogFont());
    // Above the rule the skin draws across the dialog, about a sixth of the way down.
    caption->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    caption->setFixedHeight(height() / 6 - scaled(18));
    auto *explanation = new QLabel(tr("When a program below comes to the front, its profile goes into the active slot."), this);
    explanation->setWordWrap(true);

    m_list = new QTreeWidget(this);
    m_list->setObjectName(QStringLiteral("programRules"));
    m_list->setAccessibleName(tr("Program rules"));
    m_list->setColumnCount(2);
    m_list->setHeaderLabels({tr("Program"), tr("Profile")});
    m_list->setRootIsDecorated(false);
    m_list->header()->setSectionResizeMode(0, QHeaderView::Stretch);
    m_list->header()->setStretchLastSection(false);
    m_list->header()->setSectionResizeMode(1, QHeaderView::ResizeToContents);

    m_program = new QComboBox(this);
    m_program->setObjectName(QStringLiteral("programMatch"));
    m_program->setEditable(true);
    m_program->setInsertPolicy(QComboBox::NoInsert);
    m_program->lineEdit()->setMaxLength(kAppMatchMaxLength);
    m_program->lineEdit()->setPlaceholderText(tr("window class or program name"));
    m_program->setAccessibleName(tr("Program"));
    m_program->setToolTip(tr("Pick an open window or type its window class or its program's name."));

    m_profile = new QComboBox(this);
    m_profile->setObjectName(QStringLiteral("programProfile"));
    m_profile->setAccessibleName(tr("Profile for the program"));
    m_profile->addItems(m_library);

    m_add = new QPushButton(tr("Add"), this);
    m_add->setObjectName(QStringLiteral("programAdd"));
    m_add->setAccessibleName(tr("Add the rule"));
    m_remove = new QPushButton(tr("Remove"), this);
    m_remove->setObjectName(QStringLiteral("programRemove"));
    m_remove->setAccessibleName(tr("Remove the chosen rule"));

    m_other = new QComboBox(this);
    m_other->setObjectName(QStringLiteral("programOther"));
    m_other->setAccessibleName(tr("Profile for other programs"));
    m_other->addItem(tr("Keep what is there"));
    m_other->addItems(m_library);

    m_status = new QLabel(this);
    m_status->setObjectName(QStringLiteral("programStatus"));
    m_status->setWordWrap(true);
    m_problem = new QLabel(this);
    m_problem->setObjectName(QStringLiteral("programProblem"));
    m_problem->setWordWrap(true);
    m_problem->setStyleSheet(QStringLiteral("color: rgb(255, 120, 120); background: transparent;"));

    auto *close = makeDialogToolButton(tr("Close"), QIcon(QStringLiteral(":/yes_Btn")), QStringLiteral("programsClose"), this);
    close->setAccessibleName(tr("Close"));
    close->setFocusPolicy(Qt::StrongFocus);
    connect(close, &QToolButton::clicked, this, &ProgramsDialog::accept);

    auto *rule = new QGridLayout;
    auto *programLabel = new QLabel(tr("Program:"), this);
    programLabel->setBuddy(m_program);
    auto *profileLabel = new QLabel(tr("Profile:"), this);
    profileLabel->setBuddy(m_profile);
    auto *otherLabel = new QLabel(tr("Other programs:"), this);
    otherLabel->setBuddy(m_other);
    rule->addWidget(programLabel, 0, 0);
    rule->addWidget(m_program, 0, 1);
    rule->addWidget(m_add, 0, 2);
    rule->addWidget(profileLabel, 1, 0);
    rule->addWidget(m_profile, 1, 1);
    rule->addWidget(m_remove, 1, 2);
    rule->addWidget(otherLabel, 2, 0);
    rule->addWidget(m_other, 2, 1);
    rule->setColumnStretch(1, 1);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(close);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(scaled(24), scaled(18), scaled(24), scaled(18));
    layout->addWidget(caption);
    layout->addWidget(explanation);
    layout->addWidget(m_list, 1);
    layout->addLayout(rule);
    layout->addWidget(m_status);
    layout->addWidget(m_problem);
    layout->addLayout(buttons);

    setTabOrder(m_list, m_program);
    setTabOrder(m_program, m_profile);
    setTabOrder(m_profile, m_add);
    setTabOrder(m_add, m_remove);
    setTabOrder(m_remove, m_other);
    setTabOrder(m_other, close);

    connect(m_add, &QPushButton::clicked, this, &ProgramsDialog::addRule);
    connect(m_remove, &QPushButton::clicked, this, &ProgramsDialog::removeRule);
    connect(m_program->lineEdit(), &QLineEdit::returnPressed, this, &ProgramsDialog::addRule);
    connect(m_list, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem *item) {
        m_remove->setEnabled(item != nullptr);
        if (!item)
            return;
        // The chosen rule, ready to be given another profile.
        m_program->setEditText(item->text(0));
        m_profile->setCurrentIndex(m_library.indexOf(item->text(1)));
    });
    connect(m_switcher, &AppProfileSwitcher::statusChanged, m_status, &QLabel::setText);
    connect(&m_switcher->watcher(), &FrontProgramWatcher::frontChanged, this, &ProgramsDialog::fillOpenPrograms);
    m_status->setText(m_switcher->statusText());
    m_add->setEnabled(!m_library.isEmpty());

    fillOpenPrograms();
    m_program->setEditText(QString());
    showRules();
    connect(m_other, qOverload<int>(&QComboBox::activated), this, &ProgramsDialog::chooseOther);
}

QString ProgramsDialog::problemText() const
{
    return m_problem->text();
}

QString ProgramsDialog::statusText() const
{
    return m_status->text();
}

void ProgramsDialog::setProblem(const QString &text)
{
    m_problem->setText(text);
}

void ProgramsDialog::fillOpenPrograms()
{
    const QString typed = m_program->currentText();
    QStringList seen;
    m_program->clear();
    for (const FrontProgram &program : m_switcher->watcher().openPrograms()) {
        // The program's own windows never switch anything.
        if (program.pid == QCoreApplication::applicationPid())
            continue;
        const QString match = !program.instanceName.isEmpty() ? program.instanceName : program.programName();
        if (match.isEmpty() || seen.contains(match, Qt::CaseInsensitive))
            continue;
        seen << match;
        m_program->addItem(match);
        m_program->setItemData(m_program->count() - 1, program.title, Qt::ToolTipRole);
    }
    m_program->setEditText(typed);
}

void ProgramsDialog::showRules()
{
    const AppRules &rules = m_switcher->rules();
    m_list->clear();
    for (const AppRule &rule : rules.rules) {
        auto *item = new QTreeWidgetItem(m_list, {rule.match, rule.profile});
        // A rule whose profile left the library stays visible, marked.
        if (!m_library.contains(rule.profile))
            item->setToolTip(1, tr("This profile is not in the library."));
    }
    m_remove->setEnabled(m_list->currentItem() != nullptr);
    const int other = m_library.indexOf(rules.otherProfile);
    m_other->setCurrentIndex(other < 0 ? 0 : other + 1);
}

bool ProgramsDialog::store(const AppRules &rules)
{
    if (!storeAppRules(rules)) {
        setProblem(tr("The program rules could not be saved: %1").arg(lastFailedSavePath()));
        return false;
    }
    setProblem(QString());
    m_switcher->reloadRules();
    showRules();
    return true;
}

void ProgramsDialog::addRule()
{
    const QString match = m_program->currentText().trimmed();
    const QString profile = m_profile->currentText();
    if (!isUsableAppMatch(match)) {
        setProblem(tr("Name a program by its window class or its program's name: 1 to %1 characters, without control characters.")
                       .arg(kAppMatchMaxLength));
        return;
    }
    if (!m_library.contains(profile)) {
        setProblem(tr("Choose a profile from the library."));
        return;
    }
    AppRules rules = m_switcher->rules();
    if (!setAppRule(rules, match, profile)) {
        setProblem(tr("There can be at most %1 program rules.").arg(kAppRuleLimit));
        return;
    }
    if (store(rules)) {
        const int row = findAppRule(rules, match);
        m_list->setCurrentItem(m_list->topLevelItem(row));
    }
}

void ProgramsDialog::removeRule()
{
    QTreeWidgetItem *item = m_list->currentItem();
    if (!item)
        return;
    AppRules rules = m_switcher->rules();
    if (removeAppRule(rules, item->text(0)))
        store(rules);
}

void ProgramsDialog::chooseOther(int index)
{
    AppRules rules = m_switcher->rules();
    rules.otherProfile = index <= 0 ? QString() : m_library.value(index - 1);
    if (rules != m_switcher->rules())
        store(rules);
}
