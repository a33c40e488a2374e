#pragma once
// Writes a GIF89a file from indexed frames. Std only, so that tests of any folder
// can build GIF fixtures with it.
#include "tools/artgen/GifImage.h"

#include <cstdint>
#include <vector>

namespace artgen {

// A frame gets a graphic control extension when it has a delay, a transparent
// index or a disposal method. Throws std::invalid_argument naming the first fault
// (a frame outside the screen, an index outside its colour table, no colour table).
std::vector<std::uint8_t> EncodeGif(const GifImage& image);

} // namespace artgen
