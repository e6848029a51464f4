#pragma once
#include <QColor>
#include <QString>

// The colour dialog's hexadecimal field.

// What a text being typed stands for, by its number of digits: 1-2 blue only, 3 one digit per
// component (doubled), 4 green and blue, 5 red as one digit then green and blue, 6 RRGGBB.
// False (colour untouched) for other lengths and for anything that is not hexadecimal.
bool colorFromTypedHex(const QString &text, QColor *color);

// The six digits a finished text stands for: three digits are doubled, every other length is
// padded on the left with zeros, so that a finished text keeps the colour it showed while typed.
// Empty when the text is not hexadecimal or longer than six digits.
QString completedHexText(const QString &text);

// "RRGGBB" in capitals.
QString hexTextOf(const QColor &color);
