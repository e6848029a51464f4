#include "device/button_table.h"
#include "device/device_log.h"

#include "device/dpi_encoding.h"
#include "device/function_codes.h"
#include "store/function_catalogue.h"
#include "store/key_table.h"
#include "store/product_definition.h"

#include <algorithm>
#include <cstring>

namespace {

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

bool playsMacro(const ButtonSlot &slot)
{
    return slot.Fun == ButtonFunction::Macro || slot.Fun == ButtonFunction::GunFile;
}

} // namespace

int buttonEntryFor(int position, const ProductSnapshot &product)
{
    if (position == kWheelUpEntry || position == kWheelDownEntry) {
        if (product.scrollReversed)
            return position == kWheelUpEntry ? kWheelDownEntry : kWheelUpEntry;
        return position;
    }
    if (position < 0 || position >= kButtonEntryCount)
        return -1;
    const int target = product.buttonMatrix[position];
    return target < kButtonEntryCount ? target : -1;
}

void encodeButtonBytes(const ButtonSlot &slot, int sensorId, uint8_t out[4], uint8_t macroIndex)
{
    const ButtonEntryBytes table = functionEntryBytes(slot.Fun);
    std::memcpy(out, table.b, 4);
    switch (slot.Fun) {
    case ButtonFunction::Macro:
    case ButtonFunction::GunFile: {
        const uint8_t loopMode = slot.Res1;
        const bool repeats = loopMode == MacroLoopWhileHeld || loopMode == MacroLoopUntilPressedAgain;
        out[1] = static_cast<uint8_t>(macroIndex | (loopMode == MacroLoopWhileHeld ? 0x80 : 0)
                                      | (loopMode == MacroLoopUntilPressedAgain ? 0x40 : 0));
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

ButtonTable encodeButtonTable(const ProfileData &profile, const ProductSnapshot &product)
{
    ButtonTable table;
    auto encode = [&](const ButtonSlot &slot, int position) {
        const int target = buttonEntryFor(position, product);
        if (target < 0) {
            qCDebug(lcDevice, "button position %d has no entry, not sent\n", position);
            return;
        }
        int index = 0;
        if (playsMacro(slot)) {
            index = table.macros.indexOf(slot.macroname);
            if (index < 0) {
                index = table.macros.size();
                table.macros.append(slot.macroname);
            }
        }
        encodeButtonBytes(slot, product.sensorModel, table.entries[target], static_cast<uint8_t>(index));
    };
    // A product claiming more buttons than the 16 entries hold sends the first 16.
    const int buttons = std::clamp(product.buttonCount, 0, kButtonEntryCount);
    for (int i = 0; i < buttons; ++i)
        encode(profile.buttons[i], i);
    encode(profile.buttons[kWheelUpSlot], kWheelUpEntry);
    encode(profile.buttons[kWheelDownSlot], kWheelDownEntry);
    return table;
}

std::array<Packet, 3> buttonTablePackets(const ButtonTable &table)
{
    const uint8_t *entries = &table.entries[0][0];
    return {configPacket(0x07, entries, 28), configPacket(0x08, entries + 4 * 7, 28),
            configPacket(0x09, entries + 4 * 14, 8)};
}
