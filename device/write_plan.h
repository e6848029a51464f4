#pragma once
#include "device/macro_download.h"
#include "device/packet.h"
#include "store/device_settings.h"

#include <QHash>
#include <array>
#include <functional>
#include <vector>

struct ProductSnapshot;

// One write to the mouse, planned from what it needs and nothing else, then sent.
struct WritePlan {
    // The rate-and-lighting pair of the previous write (all zero before the first), which the
    // mouse hears once more first; its outcome does not count.
    std::array<Packet, 2> previousPair;
    // Begin marker, rate and lighting, button table, DPI stages, macro slots, end marker: the
    // first that fails ends the write.
    std::vector<Packet> packets;
    // Before the first packet after the DPI stages the mouse is given the pause it always had
    // while the macros were imaged: 50 ms for each.
    int macroStart = -1;
    int imagedMacros = 0;
};

// Everything is encoded from profile slot 0 and the device-wide options. `previous` is the
// copy the last write sent; `macroImages` the images of the macros `next` plays
// (loadMacroImages), a macro without one is sent as one of no events. More than 12 macros in
// use send no macro slot at all.
WritePlan planWrite(const DeviceSettings &previous, const DeviceSettings &next, const ProductSnapshot &product,
                    const QHash<QString, MacroImage> &macroImages);

// Sends the plan with the echo check on the open vendor interface; `sent` hears after each
// packet of the write proper how many of how many have gone. The first failing status, or 0.
uint8_t sendWritePlan(const WritePlan &plan, const std::function<void(int sent, int total)> &sent = {});
