// The block walker: signatures, colour tables, every kind of block, the wrap at the
// trailer and files cut short anywhere.
#include "controls/gif/GifStream.h"
#include "tests/controls/GifTestBytes.h"

#include <gtest/gtest.h>

using namespace giftest;
using gif::GifFrame;
using gif::GifStream;

namespace {

const Bytes kTrailer{0x3B};

// The smallest whole file: a 2 x 2 screen with four global colours and one image.
Bytes TinyFile(const std::string& signature = "GIF89a")
{
    return Header(signature, 2, 2, kFourColours) + Image(0, 0, 2, 2, 0, 2, FourPixelCodes()) + kTrailer;
}

struct OpenCase {
    const char* name;
    Bytes file;
    bool opens;
};

TEST(GifStreamTest, TakesOnlyWholeHeadersOfGif87aAndGif89a)
{
    const Bytes tiny = TinyFile();
    const std::vector<OpenCase> cases = {
        {"GIF87a", TinyFile("GIF87a"), true},
        {"GIF89a", tiny, true},
        {"GIF89b", TinyFile("GIF89b"), false},
        {"GIF88a", TinyFile("GIF88a"), false},
        {"lower-case gif89a", TinyFile("gif89a"), false},
        {"header of 12 bytes", Bytes(tiny.begin(), tiny.begin() + 12), false},
        {"header only, no global table", Header("GIF89a", 2, 2, {}), true},
        {"global table one byte short", Bytes(tiny.begin(), tiny.begin() + 13 + 11), false},
        {"global table whole, nothing after it", Bytes(tiny.begin(), tiny.begin() + 13 + 12), true},
        {"screen of 65535 x 65535", Header("GIF89a", 0xFFFF, 0xFFFF, {}), false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(GifStream::Open(c.file).has_value(), c.opens);
    }
}

TEST(GifStreamTest, DecodesTheTinyFileAndWrapsAtTheTrailer)
{
    GifStream stream = OpenOrDie(TinyFile());
    EXPECT_EQ(stream.Width(), 2);
    EXPECT_EQ(stream.Height(), 2);
    for (int round = 0; round < 3; ++round) {
        SCOPED_TRACE(round);
        const GifFrame* frame = stream.NextFrame();
        ASSERT_NE(frame, nullptr);
        EXPECT_EQ(frame->width, 2);
        EXPECT_EQ(frame->height, 2);
        EXPECT_EQ(frame->pixels, (Bytes{0, 1, 2, 3}));
        for (int i = 0; i < 4; ++i)
            EXPECT_EQ(frame->palette[i], Opaque(kFourColours[i]));
    }
}

// What each call of NextFrame gives: 'F' a frame, '-' none.
std::string Walk(Bytes file, int calls)
{
    GifStream stream = OpenOrDie(std::move(file));
    std::string seen;
    for (int i = 0; i < calls; ++i)
        seen += stream.NextFrame() ? 'F' : '-';
    return seen;
}

struct WalkCase {
    const char* name;
    Bytes blocks;  // after the header
    std::string expected;
};

TEST(GifStreamTest, WalksEveryKindOfBlock)
{
    const Bytes image = Image(0, 0, 2, 2, 0, 2, FourPixelCodes());
    const Bytes comment{0x21, 0xFE, 3, 'a', ',', ';', 0};
    const Bytes plainText = Bytes{0x21, 0x01, 12} + Bytes(12, 0x2C) + Bytes{2, ';', ',', 0};
    const Bytes looping{0x21, 0xFF, 11, 'N', 'E', 'T', 'S', 'C', 'A', 'P', 'E', '2', '.', '0', 3, 1, 1, 0, 0};
    // An unknown label whose data holds bytes that look like blocks.
    const Bytes unknown{0x21, 0x77, 2, 0x2C, 0x3B, 0};
    const std::vector<WalkCase> cases = {
        {"comment, plain text and looping extensions are skipped",
         comment + plainText + looping + image + kTrailer, "FFF"},
        {"padding zeros between blocks", Bytes{0, 0} + image + Bytes{0} + kTrailer, "FFF"},
        {"unknown extension: an empty step, its data is not read as blocks",
         unknown + image + kTrailer, "-F-F"},
        {"stray byte: an empty step", Bytes{0x99} + image + kTrailer, "-F-F"},
        {"no trailer: an empty step at the end of the data", image, "F-F-"},
        {"trailer without images never hangs", kTrailer, "---"},
        {"nothing after the header", {}, "--"},
        {"comment cut short: the walk starts again", image + Bytes{0x21, 0xFE, 9, 'a'}, "F-F-"},
        {"extension introducer as the last byte", image + Bytes{0x21}, "F-F-"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(Walk(Header("GIF89a", 2, 2, kFourColours) + c.blocks, int(c.expected.size())), c.expected);
    }
}

TEST(GifStreamTest, RejectedImagesAreSkippedWithoutLosingTheNextOne)
{
    const Bytes good = Image(0, 0, 2, 2, 0, 2, FourPixelCodes());
    const std::vector<WalkCase> cases = {
        {"zero width", Image(0, 0, 0, 2, 0, 2, FourPixelCodes()) + good + kTrailer, "-F-F"},
        {"zero height", Image(0, 0, 2, 0, 0, 2, FourPixelCodes()) + good + kTrailer, "-F-F"},
        {"65535 x 65535 image", Image(0, 0, 0xFFFF, 0xFFFF, 0, 2, FourPixelCodes()) + good + kTrailer, "-F-F"},
        {"minimum code size 0", Image(0, 0, 2, 2, 0, 0, FourPixelCodes()) + good + kTrailer, "-F-F"},
        {"minimum code size 12", Image(0, 0, 2, 2, 0, 12, FourPixelCodes()) + good + kTrailer, "-F-F"},
        {"code after clear beyond the colours",
         Image(0, 0, 2, 2, 0, 2, PackCodes({{4, 3}, {7, 3}, {5, 3}})) + good + kTrailer, "-F-F"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(Walk(Header("GIF89a", 2, 2, kFourColours) + c.blocks, int(c.expected.size())), c.expected);
    }
}

TEST(GifStreamTest, GraphicControlHoldsUntilTheNextOne)
{
    GifStream stream = OpenOrDie(Header("GIF89a", 2, 2, kFourColours) + GraphicControl(0x0D, 40, 3) +
                                 Image(0, 0, 2, 2, 0, 2, FourPixelCodes()) + Image(0, 0, 2, 2, 0, 2, FourPixelCodes()) +
                                 GraphicControl(0x04, 0, 0) + Image(0, 0, 2, 2, 0, 2, FourPixelCodes()) + kTrailer);
    struct Expect {
        uint8_t disposal;
        bool transparent;
        uint8_t index;
        uint16_t delay;
    };
    // Disposal 3 stays shifted: 12; then method 1: 4; after the wrap the first again.
    const Expect expected[] = {{12, true, 3, 40}, {12, true, 3, 40}, {4, false, 0, 0}, {12, true, 3, 40}};
    for (const auto& e : expected) {
        SCOPED_TRACE(&e - expected);
        const GifFrame* frame = stream.NextFrame();
        ASSERT_NE(frame, nullptr);
        EXPECT_EQ(frame->control.disposal, e.disposal);
        EXPECT_EQ(frame->control.transparent, e.transparent);
        EXPECT_EQ(frame->control.transparentIndex, e.index);
        EXPECT_EQ(frame->control.delayCs, e.delay);
    }
}

TEST(GifStreamTest, IndicesPastTheColourTableDrawAsItsFirstEntry)
{
    // A local table of two colours; pixels 2 and 3 lie past it. No global table at all
    // for the second image: every index reads black.
    const Bytes localTwo = Bytes{0x2C, 0, 0, 0, 0, 2, 0, 2, 0, 0x80, 0x10, 0x20, 0x30, 0x40, 0x50, 0x60, 2} +
                           SubBlocks(FourPixelCodes());
    GifStream withLocal = OpenOrDie(Header("GIF89a", 2, 2, kFourColours) + localTwo + kTrailer);
    const GifFrame* frame = withLocal.NextFrame();
    ASSERT_NE(frame, nullptr);
    EXPECT_EQ(frame->palette[1], Opaque(0x405060));
    EXPECT_EQ(frame->palette[2], Opaque(0x102030));
    EXPECT_EQ(frame->palette[255], Opaque(0x102030));

    GifStream noTable = OpenOrDie(Header("GIF89a", 2, 2, {}) + Image(0, 0, 2, 2, 0, 2, FourPixelCodes()) + kTrailer);
    frame = noTable.NextFrame();
    ASSERT_NE(frame, nullptr);
    EXPECT_EQ(frame->palette[0], Opaque(0));
    EXPECT_EQ(frame->palette[3], Opaque(0));
}

struct CutCase {
    const char* name;
    std::size_t keep;  // bytes of the tiny file kept
    std::string expected;
};

TEST(GifStreamTest, FilesCutShortGiveWhatTheyHold)
{
    const Bytes tiny = TinyFile();
    // 13 header + 12 table = 25; the descriptor ends at 35, the code size at 36, the
    // single sub-block (3 bytes of codes) at 40, its terminator at 41, the trailer at 42.
    ASSERT_EQ(tiny.size(), 42u);
    const std::vector<CutCase> cases = {
        {"inside the descriptor", 30, "--"},
        {"before the code size", 35, "--"},
        {"inside the code data", 38, "F-F"},
        {"before the terminator", 40, "F-F"},
        {"before the trailer", 41, "F-F"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(Walk(Bytes(tiny.begin(), tiny.begin() + c.keep), int(c.expected.size())), c.expected);
    }
}

TEST(GifStreamTest, CodeDataCutShortKeepsThePixelsBeforeTheCut)
{
    // Code bytes 0x44 0x34 0x05: clear, 0, 1 | 2, 3 | end. Past the cut every byte
    // reads 0xFF, whose 3 low bits after clear and 0 complete the code 5 (end).
    const Bytes tiny = TinyFile();
    const struct {
        const char* name;
        std::size_t keep;
        Bytes pixels;
    } cases[] = {
        {"one code byte: the 0xFF after it ends the image", 38, {0, 0, 0, 0}},
        {"two code bytes hold all four pixels", 39, {0, 1, 2, 3}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        GifStream stream = OpenOrDie(Bytes(tiny.begin(), tiny.begin() + c.keep));
        const GifFrame* frame = stream.NextFrame();
        ASSERT_NE(frame, nullptr);
        EXPECT_EQ(frame->pixels, c.pixels);
    }
}

TEST(GifStreamTest, EveryCutOfAnAnimationStaysInsideItsFrames)
{
    artgen::GifImage image = EncImage(9, 7, {{1, 2, 3}, {4, 5, 6}, {7, 8, 9}}, {});
    for (int n = 0; n < 3; ++n) {
        artgen::GifFrame f = EncFrame(n, 1, 5, 6, {}, 10 * n);
        for (int i = 0; i < 30; ++i)
            f.indices.push_back(uint8_t((i * (n + 1)) % 3));
        f.interlaced = n == 1;
        f.localPalette = n == 2 ? artgen::GifPalette{{9, 9, 9}, {8, 8, 8}, {7, 7, 7}} : artgen::GifPalette{};
        image.frames.push_back(f);
    }
    const Bytes whole = artgen::EncodeGif(image);
    const std::size_t globalTableEnd = 13 + 3 * 4;
    for (std::size_t keep = 13; keep <= whole.size(); ++keep) {
        SCOPED_TRACE(keep);
        auto stream = GifStream::Open(Bytes(whole.begin(), whole.begin() + keep));
        ASSERT_EQ(stream.has_value(), keep >= globalTableEnd);
        if (!stream)
            continue;
        for (int step = 0; step < 8; ++step) {
            if (const GifFrame* frame = stream->NextFrame()) {
                ASSERT_EQ(frame->pixels.size(), std::size_t(frame->width) * frame->height);
            }
        }
    }
}

} // namespace
