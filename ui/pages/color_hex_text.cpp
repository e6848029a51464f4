#include "ui/pages/color_hex_text.h"

#include <cctype>

namespace {

bool isHex(const QString &text)
{
    for (const QChar c : text) {
        if (c.unicode() > 0x7f || !std::isxdigit(static_cast<unsigned char>(c.toLatin1())))
            return false;
    }
    return true;
}

int hexValue(const QString &digits)
{
    return digits.toInt(nullptr, 16);
}

} // namespace

bool colorFromTypedHex(const QString &text, QColor *color)
{
    if (text.isEmpty() || text.size() > 6 || !isHex(text))
        return false;
    int r = 0, g = 0, b = 0;
    switch (text.size()) {
    case 1:
    case 2:
        b = hexValue(text);
        break;
    case 3:
        r = hexValue(text.mid(0, 1)) * 17;
        g = hexValue(text.mid(1, 1)) * 17;
        b = hexValue(text.mid(2, 1)) * 17;
        break;
    case 4:
        g = hexValue(text.mid(0, 2));
        b = hexValue(text.mid(2, 2));
        break;
    case 5:
        r = hexValue(text.mid(0, 1));
        g = hexValue(text.mid(1, 2));
        b = hexValue(text.mid(3, 2));
        break;
    default:
        r = hexValue(text.mid(0, 2));
        g = hexValue(text.mid(2, 2));
        b = hexValue(text.mid(4, 2));
        break;
    }
    color->setRgb(r, g, b, 255);
    return true;
}

QString completedHexText(const QString &text)
{
    if (text.size() > 6 || !isHex(text))
        return QString();
    if (text.size() == 3) {
        QString doubled;
        for (const QChar c : text)
            doubled += QString(2, c);
        return doubled.toUpper();
    }
    return text.rightJustified(6, QLatin1Char('0')).toUpper();
}

QString hexTextOf(const QColor &color)
{
    const QColor rgb = color.toRgb();
    return QStringLiteral("%1%2%3")
        .arg(rgb.red(), 2, 16, QLatin1Char('0'))
        .arg(rgb.green(), 2, 16, QLatin1Char('0'))
        .arg(rgb.blue(), 2, 16, QLatin1Char('0'))
        .toUpper();
}
