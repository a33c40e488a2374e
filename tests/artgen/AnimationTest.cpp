// Drawn frames survive the trip to indexed GIF frames: what a viewer composes is what
// was drawn, whichever way each frame is written.
#include "tools/artgen/Animation.h"

#include <gtest/gtest.h>

#include <functional>

namespace artgen {
namespace {

const QColor kMatte(10, 90, 60);
// What lies under the control: not the matte, so that a pixel written in the matte
// colour instead of left transparent shows.
const QColor kTable(200, 0, 200);

QImage Filled(QSize size, QColor c) {
  QImage image(size, QImage::Format_ARGB32_Premultiplied);
  image.fill(c);
  return image;
}

QImage With(QImage image, QRect r, QColor c) {
  for (int y = r.top(); y <= r.bottom(); ++y)
    for (int x = r.left(); x <= r.right(); ++x)
      image.setPixelColor(x, y, c);
  return image;
}

// The largest difference of any channel between two opaque pictures.
int Distance(const QImage& a, const QImage& b) {
  int worst = 0;
  for (int y = 0; y < a.height(); ++y)
    for (int x = 0; x < a.width(); ++x) {
      const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
      worst = std::max({worst, std::abs(qRed(p) - qRed(q)), std::abs(qGreen(p) - qGreen(q)),
                        std::abs(qBlue(p) - qBlue(q))});
    }
  return worst;
}

struct Case {
  const char* name;
  std::function<Animation()> make;
  std::vector<QImage> shown;  // what a viewer must show after each frame
  int tolerance;
};

std::vector<Case> Cases() {
  const QSize size(8, 6);
  const QImage halves = With(Filled(size, Qt::red), QRect(4, 0, 4, 6), Qt::blue);
  const QImage changed = With(halves, QRect(2, 3, 1, 1), Qt::green);
  const QImage clear = Filled(size, Qt::transparent);
  const QImage spriteA = With(clear, QRect(0, 0, 2, 2), Qt::yellow);
  const QImage spriteB = With(clear, QRect(5, 3, 2, 2), Qt::yellow);
  const QImage twinkle = With(clear, QRect(6, 1, 1, 1), Qt::white);

  QImage gradient(64, 64, QImage::Format_ARGB32_Premultiplied);
  for (int y = 0; y < 64; ++y)
    for (int x = 0; x < 64; ++x)
      gradient.setPixelColor(x, y, QColor(x * 4, y * 4, (x + y) * 2));

  return {
      {"opaque frames write only what changed",
       [=] { return Animation{size, kMatte, {{halves, 30, GifDisposal::Keep, {}}, {changed, 30, GifDisposal::Keep, {}}}}; },
       {halves, changed}, 0},
      {"sprites move over a restored table",
       [=] {
         return Animation{size, kMatte,
                          {{spriteA, 30, GifDisposal::RestoreBackground, QRect(QPoint(), size)},
                           {spriteB, 30, GifDisposal::RestoreBackground, QRect(QPoint(), size)}}};
       },
       {With(Filled(size, kTable), QRect(0, 0, 2, 2), Qt::yellow), With(Filled(size, kTable), QRect(5, 3, 2, 2), Qt::yellow)},
       0},
      {"a twinkle is gone after its step",
       [=] {
         return Animation{size, kMatte,
                          {{halves, 30, GifDisposal::Keep, {}},
                           {twinkle, 30, GifDisposal::RestorePrevious, QRect(6, 1, 1, 1)},
                           {With(clear, QRect(1, 1, 1, 1), Qt::white), 30, GifDisposal::RestorePrevious, QRect(1, 1, 1, 1)}}};
       },
       {halves, With(halves, QRect(6, 1, 1, 1), Qt::white), With(halves, QRect(1, 1, 1, 1), Qt::white)},
       0},
      {"thousands of colours stay close to the drawing",
       [=] { return Animation{gradient.size(), kMatte, {{gradient, 30, GifDisposal::Keep, {}}}}; },
       {gradient}, 24},
  };
}

TEST(Animation, ViewersShowWhatWasDrawn) {
  for (const Case& row : Cases()) {
    SCOPED_TRACE(row.name);
    const GifImage gif = ToGif(row.make());
    ASSERT_LE(gif.globalPalette.size(), 256u);
    const std::vector<QImage> shown = Compose(gif, kTable);
    ASSERT_EQ(shown.size(), row.shown.size());
    for (std::size_t n = 0; n < shown.size(); ++n) {
      SCOPED_TRACE("frame " + std::to_string(n));
      EXPECT_LE(Distance(shown[n], row.shown[n]), row.tolerance);
    }
  }
}

TEST(Animation, AnUnchangedFrameIsOnePixelAndKeepsItsDelay) {
  const QImage still = Filled({5, 5}, Qt::blue);
  const GifImage gif = ToGif({{5, 5}, kMatte, {{still, 30, GifDisposal::Keep, {}}, {still, 90, GifDisposal::Keep, {}}}});
  ASSERT_EQ(gif.frames.size(), 2u);
  EXPECT_EQ(gif.frames[1].width * gif.frames[1].height, 1);
  EXPECT_EQ(gif.frames[1].delayCs, 90);
}

} // namespace
} // namespace artgen
