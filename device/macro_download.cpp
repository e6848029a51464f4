#include "device/macro_download.h"
#include "device/device_log.h"

#include "store/function_catalogue.h"

#include <algorithm>
#include <cstring>

namespace {

constexpr MacroEvent kUnitDelay{kMacroDelay, 0, 1}; // map 6, DataL 1, DataH 0
constexpr int kEventsPerDelay = 4;

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

} // namespace

int macroImageLength(const MacroEvent *events, int count)
{
    if (count >= 1 && hasDelayEvent(events, count))
        return 3 * count;
    const int n = std::max(count, 0);
    return 3 * (n + n / kEventsPerDelay + 2);
}

MacroImage macroImage(const MacroEvent *events, int count)
{
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
    MacroImage image{};
    std::memcpy(image.data(), layout, std::min(length, kMacroImageLimit));
    return image;
}

QHash<QString, MacroImage> loadMacroImages(const ProfileData &profile)
{
    QHash<QString, MacroImage> images;
    for (const ButtonSlot &slot : profile.buttons) {
        if ((slot.Fun != ButtonFunction::Macro && slot.Fun != ButtonFunction::GunFile) || images.contains(slot.macroname))
            continue;
        // One event more than a macro may hold is enough to tell that it is too long.
        QVector<MacroEvent> events = readMacroEvents(slot.macroname, kMacroEventLimit + 1);
        if (events.size() > kMacroEventLimit || macroImageLength(events.constData(), events.size()) > kMacroImageLimit) {
            qCDebug(lcDevice, "macro does not fit a slot, sent empty: %s\n", qPrintable(slot.macroname));
            events.clear();
        }
        images.insert(slot.macroname, macroImage(events.constData(), events.size()));
    }
    return images;
}

std::vector<Packet> macroSlotPackets(const std::vector<MacroImage> &images)
{
    std::vector<Packet> packets;
    const int count = std::min(int(images.size()), kMacroSlotCount);
    for (int k = 0; k < count; ++k) {
        const uint8_t *image = images[size_t(k)].data();
        if (std::all_of(image, image + 5, [](uint8_t b) { return b == 0; }))
            continue;
        for (int j = 0; j < 8; ++j)
            packets.push_back(configPacket(static_cast<uint8_t>(0x10 + 9 * k + j), image + 30 * j, 30));
        packets.push_back(configPacket(static_cast<uint8_t>(0x18 + 9 * k), image + 240, 16));
    }
    return packets;
}
