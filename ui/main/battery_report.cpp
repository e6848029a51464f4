#include "ui/main/battery_report.h"

#include "ui/kit/ui_scale.h"

#include <QFont>
#include <QFontMetrics>

BatteryBarView batteryBarView(int level, bool cableLink)
{
    BatteryBarView view;
    if (level <= 0) {
        view.mouseOff = true;
        view.textVisible = false;
        return view;
    }
    view.percentText = !cableLink;
    // A progress bar silently ignores values outside its range; a full bar is the honest reading.
    view.value = cableLink ? 100 : (level > 100 ? 100 : level);
    view.low = !cableLink && level <= kLowBatteryLevel;
    return view;
}

QColor lowBatteryColor()
{
    return QColor(230, 50, 40);
}

QString batteryBarStyle(bool mouseOff, const QColor &accent, int fontPixels, bool low)
{
    const QColor chunk = low ? lowBatteryColor() : accent;
    if (mouseOff) {
        return QStringLiteral(
                   "QProgressBar{border:none;background-color:rgb(100,100,100);border-radius:2px;"
                   "text-align:center;font-weight:bold;color:white;font-size:%1px;}"
                   "QProgressBar::chunk{background-color:rgb(100,100,100);border-radius:2px;}")
            .arg(fontPixels);
    }
    return QStringLiteral(
               "QProgressBar{border:none;background-color:#FFFFFF;border-radius:2px;"
               "text-align:center;font-weight:bold;color:black;font-size:%1px;}"
               "QProgressBar::chunk{background-color:rgb(%2,%3,%4);border-radius:2px;}")
        .arg(fontPixels)
        .arg(chunk.red())
        .arg(chunk.green())
        .arg(chunk.blue());
}

int batteryTextPixels(const QString &text, const QString &family, int barWidth, double factor)
{
    int pixels = scaled(16, factor);
    const int room = barWidth - scaled(4, factor);
    QFont font(family);
    font.setBold(true);
    for (; pixels > 6; --pixels) {
        font.setPixelSize(pixels);
        if (QFontMetrics(font).horizontalAdvance(text) <= room)
            break;
    }
    return pixels;
}
