// The files the build wrote are the generator's drawings: every GIF the games open
// decodes with giflib to the frames that were drawn, and the click is a short sound.
#include "tools/artgen/Catalogue.h"
#include "tools/artgen/GifEncoder.h"

#include "platform/Sound.h"
#include "res/ResourceIds.h"
#include "tests/artgen/GiflibReader.h"

#include <gtest/gtest.h>

#include <QFile>

#include <set>

namespace artgen {
namespace {

std::vector<std::uint8_t> ReadFile(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly))
    return {};
  const QByteArray bytes = file.readAll();
  return {bytes.begin(), bytes.end()};
}

class ArtFiles : public ::testing::Test {
protected:
  static void SetUpTestSuite() { s_gifs = new std::vector<DrawnGif>(DrawGameGifs()); }
  static void TearDownTestSuite() {
    delete s_gifs;
    s_gifs = nullptr;
  }
  static std::vector<DrawnGif>* s_gifs;
};
std::vector<DrawnGif>* ArtFiles::s_gifs = nullptr;

TEST_F(ArtFiles, EveryGifDecodesToTheDrawnFrames) {
  for (const DrawnGif& drawn : *s_gifs) {
    SCOPED_TRACE(drawn.path.toStdString());
    const std::vector<std::uint8_t> bytes = ReadFile(drawn.path);
    ASSERT_FALSE(bytes.empty()) << "not written";
    // Byte for byte what this process draws: the art is the same on every run.
    EXPECT_TRUE(bytes == EncodeGif(drawn.gif)) << "the file differs from a fresh drawing";
    const auto read = testing::ReadWithGiflib(bytes);
    ASSERT_EQ(read.error, "");
    EXPECT_EQ(read.image.width, drawn.gif.width);
    EXPECT_EQ(read.image.height, drawn.gif.height);
    ASSERT_EQ(read.image.frames.size(), drawn.gif.frames.size());
    for (std::size_t n = 0; n < drawn.gif.frames.size(); ++n) {
      SCOPED_TRACE("frame " + std::to_string(n));
      const GifFrame& want = drawn.gif.frames[n];
      const GifFrame& got = read.image.frames[n];
      EXPECT_EQ(got.delayCs, want.delayCs);
      EXPECT_EQ(got.transparentIndex, want.transparentIndex);
      EXPECT_EQ(got.disposal, want.disposal);
      EXPECT_EQ(got.interlaced, want.interlaced);
      EXPECT_EQ(QRect(got.left, got.top, got.width, got.height), QRect(want.left, want.top, want.width, want.height));
      EXPECT_TRUE(got.indices == want.indices) << "pixels differ";
    }
  }
}

TEST_F(ArtFiles, TheGamesFindEveryGifTheyOpen) {
  std::set<QString> drawn;
  for (const DrawnGif& d : *s_gifs)
    drawn.insert(d.path);
  for (std::string_view file : res::kGameFiles) {
    QString path = QString::fromUtf8(file.data(), qsizetype(file.size())).replace(QLatin1Char('\\'), QLatin1Char('/'));
    if (path.endsWith(QStringLiteral(".gif"))) {
      EXPECT_EQ(drawn.count(path), 1u) << path.toStdString();
    }
  }
}

// Cards rest on 73 x 100 home spots; everything else covers a 110 x 150 picture.
TEST_F(ArtFiles, AnimationsFitTheirPlacesAndMove) {
  bool transparency = false, restoreBackground = false, restorePrevious = false, interlaced = false;
  for (const DrawnGif& d : *s_gifs) {
    SCOPED_TRACE(d.path.toStdString());
    const bool card = d.path.startsWith(QStringLiteral("gif/cao/")) || d.path.startsWith(QStringLiteral("gif/wspic/")) ||
                      d.path.startsWith(QStringLiteral("gif/xfpic/"));
    EXPECT_LE(d.gif.width + 2, card ? 73 : 110);
    EXPECT_LE(d.gif.height + 2, card ? 100 : 150);
    EXPECT_GE(d.gif.frames.size(), 2u);
    for (const GifFrame& f : d.gif.frames) {
      EXPECT_GT(f.delayCs, 0);
      transparency |= f.transparentIndex.has_value();
      restoreBackground |= f.disposal == GifDisposal::RestoreBackground;
      restorePrevious |= f.disposal == GifDisposal::RestorePrevious;
      interlaced |= f.interlaced;
    }
  }
  // The control's compositing gets used.
  EXPECT_TRUE(transparency);
  EXPECT_TRUE(restoreBackground);
  EXPECT_TRUE(restorePrevious);
  EXPECT_TRUE(interlaced);
}

TEST(ClickSound, IsAShortPlayableClick) {
  const std::vector<std::uint8_t> bytes = ReadFile(QStringLiteral("sound/Click.wav"));
  EXPECT_TRUE(bytes == ClickWav());
  const auto pcm = platform::ParseWav(bytes);
  ASSERT_TRUE(pcm.has_value());
  const double seconds = double(pcm->samples.size()) / (pcm->channels * pcm->bitsPerSample / 8) / pcm->sampleRate;
  EXPECT_GT(seconds, 0.01);
  EXPECT_LT(seconds, 0.2);
}

} // namespace
} // namespace artgen
