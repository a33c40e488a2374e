#pragma once
// One decoded image of a GIF stream, as the block walker hands it out.
#include <array>
#include <cstdint>
#include <vector>

namespace gif {

// Disposal methods as the packed byte of the graphic control extension holds them
// (bits 2-4 kept in place), so "restore background" reads 8 and "restore previous" 12.
constexpr uint8_t kDisposalMask = 0x1C;
constexpr uint8_t kDisposeBackground = 2 << 2;
constexpr uint8_t kDisposePrevious = 3 << 2;

// What the last graphic control extension of the stream said. It stays in force for
// the images after it until the next extension replaces it.
struct GifControl {
    uint8_t disposal = 0;
    bool transparent = false;
    uint8_t transparentIndex = 0;
    uint16_t delayCs = 0;  // hundredths of a second
};

struct GifFrame {
    int left = 0, top = 0, width = 0, height = 0;
    std::vector<uint8_t> pixels;  // width x height colour indices, rows top-down
    // 0xFFRRGGBB per index; indices past the colour table read as its entry 0.
    std::array<uint32_t, 256> palette{};
    GifControl control;
};

} // namespace gif
