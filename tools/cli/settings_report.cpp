#include "tools/cli/settings_report.h"

#include "store/button_assignment.h"
#include "store/config_file.h"
#include "store/device_settings.h"
#include "store/dpi_scale.h"
#include "store/function_catalogue.h"
#include "store/key_table.h"
#include "store/macro_files.h"
#include "store/product_definition.h"
#include "store/profile_files.h"

#include <QJsonArray>
#include <QJsonValue>

namespace {


QString keyNameOfCode(int keyCode)
{
    const QString name = keyName(static_cast<unsigned>(keyCode), false);
    return name.isEmpty() ? QStringLiteral("key 0x%1").arg(keyCode, 2, 16, QLatin1Char('0')) : name;
}

// The keys a combo presses, in press order.
QJsonArray comboKeys(const ButtonSlot &slot)
{
    QJsonArray keys;
    for (int usage : comboKeyUsages(slot))
        keys.append(keyNameOfUsage(usage, false));
    return keys;
}

QString fireTarget(uint8_t res1)
{
    switch (res1) {
    case 0x81:
        return QStringLiteral("Left Button");
    case 0x82:
        return QStringLiteral("Right Button");
    case 0x84:
        return QStringLiteral("Middle Button");
    case 0:
        return QString();
    default:
        return keyNameOfUsage(res1, false);
    }
}

QString loopModeName(uint8_t mode)
{
    switch (mode) {
    case MacroLoopCount:
        return QStringLiteral("times");
    case MacroLoopWhileHeld:
        return QStringLiteral("while held");
    case MacroLoopUntilPressedAgain:
        return QStringLiteral("until pressed again");
    default:
        return QStringLiteral("mode %1").arg(mode);
    }
}

QJsonObject buttonJson(const ButtonSlot &slot, int index, const QString &button)
{
    QJsonObject json;
    json.insert(QStringLiteral("index"), index);
    json.insert(QStringLiteral("button"), button);
    json.insert(QStringLiteral("code"), slot.Fun);
    json.insert(QStringLiteral("function"), buttonFunctionText(slot.Fun, slot.macroname));
    const FunctionCatalogueEntry *entry = findFunction(slot.Fun);
    switch (entry ? entry->data : FunctionData::None) {
    case FunctionData::KeyCode:
        json.insert(QStringLiteral("key"), keyNameOfCode(slot.Res1));
        break;
    case FunctionData::KeySequence:
        json.insert(QStringLiteral("keys"), comboKeys(slot));
        break;
    case FunctionData::FireKey:
        json.insert(QStringLiteral("fire"), fireTarget(slot.Res1));
        json.insert(QStringLiteral("times"), slot.LoopNumber);
        json.insert(QStringLiteral("delay"), slot.KeyNumber);
        break;
    case FunctionData::SniperValue:
        json.insert(QStringLiteral("sniper"), slot.Res1);
        break;
    case FunctionData::MacroFile:
        json.insert(QStringLiteral("macro"), slot.macroname);
        json.insert(QStringLiteral("loopMode"), loopModeName(slot.Res1));
        json.insert(QStringLiteral("loops"), slot.LoopNumber);
        break;
    case FunctionData::None:
        break;
    }
    return json;
}

QJsonValue colorJson(const QColor &color)
{
    return color.isValid() ? QJsonValue(color.name(QColor::HexRgb)) : QJsonValue();
}

QJsonObject lightingJson(const ProfileData &profile)
{
    QJsonArray effects;
    for (int i = 0; i < kLedEffectCount; ++i) {
        const LedEffect &effect = profile.ledModes[i];
        effects.append(QJsonObject{
            {QStringLiteral("effect"), i},
            {QStringLiteral("color"), colorJson(effect.RGB)},
            {QStringLiteral("brightness"), effect.bright},
            {QStringLiteral("speed"), effect.breath},
        });
    }
    return QJsonObject{
        {QStringLiteral("effect"), profile.LedMode},
        {QStringLiteral("sleepTime"), profile.LedSleepTime},
        // The window's "MOVE TO LIGHT OFF" box is checked exactly when the stored value is 0.
        {QStringLiteral("lightOffWhileMoving"), profile.LedMoveOFF == 0},
        {QStringLiteral("effects"), effects},
    };
}

QJsonObject dpiJson(const ProfileData &profile, int sensorModel, int stageCount)
{
    // As the DPI page: the product's stages, all eight when the product file names no count.
    if (stageCount < 1 || stageCount > kDpiStageCount)
        stageCount = kDpiStageCount;
    QJsonArray stages;
    for (int i = 0; i < stageCount; ++i) {
        const DpiStage &stage = profile.dpiStages[i];
        stages.append(QJsonObject{
            {QStringLiteral("stage"), i + 1},
            {QStringLiteral("enabled"), stage.used != 0},
            {QStringLiteral("linked"), stage.link != 0},
            {QStringLiteral("code"), QJsonObject{{QStringLiteral("xy"), qint64(stage.xy)},
                                                 {QStringLiteral("x"), qint64(stage.x)},
                                                 {QStringLiteral("y"), qint64(stage.y)}}},
            {QStringLiteral("dpi"), QJsonObject{{QStringLiteral("x"), dpiFromCode(int(stage.x), sensorModel)},
                                                {QStringLiteral("y"), dpiFromCode(int(stage.y), sensorModel)}}},
        });
    }
    return QJsonObject{
        {QStringLiteral("activeStage"), qMin<int>(profile.dpi, stageCount - 1) + 1},
        {QStringLiteral("stageCount"), stageCount},
        {QStringLiteral("stages"), stages},
    };
}

QJsonArray buttonsJson(const ProfileData &profile, int buttonCount)
{
    QJsonArray buttons;
    // Numbered as the button page numbers them, which skips the positions the product hides.
    const QVector<int> numbered = numberedButtonSlots();
    for (int n = 0; n < numbered.size() && n < buttonCount; ++n)
        buttons.append(buttonJson(profile.buttons[numbered[n]], numbered[n], QString::number(n + 1)));
    buttons.append(buttonJson(profile.buttons[kWheelUpSlot], kWheelUpSlot, QStringLiteral("wheel up")));
    buttons.append(buttonJson(profile.buttons[kWheelDownSlot], kWheelDownSlot, QStringLiteral("wheel down")));
    return buttons;
}

// ---- text rendering ----

QString yesNo(bool value)
{
    return value ? QStringLiteral("yes") : QStringLiteral("no");
}

QString stageDpiText(const QJsonObject &stage)
{
    const QJsonObject dpi = stage.value(QStringLiteral("dpi")).toObject();
    const QJsonObject code = stage.value(QStringLiteral("code")).toObject();
    const int x = dpi.value(QStringLiteral("x")).toInt();
    const int y = dpi.value(QStringLiteral("y")).toInt();
    const qint64 cx = code.value(QStringLiteral("x")).toVariant().toLongLong();
    const qint64 cy = code.value(QStringLiteral("y")).toVariant().toLongLong();
    if (cx == cy)
        return QStringLiteral("%1 DPI (code %2)").arg(QString::number(x), QString::number(cx));
    return QStringLiteral("%1 x %2 DPI (codes %3, %4)")
        .arg(QString::number(x), QString::number(y), QString::number(cx), QString::number(cy));
}

QString buttonText(const QJsonObject &button)
{
    QString text = button.value(QStringLiteral("function")).toString();
    const int code = button.value(QStringLiteral("code")).toInt();
    if (text.isEmpty())
        text = QStringLiteral("(none)");
    QStringList details;
    if (button.contains(QStringLiteral("key")))
        details << button.value(QStringLiteral("key")).toString();
    if (button.contains(QStringLiteral("keys"))) {
        QStringList keys;
        for (const QJsonValue &key : button.value(QStringLiteral("keys")).toArray())
            keys << key.toString();
        details << keys.join(QLatin1String(" + "));
    }
    if (button.contains(QStringLiteral("fire"))) {
        const QString target = button.value(QStringLiteral("fire")).toString();
        details << QStringLiteral("%1, %2 times, delay %3")
                       .arg(target.isEmpty() ? QStringLiteral("no target") : target,
                            QString::number(button.value(QStringLiteral("times")).toInt()),
                            QString::number(button.value(QStringLiteral("delay")).toInt()));
    }
    if (button.contains(QStringLiteral("sniper")))
        details << QStringLiteral("value %1").arg(button.value(QStringLiteral("sniper")).toInt());
    if (button.contains(QStringLiteral("macro"))) {
        const QString mode = button.value(QStringLiteral("loopMode")).toString();
        details << (code == ButtonFunction::GunFile ? QStringLiteral("gun file") : QStringLiteral("macro"));
        details << (mode == QLatin1String("times")
                        ? QStringLiteral("%1 times").arg(button.value(QStringLiteral("loops")).toInt())
                        : mode);
    }
    if (!details.isEmpty())
        text += QStringLiteral(" (%1)").arg(details.join(QLatin1String(", ")));
    return QStringLiteral("%1 [code %2]").arg(text, QString::number(code));
}

} // namespace

SettingsReportInput gatherSettingsReport(DeviceSettings &settings)
{
    loadAllSettings(settings);
    SettingsReportInput input;
    input.settings = &settings;
    input.productName = readCurrentProductName();
    input.modelText = readModelText();
    input.sensorModel = readSensorModel();
    input.applyFailed = readApplyFailedFlag() != 0;
    input.buttonCount = productButtonCount();
    input.dpiStageCount = productDpiStageCount();
    input.macroNames = listMacroNames();
    return input;
}

QJsonObject settingsReportJson(const SettingsReportInput &input)
{
    const DeviceSettings &settings = *input.settings;
    const int activeSlot = settings.ProfileID < kProfileCount ? settings.ProfileID : 0;
    const ProfileData &profile = settings.profiles[activeSlot];

    QJsonArray slotList;
    for (int i = 0; i < kProfileCount; ++i) {
        slotList.append(QJsonObject{
            {QStringLiteral("slot"), i + 1},
            {QStringLiteral("name"), settings.ProfileNames[i]},
            {QStringLiteral("active"), i == activeSlot},
        });
    }

    const int hz = reportRateHz(profile.pollrate);
    QJsonObject active{
        {QStringLiteral("slot"), activeSlot + 1},
        {QStringLiteral("name"), settings.ProfileNames[activeSlot]},
        {QStringLiteral("reportRate"), QJsonObject{{QStringLiteral("code"), profile.pollrate},
                                                   {QStringLiteral("hz"), hz ? QJsonValue(hz) : QJsonValue()}}},
        {QStringLiteral("dpi"), dpiJson(profile, input.sensorModel, input.dpiStageCount)},
        {QStringLiteral("lighting"), lightingJson(profile)},
        {QStringLiteral("buttons"), buttonsJson(profile, input.buttonCount)},
    };

    return QJsonObject{
        {QStringLiteral("format"), 1},
        {QStringLiteral("product"), input.productName},
        {QStringLiteral("model"), input.modelText},
        {QStringLiteral("sensor"), input.sensorModel},
        {QStringLiteral("applyFailed"), input.applyFailed},
        {QStringLiteral("activeSlot"), activeSlot + 1},
        {QStringLiteral("deviceOptions"), QJsonObject{
                                              {QStringLiteral("angleSnapping"), settings.AngleValue},
                                              {QStringLiteral("liftOff"), settings.LiftHigh},
                                              {QStringLiteral("motionSync"), settings.Sync},
                                              {QStringLiteral("jitter"), settings.Jitter},
                                              {QStringLiteral("debounce"), settings.Debounce},
                                              {QStringLiteral("wake"), settings.Wake},
                                              {QStringLiteral("sensorMode"), settings.SensorMode},
                                              {QStringLiteral("count"), settings.Count},
                                          }},
        {QStringLiteral("slots"), slotList},
        {QStringLiteral("activeProfile"), active},
        {QStringLiteral("macros"), QJsonArray::fromStringList(input.macroNames)},
    };
}

QString settingsReportText(const QJsonObject &report)
{
    QString out;
    const auto line = [&out](const QString &text) { out += text + QLatin1Char('\n'); };
    const auto str = [](const QJsonObject &o, const char *key) { return o.value(QLatin1String(key)).toString(); };
    const auto num = [](const QJsonObject &o, const char *key) { return o.value(QLatin1String(key)).toInt(); };

    line(QStringLiteral("Product: %1").arg(str(report, "product").isEmpty() ? QStringLiteral("(none)") : str(report, "product")));
    if (!str(report, "model").isEmpty())
        line(QStringLiteral("Model: %1").arg(str(report, "model")));
    line(QStringLiteral("Sensor: %1").arg(num(report, "sensor")));
    if (report.value(QStringLiteral("applyFailed")).toBool())
        line(QStringLiteral("Last apply: failed; the mouse may not hold these settings"));

    const QJsonObject options = report.value(QStringLiteral("deviceOptions")).toObject();
    line(QString());
    line(QStringLiteral("Device options:"));
    const struct {
        const char *key;
        const char *label;
    } optionRows[] = {
        {"angleSnapping", "Angle snapping"}, {"liftOff", "Lift-off distance"}, {"motionSync", "Motion sync"},
        {"jitter", "Jitter filter"},         {"debounce", "Debounce"},         {"wake", "Wake"},
        {"sensorMode", "Sensor mode"},       {"count", "Count"},
    };
    for (const auto &row : optionRows)
        line(QStringLiteral("  %1 %2").arg((QLatin1String(row.label) + QLatin1Char(':')).leftJustified(19),
                                             QString::number(num(options, row.key))));

    line(QString());
    line(QStringLiteral("Profile slots:"));
    for (const QJsonValue &value : report.value(QStringLiteral("slots")).toArray()) {
        const QJsonObject slot = value.toObject();
        const QString name = str(slot, "name");
        line(QStringLiteral("%1 %2  %3")
                 .arg(slot.value(QStringLiteral("active")).toBool() ? QStringLiteral(" *") : QStringLiteral("  "),
                      QString::number(num(slot, "slot")), name.isEmpty() ? QStringLiteral("(no name)") : name));
    }

    const QJsonObject profile = report.value(QStringLiteral("activeProfile")).toObject();
    line(QString());
    line(QStringLiteral("Active profile: slot %1 %2").arg(QString::number(num(profile, "slot")), str(profile, "name").isEmpty() ? QStringLiteral("(no name)") : QLatin1Char('"') + str(profile, "name") + QLatin1Char('"')));
    const QJsonObject rate = profile.value(QStringLiteral("reportRate")).toObject();
    if (rate.value(QStringLiteral("hz")).isNull())
        line(QStringLiteral("  Report rate: unknown (code %1)").arg(num(rate, "code")));
    else
        line(QStringLiteral("  Report rate: %1 Hz").arg(num(rate, "hz")));

    const QJsonObject dpi = profile.value(QStringLiteral("dpi")).toObject();
    line(QStringLiteral("  DPI stages (active: %1):").arg(num(dpi, "activeStage")));
    for (const QJsonValue &value : dpi.value(QStringLiteral("stages")).toArray()) {
        const QJsonObject stage = value.toObject();
        const bool isActive = num(stage, "stage") == num(dpi, "activeStage");
        line(QStringLiteral("  %1 %2  %3  %4")
                 .arg(isActive ? QStringLiteral(" *") : QStringLiteral("  "), QString::number(num(stage, "stage")),
                      stage.value(QStringLiteral("enabled")).toBool() ? QStringLiteral("on ") : QStringLiteral("off"),
                      stageDpiText(stage)));
    }

    const QJsonObject lighting = profile.value(QStringLiteral("lighting")).toObject();
    const int effectIndex = num(lighting, "effect");
    QString effectText = QStringLiteral("effect %1").arg(effectIndex);
    const QJsonArray effects = lighting.value(QStringLiteral("effects")).toArray();
    if (effectIndex >= 0 && effectIndex < effects.size()) {
        const QJsonObject effect = effects.at(effectIndex).toObject();
        const QString color = str(effect, "color");
        effectText += QStringLiteral(", colour %1, brightness %2, speed %3")
                          .arg(color.isEmpty() ? QStringLiteral("(none)") : color,
                               QString::number(num(effect, "brightness")), QString::number(num(effect, "speed")));
    }
    line(QStringLiteral("  Lighting: %1").arg(effectText));
    line(QStringLiteral("  Sleep time: %1").arg(num(lighting, "sleepTime")));
    line(QStringLiteral("  Light off while moving: %1").arg(yesNo(lighting.value(QStringLiteral("lightOffWhileMoving")).toBool())));

    line(QStringLiteral("  Buttons:"));
    for (const QJsonValue &value : profile.value(QStringLiteral("buttons")).toArray()) {
        const QJsonObject button = value.toObject();
        line(QStringLiteral("    %1 %2").arg((str(button, "button") + QLatin1Char(':')).leftJustified(11), buttonText(button)));
    }

    line(QString());
    const QJsonArray macros = report.value(QStringLiteral("macros")).toArray();
    if (macros.isEmpty()) {
        line(QStringLiteral("Macros: none"));
    } else {
        line(QStringLiteral("Macros:"));
        for (const QJsonValue &macro : macros)
            line(QStringLiteral("  %1").arg(macro.toString()));
    }
    return out;
}
