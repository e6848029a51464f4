#include "store/dpi_scale.h"

#include "store/sensor_table.h"

#include <QtGlobal>

#include <climits>

namespace {

// Wide enough that no code read from a damaged file overflows.
using Dpi = long long;

Dpi tenths(Dpi value)
{
    return value / 10 * 10;
}

Dpi scale3325(Dpi c) { return c > 75 ? (c - 75) * 400 + 10000 : c > 50 ? (c - 50) * 200 + 5000 : c * 100; }

Dpi scale3327(Dpi c)
{
    if (c > 92)
        return c == 106 ? 16400 : (c - 92) * 300 + 12300;
    return c > 61 ? (c - 61) * 200 + 6200 : (c + 1) * 100;
}

Dpi scale3311(Dpi c) { return c > 120 ? (c - 120) * 200 + 12000 : c * 100; }
Dpi scale3333(Dpi c) { return c > 80 ? (c - 80) * 200 + 8000 : c * 100; }
Dpi scale3335(Dpi c) { return c > 160 ? (c - 160) * 200 + 16000 : c * 100; }
Dpi scale3370(Dpi c) { return c > 200 ? (c - 200) * 100 + 10000 : c * 50; }
Dpi scale3389(Dpi c) { return c > 320 ? (c - 320) * 100 + 16000 : c * 50; }
Dpi scale3395(Dpi c) { return c > 519 ? (c - 519) * 100 + 26000 : (c + 1) * 50; }
Dpi scale3399(Dpi c) { return c > 399 ? (c - 399) * 100 + 20000 : (c + 1) * 50; }

Dpi scale3104(Dpi c)
{
    if (c > 106)
        return c * 80 - 4240;
    const Dpi dpi = c * 40;
    return dpi == 560 ? 500 : dpi;
}

// The sensor's own steps land on odd values; these are the values its maker prints.
Dpi scale3212(Dpi c)
{
    if (c > 94) {
        const Dpi dpi = tenths((c - 63) * 152);
        return dpi == 7290 ? 7200 : dpi;
    }
    if (c >= 64)
        return tenths((c - 32) * 76);
    const Dpi dpi = tenths(c * 38);
    switch (dpi) {
    case 790: return 800;
    case 1210: return 1200;
    case 1630: return 1600;
    case 2390: return 2400;
    default: return dpi;
    }
}

} // namespace

int dpiFromCode(int code, int sensorModel)
{
    const SensorInfo *sensor = sensorInfo(sensorModel);
    if (!sensor)
        return 0;
    Dpi (*scale)(Dpi) = nullptr;
    switch (sensor->scale) {
    case DpiScaleRule::S3325: scale = scale3325; break;
    case DpiScaleRule::S3327: scale = scale3327; break;
    case DpiScaleRule::S3311: scale = scale3311; break;
    case DpiScaleRule::S3333: scale = scale3333; break;
    case DpiScaleRule::S3335: scale = scale3335; break;
    case DpiScaleRule::S3370: scale = scale3370; break;
    case DpiScaleRule::S3389: scale = scale3389; break;
    case DpiScaleRule::S3395: scale = scale3395; break;
    case DpiScaleRule::S3399: scale = scale3399; break;
    case DpiScaleRule::S3104: scale = scale3104; break;
    case DpiScaleRule::S3212: scale = scale3212; break;
    }
    return static_cast<int>(qBound<Dpi>(INT_MIN, scale(code), INT_MAX));
}


int nearestDpiCode(int dpi, int sensorModel, int minimum, int maximum)
{
    int best = minimum;
    long long bestDistance = -1;
    // The scale is not monotonic everywhere (some makers' values are rounded), so every code is
    // looked at; there are at most a few hundred.
    for (int code = minimum; code <= maximum; ++code) {
        const long long distance = qAbs(static_cast<long long>(dpiFromCode(code, sensorModel)) - dpi);
        if (bestDistance < 0 || distance < bestDistance) {
            best = code;
            bestDistance = distance;
        }
    }
    return best;
}

QString dpiPairText(int dpiX, int dpiY)
{
    if (dpiX == dpiY)
        return QString::number(dpiX);
    return QStringLiteral("%1 \u00d7 %2").arg(dpiX).arg(dpiY);
}
