// Each page of the main window as a keyboard and a screen reader meet it: every control that
// shows has a name and takes the focus from Tab, and Tab walks tabs, page, then bottom row.

#include "emulator/mouse_emulator.h"
#include "ui/kit/zel_push_button.h"
#include "ui/main/zel_process_dialog.h"
#include "emulated_window_test.h"

#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QAccessible>
#include <QComboBox>
#include <QtTest>

namespace {

bool isControlRole(QAccessible::Role role)
{
    switch (role) {
    case QAccessible::Button:
    case QAccessible::ButtonMenu:
    case QAccessible::ButtonDropDown:
    case QAccessible::CheckBox:
    case QAccessible::RadioButton:
    case QAccessible::Slider:
    case QAccessible::SpinBox:
    case QAccessible::EditableText:
    case QAccessible::ComboBox:
    case QAccessible::List:
    case QAccessible::Tree:
    case QAccessible::Table:
    case QAccessible::ProgressBar:
    case QAccessible::PageTab:
        return true;
    default:
        return false;
    }
}

// Parts of a composite control (a spin box's field, a list's header) are the control's own.
bool insideCompositeControl(const QWidget *widget)
{
    for (QWidget *up = widget->parentWidget(); up; up = up->parentWidget()) {
        if (qobject_cast<QAbstractSpinBox *>(up) || qobject_cast<QAbstractItemView *>(up) || qobject_cast<QComboBox *>(up))
            return true;
    }
    return false;
}

// Shown with a size, inside ancestors that have one: what a screen reader lists as on screen.
bool showing(const QWidget *widget, const QWidget *window)
{
    if (!widget->isVisible() || widget->size().isEmpty())
        return false;
    for (const QWidget *up = widget->parentWidget(); up && up != window; up = up->parentWidget()) {
        if (up->size().isEmpty())
            return false;
    }
    return true;
}

QString describe(QWidget *widget)
{
    QAccessibleInterface *access = QAccessible::queryAccessibleInterface(widget);
    return QStringLiteral("%1 \"%2\" (%3, role %4)")
        .arg(QString::fromLatin1(widget->metaObject()->className()), access ? access->text(QAccessible::Name) : QString(),
             widget->objectName())
        .arg(access ? int(access->role()) : -1);
}

QList<QWidget *> shownControls(QWidget *window)
{
    QList<QWidget *> found;
    for (QWidget *widget : window->findChildren<QWidget *>()) {
        if (!showing(widget, window) || insideCompositeControl(widget))
            continue;
        QAccessibleInterface *access = QAccessible::queryAccessibleInterface(widget);
        if (access && isControlRole(access->role()))
            found << widget;
    }
    return found;
}

// The controls Tab visits from the first tab until it comes back to it.
QList<QWidget *> tabWalk(QWidget *first)
{
    QList<QWidget *> walked;
    first->setFocus(Qt::TabFocusReason);
    for (int step = 0; step < 400; ++step) {
        QWidget *focus = QApplication::focusWidget();
        if (!focus || (step > 0 && focus == first))
            break;
        walked << focus;
        QTest::keyClick(focus, Qt::Key_Tab);
    }
    return walked;
}

} // namespace

class WindowAccessTest : public EmulatedWindowTest {
    Q_OBJECT

    // Names and focus of every control on the page, and the order Tab takes through them.
    void checkPage(ZiziraziWidget &window, int page)
    {
        window.showPage(page);
        QApplication::setActiveWindow(&window);
        QVERIFY(QTest::qWaitForWindowActive(&window));

        const QList<QWidget *> controls = shownControls(&window);
        QVERIFY(controls.size() > 10);
        QStringList unnamed;
        QStringList unfocusable;
        for (QWidget *control : controls) {
            if (QAccessible::queryAccessibleInterface(control)->text(QAccessible::Name).trimmed().isEmpty())
                unnamed << describe(control);
            if (!(control->focusPolicy() & Qt::TabFocus))
                unfocusable << describe(control);
        }
        QVERIFY2(unnamed.isEmpty(), qPrintable(QStringLiteral("page %1, no name: ").arg(page) + unnamed.join(", ")));
        QVERIFY2(unfocusable.isEmpty(),
                 qPrintable(QStringLiteral("page %1, no keyboard focus: ").arg(page) + unfocusable.join(", ")));

        const QWidget *tab0 = window.control(WindowControl::TabLighting);
        QList<QWidget *> walked = tabWalk(window.control(WindowControl::TabLighting));
        QStringList missed;
        for (QWidget *control : controls) {
            if (control->isEnabled() && !walked.contains(control))
                missed << describe(control);
        }
        QVERIFY2(missed.isEmpty(), qPrintable(QStringLiteral("page %1, Tab never reaches: ").arg(page) + missed.join(", ")));
        for (QWidget *stop : walked)
            QVERIFY2(showing(stop, &window), qPrintable(QStringLiteral("Tab stops on a hidden control: ") + describe(stop)));

        // The tabs first, the page's own controls next, the bottom row after them.
        QCOMPARE(walked.first(), tab0);
        const int apply = walked.indexOf(window.control(WindowControl::Apply));
        QVERIFY(apply > 0);
        for (QWidget *control : controls) {
            const QWidget *pageWidget = control;
            while (pageWidget && pageWidget->parentWidget() != &window)
                pageWidget = pageWidget->parentWidget();
            if (pageWidget == control || !walked.contains(control))
                continue; // the window's own controls
            QVERIFY2(walked.indexOf(control) < apply && walked.indexOf(control) > 0,
                     qPrintable(QStringLiteral("out of order: ") + describe(control)));
        }
    }

private slots:
    void lightingPage()
    {
        auto window = openWindow();
        checkPage(*window, 0);

        // From the keyboard alone: Tab to Apply, Space sends the whole configuration.
        mouse().clearPackets();
        QWidget *apply = window->control(WindowControl::Apply);
        window->control(WindowControl::TabLighting)->setFocus(Qt::TabFocusReason);
        for (int step = 0; step < 400 && QApplication::focusWidget() != apply; ++step)
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), apply);
        QTest::keyClick(apply, Qt::Key_Space);
        QTRY_VERIFY(mouse().state().endMarkers >= 1);
    }

    void customizePage()
    {
        auto window = openWindow();
        checkPage(*window, 1);
    }

    void dpiPage()
    {
        auto window = openWindow();
        checkPage(*window, 2);
        // The tabs answer Ctrl+Tab and Ctrl+PgUp as well.
        QTest::keyClick(window.get(), Qt::Key_Tab, Qt::ControlModifier);
        QCOMPARE(window->currentPage(), 3);
        QTest::keyClick(window.get(), Qt::Key_PageUp, Qt::ControlModifier);
        QCOMPARE(window->currentPage(), 2);
    }

    void macroPage()
    {
        auto window = openWindow();
        checkPage(*window, 3);
    }
};

QTEST_MAIN(WindowAccessTest)
#include "window_access_test.moc"
