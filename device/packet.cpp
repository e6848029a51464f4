#include "device/packet.h"

#include <algorithm>
#include <cstring>

uint8_t PacketChecksum(const uint8_t *bytes, int n)
{
    unsigned sum = 0;
    const int count = std::clamp(n, 0, 31);
    for (int i = 0; i < count; ++i)
        sum += bytes[i];
    return static_cast<uint8_t>(~sum & 0xFF);
}

Packet configPacket(uint8_t code, const uint8_t *payload, int payloadLength)
{
    Packet p{};
    p[1] = code;
    const int length = std::clamp(payloadLength, 0, 30);
    if (length > 0)
        std::memcpy(&p[2], payload, length);
    p[32] = PacketChecksum(&p[1], 31);
    return p;
}

Packet configPacket(uint8_t code, std::initializer_list<uint8_t> payload)
{
    return configPacket(code, payload.begin(), static_cast<int>(payload.size()));
}

Packet profileSelectPacket(uint8_t command, std::initializer_list<uint8_t> parameters)
{
    Packet p{};
    p[1] = 0x05;
    p[2] = 0x00;
    p[3] = 0xFA;
    p[4] = command;
    int i = 5;
    for (uint8_t value : parameters) {
        if (i > 31)
            break;
        p[i++] = value;
    }
    return p;
}

Packet statusRequestPacket()
{
    Packet p{};
    p[1] = 0x0A;
    p[2] = 0xAA;
    p[3] = 0xFF;
    p[4] = 0xDD;
    p[32] = PacketChecksum(&p[0], 30);
    return p;
}
