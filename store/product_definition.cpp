#include "store/product_definition.h"

#include "store/app_paths.h"
#include "store/config_file.h"

#include "store/ini_file.h"

#include <QFileInfo>


namespace {

bool productFileExists()
{
    return QFileInfo(productDefinitionPath()).isFile();
}

class ProductFile {
public:
    ProductFile() : m_file(productDefinitionPath()) {}

    int integer(const QString &key, int fallback) const
    {
        const QVariant v = m_file.value(QStringLiteral("PROFILE/") + key);
        return v.isValid() ? v.toInt() : fallback;
    }
    // Numbers that size or count something are held to what the program can show.
    int bounded(const QString &key, int fallback, int minimum, int maximum) const
    {
        return int(m_file.boundedInteger(QStringLiteral("PROFILE/") + key, fallback, minimum, maximum));
    }
    uint8_t byte(const QString &key) const { return static_cast<uint8_t>(integer(key, 0)); }
    QString text(const QString &key) const { return m_file.text(QStringLiteral("PROFILE/") + key); }
    QColor color(const QString &key) const { return m_file.color(QStringLiteral("PROFILE/") + key); }

private:
    IniFile m_file;
};

// The button page and the button table have room for this many programmable buttons.
constexpr int kMaxProductButtons = 40;
constexpr int kMaxProductDpiStages = 8;
// Milliseconds; a delay unit beyond a second makes no sense for a macro.
constexpr int kMaxMinDelay = 1000;
constexpr int kMaxSleepSetting = 255;

// "BUTTON_INFO" + "_3_Fun" -> BUTTON_INFO_3_Fun
QString indexedKey(const char *block, int index, const char *suffix)
{
    return QLatin1String(block) + QLatin1Char('_') + QString::number(index) + QLatin1Char('_') + QLatin1String(suffix);
}

// The lighting blocks carry their own slashes: LedMode/LED_MODE_2_RGB
QString ledKey(int index, const char *suffix)
{
    return QStringLiteral("LedMode/LED_MODE_") + QString::number(index) + QLatin1Char('_') + QLatin1String(suffix);
}

int readMatrix(const char *suffix, uint8_t out[16])
{
    if (!productFileExists())
        return -1;
    ProductFile file;
    for (int i = 0; i < 16; ++i)
        out[i] = file.byte(indexedKey("BUTTON_INFO", i, suffix));
    return 0;
}

} // namespace

int productButtonCount()
{
    ProductFile file;
    const int count = file.integer(QStringLiteral("ButtonCount"), 0) ^ file.integer(QStringLiteral("MouseDpi"), 0);
    return qBound(0, count, kMaxProductButtons);
}

int productDpiStageCount()
{
    ProductFile file;
    const int count = file.integer(QStringLiteral("ButtonCount"), 0) ^ file.integer(QStringLiteral("MouseDpi"), 0)
        ^ file.integer(QStringLiteral("DPICount"), 0);
    return qBound(0, count, kMaxProductDpiStages);
}

int productDisableMacro() { return ProductFile().integer(QStringLiteral("DisableMacro"), 0); }
int productShowSleep() { return ProductFile().integer(QStringLiteral("ShowSleep"), 1); }
int productScrollRev() { return ProductFile().integer(QStringLiteral("ScrollRev"), 0); }
int productMinDelay() { return ProductFile().bounded(QStringLiteral("MinDelay"), 10, 1, kMaxMinDelay); }
int productWideDpiRange() { return ProductFile().integer(QStringLiteral("33254"), 0); }
int productColorMode() { return ProductFile().integer(QStringLiteral("ColorMode"), 0); }
int productLedDisable() { return ProductFile().integer(QStringLiteral("ledDisable"), 0); }
int productSyncMode() { return ProductFile().integer(QStringLiteral("SyncMode"), 0); }
int productFrenchLanguage() { return ProductFile().integer(QStringLiteral("french"), -1); }
int productShowMouseButton() { return ProductFile().integer(QStringLiteral("showMouseButton"), 1); }
QString productVersion() { return ProductFile().text(QStringLiteral("Version")); }
QString productName() { return ProductFile().text(QStringLiteral("ProductName")); }

void productSleepRange(int *minimum, int *maximum)
{
    ProductFile file;
    if (minimum)
        *minimum = file.bounded(QStringLiteral("SleepMin"), 1, 0, kMaxSleepSetting);
    if (maximum)
        *maximum = file.bounded(QStringLiteral("SleepMax"), 9, 0, kMaxSleepSetting);
}

int productSensorDefaults(uint8_t out[7])
{
    if (!productFileExists())
        return -1;
    static const char *const keys[7] = {"lift", "angle", "butondelay", "jitter", "wake", "sensormode", "sync"};
    ProductFile file;
    for (int i = 0; i < 7; ++i)
        out[i] = file.byte(QLatin1String(keys[i]));
    return 0;
}

int productDeviceButtonMatrix(uint8_t out[16])
{
    return readMatrix("Matrix", out);
}

int productPageButtonMatrix(uint8_t out[16])
{
    if (readMatrix("Matrix2", out) != 0)
        return -1;
    return productButtonCount();
}

int productProfileTemplate(ProductProfileTemplate *out)
{
    if (!out || !productFileExists())
        return -1;
    ProductFile file;
    out->dpi = file.byte(QStringLiteral("dpi"));
    out->pollrate = file.byte(QStringLiteral("pollrate"));
    out->LedMode = file.byte(QStringLiteral("LedMode"));
    for (int i = 0; i < 8; ++i)
        out->dpiXY[i] = file.integer(indexedKey("DPI_INFO", i, "xy"), 0);
    for (int i = 0; i < 16; ++i) {
        ProductButtonTemplate &b = out->buttons[i];
        b.Fun = file.integer(indexedKey("BUTTON_INFO", i, "Fun"), 0);
        b.LoopNumber = file.integer(indexedKey("BUTTON_INFO", i, "LoopNumber"), 0);
        b.KeyNumber = file.integer(indexedKey("BUTTON_INFO", i, "KeyNumber"), 0);
        b.Res1 = file.byte(indexedKey("BUTTON_INFO", i, "Res1"));
        b.Res2 = file.byte(indexedKey("BUTTON_INFO", i, "Res2"));
        b.Res3 = file.byte(indexedKey("BUTTON_INFO", i, "Res3"));
        b.Res4 = file.byte(indexedKey("BUTTON_INFO", i, "Res4"));
    }
    for (int i = 0; i < 14; ++i) {
        out->leds[i].RGB = file.color(ledKey(i, "RGB"));
        out->leds[i].bright = file.integer(ledKey(i, "bright"), 0);
        out->leds[i].breath = file.integer(ledKey(i, "breath"), 0);
    }
    return 0;
}

ProductSnapshot readProductSnapshot()
{
    ProductSnapshot product;
    product.sensorModel = readSensorModel();
    product.syncMode = productSyncMode();
    product.scrollReversed = productScrollRev() == 1;
    product.buttonCount = productButtonCount();
    productDeviceButtonMatrix(product.buttonMatrix);
    return product;
}
