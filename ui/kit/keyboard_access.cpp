#include "ui/kit/keyboard_access.h"

#include "ui/kit/kit_style.h"

#include <QAccessible>
#include <QApplication>
#include <QFocusEvent>
#include <QAccessibleWidget>
#include <QFocusFrame>
#include <QHash>
#include <QKeyEvent>
#include <QPainter>
#include <QPointer>

namespace {

QHash<QString, QAccessible::Role> &registeredRoles()
{
    static QHash<QString, QAccessible::Role> roles;
    return roles;
}

QAccessibleInterface *ownWidgetInterface(const QString &className, QObject *object)
{
    const auto role = registeredRoles().constFind(className);
    if (role == registeredRoles().constEnd() || !object->isWidgetType())
        return nullptr;
    return new QAccessibleWidget(static_cast<QWidget *>(object), *role);
}

class AccentFocusFrame : public QFocusFrame {
public:
    using QFocusFrame::QFocusFrame;

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(QPen(currentAccentColor(), 2));
        painter.setBrush(Qt::NoBrush);
        painter.drawRoundedRect(QRectF(rect()).adjusted(1, 1, -1, -1), 3, 3);
    }
};

class FocusOutline : public QObject {
public:
    explicit FocusOutline(QObject *parent)
        : QObject(parent)
    {
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::MouseButtonPress && m_keyboard) {
            m_keyboard = false;
            follow(nullptr);
        }
        if (event->type() != QEvent::FocusIn || !watched->isWidgetType())
            return false;
        auto *widget = static_cast<QWidget *>(watched);
        // As browsers do: the outline shows while the user moves by keyboard, until a click.
        switch (static_cast<QFocusEvent *>(event)->reason()) {
        case Qt::TabFocusReason:
        case Qt::BacktabFocusReason:
        case Qt::ShortcutFocusReason:
            m_keyboard = true;
            break;
        case Qt::MouseFocusReason:
            m_keyboard = false;
            break;
        default:
            break;
        }
        follow(m_keyboard ? widget : nullptr);
        return false;
    }

private:
    void follow(QWidget *widget)
    {
        if (!widget || widget->isWindow()) {
            if (m_frame)
                m_frame->hide();
            return;
        }
        // One frame per window: QFocusFrame re-parents itself beside the control it follows.
        if (m_frame && m_frame->window() != widget->window()) {
            m_frame->setWidget(nullptr);
            m_frame->deleteLater();
        }
        if (!m_frame)
            m_frame = new AccentFocusFrame(widget->window());
        m_frame->setWidget(widget);
        QObject::disconnect(m_watch);
        m_watch = QObject::connect(widget, &QObject::destroyed, m_frame, [frame = m_frame.data()]() { frame->setWidget(nullptr); });
        m_frame->show();
        m_frame->raise();
    }

    QPointer<QFocusFrame> m_frame;
    QMetaObject::Connection m_watch;
    bool m_keyboard = false;
};

} // namespace

void installFocusOutline()
{
    static QPointer<FocusOutline> installed;
    if (installed || !qApp)
        return;
    installed = new FocusOutline(qApp);
    qApp->installEventFilter(installed);
}

void nameControl(QWidget *control, const QString &name)
{
    if (!control)
        return;
    control->setAccessibleName(name);
    if (control->toolTip().isEmpty())
        control->setToolTip(name);
}

void announce(QWidget *widget, const QString &text)
{
    if (!widget)
        return;
    widget->setAccessibleDescription(text);
    QAccessibleEvent alert(widget, QAccessible::Alert);
    QAccessible::updateAccessibility(&alert);
}

void registerAccessibleRole(const char *className, QAccessible::Role role)
{
    if (registeredRoles().isEmpty())
        QAccessible::installFactory(ownWidgetInterface);
    registeredRoles().insert(QString::fromLatin1(className), role);
}

bool isPressKey(const QKeyEvent &event)
{
    const int key = event.key();
    return (key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter)
        && !(event.modifiers() & ~Qt::KeypadModifier);
}
