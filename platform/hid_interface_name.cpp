#include "platform/hid_interface_name.h"

#include <QRegularExpression>

QString composeHidInterfaceName(const HidInterfaceName &name)
{
    QString text = QStringLiteral("VID_%1&PID_%2&MI_%3")
                       .arg(name.vendorId, 4, 16, QLatin1Char('0'))
                       .arg(name.productId, 4, 16, QLatin1Char('0'))
                       .arg(name.interfaceNumber < 0 ? 0xFF : name.interfaceNumber, 2, 16, QLatin1Char('0'))
                       .toUpper();
    if (name.hasRelease)
        text += QStringLiteral("&REV_%1").arg(name.release, 4, 16, QLatin1Char('0')).toUpper();
    return text + QLatin1Char('#') + name.path;
}

HidInterfaceName parseHidInterfaceName(const QString &text)
{
    static const QRegularExpression form(
        QStringLiteral("^VID_(?<vid>[0-9a-f]{4})&PID_(?<pid>[0-9a-f]{4})&MI_(?<mi>[0-9a-f]{2})"
                       "(?:&REV_(?<rev>[0-9a-f]{4}))?#(?<path>.+)$"),
        QRegularExpression::CaseInsensitiveOption);
    HidInterfaceName name;
    const QRegularExpressionMatch match = form.match(text);
    if (!match.hasMatch())
        return name;
    name.valid = true;
    name.vendorId = match.captured(QStringLiteral("vid")).toUInt(nullptr, 16);
    name.productId = match.captured(QStringLiteral("pid")).toUInt(nullptr, 16);
    name.interfaceNumber = match.captured(QStringLiteral("mi")).toInt(nullptr, 16);
    name.hasRelease = match.capturedLength(QStringLiteral("rev")) > 0;
    name.release = match.captured(QStringLiteral("rev")).toUInt(nullptr, 16);
    name.path = match.captured(QStringLiteral("path"));
    return name;
}
