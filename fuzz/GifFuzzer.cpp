// File bytes in, frames out: 64 animation steps over whatever the walker finds,
// composed on a canvas, some of them frozen so that restoring runs on its own too.
#include "controls/gif/GifPlayback.h"
#include "controls/gif/GifStream.h"

#include <cstddef>
#include <cstdint>
#include <vector>

namespace {
// Small pictures keep each run fast; the pixel limit itself is part of what runs.
constexpr std::size_t kMaxPixels = std::size_t{1} << 16;
constexpr int kSteps = 64;
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size)
{
    auto stream = gif::GifStream::Open(std::vector<uint8_t>(data, data + size), kMaxPixels);
    if (!stream)
        return 0;
    const std::size_t pixels = static_cast<std::size_t>(stream->Width()) * stream->Height();
    gif::GifPlayback playback(std::move(*stream), std::vector<uint32_t>(pixels, 0xFF000000u));
    for (int step = 0; step < kSteps; ++step)
        playback.Step(step % 8 == 7);
    return 0;
}
