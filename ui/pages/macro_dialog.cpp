// The macro page: its controls, the macro list and the macro files behind it. Recording and
// the editing of the event table are in macro_dialog_events.cpp.
#include "ui/pages/macro_dialog.h"

#include "platform/key_capture.h"
#include "store/button_assignment.h"
#include "store/device_settings.h"
#include "store/macro_events.h"
#include "store/macro_library.h"
#include "store/product_definition.h"
#include "ui/kit/kit_style.h"
#include "ui/kit/my_int_validator.h"
#include "ui/kit/ui_scale.h"
#include "ui/kit/zel_message_box.h"
#include "ui/kit/zel_push_button.h"
#include "ui/pages/macro_event_table.h"
#include "ui/pages/zel_gunset_dialog.h"
#include "ui/pages/zel_macro_item_delegate.h"
#include "ui/pages/zel_tree_widget.h"

#include <QCheckBox>
#include "ui/main/window_log.h"

#include <QDebug>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QStandardItemModel>
#include <QTableView>
#include <QToolTip>

namespace {

struct ControlText {
    MacroControl control;
    const char *text;
};

const ControlText kTexts[] = {
    {MacroControl::NameLabel, QT_TRANSLATE_NOOP("QObject", "MACRO NAME")},
    {MacroControl::New, QT_TRANSLATE_NOOP("QObject", "NEW")},
    {MacroControl::DeleteMacro, QT_TRANSLATE_NOOP("QObject", "DELETE")},
    {MacroControl::ChangeName, QT_TRANSLATE_NOOP("QObject", "CHANGE NAME")},
    {MacroControl::Import, QT_TRANSLATE_NOOP("QObject", "IMPORT")},
    {MacroControl::Export, QT_TRANSLATE_NOOP("QObject", "EXPORT")},
    {MacroControl::Batch, QT_TRANSLATE_NOOP("QObject", "BATCH")},
    {MacroControl::GunSet, QT_TRANSLATE_NOOP("QObject", "GUN SET")},
    {MacroControl::Start, QT_TRANSLATE_NOOP("QObject", "START")},
    {MacroControl::RecordAfter, QT_TRANSLATE_NOOP("QObject", "RECORD AFTER")},
    {MacroControl::Save, QT_TRANSLATE_NOOP("QObject", "SAVE")},
    {MacroControl::Cancel, QT_TRANSLATE_NOOP("QObject", "CANCEL")},
    {MacroControl::Edit, QT_TRANSLATE_NOOP("QObject", "EDIT")},
    {MacroControl::DeleteEvent, QT_TRANSLATE_NOOP("QObject", "DELETE")},
    {MacroControl::Top, QT_TRANSLATE_NOOP("QObject", "TOP")},
    {MacroControl::Bottom, QT_TRANSLATE_NOOP("QObject", "BOTTOM")},
    {MacroControl::MoveUp, QT_TRANSLATE_NOOP("QObject", "MOVE UP")},
    {MacroControl::MoveDown, QT_TRANSLATE_NOOP("QObject", "MOVE DOWN")},
    {MacroControl::Clear, QT_TRANSLATE_NOOP("QObject", "CLEAR")},
    {MacroControl::Copy, QT_TRANSLATE_NOOP("QObject", "COPY")},
    {MacroControl::Cut, QT_TRANSLATE_NOOP("QObject", "CUT")},
    {MacroControl::Paste, QT_TRANSLATE_NOOP("QObject", "PASTE")},
    {MacroControl::InsertDelay, QT_TRANSLATE_NOOP("QObject", "INSERT DELAY")},
    {MacroControl::RecordDelays, QT_TRANSLATE_NOOP("QObject", "RECORD DELAYS BETWEEN ACTION")},
    {MacroControl::InsertDefaultDelay, QT_TRANSLATE_NOOP("QObject", "INSERT DEFAULT DELAY")},
    {MacroControl::LoopTimes, QT_TRANSLATE_NOOP("QObject", "LOOPS TIME(1-255)")},
    {MacroControl::LoopWhileHeld, QT_TRANSLATE_NOOP("QObject", "REPEAT RUN WHEN KEY DOWN")},
    {MacroControl::LoopUntilPressed, QT_TRANSLATE_NOOP("QObject", "REPEAT RUN UNTIL THE KEY DOWN")},
};

const MacroControl kButtons[] = {
    MacroControl::New, MacroControl::DeleteMacro, MacroControl::ChangeName, MacroControl::Import, MacroControl::Export,
    MacroControl::GunSet, MacroControl::Start, MacroControl::RecordAfter, MacroControl::Save, MacroControl::Cancel,
    MacroControl::Edit, MacroControl::DeleteEvent, MacroControl::Top, MacroControl::Bottom, MacroControl::MoveUp,
    MacroControl::MoveDown, MacroControl::Clear, MacroControl::Copy, MacroControl::Cut, MacroControl::Paste,
    MacroControl::InsertDelay,
};

const QString kMacroFilter = QStringLiteral("Macro File(*.MSMACRO)");

// "Profile 1 (button 3, wheel up); Game (button 5)": the slots' profiles and their buttons.
QString macroUsesText(const QVector<MacroUse> &uses)
{
    const QVector<int> numbered = numberedButtonSlots();
    const int wheelUp = kButtonSlotCount - 2;
    QStringList profiles;
    for (int p = 0; p < kProfileCount; ++p) {
        QStringList buttons;
        for (const MacroUse &use : uses) {
            if (use.profile != p)
                continue;
            if (use.slot == wheelUp)
                buttons.append(QObject::tr("wheel up"));
            else if (use.slot == wheelUp + 1)
                buttons.append(QObject::tr("wheel down"));
            else
                buttons.append(QObject::tr("button %1").arg(numbered.contains(use.slot) ? numbered.indexOf(use.slot) + 1 : use.slot + 1));
        }
        if (buttons.isEmpty())
            continue;
        const QString name = currentSettings.ProfileNames[p].isEmpty() ? QObject::tr("Profile") + QStringLiteral(" %1").arg(p + 1)
                                                                      : currentSettings.ProfileNames[p];
        profiles.append(QStringLiteral("%1 (%2)").arg(name, buttons.join(QStringLiteral(", "))));
    }
    return profiles.join(QStringLiteral("; "));
}

} // namespace

MacroDialog::MacroDialog(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("MacroDialog"));
    setAttribute(Qt::WA_StyledBackground);
    setStyleSheet(QStringLiteral("#MacroDialog{background-color: rgba(33,35,35,0.5)}"));
    // Recording takes the keys through a keyboard grab; Tab passes the page by to its controls.
    setFocusPolicy(Qt::ClickFocus);
    m_minDelay = productMinDelay() > 0 ? productMinDelay() : 10;
    m_grab = new KeyboardGrab(this, false);
    buildControls();
    fillList(QString());
    if (m_list->count() > 0)
        m_list->setCurrentRow(0);
    else
        loadMacro(QString());
    retranslate();
    setScale(1.0);
}

MacroDialog::~MacroDialog()
{
    m_recorder.stop();
    m_grab->setActive(false);
}

ZelPushButton *MacroDialog::button(MacroControl which) const
{
    return qobject_cast<ZelPushButton *>(m_controls[int(which)]);
}

ZelPushButton *MacroDialog::makeButton(MacroControl which)
{
    auto *created = new ZelPushButton(
        skinPaths({QStringLiteral("/skin/tabbutton-1.png"), QStringLiteral("/skin/tabbutton-3.png"), QStringLiteral("/skin/tabbutton-2.png")}),
        this);
    created->setObjectName(QStringLiteral("macroControl%1").arg(int(which)));
    connect(created, &QPushButton::clicked, this, [this, which]() { onButton(which); });
    m_controls[int(which)] = created;
    return created;
}

QCheckBox *MacroDialog::makeCheck(MacroControl which, bool toggle)
{
    auto *box = new QCheckBox(this);
    box->setObjectName(QStringLiteral("macroControl%1").arg(int(which)));
    box->setProperty("toggle", toggle);
    m_controls[int(which)] = box;
    return box;
}

void MacroDialog::buildControls()
{
    const QString editStyle = QStringLiteral("QLineEdit{background:rgb(20,20,22);color:rgb(225,225,225);border:1px solid rgb(80,84,94);}");
    const QString labelStyle = QStringLiteral("color:rgb(225,225,225);background:transparent;");

    for (MacroControl which : kButtons)
        makeButton(which);

    auto *nameLabel = new QLabel(this);
    nameLabel->setStyleSheet(labelStyle);
    m_controls[int(MacroControl::NameLabel)] = nameLabel;
    m_nameEdit = new QLineEdit(this);
    m_nameEdit->setObjectName(QStringLiteral("macroNameEdit"));
    m_nameEdit->setStyleSheet(editStyle);
    m_controls[int(MacroControl::NameEdit)] = m_nameEdit;
    connect(m_nameEdit, &QLineEdit::returnPressed, this, &MacroDialog::changeName);

    m_list = new QListWidget(this);
    m_list->setObjectName(QStringLiteral("macroList"));
    m_controls[int(MacroControl::MacroList)] = m_list;
    connect(m_list, &QListWidget::currentRowChanged, this, &MacroDialog::onMacroRowChanged);

    auto *batch = makeCheck(MacroControl::Batch, false);
    connect(batch, &QCheckBox::toggled, this, &MacroDialog::onBatchToggled);

    m_tree = new ZelTreeWidget(this);
    m_controls[int(MacroControl::ActionTree)] = m_tree;
    connect(m_tree, &QTreeWidget::itemClicked, this, &MacroDialog::TreeitemClick);
    // A quick second click arrives as a double click: it still means "insert".
    m_tree->setExpandsOnDoubleClick(false);
    connect(m_tree, &QTreeWidget::itemDoubleClicked, this, &MacroDialog::TreeitemClick);

    m_model = new QStandardItemModel(this);
    resetMacroTable(m_model);
    m_table = new QTableView(this);
    m_table->setObjectName(QStringLiteral("macroTable"));
    m_table->setModel(m_model);
    m_delegate = new ZelMacroItemDelegate(m_minDelay, m_table);
    m_table->setItemDelegate(m_delegate);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_table->verticalHeader()->setVisible(false);
    m_table->setShowGrid(false);
    m_controls[int(MacroControl::EventTable)] = m_table;
    connect(m_table, &QTableView::clicked, this, &MacroDialog::itemClicked);
    connect(m_table->selectionModel(), &QItemSelectionModel::currentChanged, this, &MacroDialog::CurrentChanged);
    // Clearing the table drops its columns, and new columns come back at the default width.
    connect(m_model, &QStandardItemModel::columnsInserted, this, &MacroDialog::placeControls);
    connect(m_model, &QStandardItemModel::modelReset, this, [this]() { showProperties(-1); });

    auto *recordDelays = makeCheck(MacroControl::RecordDelays, false);
    auto *insertDefault = makeCheck(MacroControl::InsertDefaultDelay, false);
    connect(recordDelays, &QCheckBox::clicked, this, &MacroDialog::checkbtn_clicked);
    connect(insertDefault, &QCheckBox::clicked, this, &MacroDialog::checkbtn_clicked);
    for (MacroControl which : kMacroLoopToggles)
        connect(makeCheck(which, true), &QCheckBox::clicked, this, &MacroDialog::checkbtn_clicked);

    m_defaultDelay = new QLineEdit(QStringLiteral("10"), this);
    m_defaultDelay->setObjectName(QStringLiteral("macroDefaultDelay"));
    m_defaultDelay->setMaxLength(5);
    m_defaultDelay->setValidator(new MyIntValidator(10, 65535, m_defaultDelay));
    m_controls[int(MacroControl::DefaultDelayEdit)] = m_defaultDelay;
    connect(m_defaultDelay, &QLineEdit::textChanged, this, &MacroDialog::DefDelayChanged);
    m_loopTime = new QLineEdit(QStringLiteral("1"), this);
    m_loopTime->setObjectName(QStringLiteral("macroLoopTime"));
    m_loopTime->setMaxLength(3);
    m_loopTime->setValidator(new MyIntValidator(1, 255, m_loopTime));
    m_controls[int(MacroControl::LoopTimeEdit)] = m_loopTime;
    connect(m_loopTime, &QLineEdit::textChanged, this, &MacroDialog::LoopTimeChanged);

    m_propertyTitle = new QLabel(this);
    m_propertyValue = new QLabel(this);
    m_propertyFieldLabel = new QLabel(this);
    for (QLabel *label : {m_propertyTitle, m_propertyValue, m_propertyFieldLabel})
        label->setStyleSheet(labelStyle);
    m_controls[int(MacroControl::PropertyTitle)] = m_propertyTitle;
    m_controls[int(MacroControl::PropertyValue)] = m_propertyValue;
    m_controls[int(MacroControl::PropertyFieldLabel)] = m_propertyFieldLabel;
    m_propertyField = new QLineEdit(this);
    m_propertyField->setObjectName(QStringLiteral("macroPropertyField"));
    m_propertyField->setMaxLength(5);
    m_controls[int(MacroControl::PropertyField)] = m_propertyField;
    connect(m_propertyField, &QLineEdit::textEdited, this, [this](const QString &text) {
        if (isMacroMoveEvent(macroTableEvent(m_model, selectedRow()).map))
            EditMoveChanged(text);
        else
            EditDelayChanged(text);
        showRangeHint(m_propertyField);
    });
    connect(m_defaultDelay, &QLineEdit::textEdited, this, [this] { showRangeHint(m_defaultDelay); });
    connect(m_loopTime, &QLineEdit::textEdited, this, [this] { showRangeHint(m_loopTime); });
    for (QLineEdit *edit : {m_defaultDelay, m_loopTime, m_propertyField}) {
        edit->setAlignment(Qt::AlignCenter);
        edit->setStyleSheet(editStyle);
    }
    // Screen readers name a field after the label that shows its name.
    nameLabel->setBuddy(m_nameEdit);
    m_propertyFieldLabel->setBuddy(m_propertyField);
    for (QWidget *view : {static_cast<QWidget *>(m_list), static_cast<QWidget *>(m_tree), static_cast<QWidget *>(m_table)})
        view->setFocusPolicy(Qt::StrongFocus);
    showProperties(-1);
}

void MacroDialog::retranslate()
{
    for (const ControlText &t : kTexts) {
        QWidget *w = m_controls[int(t.control)];
        const QString text = QObject::tr(t.text);
        if (auto *b = qobject_cast<ZelPushButton *>(w))
            b->setText(text);
        else if (auto *c = qobject_cast<QCheckBox *>(w))
            c->setText(text);
        else if (auto *l = qobject_cast<QLabel *>(w))
            l->setText(text);
    }
    if (isRecording())
        button(MacroControl::Start)->setText(QObject::tr("STOP"));
    m_list->setAccessibleName(QObject::tr("Macros"));
    m_tree->setAccessibleName(QObject::tr("Actions to insert"));
    m_table->setAccessibleName(QObject::tr("Events of the macro"));
    m_defaultDelay->setAccessibleName(QObject::tr("Default delay in ms"));
    m_loopTime->setAccessibleName(QObject::tr("Number of loops"));
    m_tree->retranslate();
    m_delegate->refreshLook();
    retranslateMacroTable(m_model);
    showProperties(selectedRow());
    m_table->viewport()->update();
}

void MacroDialog::setScale(double factor)
{
    m_scale = factor;
    applySkinStyles();
    m_delegate->setScale(factor);
    m_delegate->refreshLook();
    m_tree->setScale(factor);
    placeControls();
}

void MacroDialog::applySkinStyles()
{
    // Indicators, headings and scroll bars are sized for the scale, so they follow it.
    const QString views = skinItemViewStyleSheet(m_scale);
    for (QWidget *view : {static_cast<QWidget *>(m_list), static_cast<QWidget *>(m_tree), static_cast<QWidget *>(m_table),
                          static_cast<QWidget *>(m_tree->header()), static_cast<QWidget *>(m_table->horizontalHeader())})
        setStyleSheetIfChanged(view, views);
    for (QWidget *w : m_controls) {
        auto *box = qobject_cast<QCheckBox *>(w);
        if (!box)
            continue;
        const bool toggle = box->property("toggle").toBool();
        setStyleSheetIfChanged(box, toggle ? checkImageStyleSheet(QStringLiteral("/skin/checkbox2-1.png"), QStringLiteral("/skin/checkbox2-2.png"), scaled(14, m_scale))
                                           : checkImageStyleSheet(QStringLiteral("/skin/checkbox1-1.png"), QStringLiteral("/skin/checkbox1-2.png"), scaled(14, m_scale)));
    }
}

void MacroDialog::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    placeControls();
}

void MacroDialog::placeControls()
{
    const QFont font = configuredFont();
    for (int i = 0; i < kMacroControlCount; ++i) {
        QWidget *w = m_controls[i];
        if (!w)
            continue;
        const QRect r = macroControlRect(MacroControl(i));
        w->setGeometry(int(r.x() * m_scale), int(r.y() * m_scale), int(r.width() * m_scale), int(r.height() * m_scale));
        if (!qobject_cast<ZelPushButton *>(w))
            w->setFont(font);
    }
    m_table->horizontalHeader()->setFont(font);
    for (int column = 0; column < kMacroTableColumns; ++column)
        m_table->setColumnWidth(column, int(160 * m_scale));
    m_table->verticalHeader()->setDefaultSectionSize(int(22 * m_scale));
}

void MacroDialog::onButton(MacroControl which)
{
    switch (which) {
    case MacroControl::New:
        return newMacro();
    case MacroControl::DeleteMacro:
        return deleteCurrentMacro();
    case MacroControl::ChangeName:
        return changeName();
    case MacroControl::Import:
        return importWithDialog();
    case MacroControl::Export:
        return exportWithDialog();
    case MacroControl::GunSet:
        return openGunSet();
    case MacroControl::Start:
        return isRecording() ? stopRecording() : startRecording(false);
    case MacroControl::RecordAfter:
        return startRecording(true);
    case MacroControl::Save:
        return saveMacro();
    case MacroControl::Cancel:
        return cancelEdits();
    case MacroControl::Edit:
        return editRow();
    case MacroControl::DeleteEvent:
        return deleteRow();
    case MacroControl::Top:
    case MacroControl::Bottom:
    case MacroControl::MoveUp:
    case MacroControl::MoveDown:
        return moveRow(which);
    case MacroControl::Clear:
        return clearRows();
    case MacroControl::Copy:
        return copyRows();
    case MacroControl::Cut:
        return cutRows();
    case MacroControl::Paste:
        return pasteRows();
    case MacroControl::InsertDelay:
        return insertDelay();
    default:
        return;
    }
}

void MacroDialog::showRangeHint(QLineEdit *field)
{
    // Below its range a field shows what was typed, but the value is not taken.
    const auto *range = qobject_cast<const QIntValidator *>(field->validator());
    if (!range || field->hasAcceptableInput()) {
        QToolTip::hideText();
        return;
    }
    QToolTip::showText(field->mapToGlobal(QPoint(0, field->height())),
                       QObject::tr("Allowed: %1 to %2").arg(range->bottom()).arg(range->top()), field);
}

bool MacroDialog::showMessage(int style, const QString &caption, const QString &text)
{
    if (m_messageHandler)
        return m_messageHandler(style, caption, text);
    ZelMessageBox box(style, QString(), caption, text, this);
    return box.exec() == 1;
}

bool MacroDialog::refuse(const MacroLibraryResult &result)
{
    if (result.ok())
        return false;
    const bool tooMany = result.error == MacroLibraryError::ListFull;
    showMessage(tooMany ? ZelMessageBox::Question : ZelMessageBox::Warning, tooMany ? QObject::tr("WARNING") : QObject::tr("Warning"),
                macroLibraryMessage(result));
    return true;
}

// ---- the macro list ----------------------------------------------------------------------

void MacroDialog::fillList(const QString &select)
{
    const QSignalBlocker block(m_list);
    m_list->clear();
    for (const QString &name : listMacroNames()) {
        appendListItem(name);
    }
    const QList<QListWidgetItem *> found = m_list->findItems(select, Qt::MatchExactly);
    if (!select.isEmpty() && !found.isEmpty())
        m_list->setCurrentItem(found.first());
}

QListWidgetItem *MacroDialog::appendListItem(const QString &name)
{
    auto *item = new QListWidgetItem(name, m_list);
    if (m_batch) {
        item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
        item->setCheckState(Qt::Unchecked);
    }
    return item;
}

void MacroDialog::onMacroRowChanged(int row)
{
    if (isRecording())
        return;
    QListWidgetItem *item = m_list->item(row);
    loadMacro(item ? item->text() : QString());
}

void MacroDialog::onBatchToggled(bool on)
{
    setBatch(on);
}

void MacroDialog::setBatch(bool on)
{
    m_batch = on;
    auto *box = qobject_cast<QCheckBox *>(control(MacroControl::Batch));
    if (box->isChecked() != on) {
        const QSignalBlocker block(box);
        box->setChecked(on);
    }
    fillList(m_current);
}

void MacroDialog::loadMacro(const QString &name)
{
    endKeyEdit();
    m_current = name;
    m_nameEdit->setText(name);
    if (name.isEmpty()) {
        resetMacroTable(m_model);
        setDelayMode(0);
        setLoopType(0);
        m_defaultDelay->setText(QStringLiteral("10"));
        m_loopTime->setText(QStringLiteral("1"));
    } else {
        const MacroFile macro = readMacroFile(name);
        setMacroTableEvents(m_model, macroEventsForEditor(macro.events));
        showMacroSettings(macro);
    }
    showProperties(-1);
}

void MacroDialog::showMacroSettings(const MacroFile &macro)
{
    setDelayMode(macro.delayType);
    setLoopType(macro.loopType);
    m_defaultDelay->setText(QString::number(macro.defaultDelay > 0 ? macro.defaultDelay : 10));
    m_loopTime->setText(QString::number(macro.loopTime > 0 ? macro.loopTime : 1));
}

MacroFile MacroDialog::editedMacro() const
{
    MacroFile macro;
    macro.defaultDelay = qBound(10, m_defaultDelay->text().toInt(), 65535);
    macro.delayType = delayMode();
    macro.loopType = loopType();
    macro.loopTime = qBound(1, m_loopTime->text().toInt(), 255);
    macro.events = macroTableEvents(m_model);
    return macro;
}

void MacroDialog::newMacro()
{
    if (countMacros() > kMacroListSize - 1) {
        showMessage(ZelMessageBox::Question, QObject::tr("WARNING"), QObject::tr("TOO MANY MACROS TO BE CREATE!"));
        return;
    }
    endKeyEdit();
    const QString name = nextNewMacroName();
    setDelayMode(0);
    setLoopType(0);
    resetMacroTable(m_model);
    m_defaultDelay->setText(QStringLiteral("10"));
    m_loopTime->setText(QStringLiteral("1"));
    placeControls();
    if (refuse(createMacro(name, editedMacro())))
        return;
    const QSignalBlocker block(m_list);
    m_list->setCurrentItem(appendListItem(name));
    m_current = name;
    m_nameEdit->setText(name);
}

void MacroDialog::deleteCurrentMacro()
{
    if (m_current.isEmpty())
        return;
    const QVector<MacroUse> uses = macroUses(currentSettings, m_current);
    const QString question = uses.isEmpty()
        ? QObject::tr("Delete the macro \"%1\"?").arg(m_current)
        : QObject::tr("The macro \"%1\" is used by %2. Delete it? Those buttons get their factory function back.")
              .arg(m_current, macroUsesText(uses));
    if (!showMessage(ZelMessageBox::Question, QObject::tr("Warning"), question))
        return;
    if (refuse(deleteMacro(m_current)))
        return;
    if (!uses.isEmpty()) {
        // Kept, the buttons would send an empty macro at the next apply.
        releaseMacro(currentSettings, m_current);
        emit MacroButtonsReleased();
    }
    const int row = m_list->currentRow();
    {
        const QSignalBlocker block(m_list);
        delete m_list->takeItem(row);
    }
    if (m_list->count() == 0) {
        loadMacro(QString());
        return;
    }
    const int next = qMin(row, m_list->count() - 1);
    {
        const QSignalBlocker block(m_list);
        m_list->setCurrentRow(next);
    }
    loadMacro(m_list->item(next)->text());
}

void MacroDialog::changeName()
{
    if (m_current.isEmpty())
        return;
    const QString typed = cleanMacroName(m_nameEdit->text());
    if (typed == m_current) {
        m_nameEdit->setText(m_current);
        return;
    }
    const MacroLibraryResult result = renameMacro(m_current, typed);
    if (refuse(result)) {
        m_nameEdit->setText(m_current);
        return;
    }
    if (QListWidgetItem *item = m_list->currentItem())
        item->setText(result.name);
    m_current = result.name;
    m_nameEdit->setText(result.name);
}

void MacroDialog::saveMacro()
{
    endKeyEdit();
    emit EnableButtonsSignal(true);
    if (m_current.isEmpty() || !writeCheckedMacro())
        return;
    // Removed from the list behind the page's back (the command-line tool): listed again.
    if (!listMacroNames().contains(m_current)) {
        addMacroName(m_current);
        fillList(m_current);
    }
}

void MacroDialog::cancelEdits()
{
    endKeyEdit();
    setKeyCapture(false);
    loadMacro(m_current);
}

// ---- import, export, gun files -------------------------------------------------------------

void MacroDialog::importWithDialog()
{
    QStringList files;
    if (m_batch)
        files = QFileDialog::getOpenFileNames(this, QObject::tr("Load Macro File"), QString(), kMacroFilter);
    else if (const QString file = QFileDialog::getOpenFileName(this, QObject::tr("Load Macro File"), QString(), kMacroFilter); !file.isEmpty())
        files = QStringList{file};
    importFiles(files);
}

void MacroDialog::importFiles(const QStringList &files)
{
    for (const QString &file : files) {
        const MacroLibraryResult result = importMacro(file);
        if (refuse(result))
            continue;
        const QSignalBlocker block(m_list);
        m_list->setCurrentItem(appendListItem(result.name));
        loadMacro(result.name);
    }
}

void MacroDialog::exportWithDialog()
{
    if (m_batch) {
        const QString folder = QFileDialog::getExistingDirectory(this, QObject::tr("Save Macro File"));
        if (!folder.isEmpty())
            exportCheckedTo(folder);
        return;
    }
    if (m_current.isEmpty())
        return;
    // The file dialog asks before it replaces a file.
    const QString file = QFileDialog::getSaveFileName(this, QObject::tr("Save Macro File"), m_current + QStringLiteral(".MSMACRO"), kMacroFilter);
    if (!file.isEmpty())
        exportCurrentTo(file);
}

void MacroDialog::exportCurrentTo(const QString &file)
{
    refuse(exportMacro(m_current, file, true));
}

void MacroDialog::exportCheckedTo(const QString &folder)
{
    QStringList names;
    for (int i = 0; i < m_list->count(); ++i) {
        if (m_list->item(i)->checkState() == Qt::Checked)
            names.append(m_list->item(i)->text());
    }
    if (names.isEmpty()) {
        showMessage(ZelMessageBox::Warning, QObject::tr("Warning"), QObject::tr("Tick the macros to export first."));
        return;
    }
    QStringList existing;
    for (const QString &name : names) {
        if (QFileInfo::exists(macroExportPath(folder, name)))
            existing.append(name);
    }
    bool replace = false;
    if (!existing.isEmpty()) {
        replace = showMessage(ZelMessageBox::Question, QObject::tr("Warning"),
                              QObject::tr("%1 of these macros already exist in that folder (%2). Replace them?")
                                  .arg(existing.size())
                                  .arg(existing.join(QStringLiteral(", "))));
    }
    for (const QString &name : names) {
        if (existing.contains(name) && !replace)
            continue;
        if (refuse(exportMacro(name, macroExportPath(folder, name), replace)))
            return;
    }
}

void MacroDialog::openGunSet()
{
    if (countMacros() > kMacroListSize - 1) {
        showMessage(ZelMessageBox::Question, QObject::tr("WARNING"), QObject::tr("TOO MANY MACROS TO BE CREATE!"));
        return;
    }
    ZelGunsetDialog dialog(this, m_scale);
    if (dialog.exec() == QDialog::Accepted)
        addGunFile(dialog.fileName(), dialog.events());
}

void MacroDialog::addGunFile(const QString &name, const QVector<MacroEvent> &events)
{
    const MacroLibraryResult result = createNumberedMacro(name, gunMacroFile(events));
    if (refuse(result))
        return;
    qCDebug(lcWindow, "gun file %s", qPrintable(result.name));
    {
        const QSignalBlocker block(m_list);
        m_list->setCurrentItem(appendListItem(result.name));
    }
    loadMacro(result.name);
}
