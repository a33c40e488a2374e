#pragma once
// The 12-byte envelope in front of every message the client sends.
#include <cstdint>
#include <span>
#include <vector>

namespace net {

enum class EnvelopeKind : uint32_t {
    Lobby = 1,     // lobby requests 11, 14, 16, 26, 31
    LobbyList = 2, // lobby request 21
    Room = 4,      // every message to a room server
};

enum class Channel : uint8_t {
    Room = 1, // a room-level message record
    Desk = 2, // desk bytes
};

inline constexpr size_t kEnvelopeSize = 12;

// total length | kind | target 0 | the record.
std::vector<uint8_t> BuildLobbyEnvelope(EnvelopeKind kind, std::span<const uint8_t> record);
// total length | kind 4 | room number | channel byte | the bytes.
std::vector<uint8_t> BuildRoomEnvelope(uint32_t roomNumber, Channel channel, std::span<const uint8_t> bytes);

} // namespace net
