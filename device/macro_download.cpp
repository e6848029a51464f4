#include "device/macro_download.h"
#include "device/device_log.h"

#include "device/command_set.h"
#include "device/hid_exchange.h"
#include "device/packet.h"
#include "store/function_catalogue.h"

#include <algorithm>
#include <cstring>

namespace {

MacroIndexMap g_macroIndexMap;
uint8_t g_slotImages[kMacroSlotCount][kMacroSlotSize];

constexpr MacroEvent kUnitDelay{kMacroDelay, 0, 1}; // map 6, DataL 1, DataH 0
constexpr int kEventsPerDelay = 4;
constexpr int kImagingPauseMs = 50;

bool hasDelayEvent(const MacroEvent *events, int count)
{
    for (int i = 0; i < count; ++i) {
        if (events[i].map == kMacroDelay)
            return true;
    }
    return false;
}

void putEvent(uint8_t *at, const MacroEvent &e)
{
    at[0] = e.map;
    at[1] = e.dataL;
    at[2] = e.dataH;
}

bool usesMacro(const ButtonSlot &slot)
{
    return slot.Fun == ButtonFunction::Macro || slot.Fun == ButtonFunction::GunFile;
}

} // namespace

const MacroIndexMap &macroIndexMap() { return g_macroIndexMap; }
void clearMacroIndexMap() { g_macroIndexMap.clear(); }

uint8_t AssignMacroIndex(const QString &name)
{
    if (g_macroIndexMap.empty()) {
        g_macroIndexMap[0] = name;
        return 0;
    }
    for (const auto &entry : g_macroIndexMap) {
        if (entry.second == name)
            return entry.first;
    }
    const auto index = static_cast<uint8_t>(g_macroIndexMap.size());
    g_macroIndexMap[index] = name;
    return index;
}

int macroImageLength(const MacroEvent *events, int count)
{
    if (count >= 1 && hasDelayEvent(events, count))
        return 3 * count;
    const int n = std::max(count, 0);
    return 3 * (n + n / kEventsPerDelay + 2);
}

void BuildMacroImage(const MacroEvent *events, int count, int slot)
{
    if (slot < 0 || slot >= kMacroSlotCount)
        return;
    const int n = std::clamp(count, 0, kMacroEventLimit);
    // 63 events with their inserted delays need 16 blocks of 15 bytes.
    uint8_t layout[16 * 15] = {};
    int length = 0;
    if (n >= 1 && hasDelayEvent(events, n)) {
        for (int i = 0; i < n; ++i)
            putEvent(layout + 3 * i, events[i]);
        length = 3 * n;
    } else {
        const int groups = n / kEventsPerDelay;
        for (int block = 0; block <= groups; ++block) {
            uint8_t *at = layout + 15 * block;
            for (int e = 0; e < kEventsPerDelay; ++e) {
                const int index = kEventsPerDelay * block + e;
                if (index < n)
                    putEvent(at + 3 * e, events[index]);
            }
            putEvent(at + 12, kUnitDelay);
        }
        putEvent(layout + 3 * (n + groups), kUnitDelay);
        length = 3 * (n + groups + 2);
    }
    std::memset(g_slotImages[slot], 0, kMacroSlotSize);
    std::memcpy(g_slotImages[slot], layout, std::min(length, kMacroImageLimit));
}

const uint8_t *macroSlotImage(int slot)
{
    return slot >= 0 && slot < kMacroSlotCount ? g_slotImages[slot] : nullptr;
}

uint8_t SendMacros(const DeviceSettings &settings)
{
    std::memset(g_slotImages, 0, sizeof g_slotImages);
    bool scanning = true;
    for (int p = 0; p < kProfileCount && scanning; ++p) {
        for (int b = 0; b < kButtonSlotCount; ++b) {
            const ButtonSlot &slot = settings.profiles[p].buttons[b];
            if (!usesMacro(slot))
                continue;
            if (g_macroIndexMap.empty()) {
                scanning = false;
                break;
            }
            auto found = std::find_if(g_macroIndexMap.begin(), g_macroIndexMap.end(),
                                      [&](const auto &entry) { return entry.second == slot.macroname; });
            if (found == g_macroIndexMap.end())
                continue;
            if (found->first >= kMacroSlotCount) {
                qCDebug(lcDevice, "iIndex>=MAX_MACRO_NUMBER_560\n");
                return ExchangeOk;
            }
            // One event more than a macro may hold is enough to tell that it is too long.
            QVector<MacroEvent> events = readMacroEvents(slot.macroname, kMacroEventLimit + 1);
            if (events.size() > kMacroEventLimit
                || macroImageLength(events.constData(), events.size()) > kMacroImageLimit) {
                // Cut short, a macro could press a key it never releases: send it empty.
                qCDebug(lcDevice, "macro does not fit a slot, sent empty: %s\n", qPrintable(slot.macroname));
                events.clear();
            }
            BuildMacroImage(events.constData(), events.size(), found->first);
            exchangeIo().sleepMs(kImagingPauseMs);
            g_macroIndexMap.erase(found);
        }
    }
    for (int k = 0; k < kMacroSlotCount; ++k) {
        const uint8_t *image = g_slotImages[k];
        if (std::all_of(image, image + 5, [](uint8_t b) { return b == 0; }))
            continue;
        for (int j = 0; j < 8; ++j) {
            const Packet packet = configPacket(static_cast<uint8_t>(0x10 + 9 * k + j), image + 30 * j, 30);
            if (const uint8_t status = SendCommand(packet.data(), kPacketLength))
                return status;
        }
        const Packet last = configPacket(static_cast<uint8_t>(0x18 + 9 * k), image + 240, 16);
        if (const uint8_t status = SendCommand(last.data(), kPacketLength))
            return status;
    }
    return ExchangeOk;
}
