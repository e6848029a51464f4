#include "device/write_plan.h"
#include "device/device_log.h"

#include "device/button_table.h"
#include "device/command_set.h"
#include "device/hid_exchange.h"
#include "store/product_definition.h"

namespace {

constexpr int kImagingPauseMs = 50;

template <typename Packets>
void append(std::vector<Packet> &to, const Packets &packets)
{
    to.insert(to.end(), std::begin(packets), std::end(packets));
}

uint8_t send(const Packet &packet)
{
    return SendCommand(packet.data(), kPacketLength);
}

} // namespace

WritePlan planWrite(const DeviceSettings &previous, const DeviceSettings &next, const ProductSnapshot &product,
                    const QHash<QString, MacroImage> &macroImages)
{
    WritePlan plan;
    plan.previousPair = rateAndLightingPackets(previous, product);
    std::vector<Packet> &packets = plan.packets;
    packets.push_back(writeMarkerPacket(WriteMarker::Begin));
    append(packets, rateAndLightingPackets(next, product));
    const ButtonTable table = encodeButtonTable(next.profiles[0], product);
    append(packets, buttonTablePackets(table));
    append(packets, dpiStagePackets(next, product));
    if (table.macros.size() > kMacroSlotCount) {
        qCDebug(lcDevice, "iIndex>=MAX_MACRO_NUMBER_560\n");
    } else if (!table.macros.isEmpty()) {
        std::vector<MacroImage> images;
        for (const QString &name : table.macros)
            images.push_back(macroImages.value(name, macroImage(nullptr, 0)));
        plan.macroStart = int(packets.size());
        plan.imagedMacros = table.macros.size();
        append(packets, macroSlotPackets(images));
    }
    packets.push_back(writeMarkerPacket(WriteMarker::End));
    return plan;
}

uint8_t sendWritePlan(const WritePlan &plan, const std::function<void(int sent, int total)> &sent)
{
    if (send(plan.previousPair[0]) == ExchangeOk)
        send(plan.previousPair[1]);
    const int total = int(plan.packets.size());
    for (int i = 0; i < total; ++i) {
        for (int m = 0; i == plan.macroStart && m < plan.imagedMacros; ++m)
            exchangeIo().sleepMs(kImagingPauseMs);
        if (const uint8_t status = send(plan.packets[size_t(i)]))
            return status;
        if (sent)
            sent(i + 1, total);
    }
    return ExchangeOk;
}
