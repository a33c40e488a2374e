#pragma once
// Reads a GIF with giflib into the encoder's own structures, so that tests can
// compare what was meant with what an independent reader sees.
#include "tools/artgen/GifImage.h"

#include <cstdint>
#include <string>
#include <vector>

namespace artgen::testing {

struct GiflibDecoded {
  GifImage image;           // frames carry the colour table giflib resolved, in localPalette
  std::vector<bool> hasLocalTable;
  std::string error;        // empty when giflib read the whole file
};

GiflibDecoded ReadWithGiflib(const std::vector<std::uint8_t>& bytes);

} // namespace artgen::testing
