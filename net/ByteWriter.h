#pragma once
// Little-endian field writes into a block the encoder has sized. A write past the
// block's end is dropped, so a wrong offset can never spill into other memory.
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace net {

class ByteWriter {
public:
    explicit ByteWriter(std::span<uint8_t> bytes) : bytes_(bytes) {}

    void U8(size_t offset, uint8_t v);
    void U16(size_t offset, uint16_t v);
    void U32(size_t offset, uint32_t v);
    void I32(size_t offset, int32_t v) { U32(offset, static_cast<uint32_t>(v)); }
    void Copy(size_t offset, std::span<const uint8_t> data);
    // The block from `offset` on (empty when `offset` is beyond it).
    ByteWriter From(size_t offset) const;

private:
    std::span<uint8_t> bytes_;
};

// The bytes of one layout value: a zeroed block of value.Size() bytes, encoded.
template <class Layout>
std::vector<uint8_t> Encoded(const Layout& value)
{
    std::vector<uint8_t> bytes(value.Size());
    value.Encode(ByteWriter(bytes));
    return bytes;
}

} // namespace net
