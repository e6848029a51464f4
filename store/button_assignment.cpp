#include "store/button_assignment.h"

#include "store/device_settings.h"
#include "store/dpi_scale.h"
#include "store/function_catalogue.h"
#include "store/key_table.h"
#include "store/macro_files.h"
#include "store/product_definition.h"
#include "store/sensor_ranges.h"

#include <cstring>
#include <memory>

namespace {

constexpr uint8_t kComboCode = 0x05;
constexpr uint8_t kComboPress = 0x80;
constexpr int kMaxComboKeys = 5;

// Opens room at `position` and puts the key's press and release there, so that keys inserted
// one after another nest: A, B, C give A down, B down, C down, C up, B up, A up.
void insertComboKey(ButtonSlot &slot, int position, uint8_t usage)
{
    for (int i = kKeyInfoCount - 1; i >= position + 2; --i)
        slot.KeyInfo[i] = slot.KeyInfo[i - 2];
    slot.KeyInfo[position] = {usage, kComboCode, kComboPress};
    slot.KeyInfo[position + 1] = {usage, kComboCode, 0};
}

struct SniperRule {
    int sensor;
    SniperSteps steps;
};

constexpr SniperRule kSniperRules[] = {
    {3104, {14, 26, 14}}, {3212, {16, 32, 16}}, {3389, {2, 20, 6}}, {3325, {1, 10, 3}},
    {3327, {1, 10, 3}},   {3333, {2, 10, 3}},   {3335, {1, 10, 3}}, {3360, {1, 10, 3}},
};

} // namespace

bool keepsOneClick(const ProfileData &profile, int slotIndex, int newFun)
{
    if (slotIndex < 0 || slotIndex >= kButtonSlotCount)
        return true;
    if (profile.buttons[slotIndex].Fun != ButtonFunction::Left || newFun == ButtonFunction::Left)
        return true;
    for (int i = 0; i < kButtonSlotCount; ++i) {
        if (i != slotIndex && profile.buttons[i].Fun == ButtonFunction::Left)
            return true;
    }
    return false;
}

void setComboKeys(ButtonSlot &slot, const uint8_t *keyCodes, int count)
{
    std::memset(static_cast<void *>(slot.KeyInfo), 0, sizeof slot.KeyInfo);
    const int keys = qMin(count, kMaxComboKeys);
    for (int k = 0; k < keys; ++k) {
        int usage = 0;
        keyCodeToHidUsage(keyCodes[k], usage);
        insertComboKey(slot, k, static_cast<uint8_t>(usage));
    }
}

uint8_t fireKeyRes1(int kind, int keyCode)
{
    switch (kind) {
    case 0: return 0x81;
    case 1: return 0x82;
    case 2: return 0x84;
    default: break;
    }
    int usage = 0;
    keyCodeToHidUsage(keyCode, usage);
    return static_cast<uint8_t>(usage);
}

QVector<MacroUse> macroUses(const DeviceSettings &settings, const QString &name)
{
    QVector<MacroUse> uses;
    for (int p = 0; p < kProfileCount; ++p) {
        for (int b = 0; b < kButtonSlotCount; ++b) {
            const ButtonSlot &slot = settings.profiles[p].buttons[b];
            if ((slot.Fun == ButtonFunction::Macro || slot.Fun == ButtonFunction::GunFile) && slot.macroname == name)
                uses.append(MacroUse{p, b});
        }
    }
    return uses;
}

void releaseMacro(DeviceSettings &settings, const QString &name)
{
    const QVector<MacroUse> uses = macroUses(settings, name);
    if (uses.isEmpty())
        return;
    auto factory = std::make_unique<ProfileData>();
    resetProfile(*factory);
    for (const MacroUse &use : uses)
        settings.profiles[use.profile].buttons[use.slot] = factory->buttons[use.slot];
}

void assignMacroFile(ButtonSlot &slot, int fun, const QString &name, int loopCount, int loopMode)
{
    slot.Fun = fun;
    slot.LoopNumber = loopCount;
    slot.Res1 = static_cast<uint8_t>(loopMode);
    slot.macroname = name;
    const QVector<MacroEvent> events = readMacroEvents(name, kKeyInfoCount);
    slot.KeyNumber = events.size();
    for (int j = 0; j < events.size(); ++j)
        slot.KeyInfo[j] = {events[j].map, events[j].dataL, events[j].dataH};
}

SniperSteps sniperSteps(int sensorModel)
{
    for (const SniperRule &rule : kSniperRules) {
        if (rule.sensor == sensorModel)
            return rule.steps;
    }
    // Other sensors: the codes their DPI stages take, starting in the middle.
    // No product name: the sniper takes a 3327's full range whatever the product.
    SensorRange codes;
    if (sensorRange(sensorModel, QString(), productWideDpiRange(), &codes))
        return {codes.minimumCode, codes.maximumCode, (codes.minimumCode + codes.maximumCode) / 2};
    return {1, 10, 5};
}

int validSniperStep(int step, int sensorModel)
{
    const SniperSteps steps = sniperSteps(sensorModel);
    return step < steps.minimum || step > steps.maximum ? steps.fallback : step;
}

QVector<int> numberedButtonSlots()
{
    // The page has room for 20 numbered buttons; the matrix covers the first 16.
    constexpr int kNumberedRoom = 20;
    constexpr int kMatrixSize = 16;
    uint8_t matrix[kMatrixSize] = {};
    const bool hasMatrix = productPageButtonMatrix(matrix) >= 0;
    const int count = productButtonCount();
    QVector<int> slots;
    for (int i = 0; i < kNumberedRoom && i < count; ++i) {
        if (!(hasMatrix && i < kMatrixSize && matrix[i] == 0xFF))
            slots.append(i);
    }
    return slots;
}

namespace {

// Left and right key codes of the four modifiers, in the order a combo stores them.
constexpr uint8_t kModifierKeys[4][2] = {{42, 54}, {29, 238}, {91, 92}, {56, 239}};

int modifierOf(int keyCode)
{
    for (int m = 0; m < 4; ++m) {
        if (kModifierKeys[m][0] == keyCode || kModifierKeys[m][1] == keyCode)
            return m;
    }
    return -1;
}

} // namespace

bool comboKeyOrder(const QVector<int> &keyCodes, QVector<uint8_t> *ordered, QString *problem)
{
    bool modifiers[4] = {};
    int plainKey = -1;
    const auto refuse = [problem](const QString &sentence) {
        if (problem)
            *problem = sentence;
        return false;
    };
    for (int keyCode : keyCodes) {
        int usage = 0;
        if (!keyCodeToHidUsage(keyCode, usage))
            return refuse(QStringLiteral("%1 is not a keyboard key.").arg(keyName(unsigned(keyCode))));
        const int m = modifierOf(keyCode);
        if (m >= 0) {
            if (modifiers[m])
                return refuse(QStringLiteral("%1 is given twice; a combo holds each of Shift, Ctrl, Win and Alt once.")
                                  .arg(keyName(unsigned(keyCode))));
            modifiers[m] = true;
        } else {
            if (plainKey >= 0)
                return refuse(QStringLiteral("A combo holds one key besides Shift, Ctrl, Win and Alt, not both %1 and %2.")
                                  .arg(keyName(unsigned(plainKey)), keyName(unsigned(keyCode))));
            plainKey = keyCode;
        }
    }
    if (keyCodes.isEmpty())
        return refuse(QStringLiteral("A combo needs at least one key."));
    QVector<uint8_t> result;
    for (int m = 0; m < 4; ++m) {
        if (modifiers[m])
            result.append(kModifierKeys[m][0]);
    }
    if (plainKey >= 0)
        result.append(uint8_t(plainKey));
    if (ordered)
        *ordered = result;
    return true;
}
