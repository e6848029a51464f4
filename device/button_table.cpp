#include "device/button_table.h"
#include "device/device_log.h"

#include "device/command_set.h"
#include "device/dpi_encoding.h"
#include "device/function_codes.h"
#include "device/hid_exchange.h"
#include "device/macro_download.h"
#include "device/packet.h"
#include "store/config_file.h"
#include "store/function_catalogue.h"
#include "store/key_table.h"
#include "store/product_definition.h"

#include <algorithm>
#include <cstring>

namespace {

// Two header bytes (0x0A, 0x00, never sent) and 16 entries.
uint8_t g_staging[2 + 4 * kButtonEntryCount] = {0x0A, 0x00};

uint8_t *entry(int index) { return g_staging + 2 + 4 * index; }

constexpr int kWheelUpSlot = 40;
constexpr int kWheelDownSlot = 41;
constexpr int kWheelUpPosition = 14;
constexpr int kWheelDownPosition = 15;

// Scan codes of the modifier keys and the bit each adds to a combo's mask.
int modifierBit(int scanCode)
{
    switch (scanCode) {
    case 29: case 238: return 1; // Ctrl
    case 42: case 54: return 2;  // Shift
    case 56: case 239: return 4; // Alt
    case 91: case 92: return 8;  // Windows
    default: return 0;
    }
}

void encodeComboKey(const ButtonSlot &slot, uint8_t out[4])
{
    // Five keys, each as a press and a release event: every modifier is counted twice.
    int sum = 0;
    uint8_t key = 0;
    for (int i = 0; i < 10; ++i) {
        const int usage = slot.KeyInfo[i].map;
        if (usage == 0)
            continue;
        int scanCode = 0;
        hidUsageToKeyCode(usage, scanCode);
        if (const int bit = modifierBit(scanCode))
            sum += bit;
        else
            key = static_cast<uint8_t>(usage);
    }
    out[0] = 0x8F;
    out[1] = static_cast<uint8_t>(sum / 2);
    out[2] = key;
    out[3] = 0;
}

} // namespace

ButtonTableLayout currentButtonTableLayout()
{
    ButtonTableLayout layout;
    layout.scrollReversed = productScrollRev() == 1;
    // The matrix as start-up read it (loadAllSettings).
    std::copy(std::begin(deviceButtonMatrix), std::end(deviceButtonMatrix), layout.matrix);
    layout.sensorId = readSensorModel();
    return layout;
}

int stagingEntryFor(int position, const ButtonTableLayout &layout)
{
    if (position == kWheelUpPosition || position == kWheelDownPosition) {
        if (layout.scrollReversed)
            return position == kWheelUpPosition ? kWheelDownPosition : kWheelUpPosition;
        return position;
    }
    if (position < 0 || position >= kButtonEntryCount)
        return -1;
    const int target = layout.matrix[position];
    return target < kButtonEntryCount ? target : -1;
}

void encodeButtonBytes(ButtonSlot &slot, int sensorId, uint8_t out[4])
{
    const ButtonEntryBytes table = functionEntryBytes(slot.Fun);
    std::memcpy(out, table.b, 4);
    switch (slot.Fun) {
    case ButtonFunction::Macro:
    case ButtonFunction::GunFile: {
        const uint8_t index = AssignMacroIndex(slot.macroname);
        slot.Res4 = index;
        const uint8_t loopMode = slot.Res1;
        out[1] = static_cast<uint8_t>(index | (loopMode == 1 ? 0x80 : 0) | (loopMode == 2 ? 0x40 : 0));
        const bool repeats = loopMode == 1 || loopMode == 2;
        out[2] = repeats ? 0xFF : static_cast<uint8_t>(slot.LoopNumber & 0xFF);
        out[3] = repeats ? 0xFF : static_cast<uint8_t>((slot.LoopNumber >> 8) & 0xFF);
        break;
    }
    case ButtonFunction::SingleKey: {
        int usage = 0;
        keyCodeToHidUsage(slot.Res1, usage);
        out[0] = 0x90;
        out[1] = 0;
        out[2] = static_cast<uint8_t>(usage);
        out[3] = 0;
        break;
    }
    case ButtonFunction::ComboKey:
        encodeComboKey(slot, out);
        break;
    case ButtonFunction::FireKey:
        out[0] = 0x99;
        if (slot.Res1 == 0) {
            out[1] = 0x81;
            out[2] = 3;
            out[3] = 0;
        } else {
            out[1] = slot.Res1;
            out[2] = static_cast<uint8_t>(slot.LoopNumber & 0xFF);
            out[3] = static_cast<uint8_t>(slot.KeyNumber / 10);
        }
        break;
    case ButtonFunction::Sniper: {
        const uint8_t code = sniperCode(sensorId, slot.Res1);
        out[0] = 0x9A;
        out[1] = 1;
        out[2] = code;
        out[3] = code;
        break;
    }
    default:
        break;
    }
}

void EncodeButtonEntry(ButtonSlot &slot, int position, const ButtonTableLayout &layout)
{
    const int target = stagingEntryFor(position, layout);
    if (target < 0) {
        qCDebug(lcDevice, "button position %d has no entry, not sent\n", position);
        return;
    }
    encodeButtonBytes(slot, layout.sensorId, entry(target));
}

void EncodeButtonEntry(ButtonSlot &slot, int position)
{
    EncodeButtonEntry(slot, position, currentButtonTableLayout());
}

uint8_t SendButtonTable(DeviceSettings &settings)
{
    clearMacroIndexMap();
    const ButtonTableLayout layout = currentButtonTableLayout();
    ProfileData &profile = settings.profiles[0];
    // Positions 14 and 15 are the wheel's; a product claiming more buttons than the 16
    // entries hold sends the first 16.
    const int buttons = std::clamp(productButtonCount(), 0, kButtonEntryCount);
    for (int i = 0; i < buttons; ++i)
        EncodeButtonEntry(profile.buttons[i], i, layout);
    EncodeButtonEntry(profile.buttons[kWheelUpSlot], kWheelUpPosition, layout);
    EncodeButtonEntry(profile.buttons[kWheelDownSlot], kWheelDownPosition, layout);

    if (const uint8_t status = SendCommand(configPacket(0x07, entry(0), 28).data(), kPacketLength))
        return status;
    if (const uint8_t status = SendCommand(configPacket(0x08, entry(7), 28).data(), kPacketLength))
        return status;
    return SendCommand(configPacket(0x09, entry(14), 8).data(), kPacketLength);
}

const uint8_t *stagedButtonEntry(int index)
{
    return index >= 0 && index < kButtonEntryCount ? entry(index) : nullptr;
}
