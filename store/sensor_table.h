#pragma once
#include <QString>

// Everything the program knows of a sensor model ("MouseSenSor/1"), one row each: how its
// codes read as DPI, the codes the DPI page offers, the sniper button's steps, and how the
// mouse takes a stage's codes. The rules themselves live beside their users (the DPI scale,
// the stage encoding); this table only says which one a model follows.

// What the DPI sliders offer for a sensor: the DPI values printed at both ends, the range of
// sensor codes, and whether X and Y can be set apart.
struct SensorRange {
    int minimumDpi = 0;
    int maximumDpi = 0;
    int minimumCode = 0;
    int maximumCode = 0;
    bool separateXY = false;
};

// The sniper step range of a sensor and the step an out-of-range value falls back to.
struct SniperSteps {
    int minimum;
    int maximum;
    int fallback;
};

enum class DpiScaleRule { S3325, S3327, S3311, S3333, S3335, S3370, S3389, S3395, S3399, S3104, S3212 };
// None: the mouse is sent zeros for this model's stages.
enum class DpiEncodingRule { None, E3325, E3311, E3370, E3327, E3360, E3389, E3212, E3104, E3333, E3335, E3395, E33952 };
// Which value goes into each half of a stage's bytes.
enum class StageAxes { XThenY, YThenX, XTwice };
// How a sniper value becomes the sniper button's code.
enum class SniperCodeRule { Fixed4, Value, TableT1, TableT3, TableT5, MinusOne };
// When a row's alternative range applies instead of its range.
enum class RangeSwitch { Never, NarrowProduct, ListedProduct };

struct SensorInfo {
    int model;
    DpiScaleRule scale;
    SensorRange range;
    RangeSwitch alternativeWhen;
    SensorRange alternative;
    bool hasSniperSteps;
    SniperSteps sniper;
    DpiEncodingRule encoding;
    StageAxes axes;
    SniperCodeRule sniperCode;
};

// Null for a model not in the table.
const SensorInfo *sensorInfo(int sensorModel);

// False for a sensor model not in the table; `out` is then left alone. Some sensors differ by
// product name ("Config/CurrentProductName") or by the product's wide-range flag.
bool sensorRange(int sensorModel, const QString &productName, int wideDpiRange, SensorRange *out);
