#pragma once
#include <array>
#include <cstdint>
#include <initializer_list>

// One output report as handed to SendCommand: byte 0 the report id (always 0), bytes 1 to
// 32 the command.
constexpr int kPacketLength = 33;
using Packet = std::array<uint8_t, kPacketLength>;

// Complement of the low byte of the sum of the first min(n, 31) bytes.
uint8_t PacketChecksum(const uint8_t *bytes, int n);

// A configuration packet: byte 1 the command code, the payload from byte 2 on (at most 30
// bytes; more is cut), byte 32 the checksum of bytes 1 to 31.
Packet configPacket(uint8_t code, const uint8_t *payload, int payloadLength);
Packet configPacket(uint8_t code, std::initializer_list<uint8_t> payload = {});

// A profile-select family packet: 0x05 0x00 0xFA, the command at byte 4, its parameters from
// byte 5 on; no checksum.
Packet profileSelectPacket(uint8_t command, std::initializer_list<uint8_t> parameters);

// The status request: 0x0A 0xAA 0xFF 0xDD, checksum of bytes 0 to 29 in byte 32.
Packet statusRequestPacket();
