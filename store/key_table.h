#pragma once
#include <QString>
#include <QVector>

// The program's 8-bit key codes (PC set-1 scan codes; 0xE0..0xEF for keypad and right-hand
// keys whose scan codes collide; 0xF0..0xF2 for the mouse buttons), their HID keyboard usages
// and their English and French names.

// Number of (key code, HID usage) pairs: 104.
int keyTablePairCount();

// On a hit the output is set and true returned; otherwise the output is left unchanged.
bool keyCodeToHidUsage(int keyCode, int &hidUsage);
bool hidUsageToKeyCode(int hidUsage, int &keyCode);

// The name in the language chosen by setFrenchKeyNames; empty for a code without a name.
QString keyName(unsigned keyCode);
QString keyName(unsigned keyCode, bool french);

// French names are used exactly when the product's French language index is not -1 and equals
// the current language index. Call at start-up and on every language change.
void setFrenchKeyNames(int productFrenchIndex, int currentLanguageIndex);
bool frenchKeyNames();

// The key code whose name, in the language chosen by setFrenchKeyNames, is `name`: an exact
// match first, then one that differs only in letter case. False when no key has that name.
bool keyCodeNamed(const QString &name, int &keyCode);

// Every key code that has a name, in table order.
QVector<int> namedKeyCodes();
