// Files written by the art encoder decode to the frames it was given.
#include "controls/gif/GifStream.h"
#include "tests/controls/GifTestBytes.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

using namespace giftest;

namespace {

artgen::GifPalette Greys(int n)
{
    artgen::GifPalette p;
    for (int i = 0; i < n; ++i)
        p.push_back({uint8_t(i), uint8_t(255 - i), uint8_t(i * 7)});
    return p;
}

// Pixels with runs and noise, so that strings of every length come up.
std::vector<uint8_t> Pattern(int width, int height, int colours, uint32_t seed)
{
    std::vector<uint8_t> px(std::size_t(width) * height);
    for (std::size_t i = 0; i < px.size(); ++i) {
        seed = seed * 1103515245u + 12345u;
        px[i] = uint8_t(((seed >> 16) % 8 == 0 ? seed >> 20 : i / 5 + i / width) % colours);
    }
    return px;
}

artgen::GifFrame Frame(int left, int top, int width, int height, int colours, uint32_t seed)
{
    return EncFrame(left, top, width, height, Pattern(width, height, colours, seed), int(seed % 50) + 1);
}

struct EncodedCase {
    std::string name;
    artgen::GifImage image;
};

artgen::GifImage Image(int width, int height, artgen::GifPalette global, std::vector<artgen::GifFrame> frames)
{
    return EncImage(width, height, std::move(global), std::move(frames));
}

std::vector<EncodedCase> Cases()
{
    std::vector<EncodedCase> cases;
    cases.push_back({"single image", Image(20, 10, Greys(4), {Frame(0, 0, 20, 10, 4, 1)})});
    cases.push_back({"two colours", Image(9, 9, Greys(2), {Frame(0, 0, 9, 9, 2, 2)})});
    cases.push_back({"256 colours on 300 x 200, past several clear codes",
                     Image(300, 200, Greys(256), {Frame(0, 0, 300, 200, 256, 3)})});
    {
        auto a = Frame(0, 0, 16, 16, 16, 4), b = Frame(3, 5, 7, 9, 5, 5);
        b.localPalette = Greys(5);
        std::reverse(b.localPalette.begin(), b.localPalette.end());
        cases.push_back({"several frames, one with a local table", Image(16, 16, Greys(16), {a, b, Frame(1, 1, 2, 2, 16, 6)})});
    }
    cases.push_back({"only local tables", Image(8, 8, {}, {[] {
                                                               auto f = Frame(0, 0, 8, 8, 3, 7);
                                                               f.localPalette = Greys(3);
                                                               return f;
                                                           }()})});
    for (int height : {1, 2, 3, 4, 5, 8, 9, 13}) {
        auto f = Frame(0, 0, 5, height, 4, 8 + height);
        f.interlaced = true;
        cases.push_back({"interlaced, " + std::to_string(height) + " rows", Image(5, height, Greys(4), {f})});
    }
    {
        auto a = Frame(0, 0, 6, 6, 4, 20), b = Frame(1, 1, 3, 3, 4, 21);
        b.transparentIndex = 2;
        b.disposal = artgen::GifDisposal::RestoreBackground;
        auto c = Frame(2, 2, 3, 3, 4, 22);
        c.transparentIndex = 0;
        c.disposal = artgen::GifDisposal::RestorePrevious;
        cases.push_back({"transparency with both restoring disposals", Image(6, 6, Greys(4), {a, b, c})});
    }
    {
        auto image = Image(4, 4, Greys(4), {Frame(0, 0, 4, 4, 4, 30), Frame(0, 0, 4, 4, 4, 31)});
        image.loopCount = 3;
        cases.push_back({"looping extension that asks for three loops", image});
    }
    return cases;
}

TEST(GifEncodedTest, EncodedFilesDecodeToTheirFramesAndLoopForever)
{
    for (const auto& c : Cases()) {
        SCOPED_TRACE(c.name);
        gif::GifStream stream = OpenOrDie(artgen::EncodeGif(c.image));
        EXPECT_EQ(stream.Width(), c.image.width);
        EXPECT_EQ(stream.Height(), c.image.height);
        // Twice through: every animation wraps to its first frame at the trailer.
        for (int round = 0; round < 2; ++round) {
            for (const artgen::GifFrame& want : c.image.frames) {
                SCOPED_TRACE("frame " + std::to_string(&want - c.image.frames.data()) + ", round " + std::to_string(round));
                const gif::GifFrame* got = stream.NextFrame();
                ASSERT_NE(got, nullptr);
                EXPECT_EQ(got->left, want.left);
                EXPECT_EQ(got->top, want.top);
                ASSERT_EQ(got->width, want.width);
                ASSERT_EQ(got->height, want.height);
                EXPECT_EQ(got->pixels, want.indices);
                const artgen::GifPalette& palette = want.localPalette.empty() ? c.image.globalPalette : want.localPalette;
                for (std::size_t i = 0; i < palette.size(); ++i)
                    EXPECT_EQ(got->palette[i], Opaque(palette[i].r << 16 | palette[i].g << 8 | palette[i].b)) << i;
                EXPECT_EQ(got->control.delayCs, want.delayCs);
                EXPECT_EQ(got->control.transparent, want.transparentIndex.has_value());
                EXPECT_EQ(got->control.transparentIndex, want.transparentIndex.value_or(0));
                EXPECT_EQ(got->control.disposal, static_cast<int>(want.disposal) << 2);
            }
        }
    }
}

} // namespace
