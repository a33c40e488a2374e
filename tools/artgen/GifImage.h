#pragma once
// An animated GIF as indexed frames and palettes, the input of EncodeGif.
#include <cstdint>
#include <optional>
#include <vector>

namespace artgen {

struct GifColor {
  std::uint8_t r = 0, g = 0, b = 0;
  bool operator==(const GifColor&) const = default;
};

// At most 256 colours; the encoder pads a table to the next power of two.
using GifPalette = std::vector<GifColor>;

// What the viewer does with a frame's area before drawing the next frame.
enum class GifDisposal : std::uint8_t {
  Unspecified = 0,
  Keep = 1,
  RestoreBackground = 2,
  RestorePrevious = 3,
};

struct GifFrame {
  int left = 0, top = 0, width = 0, height = 0;
  std::vector<std::uint8_t> indices;  // width * height palette indices, row by row
  GifPalette localPalette;            // empty: the frame uses the global palette
  int delayCs = 0;                    // hundredths of a second
  std::optional<std::uint8_t> transparentIndex;
  GifDisposal disposal = GifDisposal::Unspecified;
  bool interlaced = false;
};

struct GifImage {
  int width = 0, height = 0;
  GifPalette globalPalette;  // may be empty when every frame has its own
  std::uint8_t backgroundIndex = 0;
  std::optional<std::uint16_t> loopCount;  // written as a looping extension; 0 loops forever
  std::vector<GifFrame> frames;
};

} // namespace artgen
