#include "net/Envelope.h"

#include "net/ByteWriter.h"

namespace net {
namespace {

std::vector<uint8_t> Envelope(EnvelopeKind kind, uint32_t target, size_t payloadSize)
{
    std::vector<uint8_t> block(kEnvelopeSize + payloadSize);
    ByteWriter w(block);
    w.U32(0, static_cast<uint32_t>(block.size()));
    w.U32(4, static_cast<uint32_t>(kind));
    w.U32(8, target);
    return block;
}

} // namespace

std::vector<uint8_t> BuildLobbyEnvelope(EnvelopeKind kind, std::span<const uint8_t> record)
{
    auto block = Envelope(kind, 0, record.size());
    ByteWriter(block).Copy(kEnvelopeSize, record);
    return block;
}

std::vector<uint8_t> BuildRoomEnvelope(uint32_t roomNumber, Channel channel, std::span<const uint8_t> bytes)
{
    auto block = Envelope(EnvelopeKind::Room, roomNumber, 1 + bytes.size());
    ByteWriter w(block);
    w.U8(kEnvelopeSize, static_cast<uint8_t>(channel));
    w.Copy(kEnvelopeSize + 1, bytes);
    return block;
}

} // namespace net
