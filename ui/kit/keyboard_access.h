#pragma once
#include <QAccessible>
#include <QString>

class QWidget;

// Keyboard and screen-reader access shared by every window of the program.

// Draws an accent outline around the control that took the keyboard focus from the keyboard
// (Tab, Shift+Tab, a shortcut); a click hides it again, as the controls show their own state.
// Idempotent; lives as long as the application.
void installFocusOutline();

// Names a control for screen readers (and its tool tip where it has none, so sighted users
// of image buttons read the same).
void nameControl(QWidget *control, const QString &name);

// Reads a change out: the text becomes the widget's description and an alert is raised on it,
// which screen readers speak even when the focus is elsewhere.
void announce(QWidget *widget, const QString &text);

// Our own widgets are plain QWidgets to Qt; this tells screen readers what one of the named
// class is (a button, a slider). Call before the first such widget is shown.
void registerAccessibleRole(const char *className, QAccessible::Role role);

// Space, Return and Enter (without modifiers): the keys that press a button.
class QKeyEvent;
bool isPressKey(const QKeyEvent &event);
