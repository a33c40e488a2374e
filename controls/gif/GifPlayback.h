#pragma once
// The animation as the worker thread runs it, without the thread: one call per step.
// Each step first puts back what the previous frame's disposal asked for, then draws
// the next frame unless the animation is frozen. The shown copy is what the control
// displays: a frozen animation keeps showing it while the canvas moves on underneath.
#include "controls/gif/GifCompositor.h"
#include "controls/gif/GifStream.h"

#include <cstdint>
#include <vector>

namespace gif {

struct GifStep {
    bool drawn = false;       // the shown copy changed
    uint32_t frameTimeMs = 0;
};

class GifPlayback {
public:
    // `background`: the logical screen's pixels as they were on screen (0xFFRRGGBB).
    GifPlayback(GifStream stream, std::vector<uint32_t> background);

    GifStep Step(bool frozen);
    const std::vector<uint32_t>& Shown() const { return shown_; }
    int Width() const { return compositor_.Width(); }
    int Height() const { return compositor_.Height(); }

private:
    GifStream stream_;
    GifCompositor compositor_;
    std::vector<uint32_t> shown_;
};

} // namespace gif
