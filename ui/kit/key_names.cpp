#include "ui/kit/key_names.h"

#include "store/key_table.h"

#include <QCoreApplication>

namespace {

// The key table's short names, listed for the translation tools; the table itself stays as
// the command-line tool and the stored files know it.
[[maybe_unused]] const char *const kTranslatedNames[] = {
    QT_TRANSLATE_NOOP("KeyName", "Esc"),          QT_TRANSLATE_NOOP("KeyName", "Backspace"),
    QT_TRANSLATE_NOOP("KeyName", "Tab"),          QT_TRANSLATE_NOOP("KeyName", "Enter"),
    QT_TRANSLATE_NOOP("KeyName", "LCtr"),         QT_TRANSLATE_NOOP("KeyName", "RCtr"),
    QT_TRANSLATE_NOOP("KeyName", "LShift"),       QT_TRANSLATE_NOOP("KeyName", "RShift"),
    QT_TRANSLATE_NOOP("KeyName", "LAlt"),         QT_TRANSLATE_NOOP("KeyName", "RAlt"),
    QT_TRANSLATE_NOOP("KeyName", "LWindows"),     QT_TRANSLATE_NOOP("KeyName", "RWindows"),
    QT_TRANSLATE_NOOP("KeyName", "App"),          QT_TRANSLATE_NOOP("KeyName", "Space"),
    QT_TRANSLATE_NOOP("KeyName", "CapsLock"),     QT_TRANSLATE_NOOP("KeyName", "Print Screen"),
    QT_TRANSLATE_NOOP("KeyName", "Pause Break"),  QT_TRANSLATE_NOOP("KeyName", "Scroll Lock"),
    QT_TRANSLATE_NOOP("KeyName", "Home"),         QT_TRANSLATE_NOOP("KeyName", "End"),
    QT_TRANSLATE_NOOP("KeyName", "Page Up"),      QT_TRANSLATE_NOOP("KeyName", "Page Down"),
    QT_TRANSLATE_NOOP("KeyName", "Insert"),       QT_TRANSLATE_NOOP("KeyName", "Delete"),
    QT_TRANSLATE_NOOP("KeyName", "Up"),           QT_TRANSLATE_NOOP("KeyName", "Down"),
    QT_TRANSLATE_NOOP("KeyName", "Left"),         QT_TRANSLATE_NOOP("KeyName", "Right"),
    QT_TRANSLATE_NOOP("KeyName", "Num De"),       QT_TRANSLATE_NOOP("KeyName", "Num Lock"),
    QT_TRANSLATE_NOOP("KeyName", "Num Enter"),    QT_TRANSLATE_NOOP("KeyName", "Left Button"),
    QT_TRANSLATE_NOOP("KeyName", "Right Button"), QT_TRANSLATE_NOOP("KeyName", "Middle Button"),
};

} // namespace

QString shownKeyName(unsigned keyCode)
{
    const QString name = keyName(keyCode);
    return name.isEmpty() ? name : QCoreApplication::translate("KeyName", name.toUtf8().constData());
}
