#pragma once
#include <QColor>
#include <QString>
#include <cstdint>

// The model's description, read from DefaultProfile.bin on every call so that each value
// reflects the file as it is on disk now. Absent file or key: each accessor's fixed default
// (product_definition.cpp).

int productButtonCount();
int productDpiStageCount();
int productDisableMacro();
int productShowSleep();
int productScrollRev();
int productMinDelay();
int productWideDpiRange();
void productSleepRange(int *minimum, int *maximum);
int productColorMode();
int productLedDisable();
int productSyncMode();
int productFrenchLanguage();
int productShowMouseButton();
QString productVersion();
QString productName();

// lift, angle, butondelay, jitter, wake, sensormode, sync. -1 (and nothing written) when
// the file does not exist.
int productSensorDefaults(uint8_t out[7]);
// -1 when the file does not exist.
int productDeviceButtonMatrix(uint8_t out[16]);
// -1 when the file does not exist, else the button count.
int productPageButtonMatrix(uint8_t out[16]);

struct ProductButtonTemplate {
    int32_t Fun = 0;
    int32_t LoopNumber = 0;
    int32_t KeyNumber = 0;
    uint8_t Res1 = 0, Res2 = 0, Res3 = 0, Res4 = 0;
};

struct ProductLedTemplate {
    QColor RGB;
    int32_t bright = 0;
    int32_t breath = 0;
};

// The factory settings of a fresh profile as the product file gives them.
struct ProductProfileTemplate {
    uint8_t dpi = 0;
    uint8_t pollrate = 0;
    uint8_t LedMode = 0;
    int32_t dpiXY[8] = {};
    ProductButtonTemplate buttons[16];
    ProductLedTemplate leds[14];
};

// 0 when the file exists (template filled), -1 when it does not (template untouched).
int productProfileTemplate(ProductProfileTemplate *out);

// What the write to the mouse needs to know of the product, read once for the selected mouse
// and handed to whoever encodes for it.
struct ProductSnapshot {
    int sensorModel = 0;          // "MouseSenSor/1" of the configuration file
    int syncMode = 0;             // 3: the lighting packet carries Debounce instead of AngleValue
    bool scrollReversed = false;  // the wheel's two entries exchanged
    int buttonCount = 0;
    uint8_t buttonMatrix[16] = {}; // the table entry of each button slot; zeros without a file
};
ProductSnapshot readProductSnapshot();
