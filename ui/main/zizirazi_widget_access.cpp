// The window from the keyboard and through a screen reader: names of the controls that show
// only a picture, the Tab order, and the shortcuts between tabs.

#include "ui/main/zizirazi_widget.h"

#include "ui/kit/keyboard_access.h"
#include "ui/kit/zel_processbar.h"
#include "ui/pages/zel_pointer_speed_row.h"
#include "ui/kit/zel_push_button.h"

#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QScrollArea>
#include <QShortcut>

namespace {

struct ControlName {
    WindowControl control;
    const char *name;
};

// Controls that carry a picture rather than a text. (The library panel names its own.)
constexpr ControlName kControlNames[] = {
    {WindowControl::Close, QT_TRANSLATE_NOOP("QObject", "Close")},
    {WindowControl::Minimise, QT_TRANSLATE_NOOP("QObject", "Minimise")},
    {WindowControl::MouseSelector, QT_TRANSLATE_NOOP("QObject", "Choose the mouse")},
    {WindowControl::ProfileSelector, QT_TRANSLATE_NOOP("QObject", "Profile slot on the mouse")},
    {WindowControl::ChargingIcon, QT_TRANSLATE_NOOP("QObject", "Charging")},
    {WindowControl::ReceiverIcon, QT_TRANSLATE_NOOP("QObject", "Receiver")},
    {WindowControl::FrontPicture, QT_TRANSLATE_NOOP("QObject", "The mouse from above")},
    {WindowControl::SidePicture, QT_TRANSLATE_NOOP("QObject", "The mouse from the side")},
    {WindowControl::CustomizeScroll, QT_TRANSLATE_NOOP("QObject", "Buttons")},
};

QString translated(const char *text)
{
    return QCoreApplication::translate("QObject", text);
}

} // namespace

void ZiziraziWidget::setUpKeyboardAccess()
{
    installFocusOutline();
    const struct {
        QKeySequence keys;
        int step;
    } shortcuts[] = {
        {QKeySequence(Qt::CTRL | Qt::Key_Tab), 1},
        {QKeySequence(Qt::CTRL | Qt::Key_PageDown), 1},
        {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab), -1},
        {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Tab), -1},
        {QKeySequence(Qt::CTRL | Qt::Key_PageUp), -1},
    };
    for (const auto &shortcut : shortcuts) {
        const int step = shortcut.step;
        connect(new QShortcut(shortcut.keys, this), &QShortcut::activated, this, [this, step] { stepTab(step); });
    }
}

void ZiziraziWidget::stepTab(int step)
{
    // Controls lock while a macro records: the tabs are not to be left then either.
    if (!tabs[page] || !tabs[page]->isEnabled())
        return;
    for (int tried = 1; tried < kTabCount; ++tried) {
        const int next = ((page + step * tried) % kTabCount + kTabCount) % kTabCount;
        ZelPushButton *tab = tabs[next];
        if (tab && tab->isVisible() && !tab->size().isEmpty() && tab->isEnabled()) {
            showPage(next);
            if (focusWidget() && focusWidget() != tab && tabs[page] == tab)
                tab->setFocus(Qt::ShortcutFocusReason);
            return;
        }
    }
}

void ZiziraziWidget::nameWindowControls()
{
    for (const ControlName &entry : kControlNames)
        nameControl(controls[int(entry.control)], translated(entry.name));
    if (batteryBarWidget)
        batteryBarWidget->setLabel(translated(QT_TRANSLATE_NOOP("QObject", "Battery")));
    if (auto *language = button(WindowControl::Language))
        language->setAccessibleName(translated(QT_TRANSLATE_NOOP("QObject", "Language")) + QStringLiteral(": ")
                                    + language->text());
    const QString buttonName = translated(QT_TRANSLATE_NOOP("QObject", "Mouse button %1"));
    for (const QVector<ZelPushButton *> *group : {&frontHotspots, &sideHotspots}) {
        for (int i = 0; i < group->size(); ++i)
            nameControl(group->at(i), buttonName.arg(i + 1));
    }
    if (wheelHotspots.size() == 2) {
        nameControl(wheelHotspots[0], translated(QT_TRANSLATE_NOOP("QObject", "Scroll up")));
        nameControl(wheelHotspots[1], translated(QT_TRANSLATE_NOOP("QObject", "Scroll down")));
    }
}

void ZiziraziWidget::orderFocusChain()
{
    // Tabs, then the page's own controls, then the bottom row and the title bar: the order
    // the eye takes, whatever order the pages were built in.
    QList<QWidget *> order;
    for (ZelPushButton *tab : tabs)
        order << tab;
    for (WindowControl part : {WindowControl::LibraryMenu, WindowControl::NameEdit, WindowControl::Add,
                               WindowControl::Copy, WindowControl::Delete, WindowControl::Reset, WindowControl::Import,
                               WindowControl::Export, WindowControl::Programs, WindowControl::FrontButton,
                               WindowControl::SideButton})
        order << controls[int(part)];
    for (const QVector<ZelPushButton *> *group : {&frontHotspots, &sideHotspots, &wheelHotspots}) {
        for (ZelPushButton *hotspot : *group)
            order << hotspot;
    }
    for (WindowControl part : {WindowControl::LightingPage, WindowControl::CustomizeScroll, WindowControl::DpiPage})
        order << controls[int(part)];
    order << desktopPointerRow;
    for (WindowControl part : {WindowControl::PointerPage, WindowControl::RatePage, WindowControl::MacroPage})
        order << controls[int(part)];
    for (WindowControl part : {WindowControl::ResetAll, WindowControl::LoadConfig, WindowControl::SaveConfig,
                               WindowControl::Apply, WindowControl::Ok, WindowControl::Cancel, WindowControl::Firmware,
                               WindowControl::BatteryBar, WindowControl::MouseSelector, WindowControl::Language,
                               WindowControl::Minimise, WindowControl::Close})
        order << controls[int(part)];
    order.removeAll(nullptr);
    // A page goes into the chain with its controls, in the order they have among themselves.
    QList<QWidget *> chain;
    for (QWidget *entry : order) {
        if (entry->focusPolicy() != Qt::NoFocus)
            chain << entry;
        for (QWidget *w = entry->nextInFocusChain(); w && w != entry; w = w->nextInFocusChain()) {
            if (entry->isAncestorOf(w) && w->focusPolicy() & Qt::TabFocus && !chain.contains(w))
                chain << w;
        }
    }
    for (int i = 1; i < chain.size(); ++i)
        QWidget::setTabOrder(chain[i - 1], chain[i]);
}

bool ZiziraziWidget::focusNextPrevChild(bool next)
{
    // Controls that this product or page lays out with no size stay in the chain; Tab steps
    // over them rather than to a control nobody can see.
    QWidget *start = focusWidget();
    for (int step = 0; step < 500; ++step) {
        if (!QWidget::focusNextPrevChild(next))
            return false;
        QWidget *now = focusWidget();
        bool seen = now && !now->size().isEmpty();
        for (QWidget *up = now ? now->parentWidget() : nullptr; seen && up && up != this; up = up->parentWidget())
            seen = !up->size().isEmpty();
        if (seen || now == start)
            return true;
    }
    return true;
}
