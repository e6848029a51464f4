#include "store/sensor_table.h"

namespace {

using A = StageAxes;
using C = SniperCodeRule;
using E = DpiEncodingRule;
using R = RangeSwitch;
using S = DpiScaleRule;

constexpr SensorRange kNone{};
constexpr SniperSteps kNoSteps{0, 0, 0};

// model, scale, range, when the alternative range applies, alternative, sniper steps (when the
// model has its own), stage encoding, axes, sniper code.
constexpr SensorInfo kSensors[] = {
    {3325, S::S3325, {100, 16000, 1, 90, false}, R::NarrowProduct, {100, 5000, 1, 50, false}, true, {1, 10, 3}, E::E3325, A::XThenY, C::TableT1},
    {33252, S::S3325, {100, 16000, 1, 90, false}, R::NarrowProduct, {100, 10000, 1, 75, false}, false, kNoSteps, E::E3325, A::XThenY, C::Fixed4},
    {3311, S::S3311, {100, 12000, 1, 120, false}, R::Never, kNone, false, kNoSteps, E::E3311, A::XThenY, C::Fixed4},
    {33112, S::S3311, {100, 24000, 1, 180, false}, R::Never, kNone, false, kNoSteps, E::E3311, A::XThenY, C::Fixed4},
    {3360, S::S3311, {100, 24000, 1, 180, true}, R::Never, kNone, true, {1, 10, 3}, E::E3360, A::XThenY, C::MinusOne},
    {3370, S::S3370, {50, 19000, 1, 290, false}, R::Never, kNone, false, kNoSteps, E::E3370, A::XThenY, C::Fixed4},
    // Some products' 3327 stops at the lower top speed.
    {3327, S::S3327, {200, 16400, 1, 106, false}, R::ListedProduct, {200, 12400, 1, 92, false}, true, {1, 10, 3}, E::E3327, A::XThenY, C::TableT3},
    {3389, S::S3389, {100, 32000, 2, 480, true}, R::Never, kNone, true, {2, 20, 6}, E::E3389, A::XThenY, C::Value},
    {3212, S::S3212, {600, 7200, 16, 111, false}, R::Never, kNone, true, {16, 32, 16}, E::E3212, A::XThenY, C::Value},
    {3104, S::S3104, {500, 4200, 14, 105, true}, R::Never, kNone, true, {14, 26, 14}, E::E3104, A::YThenX, C::Value},
    {31042, S::S3104, {500, 8400, 14, 158, true}, R::Never, kNone, false, kNoSteps, E::E3104, A::YThenX, C::Fixed4},
    {3335, S::S3335, {100, 16000, 1, 160, false}, R::Never, kNone, true, {1, 10, 3}, E::E3335, A::XTwice, C::TableT5},
    {33352, S::S3335, {100, 32000, 1, 240, false}, R::Never, kNone, false, kNoSteps, E::E3335, A::XTwice, C::Fixed4},
    {3333, S::S3333, {200, 16000, 2, 120, false}, R::Never, kNone, true, {2, 10, 3}, E::E3333, A::XThenY, C::Fixed4},
    {33952, S::S3395, {50, 52000, 0, 779, false}, R::Never, kNone, false, kNoSteps, E::E33952, A::XThenY, C::Fixed4},
    {3395, S::S3395, {50, 26000, 0, 519, false}, R::Never, kNone, false, kNoSteps, E::E3395, A::XThenY, C::Fixed4},
    // Read and offered, but the mouse has no encoding for it: its stages go out as zeros.
    {3399, S::S3399, {50, 40000, 0, 599, true}, R::Never, kNone, false, kNoSteps, E::None, A::XThenY, C::Fixed4},
};

// Products whose 3327 sensor stops at the lower top speed.
const char *const kShort3327Products[] = {
    "K352-RGB", "DASKREL", "6398", "SKALDREN3", "BRUMELT", "K460-RGB", "QUINTARO2", "VELQUORN2", "HASTREL",
};

bool listedProduct(const QString &productName)
{
    for (const char *name : kShort3327Products) {
        if (productName == QLatin1String(name))
            return true;
    }
    return false;
}

} // namespace

const SensorInfo *sensorInfo(int sensorModel)
{
    for (const SensorInfo &sensor : kSensors) {
        if (sensor.model == sensorModel)
            return &sensor;
    }
    return nullptr;
}

bool sensorRange(int sensorModel, const QString &productName, int wideDpiRange, SensorRange *out)
{
    const SensorInfo *sensor = sensorInfo(sensorModel);
    if (!sensor)
        return false;
    bool alternative = false;
    switch (sensor->alternativeWhen) {
    case RangeSwitch::Never: break;
    case RangeSwitch::NarrowProduct: alternative = wideDpiRange != 1; break;
    case RangeSwitch::ListedProduct: alternative = listedProduct(productName); break;
    }
    if (out)
        *out = alternative ? sensor->alternative : sensor->range;
    return true;
}
