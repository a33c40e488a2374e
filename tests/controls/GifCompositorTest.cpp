// Composition on the canvas: transparency, the two restoring disposals, clipping.
#include "controls/gif/GifCompositor.h"

#include <gtest/gtest.h>

using gif::GifCompositor;
using gif::GifFrame;

namespace {

constexpr uint32_t kUnder = 0xFF112233;  // what was on screen under the control
constexpr uint32_t kRed = 0xFFFF0000, kBlue = 0xFF0000FF;

// A 4 x 3 screen over a plain background.
GifCompositor Screen() { return GifCompositor(4, 3, std::vector<uint32_t>(12, kUnder)); }

// A frame of one colour index per pixel: 0 red, 1 blue, 2 is the transparent key.
GifFrame Frame(int left, int top, int width, int height, std::vector<uint8_t> pixels)
{
    GifFrame f;
    f.left = left;
    f.top = top;
    f.width = width;
    f.height = height;
    f.pixels = std::move(pixels);
    f.palette.fill(kRed);
    f.palette[1] = kBlue;
    return f;
}

// The canvas as letters: '.' background, 'r' red, 'b' blue, rows separated by '|'.
std::string Picture(const GifCompositor& c)
{
    std::string s;
    for (int y = 0; y < c.Height(); ++y) {
        if (y)
            s += '|';
        for (int x = 0; x < c.Width(); ++x) {
            const uint32_t p = c.Canvas()[y * c.Width() + x];
            s += p == kUnder ? '.' : p == kRed ? 'r' : p == kBlue ? 'b' : '?';
        }
    }
    return s;
}

TEST(GifCompositorTest, TransparentPixelsLeaveTheCanvas)
{
    // The key (index 2) has the same colour as index 0: only the key is left out.
    GifCompositor c = Screen();
    GifFrame f = Frame(0, 0, 2, 2, {0, 2, 2, 1});
    f.control.transparent = true;
    f.control.transparentIndex = 2;
    c.Draw(f);
    EXPECT_EQ(Picture(c), "r...|.b..|....");
    f.control.transparent = false;
    c.Draw(f);
    EXPECT_EQ(Picture(c), "rr..|rb..|....");
}

struct DisposalCase {
    const char* name;
    uint8_t disposal;
    const char* afterDispose;
};

TEST(GifCompositorTest, RestoringDisposalsPutBackWhatWasUnderTheFrame)
{
    const std::vector<DisposalCase> cases = {
        {"none", 0, "bbb.|bbb.|...."},
        {"keep (1 shifted: 4)", 4, "bbb.|bbb.|...."},
        // Both restore the area as it was before the frame: the red under it returns.
        {"restore background (2 shifted: 8)", 8, "r...|....|...."},
        {"restore previous (3 shifted: 12)", 12, "r...|....|...."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        GifCompositor screen = Screen();
        screen.Draw(Frame(0, 0, 1, 1, {0}));
        GifFrame top = Frame(0, 0, 3, 2, std::vector<uint8_t>(6, 1));
        top.control.disposal = c.disposal;
        screen.Draw(top);
        EXPECT_EQ(Picture(screen), "bbb.|bbb.|....");
        screen.Dispose();
        EXPECT_EQ(Picture(screen), c.afterDispose);
        screen.Dispose();  // the saved area is put back once
        EXPECT_EQ(Picture(screen), c.afterDispose);
    }
}

struct ClipCase {
    const char* name;
    GifFrame frame;
    const char* picture;
};

TEST(GifCompositorTest, FramesAreClippedToTheScreen)
{
    const std::vector<ClipCase> cases = {
        {"right and bottom edges", Frame(2, 1, 3, 3, {1, 1, 0, 1, 1, 0, 0, 0, 0}), "....|..bb|..bb"},
        {"wholly to the right", Frame(4, 0, 2, 2, {1, 1, 1, 1}), "....|....|...."},
        {"wholly below", Frame(0, 7, 2, 2, {1, 1, 1, 1}), "....|....|...."},
        {"at the far corner of the u16 range", Frame(65535, 65535, 65535, 65535, {1}), "....|....|...."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        GifCompositor screen = Screen();
        GifFrame f = c.frame;
        f.control.disposal = gif::kDisposePrevious;
        screen.Draw(f);
        EXPECT_EQ(Picture(screen), c.picture);
        screen.Dispose();
        EXPECT_EQ(Picture(screen), "....|....|....");
    }
}

} // namespace
