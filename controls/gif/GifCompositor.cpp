#include "controls/gif/GifCompositor.h"

#include <algorithm>
#include <cstring>

namespace gif {
namespace {

template <typename Area>
void CopyArea(const Area& area, const uint32_t* from, std::size_t fromStride, uint32_t* to, std::size_t toStride)
{
    for (int y = 0; y < area.height; ++y)
        std::memcpy(to + y * toStride, from + y * fromStride, area.width * sizeof(uint32_t));
}

} // namespace

GifCompositor::GifCompositor(int width, int height, std::vector<uint32_t> background)
    : width_(width), height_(height), canvas_(std::move(background))
{
    canvas_.resize(static_cast<std::size_t>(width) * height);
}

GifCompositor::Area GifCompositor::Clip(const GifFrame& frame) const
{
    // Parts of a frame outside the logical screen are not drawn.
    Area a;
    a.left = frame.left;
    a.top = frame.top;
    a.width = std::min(frame.left + frame.width, width_) - a.left;
    a.height = std::min(frame.top + frame.height, height_) - a.top;
    if (a.width <= 0 || a.height <= 0)
        return Area{};
    return a;
}

void GifCompositor::Dispose()
{
    if (!restorePending_)
        return;
    restorePending_ = false;
    uint32_t* at = canvas_.data() + static_cast<std::size_t>(saved_.top) * width_ + saved_.left;
    CopyArea(saved_, savedPixels_.data(), saved_.width, at, width_);
}

void GifCompositor::Draw(const GifFrame& frame)
{
    const Area area = Clip(frame);
    uint32_t* canvas = canvas_.data() + static_cast<std::size_t>(area.top) * width_ + area.left;
    const uint8_t disposal = frame.control.disposal;
    restorePending_ = disposal == kDisposeBackground || disposal == kDisposePrevious;
    if (restorePending_) {
        saved_ = area;
        savedPixels_.resize(static_cast<std::size_t>(area.width) * area.height);
        CopyArea(area, canvas, width_, savedPixels_.data(), area.width);
    }
    // Transparency goes by the colour index, as the format defines it: matching the
    // key's colour instead would also punch through other entries of the same colour.
    const uint32_t* palette = frame.palette.data();
    const bool transparent = frame.control.transparent;
    const uint8_t key = frame.control.transparentIndex;
    for (int y = 0; y < area.height; ++y) {
        const uint8_t* src = frame.pixels.data() + static_cast<std::size_t>(y) * frame.width;
        uint32_t* dst = canvas + static_cast<std::size_t>(y) * width_;
        if (transparent) {
            for (int x = 0; x < area.width; ++x)
                if (src[x] != key)
                    dst[x] = palette[src[x]];
        } else {
            for (int x = 0; x < area.width; ++x)
                dst[x] = palette[src[x]];
        }
    }
}

} // namespace gif
