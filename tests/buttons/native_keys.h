#pragma once
// Key events as the X server delivers them: the evdev code plus 8 as the native scan code.
// QTest's own key functions leave that code 0, which the capture rightly ignores.
#include <QCoreApplication>
#include <QKeyEvent>
#include <QWidget>

inline QKeyEvent nativeKey(QEvent::Type type, int evdev, Qt::KeyboardModifiers modifiers = Qt::NoModifier,
                           bool repeat = false, int qtKey = Qt::Key_unknown, const QString &text = QString())
{
    return QKeyEvent(type, qtKey, modifiers, quint32(evdev + 8), 0, 0, text, repeat);
}

// Sent to `to`, or to the widget holding the keyboard when `to` is null.
inline void sendNativeKey(QWidget *to, QEvent::Type type, int evdev, Qt::KeyboardModifiers modifiers = Qt::NoModifier,
                          bool repeat = false, int qtKey = Qt::Key_unknown, const QString &text = QString())
{
    QWidget *target = to ? to : QWidget::keyboardGrabber();
    if (!target)
        qFatal("No widget holds the keyboard.");
    QKeyEvent event = nativeKey(type, evdev, modifiers, repeat, qtKey, text);
    QCoreApplication::sendEvent(target, &event);
}
