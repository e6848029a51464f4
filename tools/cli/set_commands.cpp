// `set` and `get`: every setting the window edits, from the command line, on the same records
// and with the same rules, so that a setting changed here is the one the window would store.
#include "tools/cli/set_commands.h"

#include "tools/cli/cli_arguments.h"
#include "tools/cli/cli_commands.h"
#include "tools/cli/cli_exit_codes.h"
#include "tools/cli/cli_output.h"

#include "platform/pointer_speed.h"
#include "store/app_paths.h"
#include "store/button_assignment.h"
#include "store/config_file.h"
#include "store/device_settings.h"
#include "store/dpi_scale.h"
#include "store/function_catalogue.h"
#include "store/key_table.h"
#include "store/language_config.h"
#include "store/lighting_effects.h"
#include "store/macro_files.h"
#include "store/product_definition.h"
#include "store/profile_files.h"
#include "store/settings_lock.h"
#include "store/report_rates.h"
#include "store/sensor_ranges.h"

#include <QColor>
#include <QRegularExpression>

#include <limits>

namespace {

constexpr int kFirstButtonSlot = 0;
constexpr int kByteMin = 1;
constexpr int kByteMax = 255;
constexpr int kScrollMin = 1;
constexpr int kScrollMax = 20;
constexpr int kPointerSpeedMin = 1;
constexpr int kPointerSpeedMax = 20;
// Loop modes of a macro or gun-file button.
constexpr int kLoopTimes = 0;
constexpr int kLoopWhileHeld = 1;
constexpr int kLoopToggle = 2;

// The settings being edited and what went wrong. A refusal is one sentence and an exit status.
struct Edit {
    DeviceSettings &settings;
    QString setting;       // its name, as the table lists it
    int slot;              // profile slot 0..4 the profile settings belong to
    QStringList notes;     // said on success ("1650 DPI became 1700 DPI ...")
    QString refusal;
    int exitCode = CliExit::Success;
    bool storedAlready = false; // a configuration option written by the setting itself

    ProfileData &profile() { return settings.profiles[slot]; }
    ProfileData &lighting() { return settings.profiles[lightingSlot(slot, readCurrentProductName())]; }

    bool refuse(const QString &sentence, int code = CliExit::BadFile)
    {
        refusal = sentence;
        exitCode = code;
        return false;
    }
    bool usage(const QString &sentence) { return refuse(sentence, CliExit::Usage); }
};

enum class Scope { Device, Profile, Lighting };

using SetFunction = bool (*)(Edit &, const QStringList &);
// Returns the value as `set` takes it; a refusal leaves it empty.
using GetFunction = QString (*)(Edit &, const QStringList &);

struct SettingInfo {
    const char *name;
    Scope scope;
    SetFunction set;
    GetFunction get;
};

// ---- words ----

// Decimal digits with an optional '-' and nothing else (toInt would also take blanks and '+').
// A number too large for an int is held at the int's limit, so that it is refused as out of
// range rather than as not a number.
bool number(const QString &word, int *value)
{
    static const QRegularExpression decimal(QStringLiteral("^-?[0-9]+$"));
    if (!decimal.match(word).hasMatch())
        return false;
    bool ok = false;
    *value = word.toInt(&ok, 10);
    if (!ok)
        *value = word.startsWith(QLatin1Char('-')) ? std::numeric_limits<int>::min() : std::numeric_limits<int>::max();
    return true;
}

bool numberIn(Edit &edit, const QString &word, int minimum, int maximum, const char *what, int *value)
{
    if (!number(word, value))
        return edit.usage(QStringLiteral("The %1 must be a number, not '%2'.").arg(QLatin1String(what), echoed(word)));
    if (*value < minimum || *value > maximum)
        return edit.refuse(QStringLiteral("The %1 %2 is out of range; it must be %3 to %4.")
                               .arg(QLatin1String(what), echoed(word), QString::number(minimum), QString::number(maximum)));
    return true;
}

bool onOff(Edit &edit, const QString &word, const char *what, bool *on)
{
    if (word.compare(QLatin1String("on"), Qt::CaseInsensitive) == 0)
        *on = true;
    else if (word.compare(QLatin1String("off"), Qt::CaseInsensitive) == 0)
        *on = false;
    else
        return edit.usage(QStringLiteral("%1 is on or off, not '%2'.").arg(QLatin1String(what), echoed(word)));
    return true;
}

QString onOffText(bool on)
{
    return on ? QStringLiteral("on") : QStringLiteral("off");
}

bool argumentCount(Edit &edit, const QStringList &args, int count, const char *form)
{
    if (args.size() == count)
        return true;
    return edit.usage(QStringLiteral("Expected: %1.").arg(QLatin1String(form)));
}

// Effect names are compared without letter case, with '-' and '_' standing for spaces.
QString folded(QString text)
{
    text = text.toLower();
    text.replace(QLatin1Char('_'), QLatin1Char(' '));
    text.replace(QLatin1Char('-'), QLatin1Char(' '));
    return text.simplified();
}

// ---- DPI ----

bool stageNumber(Edit &edit, const QString &word, int *stage)
{
    const int count = dpiStagesOffered();
    int value = 0;
    if (!number(word, &value))
        return edit.usage(QStringLiteral("The stage must be a number, not '%1'.").arg(echoed(word)));
    if (value < 1 || value > count)
        return edit.refuse(QStringLiteral("There is no stage %1; this mouse has stages 1 to %2.").arg(echoed(word), QString::number(count)));
    *stage = value - 1;
    return true;
}

bool currentSensorRange(Edit &edit, int *sensor, SensorRange *range)
{
    *sensor = readSensorModel();
    if (!sensorRange(*sensor, readCurrentProductName(), productWideDpiRange(), range))
        return edit.refuse(QStringLiteral("The sensor model %1 has no known DPI range, so no DPI value can be set.").arg(*sensor));
    return true;
}

// A DPI value as the sensor's nearest code; says so when the value changes on the way.
bool dpiCode(Edit &edit, const QString &word, int sensor, const SensorRange &range, uint32_t *code)
{
    int dpi = 0;
    if (!number(word, &dpi))
        return edit.usage(QStringLiteral("A DPI value must be a number, not '%1'.").arg(echoed(word)));
    if (dpi < range.minimumDpi || dpi > range.maximumDpi)
        return edit.refuse(QStringLiteral("%1 DPI is out of range; this sensor takes %2 to %3 DPI.")
                               .arg(echoed(word), QString::number(range.minimumDpi), QString::number(range.maximumDpi)));
    const int nearest = nearestDpiCode(dpi, sensor, range.minimumCode, range.maximumCode);
    const int became = dpiFromCode(nearest, sensor);
    if (became != dpi)
        edit.notes << QStringLiteral("%1 DPI became %2 DPI, the nearest value the sensor takes.").arg(QString::number(dpi), QString::number(became));
    *code = uint32_t(nearest);
    return true;
}

bool setDpi(Edit &edit, const QStringList &args)
{
    if (args.size() < 2)
        return edit.usage(QStringLiteral("Expected: dpi STAGE X[,Y] | on | off | link | unlink."));
    int index = 0;
    if (!stageNumber(edit, args[0], &index))
        return false;
    DpiStage &stage = edit.profile().dpiStages[index];
    int sensor = 0;
    SensorRange range;
    const bool knownSensor = sensorRange(readSensorModel(), readCurrentProductName(), productWideDpiRange(), &range);
    // Switches first, so that "unlink 1600,800" and "1600,800 unlink" say the same. Each pair
    // once: "on off" asks for two things.
    QStringList values;
    QString enabling;
    QString linking;
    for (const QString &word : args.mid(1)) {
        const QString w = word.toLower();
        const bool enableWord = w == QLatin1String("on") || w == QLatin1String("off");
        const bool linkWord = w == QLatin1String("link") || w == QLatin1String("unlink");
        QString &given = enableWord ? enabling : linking;
        if ((enableWord || linkWord) && given == w)
            return edit.usage(QStringLiteral("'%1' is given twice.").arg(w));
        if ((enableWord || linkWord) && !given.isEmpty())
            return edit.usage(QStringLiteral("A stage is either %1, not both.")
                                  .arg(enableWord ? QStringLiteral("on or off") : QStringLiteral("linked or unlinked")));
        if (enableWord || linkWord)
            given = w;
        if (enableWord) {
            stage.used = w == QLatin1String("on") ? 1 : 0;
        } else if (w == QLatin1String("link")) {
            stage.link = 1;
        } else if (w == QLatin1String("unlink")) {
            if (!knownSensor || !range.separateXY)
                return edit.refuse(QStringLiteral("This mouse's sensor takes one value for X and Y; its stages stay linked."));
            stage.link = 0;
        } else {
            values << word;
        }
    }
    if (values.size() > 1)
        return edit.usage(QStringLiteral("A stage takes one value, X or X,Y; '%1' is one too many.").arg(echoed(values[1])));
    if (values.isEmpty())
        return true;
    if (!currentSensorRange(edit, &sensor, &range))
        return false;
    const QStringList xy = values[0].split(QLatin1Char(','));
    if (xy.size() > 2)
        return edit.usage(QStringLiteral("A DPI value is X or X,Y, not '%1'.").arg(echoed(values[0])));
    uint32_t x = 0;
    uint32_t y = 0;
    if (!dpiCode(edit, xy[0], sensor, range, &x))
        return false;
    y = x;
    if (xy.size() == 2 && !dpiCode(edit, xy[1], sensor, range, &y))
        return false;
    if (x != y && !range.separateXY)
        return edit.refuse(QStringLiteral("This mouse's sensor takes one value for X and Y."));
    if (x != y && stage.link)
        return edit.refuse(QStringLiteral("Stage %1 has X and Y linked; unlink it to give them different values (set dpi %1 unlink X,Y).")
                               .arg(index + 1));
    // As the sliders store them; xy keeps the value it had.
    stage.x = x;
    stage.y = y;
    return true;
}

QString getDpi(Edit &edit, const QStringList &args)
{
    int index = 0;
    if (!argumentCount(edit, args, 1, "get dpi STAGE") || !stageNumber(edit, args[0], &index))
        return QString();
    const DpiStage &stage = edit.profile().dpiStages[index];
    const int sensor = readSensorModel();
    const int x = dpiFromCode(int(stage.x), sensor);
    const int y = dpiFromCode(int(stage.y), sensor);
    QString text = x == y ? QString::number(x) : QStringLiteral("%1,%2").arg(QString::number(x), QString::number(y));
    text += QLatin1Char(' ') + onOffText(stage.used != 0);
    SensorRange range;
    if (sensorRange(sensor, readCurrentProductName(), productWideDpiRange(), &range) && range.separateXY)
        text += stage.link ? QStringLiteral(" link") : QStringLiteral(" unlink");
    return text;
}

bool setStage(Edit &edit, const QStringList &args)
{
    int index = 0;
    if (!argumentCount(edit, args, 1, "stage STAGE") || !stageNumber(edit, args[0], &index))
        return false;
    edit.profile().dpi = uint8_t(index);
    return true;
}

QString getStage(Edit &edit, const QStringList &args)
{
    if (!argumentCount(edit, args, 0, "get stage"))
        return QString();
    return QString::number(edit.profile().dpi + 1);
}

// ---- rate and sensor options ----

bool setRate(Edit &edit, const QStringList &args)
{
    int hz = 0;
    if (!argumentCount(edit, args, 1, "rate 125|250|500|1000"))
        return false;
    if (!number(args[0], &hz))
        return edit.usage(QStringLiteral("The report rate must be a number, not '%1'.").arg(echoed(args[0])));
    const int code = reportRateCodeForHz(hz);
    if (!code)
        return edit.refuse(QStringLiteral("The report rate %1 Hz is not offered; it must be 125, 250, 500 or 1000.").arg(echoed(args[0])));
    edit.profile().pollrate = uint8_t(code);
    return true;
}

QString getRate(Edit &edit, const QStringList &args)
{
    if (!argumentCount(edit, args, 0, "get rate"))
        return QString();
    const int hz = reportRateHz(edit.profile().pollrate);
    if (!hz)
        edit.refuse(QStringLiteral("The stored report-rate code %1 is none of 125, 250, 500 or 1000 Hz.").arg(edit.profile().pollrate));
    return hz ? QString::number(hz) : QString();
}

bool setLift(Edit &edit, const QStringList &args)
{
    int lift = 0;
    if (!argumentCount(edit, args, 1, "lift 1|2") || !numberIn(edit, args[0], 1, 2, "lift-off distance", &lift))
        return false;
    edit.settings.LiftHigh = uint8_t(lift);
    return true;
}

QString getLift(Edit &edit, const QStringList &args)
{
    // Anything but 1 shows as 2 mm in the window.
    return argumentCount(edit, args, 0, "get lift") ? QString::number(edit.settings.LiftHigh == 1 ? 1 : 2) : QString();
}

// The on/off options: where each is kept and whether "on" is stored as 0.
struct Switch {
    const char *name;
    uint8_t DeviceSettings::*field;
    bool onIsZero;
};

constexpr Switch kSwitches[] = {
    {"sync", &DeviceSettings::Sync, false},
    {"angle-snapping", &DeviceSettings::AngleValue, true},
    {"jitter", &DeviceSettings::Jitter, true},
};

const Switch &switchNamed(const QString &name)
{
    for (const Switch &s : kSwitches) {
        if (name == QLatin1String(s.name))
            return s;
    }
    return kSwitches[0];
}

bool setSwitch(Edit &edit, const QStringList &args)
{
    const Switch &option = switchNamed(edit.setting);
    bool on = false;
    const QString form = QLatin1String(option.name) + QStringLiteral(" on|off");
    if (!argumentCount(edit, args, 1, qPrintable(form)) || !onOff(edit, args[0], option.name, &on))
        return false;
    edit.settings.*(option.field) = uint8_t(on != option.onIsZero ? 1 : 0);
    return true;
}

QString getSwitch(Edit &edit, const QStringList &args)
{
    const Switch &option = switchNamed(edit.setting);
    if (!argumentCount(edit, args, 0, option.name))
        return QString();
    const bool nonZero = edit.settings.*(option.field) != 0;
    return onOffText(nonZero != option.onIsZero);
}

bool setDebounce(Edit &edit, const QStringList &args)
{
    int value = 0;
    if (!argumentCount(edit, args, 1, "debounce 1..255") || !numberIn(edit, args[0], kByteMin, kByteMax, "debounce", &value))
        return false;
    edit.settings.Debounce = uint8_t(value);
    return true;
}

QString getDebounce(Edit &edit, const QStringList &args)
{
    return argumentCount(edit, args, 0, "get debounce") ? QString::number(edit.settings.Debounce) : QString();
}

bool setScroll(Edit &edit, const QStringList &args)
{
    int value = 0;
    if (!argumentCount(edit, args, 1, "scroll 1..20") || !numberIn(edit, args[0], kScrollMin, kScrollMax, "scroll speed", &value))
        return false;
    edit.profile().scrollspeed = uint8_t(value);
    return true;
}

QString getScroll(Edit &edit, const QStringList &args)
{
    return argumentCount(edit, args, 0, "get scroll") ? QString::number(edit.profile().scrollspeed) : QString();
}

// A program option kept in Config.ini, not a setting of the mouse: stored at once.
bool setStoredOption(Edit &edit, const QStringList &args, const char *name, bool (*write)(bool), const QString &onNote,
                     const QString &offNote)
{
    bool on = false;
    if (!argumentCount(edit, args, 1, (QByteArray(name) + " on|off").constData()) || !onOff(edit, args[0], name, &on))
        return false;
    if (!write(on))
        return edit.refuse(QStringLiteral("The configuration file %1 could not be written.").arg(configFilePath()), CliExit::CannotSave);
    edit.notes << (on ? onNote : offNote);
    edit.storedAlready = true;
    return true;
}

// Whether a mouse that arrives gets the stored settings.
bool setApplyOnArrival(Edit &edit, const QStringList &args)
{
    return setStoredOption(edit, args, "apply-on-arrival", writeApplyOnArrival,
                           QStringLiteral("The stored settings will be written to a mouse that arrives without them."),
                           QStringLiteral("A mouse that arrives is left as it is."));
}

QString getApplyOnArrival(Edit &edit, const QStringList &args)
{
    return argumentCount(edit, args, 0, "get apply-on-arrival") ? onOffText(readApplyOnArrival()) : QString();
}

// ---- the desktop's pointer speed ----

bool setPointerSpeed(Edit &edit, const QStringList &args)
{
    int value = 0;
    if (!argumentCount(edit, args, 1, "pointer-speed 1..20")
        || !numberIn(edit, args[0], kPointerSpeedMin, kPointerSpeedMax, "pointer speed", &value))
        return false;
    edit.profile().mousespeed = uint8_t(value);
    if (!readDesktopPointerSpeedOption())
        edit.notes << QStringLiteral("The desktop's pointer speed follows the profile only with 'desktop-pointer-speed on'.");
    return true;
}

QString getPointerSpeed(Edit &edit, const QStringList &args)
{
    return argumentCount(edit, args, 0, "get pointer-speed") ? QString::number(storedMouseSpeed(edit.profile().mousespeed)) : QString();
}

// Whether an apply also sets the desktop's pointer speed.
bool setDesktopPointerSpeed(Edit &edit, const QStringList &args)
{
    return setStoredOption(edit, args, "desktop-pointer-speed", writeDesktopPointerSpeedOption,
                           QStringLiteral("Each apply now also sets the desktop's pointer speed to the profile's."),
                           QStringLiteral("The desktop's pointer speed is left as it is."));
}

QString getDesktopPointerSpeed(Edit &edit, const QStringList &args)
{
    return argumentCount(edit, args, 0, "get desktop-pointer-speed") ? onOffText(readDesktopPointerSpeedOption()) : QString();
}

// ---- lighting ----

// The effect named by the longest run of leading words (a menu text or a number 0..11), and
// how many words it took; -1 when none names an effect.
int leadingEffect(const QStringList &words, int *taken)
{
    for (int n = words.size(); n >= 1; --n) {
        const QString name = folded(words.mid(0, n).join(QLatin1Char(' ')));
        for (int i = 0; i < kLedMenuEffectCount; ++i) {
            if (name == folded(QLatin1String(lightingEffectText(i)))) {
                *taken = n;
                return i;
            }
        }
        int index = -1;
        // The word as typed: folding makes "-5" read as "5".
        if (n == 1 && number(words[0], &index) && index >= 0 && index < kLedMenuEffectCount) {
            *taken = 1;
            return index;
        }
    }
    return -1;
}

bool setLed(Edit &edit, const QStringList &args)
{
    if (productLedDisable())
        return edit.refuse(QStringLiteral("This mouse has no lighting to set."));
    if (args.isEmpty())
        return edit.usage(QStringLiteral("Expected: led EFFECT [color RRGGBB] [brightness 1..3] [speed 1..5], led sleep MINUTES or led move-off on|off."));
    ProfileData &profile = edit.lighting();
    const QString first = args[0].toLower();
    if (first == QLatin1String("sleep")) {
        int minimum = 1;
        int maximum = 9;
        productSleepRange(&minimum, &maximum);
        int minutes = 0;
        if (!argumentCount(edit, args, 2, "led sleep MINUTES") || !numberIn(edit, args[1], minimum, maximum, "sleep time", &minutes))
            return false;
        profile.LedSleepTime = uint8_t(minutes);
        return true;
    }
    if (first == QLatin1String("move-off")) {
        bool on = false;
        if (!argumentCount(edit, args, 2, "led move-off on|off") || !onOff(edit, args[1], "move-off", &on))
            return false;
        profile.LedMoveOFF = uint8_t(on ? kLightOffWhileMoving : kLightStaysOn);
        return true;
    }

    int taken = 0;
    const int index = leadingEffect(args, &taken);
    if (index < 0)
        return edit.refuse(QStringLiteral("There is no lighting effect '%1'. See 'zelmouse-cli set --help'.").arg(echoed(args[0])));
    LightingEffectRows effect;
    lightingEffectRows(index, &effect);
    const QString effectName = QLatin1String(lightingEffectText(index));
    LedEffect settings = profile.ledModes[index];
    const QStringList rest = args.mid(taken);
    QStringList given;
    for (int i = 0; i < rest.size(); i += 2) {
        QString key = rest[i].toLower();
        if (key == QLatin1String("colour"))
            key = QStringLiteral("color");
        if (i + 1 >= rest.size())
            return edit.usage(QStringLiteral("'%1' needs a value.").arg(echoed(rest[i])));
        if (given.contains(key))
            return edit.usage(QStringLiteral("'%1' is given twice.").arg(key));
        given << key;
        const QString &value = rest[i + 1];
        if (key == QLatin1String("color") || key == QLatin1String("colour")) {
            if (!effect.colorSwatch)
                return edit.refuse(QStringLiteral("The effect \"%1\" has no colour to set.").arg(effectName));
            const QString hex = value.startsWith(QLatin1Char('#')) ? value.mid(1) : value;
            bool ok = false;
            const uint rgb = hex.toUInt(&ok, 16);
            if (!ok || hex.size() != 6)
                return edit.usage(QStringLiteral("A colour is six hexadecimal digits RRGGBB, not '%1'.").arg(echoed(value)));
            settings.RGB = QColor::fromRgb(QRgb(rgb));
        } else if (key == QLatin1String("brightness")) {
            if (!effect.brightness)
                return edit.refuse(QStringLiteral("The effect \"%1\" has no brightness to set.").arg(effectName));
            if (!numberIn(edit, value, kBrightnessMin, kBrightnessMax, "brightness", &settings.bright))
                return false;
        } else if (key == QLatin1String("speed")) {
            if (!effect.speed)
                return edit.refuse(QStringLiteral("The effect \"%1\" has no speed to set.").arg(effectName));
            if (!numberIn(edit, value, kSpeedMin, kSpeedMax, "speed", &settings.breath))
                return false;
        } else {
            return edit.usage(QStringLiteral("An effect takes color, brightness and speed, not '%1'.").arg(echoed(rest[i])));
        }
    }
    profile.LedMode = uint8_t(index);
    profile.ledModes[index] = settings;
    return true;
}

QString getLed(Edit &edit, const QStringList &args)
{
    const ProfileData &profile = edit.lighting();
    if (args.size() == 1 && args[0].toLower() == QLatin1String("sleep"))
        return QString::number(profile.LedSleepTime);
    if (args.size() == 1 && args[0].toLower() == QLatin1String("move-off"))
        return onOffText(profile.LedMoveOFF == kLightOffWhileMoving);
    if (!args.isEmpty()) {
        edit.usage(QStringLiteral("Expected: get led, get led sleep or get led move-off."));
        return QString();
    }
    LightingEffectRows effect;
    if (!lightingEffectRows(profile.LedMode, &effect))
        return QString::number(profile.LedMode);
    const LedEffect &settings = profile.ledModes[profile.LedMode];
    QString text = QLatin1String(lightingEffectText(profile.LedMode));
    if (effect.colorSwatch && settings.RGB.isValid())
        text += QStringLiteral(" color ") + settings.RGB.name(QColor::HexRgb).mid(1);
    if (effect.brightness)
        text += QStringLiteral(" brightness %1").arg(settings.bright);
    if (effect.speed)
        text += QStringLiteral(" speed %1").arg(settings.breath);
    return text;
}

// ---- buttons ----

bool buttonSlot(Edit &edit, const QString &word, int *slot)
{
    const QString w = word.toLower();
    if (w == QLatin1String("wheel-up")) {
        *slot = kWheelUpSlot;
        return true;
    }
    if (w == QLatin1String("wheel-down")) {
        *slot = kWheelDownSlot;
        return true;
    }
    const QVector<int> numbered = numberedButtonSlots();
    int n = 0;
    if (!number(word, &n))
        return edit.usage(QStringLiteral("A button is a number, wheel-up or wheel-down, not '%1'.").arg(echoed(word)));
    if (n < 1 || n > numbered.size())
        return edit.refuse(QStringLiteral("There is no button %1; this mouse has buttons 1 to %2, wheel-up and wheel-down.")
                               .arg(echoed(word), QString::number(numbered.size())));
    *slot = numbered[n - 1];
    return true;
}

bool keyboardKey(Edit &edit, const QString &name, int *keyCode)
{
    int usage = 0;
    if (!keyCodeNamed(name, *keyCode))
        return edit.refuse(QStringLiteral("There is no key named '%1'.").arg(echoed(name)));
    if (!keyCodeToHidUsage(*keyCode, usage))
        return edit.refuse(QStringLiteral("%1 is a mouse button, not a keyboard key.").arg(keyName(unsigned(*keyCode))));
    return true;
}

// "LCtr+Page Up": at each point the longest key name that ends at a '+' or at the end, so that
// names holding a '+' ("Num +") are found too.
bool comboKeyCodes(Edit &edit, const QString &text, QVector<int> *codes)
{
    QStringList names;
    for (int code : namedKeyCodes())
        names << keyName(unsigned(code));
    int at = 0;
    while (at < text.size()) {
        QString best;
        for (const QString &name : names) {
            const int end = at + name.size();
            if (name.size() > best.size() && text.midRef(at, name.size()).compare(name, Qt::CaseInsensitive) == 0
                && (end == text.size() || text.at(end) == QLatin1Char('+')))
                best = name;
        }
        if (best.isEmpty()) {
            const int plus = text.indexOf(QLatin1Char('+'), at);
            return edit.refuse(QStringLiteral("There is no key named '%1'.").arg(echoed(text.mid(at, plus < 0 ? -1 : plus - at))));
        }
        int code = 0;
        if (!keyboardKey(edit, text.mid(at, best.size()), &code))
            return false;
        codes->append(code);
        at += best.size() + 1;
    }
    return true;
}

// A function that needs no values, named by its catalogue label, on the button's menu.
bool plainFunction(Edit &edit, int slot, const QString &label, int *code)
{
    const FunctionCatalogueEntry *entry = findFunctionLabelled(label);
    if (!entry)
        return edit.refuse(QStringLiteral("There is no button function '%1'. See 'zelmouse-cli set --help'.").arg(echoed(label)));
    switch (entry->data) {
    case FunctionData::KeyCode:
        return edit.usage(QStringLiteral("\"%1\" takes its key: button B key KEY.").arg(label));
    case FunctionData::KeySequence:
        return edit.usage(QStringLiteral("\"%1\" takes its keys: button B combo KEY+KEY.").arg(label));
    case FunctionData::FireKey:
        return edit.usage(QStringLiteral("\"%1\" takes its target: button B fire left|right|middle|KEY TIMES DELAY.").arg(label));
    case FunctionData::SniperValue:
        return edit.usage(QStringLiteral("\"%1\" takes its step: button B sniper STEP.").arg(label));
    case FunctionData::MacroFile:
    case FunctionData::None:
        break;
    }
    const bool wheel = slot == kWheelUpSlot || slot == kWheelDownSlot;
    if (wheel && !entry->inWheelMenu)
        return edit.refuse(QStringLiteral("\"%1\" is not offered for the wheel.").arg(label));
    if (!wheel && entry->menu == FunctionMenu::Wheel)
        return edit.refuse(QStringLiteral("\"%1\" is offered for the wheel only.").arg(label));
    if (entry->code == ButtonFunction::LedSwitch && productLedDisable())
        return edit.refuse(QStringLiteral("This mouse has no lighting to switch."));
    *code = entry->code;
    return true;
}

bool setButton(Edit &edit, const QStringList &args)
{
    if (args.size() < 2)
        return edit.usage(QStringLiteral("Expected: button B FUNCTION [ARGS]."));
    int slotIndex = 0;
    if (!buttonSlot(edit, args[0], &slotIndex))
        return false;
    const bool wheel = slotIndex == kWheelUpSlot || slotIndex == kWheelDownSlot;
    const QString kind = args[1].toLower();
    const QStringList values = args.mid(2);
    ButtonSlot slot = edit.profile().buttons[slotIndex];

    if (kind == QLatin1String("key") || kind == QLatin1String("combo")) {
        if (values.isEmpty())
            return edit.usage(QStringLiteral("Expected: button B %1 KEY%2.").arg(kind, kind == QLatin1String("combo") ? QStringLiteral("+KEY...") : QString()));
        const QString text = values.join(QLatin1Char(' '));
        if (kind == QLatin1String("key")) {
            int code = 0;
            if (!keyboardKey(edit, text, &code))
                return false;
            slot.Fun = ButtonFunction::SingleKey;
            slot.Res1 = uint8_t(code);
        } else {
            QVector<int> codes;
            QVector<uint8_t> ordered;
            QString problem;
            if (!comboKeyCodes(edit, text, &codes))
                return false;
            if (!comboKeyOrder(codes, &ordered, &problem))
                return edit.refuse(problem);
            setComboKeys(slot, ordered.constData(), ordered.size());
            slot.Fun = ButtonFunction::ComboKey;
        }
    } else if (kind == QLatin1String("fire") || kind == QLatin1String("sniper")) {
        if (wheel)
            return edit.refuse(QStringLiteral("The wheel offers no %1 function.").arg(kind));
        if (kind == QLatin1String("sniper")) {
            const SniperSteps steps = sniperSteps(readSensorModel());
            int step = 0;
            if (!argumentCount(edit, values, 1, "button B sniper STEP") || !numberIn(edit, values[0], steps.minimum, steps.maximum, "sniper step", &step))
                return false;
            slot.Fun = ButtonFunction::Sniper;
            slot.Res1 = uint8_t(step);
        } else {
            if (values.size() < 3)
                return edit.usage(QStringLiteral("Expected: button B fire left|right|middle|KEY TIMES DELAY."));
            int times = 0;
            int delay = 0;
            if (!numberIn(edit, values[values.size() - 2], kByteMin, kByteMax, "fire count", &times)
                || !numberIn(edit, values.last(), kByteMin, kByteMax, "fire delay", &delay))
                return false;
            const QString target = values.mid(0, values.size() - 2).join(QLatin1Char(' '));
            const QStringList buttons = {QStringLiteral("left"), QStringLiteral("right"), QStringLiteral("middle")};
            int fireKind = buttons.indexOf(target.toLower());
            int code = 0;
            if (fireKind < 0) {
                fireKind = 3;
                if (!keyboardKey(edit, target, &code))
                    return false;
            }
            slot.Fun = ButtonFunction::FireKey;
            slot.Res1 = fireKeyRes1(fireKind, code);
            slot.LoopNumber = times;
            slot.KeyNumber = delay;
        }
    } else if (kind == QLatin1String("macro") || kind == QLatin1String("gun")) {
        const bool gun = kind == QLatin1String("gun");
        if (wheel)
            return edit.refuse(QStringLiteral("The wheel offers no %1 function.").arg(kind));
        if (productDisableMacro())
            return edit.refuse(QStringLiteral("This mouse takes no macros."));
        if (gun && slotIndex == kFirstButtonSlot)
            return edit.refuse(QStringLiteral("Left Button Can not be Gun Function."));
        QStringList words = values;
        int loops = 1;
        int mode = kLoopTimes;
        if (!words.isEmpty() && words.last().toLower() == QLatin1String("while-held")) {
            mode = kLoopWhileHeld;
            words.removeLast();
        } else if (!words.isEmpty() && words.last().toLower() == QLatin1String("toggle")) {
            mode = kLoopToggle;
            words.removeLast();
        } else if (words.size() >= 2 && words[words.size() - 2].toLower() == QLatin1String("times")) {
            if (!numberIn(edit, words.last(), kByteMin, kByteMax, "loop count", &loops))
                return false;
            words.removeLast();
            words.removeLast();
        }
        const QString name = words.join(QLatin1Char(' '));
        if (name.isEmpty())
            return edit.usage(QStringLiteral("Expected: button B %1 NAME [times N|while-held|toggle].").arg(kind));
        if (!listMacroNames().contains(name))
            return edit.refuse(QStringLiteral("There is no macro named '%1'.").arg(echoed(name)));
        assignMacroFile(slot, gun ? ButtonFunction::GunFile : ButtonFunction::Macro, name, loops, mode);
    } else {
        int code = 0;
        if (!plainFunction(edit, slotIndex, args.mid(1).join(QLatin1Char(' ')), &code))
            return false;
        slot.Fun = code;
    }

    if (!keepsOneClick(edit.profile(), slotIndex, slot.Fun))
        return edit.refuse(QStringLiteral("AT LEAST ONE CLICK FUNCTION TO BE RETAINED."));
    edit.profile().buttons[slotIndex] = slot;
    return true;
}

QString keyNameOfUsage(int usage)
{
    int code = 0;
    return hidUsageToKeyCode(usage, code) ? keyName(unsigned(code)) : QStringLiteral("0x%1").arg(usage, 2, 16, QLatin1Char('0'));
}

QString loopText(const ButtonSlot &slot)
{
    switch (slot.Res1) {
    case kLoopWhileHeld:
        return QStringLiteral("while-held");
    case kLoopToggle:
        return QStringLiteral("toggle");
    default:
        return QStringLiteral("times %1").arg(slot.LoopNumber);
    }
}

QString getButton(Edit &edit, const QStringList &args)
{
    int slotIndex = 0;
    if (!argumentCount(edit, args, 1, "get button B") || !buttonSlot(edit, args[0], &slotIndex))
        return QString();
    const ButtonSlot &slot = edit.profile().buttons[slotIndex];
    switch (slot.Fun) {
    case ButtonFunction::SingleKey:
        return QStringLiteral("key ") + keyName(slot.Res1);
    case ButtonFunction::ComboKey: {
        QStringList keys;
        for (int usage : comboKeyUsages(slot))
            keys << keyNameOfUsage(usage);
        return QStringLiteral("combo ") + keys.join(QLatin1Char('+'));
    }
    case ButtonFunction::FireKey: {
        const QString target = slot.Res1 == 0x82 ? QStringLiteral("right")
                               : slot.Res1 == 0x84 ? QStringLiteral("middle")
                               : slot.Res1 == 0x81 || slot.Res1 == 0 ? QStringLiteral("left")
                                                                      : keyNameOfUsage(slot.Res1);
        return QStringLiteral("fire %1 %2 %3").arg(target, QString::number(slot.LoopNumber), QString::number(slot.KeyNumber));
    }
    case ButtonFunction::Sniper:
        return QStringLiteral("sniper %1").arg(slot.Res1);
    case ButtonFunction::Macro:
    case ButtonFunction::GunFile:
        return QStringLiteral("%1 %2 %3")
            .arg(slot.Fun == ButtonFunction::Macro ? QStringLiteral("macro") : QStringLiteral("gun"), slot.macroname, loopText(slot));
    default:
        break;
    }
    const QString label = functionLabel(slot.Fun);
    return label.isEmpty() ? QStringLiteral("none") : label;
}

// ---- the table ----

const SettingInfo kSettings[] = {
    {"dpi", Scope::Profile, setDpi, getDpi},
    {"stage", Scope::Profile, setStage, getStage},
    {"rate", Scope::Profile, setRate, getRate},
    {"lift", Scope::Device, setLift, getLift},
    {"sync", Scope::Device, setSwitch, getSwitch},
    {"angle-snapping", Scope::Device, setSwitch, getSwitch},
    {"jitter", Scope::Device, setSwitch, getSwitch},
    {"debounce", Scope::Device, setDebounce, getDebounce},
    {"scroll", Scope::Profile, setScroll, getScroll},
    {"led", Scope::Lighting, setLed, getLed},
    {"button", Scope::Profile, setButton, getButton},
    {"apply-on-arrival", Scope::Device, setApplyOnArrival, getApplyOnArrival},
    {"pointer-speed", Scope::Profile, setPointerSpeed, getPointerSpeed},
    {"desktop-pointer-speed", Scope::Device, setDesktopPointerSpeed, getDesktopPointerSpeed},
};

const SettingInfo *settingNamed(const QString &name)
{
    for (const SettingInfo &info : kSettings) {
        if (name.compare(QLatin1String(info.name), Qt::CaseInsensitive) == 0)
            return &info;
    }
    return nullptr;
}

// The setting asked for, its slot and values; with the settings loaded as start-up loads them.
struct Session {
    const SettingInfo *info = nullptr;
    int slot = 0;
    QStringList args;
    int exitCode = CliExit::Success;
};

Session begin(const CliArguments &arguments)
{
    Session s;
    // Key names follow the language the window shows.
    setFrenchKeyNames(productFrenchLanguage(), readLanguageIndex());
    loadAllSettings(appliedSettings);
    currentSettings = appliedSettings;
    s.info = settingNamed(arguments.words.value(0));
    if (!s.info) {
        printError(QStringLiteral("There is no setting '%1'. See 'zelmouse-cli %2 --help'.")
                       .arg(echoed(arguments.words.value(0)), cliCommandName(arguments.command)));
        s.exitCode = CliExit::Usage;
        return s;
    }
    if (arguments.slot > 0 && s.info->scope == Scope::Device) {
        printError(QStringLiteral("'%1' is a setting of the whole mouse, not of a profile slot; leave out --slot.").arg(QLatin1String(s.info->name)));
        s.exitCode = CliExit::Usage;
        return s;
    }
    s.slot = arguments.slot > 0 ? arguments.slot - 1 : currentSettings.ProfileID;
    s.args = arguments.words.mid(1);
    return s;
}

} // namespace

void parseSettingCommand(CliArguments &result, const QStringList &arguments)
{
    const QString command = cliCommandName(result.command);
    bool literal = false;
    for (int i = 0; i < arguments.size(); ++i) {
        const QString &word = arguments[i];
        if (literal) {
            result.words << word;
        } else if (word == QLatin1String("--")) {
            literal = true;
        } else if (word == QLatin1String("-h") || word == QLatin1String("--help")) {
            result.help = true;
            return;
        } else if (word == QLatin1String("--apply") && result.command == CliCommand::Set) {
            if (result.apply) {
                result.error = QStringLiteral("--apply is given more than once.");
                return;
            }
            result.apply = true;
        } else if (word == QLatin1String("--slot") || word.startsWith(QLatin1String("--slot="))) {
            if (result.slot > 0) {
                result.error = QStringLiteral("--slot is given more than once.");
                return;
            }
            QString value;
            if (word.contains(QLatin1Char('=')))
                value = word.section(QLatin1Char('='), 1);
            else if (i + 1 < arguments.size())
                value = arguments[++i];
            bool ok = false;
            const int slot = value.toInt(&ok);
            if (!ok || slot < 1 || slot > kProfileCount) {
                result.error = QStringLiteral("--slot takes a profile slot 1 to 5, not '%1'.").arg(echoed(value));
                return;
            }
            result.slot = slot;
        } else if (word.startsWith(QLatin1String("--"))) {
            result.error = QStringLiteral("Unknown option '%1'. See 'zelmouse-cli %2 --help'.").arg(echoed(word), command);
            return;
        } else {
            result.words << word;
        }
    }
    if (result.words.isEmpty())
        result.error = QStringLiteral("'%1' needs a setting. See 'zelmouse-cli %1 --help'.").arg(command);
    else if (result.command == CliCommand::Set && result.words.size() < 2)
        result.error = QStringLiteral("'set %1' needs a value. See 'zelmouse-cli set --help'.").arg(result.words[0]);
}

int runSetCommand(const CliArguments &arguments)
{
    // Held from the load to the save, so that no other program's save is undone.
    const SettingsLock lock;
    if (!lock.isLocked())
        return reportSettingsBusy();
    const Session s = begin(arguments);
    if (!s.info || s.exitCode != CliExit::Success)
        return s.exitCode;
    Edit edit{currentSettings, QLatin1String(s.info->name), s.slot, {}, {}, CliExit::Success};
    // A profile change needs the slot's file to be kept in.
    const int fileSlot = s.info->scope == Scope::Lighting ? lightingSlot(s.slot, readCurrentProductName()) : s.slot;
    if (const QString problem = configFileReadProblem(); !problem.isEmpty()) {
        printError(QStringLiteral("The configuration file '%1' cannot be read (%2); nothing was changed.").arg(configFilePath(), problem));
        return CliExit::CannotSave;
    }
    if (s.info->scope != Scope::Device && currentSettings.ProfileNames[fileSlot].isEmpty()) {
        printError(QStringLiteral("Profile slot %1 has no profile file, so nothing can be stored for it.").arg(fileSlot + 1));
        return CliExit::CannotSave;
    }
    if (!s.info->set(edit, s.args)) {
        printError(edit.refusal);
        return edit.exitCode;
    }
    for (const QString &note : edit.notes)
        printResult(note);
    if (edit.storedAlready)
        return CliExit::Success;
    if (arguments.apply)
        return sendLoadedSettings(lock, QStringLiteral("Stored and sent to the mouse."));
    return storeLoadedSettings(currentSettings, QStringLiteral("Stored; the next apply sends it to the mouse."));
}

int runGetCommand(const CliArguments &arguments)
{
    const Session s = begin(arguments);
    if (!s.info || s.exitCode != CliExit::Success)
        return s.exitCode;
    Edit edit{currentSettings, QLatin1String(s.info->name), s.slot, {}, {}, CliExit::Success};
    const QString value = s.info->get(edit, s.args);
    if (!edit.refusal.isEmpty()) {
        printError(edit.refusal);
        return edit.exitCode;
    }
    printResult(value);
    return CliExit::Success;
}

QStringList settingNames()
{
    QStringList names;
    for (const SettingInfo &info : kSettings)
        names << QLatin1String(info.name);
    return names;
}

QStringList buttonFunctionWords()
{
    QStringList words = {QStringLiteral("key"), QStringLiteral("combo"), QStringLiteral("fire"),
                         QStringLiteral("sniper"), QStringLiteral("macro"), QStringLiteral("gun")};
    for (const FunctionCatalogueEntry &entry : functionCatalogue()) {
        if (entry.data == FunctionData::None)
            words << QLatin1String(entry.label);
    }
    return words;
}

QStringList keyNameWords()
{
    QStringList words;
    for (int code : namedKeyCodes()) {
        int usage = 0;
        if (!keyCodeToHidUsage(code, usage))
            continue; // the mouse buttons: no key function takes them
        for (bool french : {false, true}) {
            const QString name = keyName(unsigned(code), french);
            if (!words.contains(name))
                words << name;
        }
    }
    return words;
}

QStringList lightingEffectWords()
{
    QStringList words;
    for (int position = 0; position < kLedMenuEffectCount; ++position)
        words << QLatin1String(lightingEffectText(lightingMenuEffect(position)));
    return words;
}
