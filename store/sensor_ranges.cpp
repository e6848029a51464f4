#include "store/sensor_ranges.h"

#include "store/device_settings.h"
#include "store/product_definition.h"

namespace {

enum class Variant { Any, WideRange, NarrowRange, ListedProduct, OtherProduct };

struct SensorRow {
    int sensor;
    Variant variant;
    SensorRange range;
};

// The first row that matches wins.
constexpr SensorRow kSensorRows[] = {
    {3325, Variant::WideRange, {100, 16000, 1, 90, false}},
    {3325, Variant::NarrowRange, {100, 5000, 1, 50, false}},
    {33252, Variant::WideRange, {100, 16000, 1, 90, false}},
    {33252, Variant::NarrowRange, {100, 10000, 1, 75, false}},
    {3311, Variant::Any, {100, 12000, 1, 120, false}},
    {33112, Variant::Any, {100, 24000, 1, 180, false}},
    {3370, Variant::Any, {50, 19000, 1, 290, false}},
    {3327, Variant::ListedProduct, {200, 12400, 1, 92, false}},
    {3327, Variant::OtherProduct, {200, 16400, 1, 106, false}},
    {3360, Variant::Any, {100, 24000, 1, 180, true}},
    {3389, Variant::Any, {100, 32000, 2, 480, true}},
    {3212, Variant::Any, {600, 7200, 16, 111, false}},
    {3104, Variant::Any, {500, 4200, 14, 105, true}},
    {31042, Variant::Any, {500, 8400, 14, 158, true}},
    {3335, Variant::Any, {100, 16000, 1, 160, false}},
    {33352, Variant::Any, {100, 32000, 1, 240, false}},
    {3333, Variant::Any, {200, 16000, 2, 120, false}},
    {33952, Variant::Any, {50, 52000, 0, 779, false}},
    {3395, Variant::Any, {50, 26000, 0, 519, false}},
    {3399, Variant::Any, {50, 40000, 0, 599, true}},
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

bool matches(Variant variant, const QString &productName, int wideDpiRange)
{
    switch (variant) {
    case Variant::Any: return true;
    case Variant::WideRange: return wideDpiRange == 1;
    case Variant::NarrowRange: return wideDpiRange != 1;
    case Variant::ListedProduct: return listedProduct(productName);
    case Variant::OtherProduct: return !listedProduct(productName);
    }
    return false;
}

} // namespace

bool sensorRange(int sensorModel, const QString &productName, int wideDpiRange, SensorRange *out)
{
    for (const SensorRow &row : kSensorRows) {
        if (row.sensor == sensorModel && matches(row.variant, productName, wideDpiRange)) {
            if (out)
                *out = row.range;
            return true;
        }
    }
    return false;
}

int dpiStagesOffered()
{
    const int count = productDpiStageCount();
    return count < 1 || count > kDpiStageCount ? kDpiStageCount : count;
}
