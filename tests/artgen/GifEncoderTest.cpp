#include "tools/artgen/GifEncoder.h"

#include "tests/artgen/GiflibReader.h"

#include <gtest/gtest.h>

#include <functional>
#include <random>
#include <stdexcept>

namespace artgen {
namespace {

using testing::ReadWithGiflib;

GifPalette Ramp(int n) {
  GifPalette p;
  for (int i = 0; i < n; ++i)
    p.push_back({static_cast<std::uint8_t>(i), static_cast<std::uint8_t>(255 - i),
                 static_cast<std::uint8_t>(i * 7)});
  return p;
}

GifFrame Frame(int left, int top, int width, int height, int colours, unsigned seed) {
  GifFrame f;
  f.left = left;
  f.top = top;
  f.width = width;
  f.height = height;
  std::mt19937 rng(seed);
  for (int i = 0; i < width * height; ++i)
    f.indices.push_back(static_cast<std::uint8_t>(rng() % colours));
  return f;
}

GifFrame Solid(int width, int height, std::uint8_t index) {
  GifFrame f;
  f.width = width;
  f.height = height;
  f.indices.assign(static_cast<std::size_t>(width) * height, index);
  return f;
}

struct RoundTrip {
  const char* name;
  std::function<GifImage()> make;
};

const RoundTrip kRoundTrips[] = {
    {"one pixel, one colour", [] {
       return GifImage{1, 1, Ramp(1), 0, {}, {Solid(1, 1, 0)}};
     }},
    {"odd palette size padded to a power of two", [] {
       return GifImage{7, 5, Ramp(5), 2, {}, {Frame(0, 0, 7, 5, 5, 1)}};
     }},
    {"noise over 256 colours fills the code table several times", [] {
       return GifImage{160, 120, Ramp(256), 0, {}, {Frame(0, 0, 160, 120, 256, 2)}};
     }},
    {"long runs of one colour make the longest strings", [] {
       return GifImage{400, 300, Ramp(2), 0, {}, {Solid(400, 300, 1)}};
     }},
    {"noise over 4 colours widens codes to 12 bits and clears", [] {
       return GifImage{300, 200, Ramp(4), 0, {}, {Frame(0, 0, 300, 200, 4, 3)}};
     }},
    {"interlaced frame with a height that is no multiple of 8", [] {
       GifFrame f = Frame(0, 0, 9, 13, 16, 4);
       f.interlaced = true;
       return GifImage{9, 13, Ramp(16), 0, {}, {f}};
     }},
    {"local tables only, different per frame", [] {
       GifFrame a = Frame(0, 0, 6, 6, 3, 5);
       a.localPalette = Ramp(3);
       GifFrame b = Frame(2, 1, 3, 4, 200, 6);
       b.localPalette = Ramp(200);
       return GifImage{6, 6, {}, 0, {}, {a, b}};
     }},
    {"animation with delays, transparency and every disposal", [] {
       GifFrame a = Frame(0, 0, 20, 10, 8, 7);
       a.delayCs = 30;
       a.disposal = GifDisposal::Keep;
       GifFrame b = Frame(4, 2, 5, 6, 8, 8);
       b.delayCs = 60;
       b.transparentIndex = 7;
       b.disposal = GifDisposal::RestoreBackground;
       GifFrame c = Frame(10, 3, 10, 7, 8, 9);
       c.delayCs = 65535;
       c.transparentIndex = 0;
       c.disposal = GifDisposal::RestorePrevious;
       GifFrame d = Frame(19, 9, 1, 1, 8, 10);
       d.delayCs = 0;
       d.disposal = GifDisposal::Unspecified;
       return GifImage{20, 10, Ramp(8), 3, 0, {a, b, c, d}};
     }},
    {"loops three times", [] {
       GifFrame a = Solid(3, 3, 0);
       a.delayCs = 10;
       GifFrame b = Solid(3, 3, 1);
       b.delayCs = 10;
       return GifImage{3, 3, Ramp(2), 0, 3, {a, b}};
     }},
};

TEST(GifEncoder, GiflibReadsBackWhatWasWritten) {
  for (const RoundTrip& row : kRoundTrips) {
    SCOPED_TRACE(row.name);
    const GifImage meant = row.make();
    const auto read = ReadWithGiflib(EncodeGif(meant));
    ASSERT_EQ(read.error, "");
    const GifImage& got = read.image;
    EXPECT_EQ(got.width, meant.width);
    EXPECT_EQ(got.height, meant.height);
    EXPECT_EQ(got.backgroundIndex, meant.backgroundIndex);
    EXPECT_EQ(got.loopCount, meant.loopCount);
    ASSERT_EQ(got.frames.size(), meant.frames.size());
    for (std::size_t n = 0; n < meant.frames.size(); ++n) {
      SCOPED_TRACE("frame " + std::to_string(n));
      const GifFrame& m = meant.frames[n];
      const GifFrame& g = got.frames[n];
      EXPECT_EQ(g.left, m.left);
      EXPECT_EQ(g.top, m.top);
      EXPECT_EQ(g.width, m.width);
      EXPECT_EQ(g.height, m.height);
      EXPECT_EQ(g.interlaced, m.interlaced);
      EXPECT_EQ(g.delayCs, m.delayCs);
      EXPECT_EQ(g.transparentIndex, m.transparentIndex);
      EXPECT_EQ(g.disposal, m.disposal);
      EXPECT_EQ(read.hasLocalTable[n], !m.localPalette.empty());
      // The table read back is padded to a power of two: the palette is its prefix.
      const GifPalette& palette = m.localPalette.empty() ? meant.globalPalette : m.localPalette;
      ASSERT_GE(g.localPalette.size(), palette.size());
      EXPECT_TRUE(std::equal(palette.begin(), palette.end(), g.localPalette.begin()));
      EXPECT_TRUE(g.indices == m.indices) << "pixels differ";
    }
  }
}

TEST(GifEncoder, RejectsImagesNoReaderCouldShow) {
  struct Bad {
    const char* name;
    std::function<void(GifImage&)> spoil;
  };
  const Bad cases[] = {
      {"empty screen", [](GifImage& i) { i.width = 0; }},
      {"screen wider than 65535", [](GifImage& i) { i.width = 70000; }},
      {"frame beyond the right edge", [](GifImage& i) { i.frames[0].left = 1; }},
      {"frame above the screen", [](GifImage& i) { i.frames[0].top = -1; }},
      {"too few pixels", [](GifImage& i) { i.frames[0].indices.pop_back(); }},
      {"index outside the global table", [](GifImage& i) { i.frames[0].indices[5] = 4; }},
      {"index outside the local table", [](GifImage& i) {
         i.frames[0].localPalette = Ramp(2);
         i.frames[0].indices[0] = 2;
       }},
      {"no colour table at all", [](GifImage& i) { i.globalPalette.clear(); }},
      {"palette of 257 colours", [](GifImage& i) { i.globalPalette = Ramp(257); }},
      {"transparent index outside the table", [](GifImage& i) { i.frames[0].transparentIndex = 9; }},
      {"negative delay", [](GifImage& i) { i.frames[0].delayCs = -1; }},
  };
  for (const Bad& row : cases) {
    SCOPED_TRACE(row.name);
    GifImage image{4, 4, Ramp(4), 0, {}, {Frame(0, 0, 4, 4, 4, 11)}};
    ASSERT_NO_THROW(EncodeGif(image));
    row.spoil(image);
    EXPECT_THROW(EncodeGif(image), std::invalid_argument);
  }
}

} // namespace
} // namespace artgen
