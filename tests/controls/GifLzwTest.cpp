// The LZW decoder on code streams written code by code (minimum code size 2: colours
// 0-3, clear 4, end 5, first free code 6), and against giflib on a full table.
#include "controls/gif/GifLzw.h"
#include "tests/artgen/GiflibReader.h"
#include "tests/controls/GifTestBytes.h"

#include <gtest/gtest.h>

using namespace giftest;

namespace {

struct LzwCase {
    const char* name;
    Bytes codes;
    std::size_t count;
    Bytes pixels;  // empty: the stream is refused
};

Bytes Decode(int minCodeSize, const Bytes& codes, std::size_t count, bool* ok)
{
    gif::GifLzw lzw;
    Bytes out(count + gif::GifLzw::kOutputSlack, 0xEE);
    *ok = lzw.Decode(minCodeSize, codes.data(), codes.size(), out.data(), count);
    out.resize(count);
    return out;
}

TEST(GifLzwTest, DecodesCodeStreams)
{
    const std::vector<LzwCase> cases = {
        {"colours only", PackCodes({{4, 3}, {3, 3}, {0, 3}, {2, 3}, {5, 4}}), 3, {3, 0, 2}},
        {"first code without a clear code", PackCodes({{1, 3}, {2, 3}, {5, 3}}), 2, {1, 2}},
        {"string from the table", PackCodes({{4, 3}, {0, 3}, {1, 3}, {6, 3}, {7, 4}, {5, 4}}), 6, {0, 1, 0, 1, 1, 0}},
        {"code equal to the next free one: previous string and its first colour",
         PackCodes({{4, 3}, {1, 3}, {6, 3}, {5, 3}}), 3, {1, 1, 1}},
        {"code beyond the next free one reads the same way", PackCodes({{4, 3}, {2, 3}, {7, 3}, {5, 3}}), 3, {2, 2, 2}},
        {"clear code in the middle narrows the codes again",
         PackCodes({{4, 3}, {0, 3}, {1, 3}, {2, 3}, {4, 4}, {3, 3}, {5, 3}}), 4, {0, 1, 2, 3}},
        {"end code early: the rest of the image is colour 0", PackCodes({{4, 3}, {3, 3}, {5, 3}}), 4, {3, 0, 0, 0}},
        {"pixels past the image are dropped", PackCodes({{4, 3}, {1, 3}, {2, 3}, {3, 3}, {5, 4}}), 2, {1, 2}},
        {"a string cut by the end of the image", PackCodes({{4, 3}, {0, 3}, {1, 3}, {6, 3}}), 3, {0, 1, 0}},
        // The last pair is the low two bits of a code the 0xFF past the data completes.
        {"no end code: past the data every byte is 0xFF", PackCodes({{4, 3}, {2, 3}, {3, 2}}), 5, {2, 2, 2, 2, 2}},
        {"colour code after a clear code is refused", PackCodes({{4, 3}, {6, 3}, {5, 3}}), 2, {}},
        {"two clear codes then a code beyond the colours", PackCodes({{4, 3}, {4, 3}, {7, 3}}), 2, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        bool ok = false;
        const Bytes pixels = Decode(2, c.codes, c.count, &ok);
        EXPECT_EQ(ok, !c.pixels.empty());
        if (ok) {
            EXPECT_EQ(pixels, c.pixels);
        }
    }
}

TEST(GifLzwTest, RefusesMinimumCodeSizesOutsideTwoToEight)
{
    for (int size : {0, 1, 9, 12, 255}) {
        SCOPED_TRACE(size);
        bool ok = true;
        Decode(size, Bytes(8, 0), 4, &ok);
        EXPECT_FALSE(ok);
    }
}

// Width of the code read while `next` is the next free code (minimum code size 2).
int WidthAt(int next)
{
    int width = 3;
    while (width < 12 && next >= (1 << width))
        ++width;
    return width;
}

TEST(GifLzwTest, FullTableWithoutClearGoesOnWithItsCodesLikeGiflib)
{
    // After the clear code 4091 colours fill the table up to code 4095; then codes
    // that name full-table entries, and colours that would add entries past it.
    std::vector<std::pair<uint32_t, int>> codes{{4, 3}};
    int next = 6;
    for (int i = 0; i < 4091; ++i) {
        codes.push_back({uint32_t((i * 7 / 3) % 4), WidthAt(next)});
        if (i > 0 && next < 4096)
            ++next;
    }
    ASSERT_EQ(next, 4096);
    for (uint32_t code : {4095u, 4000u, 2u, 100u, 4094u, 1u})
        codes.push_back({code, 12});
    codes.push_back({5, 12});

    const Bytes packed = PackCodes(codes);
    const int pixels = 4091 + 2 + 2 + 1 + 2 + 2 + 1;
    const Bytes file = Header("GIF89a", pixels, 1, kFourColours) + Image(0, 0, pixels, 1, 0, 2, packed) + Bytes{0x3B};

    const auto giflib = artgen::testing::ReadWithGiflib(file);
    ASSERT_EQ(giflib.error, "");
    ASSERT_EQ(giflib.image.frames.size(), 1u);
    auto stream = OpenOrDie(file);
    const gif::GifFrame* frame = stream.NextFrame();
    ASSERT_NE(frame, nullptr);
    EXPECT_EQ(frame->pixels, giflib.image.frames[0].indices);
}

} // namespace
