#include "ui/pages/zel_btn_window.h"

#include "store/button_assignment.h"
#include "store/config_file.h"
#include "store/dpi_scale.h"
#include "store/function_catalogue.h"
#include "store/key_table.h"
#include "store/macro_files.h"
#include "store/product_definition.h"
#include "ui/kit/kit_style.h"
#include "ui/kit/ui_scale.h"
#include "ui/kit/zel_action.h"
#include "ui/kit/zel_message_box.h"
#include "ui/kit/zel_push_button.h"
#include "ui/main/window_log.h"
#include "ui/pages/zel_combo_key_window.h"
#include "ui/pages/zel_fire_key_window.h"
#include "ui/pages/zel_macro_select.h"
#include "ui/pages/zel_single_key_window.h"
#include "ui/pages/zel_sniper_window.h"

#include <QCoreApplication>
#include <QEvent>
#include <QMenu>

namespace {

constexpr int kFirstSide = 20;
constexpr int kFirstWheel = kWheelUpSlot;
// The macro editor's tab.
constexpr quint8 kMacroTab = 3;

QString translated(const char *text)
{
    return QCoreApplication::translate(functionCatalogueContext(), text);
}

QString menuTitle(FunctionMenu menu)
{
    return translated(functionMenuTitle(menu).toLatin1().constData());
}

} // namespace

ZelBtnWindow::ZelBtnWindow(ProfileData *profile, QWidget *parent)
    : QWidget(parent), m_profile(profile), m_scale(uiScaleFactor())
{
    setObjectName(QStringLiteral("ZelBtnWindow"));
    setAttribute(Qt::WA_TranslucentBackground);

    const QStringList images = skinPaths({QStringLiteral("/skin/keyfun-1.png"), QStringLiteral("/skin/keyfun-2.png"),
                                          QStringLiteral("/skin/keyfun-3.png")});
    m_buttons.reserve(kButtonSlotCount);
    for (int slot = 0; slot < kButtonSlotCount; ++slot) {
        auto *button = new ZelPushButton(images, this);
        button->setObjectName(QStringLiteral("customizeButton%1").arg(slot));
        connect(button, &ZelPushButton::OverSignal, this, &ZelBtnWindow::slotMouseOver);
        if (slot < kFirstSide)
            connect(button, &ZelPushButton::EnterSignal, this, &ZelBtnWindow::OnMouseEnterSlot);
        else
            // Side and wheel buttons select themselves too, so their menu edits the button
            // that was pressed and not the last one chosen on the mouse picture.
            connect(button, &ZelPushButton::EnterSignal, this, &ZelBtnWindow::slotMouseEnter);
        m_buttons.append(button);
    }
    m_mainMenu = new QMenu(this);
    m_wheelMenu = new QMenu(this);
    m_mainMenu->installEventFilter(this);
    m_wheelMenu->installEventFilter(this);
    for (int slot = 0; slot < kButtonSlotCount; ++slot)
        m_buttons[slot]->setMenu(slot < kFirstWheel ? m_mainMenu : m_wheelMenu);

    retranslate();
    showGroup(m_currentIndex, FrontGroup);
    layoutButtons();
}

// ---- selection ---------------------------------------------------------------------------

void ZelBtnWindow::setProfile(ProfileData *profile)
{
    m_profile = profile;
    refreshLabels();
}

void ZelBtnWindow::selectButton(int index, int group)
{
    m_currentIndex = index;
    m_currentGroup = group;
    showGroup(index, group);
    refreshLabels();
}

void ZelBtnWindow::showGroup(int index, int group)
{
    m_currentIndex = index;
    if (group != NoGroup)
        m_currentGroup = group;
    const bool side = m_currentGroup == SideGroup;
    for (int slot = 0; slot < kButtonSlotCount; ++slot) {
        const bool isSide = slot >= kFirstSide && slot < kFirstWheel;
        m_buttons[slot]->setVisible(isSide == side);
    }
}

void ZelBtnWindow::clearSelection()
{
    m_currentIndex = kNoIndex;
    m_currentGroup = FrontGroup;
}

int ZelBtnWindow::currentSlot() const
{
    switch (m_currentGroup) {
    case FrontGroup: return m_currentIndex < kFrontButtons ? m_currentIndex : -1;
    case SideGroup: return m_currentIndex < kSideButtons ? kFirstSide + m_currentIndex : -1;
    case WheelGroup: return m_currentIndex < kWheelButtons ? kFirstWheel + m_currentIndex : -1;
    default: return -1;
    }
}

int ZelBtnWindow::indexOfButton(const ZelPushButton *button) const
{
    return m_buttons.indexOf(const_cast<ZelPushButton *>(button));
}

ZelPushButton *ZelBtnWindow::buttonForSlot(int slot) const
{
    return slot >= 0 && slot < m_buttons.size() ? m_buttons[slot] : nullptr;
}

void ZelBtnWindow::slotMouseOver(ZelPushButton *button, bool over)
{
    emit SelBtnControl(button, over);
}

void ZelBtnWindow::slotMouseEnter(ZelPushButton *button)
{
    const int slot = indexOfButton(button);
    if (slot < 0)
        return;
    if (slot < kFirstSide) {
        m_currentGroup = FrontGroup;
        m_currentIndex = slot;
    } else if (slot < kFirstWheel) {
        m_currentGroup = SideGroup;
        m_currentIndex = slot - kFirstSide;
    } else {
        m_currentGroup = WheelGroup;
        m_currentIndex = slot - kFirstWheel;
    }
}

void ZelBtnWindow::OnMouseEnterSlot(ZelPushButton *button)
{
    const int slot = indexOfButton(button);
    if (slot < 0 || slot >= kFirstSide)
        return;
    m_currentGroup = FrontGroup;
    m_currentIndex = slot;
    showGroup(slot, NoGroup);
    qCDebug(lcWindow, "Customisation button %d pressed.", slot);
}

bool ZelBtnWindow::eventFilter(QObject *watched, QEvent *event)
{
    if ((watched == m_mainMenu || watched == m_wheelMenu) && event->type() == QEvent::Hide) {
        if (ZelPushButton *button = buttonForSlot(currentSlot()))
            emit SelBtnControl(button, false);
    }
    return QWidget::eventFilter(watched, event);
}

// ---- labels and menus --------------------------------------------------------------------

QAction *ZelBtnWindow::actionFor(int code) const
{
    return m_actions.value(code, nullptr);
}

QString ZelBtnWindow::labelFor(int slot) const
{
    if (!m_profile)
        return QString();
    const ButtonSlot &button = m_profile->buttons[slot];
    const FunctionCatalogueEntry *entry = findFunction(button.Fun);
    if (!entry)
        return QString();
    if ((button.Fun == ButtonFunction::ScrollUp || button.Fun == ButtonFunction::ScrollDown) && slot < kFirstWheel)
        return QString();
    const QString detail = assignmentDetail(button, entry->data);
    if (!detail.isEmpty())
        return detail;
    const QAction *action = actionFor(button.Fun);
    return action ? action->text() : QString();
}

QString ZelBtnWindow::assignmentDetail(const ButtonSlot &button, FunctionData data) const
{
    // What was assigned, rather than the kind of function: the key, the keys, the macro.
    const bool french = frenchKeyNames();
    switch (data) {
    case FunctionData::None:
        break;
    case FunctionData::KeyCode:
        return keyName(button.Res1);
    case FunctionData::KeySequence: {
        QStringList keys;
        for (int usage : comboKeyUsages(button))
            keys << modifierName(usage, keyNameOfUsage(usage, french));
        return keys.join(QStringLiteral(" + "));
    }
    case FunctionData::FireKey: {
        const int mouseButton = button.Res1 == 0x82 ? ButtonFunction::Right
                                : button.Res1 == 0x84 ? ButtonFunction::Middle
                                : button.Res1 == 0x81 || button.Res1 == 0 ? ButtonFunction::Left
                                                                          : 0;
        const QAction *action = mouseButton ? actionFor(mouseButton) : nullptr;
        const QString target = action ? action->text() : keyNameOfUsage(button.Res1, french);
        return tr("Fire %1 ×%2 / %3 ms").arg(target).arg(button.LoopNumber).arg(button.KeyNumber);
    }
    case FunctionData::SniperValue: {
        // A step the sensor has no DPI for says nothing more than the function's name.
        const int dpi = dpiFromCode(button.Res1, readSensorModel());
        return dpi > 0 ? tr("SNIPER %1 DPI").arg(dpi) : QString();
    }
    case FunctionData::MacroFile:
        return button.macroname;
    }
    return QString();
}

QString ZelBtnWindow::modifierName(int usage, const QString &keyName)
{
    // A combo stores each modifier as its left key whichever side was pressed: name the
    // modifier, not the side.
    switch (usage) {
    case 0xE0:
        return tr("Ctrl");
    case 0xE1:
        return tr("Shift");
    case 0xE2:
        return tr("Alt");
    case 0xE3:
        return tr("Win");
    default:
        return keyName;
    }
}

void ZelBtnWindow::refreshLabels()
{
    for (int slot = 0; slot < kButtonSlotCount; ++slot)
        m_buttons[slot]->setText(labelFor(slot));
}

void ZelBtnWindow::retranslate()
{
    buildMenus();
    applyMenuLook();
    refreshLabels();
}

void ZelBtnWindow::buildMenus()
{
    // Fresh actions each time: the handler knows an entry by the action's code.
    m_mainMenu->clear();
    m_wheelMenu->clear();
    qDeleteAll(m_subMenus);
    m_subMenus.clear();
    qDeleteAll(m_actions);
    m_actions.clear();
    for (const FunctionCatalogueEntry &entry : functionCatalogue()) {
        QString text = translated(entry.label);
        if (entry.code == ButtonFunction::Macro)
            text = menuTitle(FunctionMenu::MacroManager);
        else if (entry.code == ButtonFunction::GunFile)
            text = menuTitle(FunctionMenu::GunFileManager);
        auto *action = new ZelAction(this);
        action->setText(text);
        action->setData(entry.code);
        connect(action, &QAction::triggered, this, &ZelBtnWindow::onActionTriggered);
        m_actions.insert(entry.code, action);
    }
    const bool noMacros = productDisableMacro() != 0;
    const bool noLed = productLedDisable() != 0;
    for (const FunctionMenuItem &item : functionMenuLayout(FunctionMenu::Main, noMacros, noLed)) {
        if (item.code) {
            m_mainMenu->addAction(actionFor(item.code));
            continue;
        }
        auto *sub = new QMenu(menuTitle(item.submenu), m_mainMenu);
        for (const FunctionMenuItem &subItem : functionMenuLayout(item.submenu))
            sub->addAction(actionFor(subItem.code));
        m_mainMenu->addMenu(sub);
        m_subMenus.append(sub);
    }
    for (const FunctionMenuItem &item : functionMenuLayout(FunctionMenu::Wheel))
        m_wheelMenu->addAction(actionFor(item.code));
}

void ZelBtnWindow::applyMenuLook()
{
    const QFont font = configuredFont();
    for (QMenu *menu : {m_mainMenu, m_wheelMenu}) {
        applyMenuStyle(menu);
        menu->setFont(font);
        menu->setMinimumWidth(scaled(160, m_scale));
    }
    for (QMenu *menu : qAsConst(m_subMenus)) {
        applyMenuStyle(menu);
        menu->setFont(font);
        menu->setMinimumWidth(scaled(147, m_scale));
    }
    for (ZelPushButton *button : qAsConst(m_buttons))
        button->setFont(font);
}

// ---- layout ------------------------------------------------------------------------------

void ZelBtnWindow::setScale(double factor)
{
    m_scale = factor;
    applyMenuLook();
    layoutButtons();
}

void ZelBtnWindow::layoutButtons()
{
    const double s = m_scale;
    const QVector<int> visible = numberedButtonSlots();
    for (int i = 0; i < kFrontButtons; ++i) {
        if (!visible.contains(i)) {
            m_buttons[i]->setGeometry(QRect());
            m_buttons[i]->setNumber(0);
        }
    }
    const int n = visible.size();
    const int rowHeight = scaled(30, s);
    // The wheel's two buttons share one more row under the numbered ones.
    const int rows = n + 1;
    const int pageHeight = height() > 0 ? height() : scaled(440, s);
    double gap = 0;
    double top = 0;
    if (n <= 9) {
        gap = qMax(0.0, double(pageHeight - rowHeight * rows) / (rows + 1));
        top = gap;
    } else {
        gap = scaled(20, s);
        top = scaled(30, s);
    }
    for (int c = 0; c < n; ++c) {
        ZelPushButton *button = m_buttons[visible[c]];
        button->setGeometry(scaled(56, s), int(top + gap * c + rowHeight * c), scaled(220, s), rowHeight);
        button->setNumber(quint8(c + 1));
    }
    const int wheelY = int(top + gap * n + rowHeight * n);
    m_buttons[kFirstWheel]->setGeometry(scaled(56, s), wheelY, scaled(105, s), rowHeight);
    m_buttons[kFirstWheel + 1]->setGeometry(scaled(171, s), wheelY, scaled(105, s), rowHeight);
    // Many buttons: the page grows so that the scroll area reaches the wheel row.
    const int needed = wheelY + rowHeight + int(gap);
    if (needed > height() && height() > 0)
        setFixedHeight(needed);
    for (int i = 0; i < kSideButtons; ++i)
        m_buttons[kFirstSide + i]->setGeometry(scaled(29, s), scaled(62, s) + scaled(25, s) * i, scaled(150, s), scaled(20, s));
}

// ---- entries -----------------------------------------------------------------------------

void ZelBtnWindow::onActionTriggered()
{
    if (auto *action = qobject_cast<QAction *>(sender()))
        handleEntry(action->data().toInt());
}

void ZelBtnWindow::takeEntry(int code)
{
    handleEntry(code);
}

void ZelBtnWindow::handleEntry(int code)
{
    const int slotIndex = currentSlot();
    ZelPushButton *button = buttonForSlot(slotIndex);
    const FunctionCatalogueEntry *entry = findFunction(code);
    if (!button || !entry || !m_profile)
        return;
    emit SelBtnControl(button, true);
    ButtonSlot &slot = m_profile->buttons[slotIndex];

    if (!keepsOneClick(*m_profile, slotIndex, code)) {
        emit PopOneClickBox();
    } else {
        bool changed = false;
        switch (entry->data) {
        case FunctionData::None:
            slot.Fun = code;
            changed = true;
            break;
        case FunctionData::KeyCode: changed = editSingleKey(slot); break;
        case FunctionData::KeySequence: changed = editComboKey(slot); break;
        case FunctionData::FireKey: changed = editFireKey(slot); break;
        case FunctionData::SniperValue: changed = editSniper(slot); break;
        case FunctionData::MacroFile: changed = editMacro(slot, slotIndex, code); break;
        }
        if (changed)
            qCDebug(lcWindow, "Button %d now has function %d.", slotIndex, slot.Fun);
        button->setText(labelFor(slotIndex));
    }
    emit SelBtnControl(button, false);
    m_currentGroup = NoGroup;
    m_currentIndex = kNoIndex;
}

bool ZelBtnWindow::editSingleKey(ButtonSlot &slot)
{
    ZelSingleKeyWindow dialog(this);
    if (slot.Fun == ButtonFunction::SingleKey)
        dialog.presetKey(slot.Res1);
    // Nothing captured: nothing to assign.
    if (dialog.exec() != QDialog::Accepted || dialog.keyCode() == 0)
        return false;
    slot.Res1 = dialog.keyCode();
    slot.Fun = ButtonFunction::SingleKey;
    qCDebug(lcWindow, "Single key %d.", slot.Res1);
    return true;
}

bool ZelBtnWindow::editComboKey(ButtonSlot &slot)
{
    ZelComboKeyWindow dialog(this);
    if (slot.Fun == ButtonFunction::ComboKey)
        dialog.presetKeyInfo(slot.KeyInfo);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    const QVector<quint8> keys = dialog.resultKeyCodes();
    if (keys.isEmpty())
        return false;
    setComboKeys(slot, keys.constData(), keys.size());
    slot.Fun = ButtonFunction::ComboKey;
    return true;
}

bool ZelBtnWindow::editFireKey(ButtonSlot &slot)
{
    ZelFireKeyWindow dialog(this);
    if (slot.Fun == ButtonFunction::FireKey)
        dialog.presetSlot(slot);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    slot.Res1 = fireKeyRes1(dialog.kind(), dialog.keyCode());
    slot.LoopNumber = dialog.times();
    slot.KeyNumber = dialog.delay();
    slot.Fun = ButtonFunction::FireKey;
    return true;
}

bool ZelBtnWindow::editSniper(ButtonSlot &slot)
{
    ZelSniperWindow dialog(this);
    if (slot.Fun == ButtonFunction::Sniper)
        dialog.presetStep(slot.Res1);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    slot.Res1 = dialog.step();
    slot.Fun = ButtonFunction::Sniper;
    return true;
}

bool ZelBtnWindow::editMacro(ButtonSlot &slot, int slotIndex, int code)
{
    const bool gun = code == ButtonFunction::GunFile;
    if (gun && slotIndex == 0) {
        ZelMessageBox box(ZelMessageBox::Warning, QString(), tr("Warning"), tr("Left Button Can not be Gun Function."), this);
        box.exec();
        return false;
    }
    if (countMacros() < 1) {
        emit GotoMacroTab(kMacroTab);
        return false;
    }
    const bool same = slot.Fun == code;
    ZelMacroSelect dialog(gun ? tr("GUNFILE SELECT") : tr("MACRO SELECT"), gun ? tr("GUNFILE SELECT") : tr("MACRO SELECT"),
                          same ? slot.macroname : QString(), same ? slot.LoopNumber : 1, same ? slot.Res1 : 0, this);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    assignMacroFile(slot, code, dialog.macroName(), dialog.loopCount(), dialog.loopMode());
    return true;
}
