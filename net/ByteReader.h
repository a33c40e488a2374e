#pragma once
// Bounded reads of little-endian fields from a received record. A field that lies
// beyond the received bytes reads as zeros, as if the record were zero-padded, so a
// short message can never make a reader touch foreign memory.
#include <cstddef>
#include <cstdint>
#include <span>

namespace net {

class ByteReader {
public:
    ByteReader() = default;
    explicit ByteReader(std::span<const uint8_t> bytes) : bytes_(bytes) {}

    uint8_t U8(size_t offset) const;
    int8_t I8(size_t offset) const { return static_cast<int8_t>(U8(offset)); }
    uint16_t U16(size_t offset) const;
    uint32_t U32(size_t offset) const;
    int32_t I32(size_t offset) const { return static_cast<int32_t>(U32(offset)); }
    // Fills `out` from `offset`; what lies beyond the received bytes becomes 0.
    void Copy(size_t offset, std::span<uint8_t> out) const;
    // The bytes from `offset` on (empty when `offset` is beyond them).
    ByteReader From(size_t offset) const;

    size_t Size() const { return bytes_.size(); }
    std::span<const uint8_t> Bytes() const { return bytes_; }

private:
    std::span<const uint8_t> bytes_;
};

} // namespace net
