#pragma once
// The LZW decoder of GIF image data: variable-width codes read least-significant bit
// first, clear and end codes, code growth up to 12 bits.
#include <array>
#include <cstddef>
#include <cstdint>

namespace gif {

class GifLzw {
public:
    // Bytes `out` must have past `count`: strings are copied in 8-byte pieces.
    static constexpr std::size_t kOutputSlack = 8;

    // Decodes the joined sub-block data `codes` into `count` pixels at `out`. Bytes past
    // the end of the data read as 0xFF; pixels past `count` are dropped; pixels the
    // stream never reaches are 0. Returns false when the stream is malformed (a minimum
    // code size outside 2-8, or a code after a clear code that is not a colour).
    bool Decode(int minCodeSize, const uint8_t* codes, std::size_t size, uint8_t* out, std::size_t count);

private:
    static constexpr int kMaxCodes = 4096;
    // Every string of the table already stands in the output, where it was written
    // last: a code is decoded by copying from there instead of walking a prefix chain.
    std::array<uint32_t, kMaxCodes> offset_;
    std::array<uint16_t, kMaxCodes> length_;
};

} // namespace gif
