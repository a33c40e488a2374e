#pragma once
// Composes the frames of an animation on a canvas of the logical screen size, over
// the picture that lay under the control when the animation started.
#include "controls/gif/GifFrame.h"

#include <cstdint>
#include <vector>

namespace gif {

class GifCompositor {
public:
    // `background` holds width x height pixels (0xFFRRGGBB, rows top-down).
    GifCompositor(int width, int height, std::vector<uint32_t> background);

    // Puts back what lay under the previous frame when its disposal was "restore
    // background" or "restore previous"; both restore the saved area.
    void Dispose();
    // Draws `frame` at its place, clipped to the screen. Transparent pixels leave the
    // canvas as it was. The area is saved first when the frame's disposal restores it.
    void Draw(const GifFrame& frame);

    int Width() const { return width_; }
    int Height() const { return height_; }
    const std::vector<uint32_t>& Canvas() const { return canvas_; }

private:
    struct Area {
        int left = 0, top = 0, width = 0, height = 0;
    };
    Area Clip(const GifFrame& frame) const;

    int width_, height_;
    std::vector<uint32_t> canvas_;
    bool restorePending_ = false;
    Area saved_;
    std::vector<uint32_t> savedPixels_;
};

} // namespace gif
