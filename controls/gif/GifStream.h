#pragma once
// A GIF87a/GIF89a file held in memory and walked block by block: each NextFrame()
// decodes the next image, and the walk wraps to the first image at the trailer, so
// every animation loops forever (a looping extension is skipped like any other).
//
// File layout: "GIF87a"/"GIF89a", the logical screen (u16 width, u16 height, packed
// byte, background index, aspect), the global colour table when the packed byte's
// bit 7 is set, then blocks: 0x21 extension (label, sub-blocks), 0x2C image
// (descriptor, local colour table, LZW data in sub-blocks), 0x3B trailer.
#include "controls/gif/GifFrame.h"
#include "controls/gif/GifLzw.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

namespace gif {

class GifStream {
public:
    // The largest logical screen and image taken, in pixels: bigger ones are refused
    // before anything is allocated for them.
    static constexpr std::size_t kDefaultMaxPixels = std::size_t{1} << 24;

    // Nothing for a file shorter than its header, a signature other than GIF87a or
    // GIF89a, a short global colour table or a logical screen above `maxPixels`.
    static std::optional<GifStream> Open(std::vector<uint8_t> file, std::size_t maxPixels = kDefaultMaxPixels);

    int Width() const { return width_; }
    int Height() const { return height_; }
    bool HasData() const { return dataStart_ < file_.size(); }

    // The next image, valid until the next call; nothing when this step finds none:
    // a malformed or unknown block, a malformed image (the walk goes on after it), or
    // the end of the data (the walk starts again from the first block).
    const GifFrame* NextFrame();
    // The last graphic control extension read; it holds for the images after it.
    const GifControl& Control() const { return control_; }

private:
    GifStream() = default;

    const GifFrame* Rewind();
    // False when this step ends without a frame.
    bool ReadExtension();
    const GifFrame* ReadImage();
    // Moves past a chain of sub-blocks; false (and rewound) when it runs past the data.
    bool SkipSubBlocks();
    // Gathers the payload of a chain of sub-blocks, as much as there is.
    void JoinSubBlocks();
    void ReadPalette(std::size_t at, int entries, std::array<uint32_t, 256>& palette) const;

    std::vector<uint8_t> file_;
    std::size_t dataStart_ = 0;
    std::size_t pos_ = 0;
    std::size_t maxPixels_ = kDefaultMaxPixels;
    int width_ = 0, height_ = 0;
    std::array<uint32_t, 256> globalPalette_{};
    GifControl control_;
    GifFrame frame_;
    std::vector<uint8_t> codes_;
    std::vector<uint8_t> interlaced_;
    GifLzw lzw_;
};

} // namespace gif
