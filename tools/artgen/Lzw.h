#pragma once
// GIF flavour of LZW: variable code width from minCodeSize + 1 up to 12 bits,
// a clear code first and whenever the code table is full, the end code last.
#include <cstdint>
#include <span>
#include <vector>

namespace artgen {

// Packs the codes least significant bit first, as GIF stores them (not yet
// split into sub-blocks). Every index must be below 1 << minCodeSize; minCodeSize is 2..8.
std::vector<std::uint8_t> LzwCompress(std::span<const std::uint8_t> indices, int minCodeSize);

} // namespace artgen
