#include "tools/artgen/Animation.h"

#include <algorithm>
#include <array>

namespace artgen {
namespace {

constexpr int kOpaqueColours = 255;  // the last index stays free for transparency

// Colours are counted and matched on 5 bits per channel: plenty for flat, shaded art.
int Key(QRgb c) { return (qRed(c) >> 3) << 10 | (qGreen(c) >> 3) << 5 | (qBlue(c) >> 3); }

// Colours of one 5-bit cell: how many pixels, and their sums for the mean.
struct Bucket {
  long count = 0;
  long r = 0, g = 0, b = 0;
  int Channel(int ch) const { return static_cast<int>((ch == 0 ? r : ch == 1 ? g : b) / count); }
};

struct Box {
  std::vector<Bucket> buckets;
  int range = 0, channel = 0;  // the widest channel and its range, computed once

  explicit Box(std::vector<Bucket> b) : buckets(std::move(b)) {
    for (int ch = 0; ch < 3; ++ch) {
      int lo = 255, hi = 0;
      for (const Bucket& e : buckets) {
        lo = std::min(lo, e.Channel(ch));
        hi = std::max(hi, e.Channel(ch));
      }
      if (hi - lo > range) {
        range = hi - lo;
        channel = ch;
      }
    }
  }

  GifColor Mean() const {
    Bucket total;
    for (const Bucket& e : buckets) {
      total.count += e.count;
      total.r += e.r;
      total.g += e.g;
      total.b += e.b;
    }
    return {static_cast<std::uint8_t>(total.Channel(0)), static_cast<std::uint8_t>(total.Channel(1)),
            static_cast<std::uint8_t>(total.Channel(2))};
  }
};

GifPalette MedianCut(std::vector<Bucket> histogram) {
  if (histogram.empty())
    return {GifColor{}};
  std::vector<Box> boxes{Box(std::move(histogram))};
  while (static_cast<int>(boxes.size()) < kOpaqueColours) {
    // Split the box with the widest channel range that still holds two cells.
    int best = -1;
    for (int i = 0; i < static_cast<int>(boxes.size()); ++i)
      if (boxes[i].buckets.size() >= 2 && (best < 0 || boxes[i].range > boxes[best].range))
        best = i;
    if (best < 0 || boxes[best].range == 0)
      break;
    std::vector<Bucket> cells = std::move(boxes[best].buckets);
    const int ch = boxes[best].channel;
    std::stable_sort(cells.begin(), cells.end(),
                     [ch](const Bucket& a, const Bucket& b) { return a.Channel(ch) < b.Channel(ch); });
    long total = 0;
    for (const Bucket& e : cells)
      total += e.count;
    long run = 0;
    std::size_t cut = 1;
    for (; cut < cells.size() - 1; ++cut) {
      run += cells[cut - 1].count;
      if (run * 2 >= total)
        break;
    }
    std::vector<Bucket> upper(cells.begin() + static_cast<std::ptrdiff_t>(cut), cells.end());
    cells.resize(cut);
    boxes[best] = Box(std::move(cells));
    boxes.emplace_back(std::move(upper));
  }
  GifPalette palette;
  for (const Box& b : boxes)
    palette.push_back(b.Mean());
  return palette;
}

QRgb Flatten(QRgb c, QColor matte) {
  const int a = qAlpha(c);
  if (a == 255)
    return c;
  // Premultiplied pixels: colour + (1 - alpha) * matte.
  auto mix = [a](int premultiplied, int m) { return std::min(255, premultiplied + m * (255 - a) / 255); };
  return qRgb(mix(qRed(c), matte.red()), mix(qGreen(c), matte.green()), mix(qBlue(c), matte.blue()));
}

class Matcher {
public:
  explicit Matcher(const GifPalette& palette) : m_palette(palette) { m_cache.fill(-1); }

  std::uint8_t Index(QRgb c) {
    int& slot = m_cache[Key(c)];
    if (slot < 0) {
      int best = 0, bestDistance = 1 << 30;
      for (int i = 0; i < static_cast<int>(m_palette.size()); ++i) {
        const int dr = m_palette[i].r - qRed(c), dg = m_palette[i].g - qGreen(c),
                  db = m_palette[i].b - qBlue(c);
        const int d = 3 * dr * dr + 4 * dg * dg + 2 * db * db;
        if (d < bestDistance) {
          bestDistance = d;
          best = i;
        }
      }
      slot = best;
    }
    return static_cast<std::uint8_t>(slot);
  }

private:
  GifPalette m_palette;  // a copy: the caller appends the transparent slot afterwards
  std::array<int, 1 << 15> m_cache;
};

QRect ChangedArea(const QImage& previous, const QImage& current) {
  int left = current.width(), top = current.height(), right = -1, bottom = -1;
  for (int y = 0; y < current.height(); ++y) {
    const auto* a = reinterpret_cast<const QRgb*>(previous.constScanLine(y));
    const auto* b = reinterpret_cast<const QRgb*>(current.constScanLine(y));
    for (int x = 0; x < current.width(); ++x)
      if (a[x] != b[x]) {
        left = std::min(left, x);
        right = std::max(right, x);
        top = std::min(top, y);
        bottom = std::max(bottom, y);
      }
  }
  // An unchanged frame still needs one pixel to carry its delay.
  return right < 0 ? QRect(0, 0, 1, 1) : QRect(QPoint(left, top), QPoint(right, bottom));
}

} // namespace

GifImage ToGif(const Animation& animation) {
  std::vector<QImage> frames;
  std::vector<Bucket> cells(1 << 15);
  for (const AnimationFrame& f : animation.frames) {
    QImage image = f.image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    for (int y = 0; y < image.height(); ++y) {
      auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
      for (int x = 0; x < image.width(); ++x) {
        if (qAlpha(row[x]) < 128) {
          row[x] = 0;
          continue;
        }
        row[x] = Flatten(row[x], animation.matte);
        Bucket& cell = cells[Key(row[x])];
        ++cell.count;
        cell.r += qRed(row[x]);
        cell.g += qGreen(row[x]);
        cell.b += qBlue(row[x]);
      }
    }
    frames.push_back(std::move(image));
  }
  GifImage gif;
  gif.width = animation.size.width();
  gif.height = animation.size.height();
  std::vector<Bucket> histogram;
  for (const Bucket& cell : cells)
    if (cell.count > 0)
      histogram.push_back(cell);
  gif.globalPalette = MedianCut(std::move(histogram));
  const auto transparent = static_cast<std::uint8_t>(gif.globalPalette.size());
  Matcher opaque(gif.globalPalette);
  gif.globalPalette.push_back({static_cast<std::uint8_t>(animation.matte.red()),
                               static_cast<std::uint8_t>(animation.matte.green()),
                               static_cast<std::uint8_t>(animation.matte.blue())});
  gif.backgroundIndex = transparent;
  gif.loopCount = 0;

  for (std::size_t n = 0; n < frames.size(); ++n) {
    const AnimationFrame& drawn = animation.frames[n];
    QRect area = drawn.area;
    // Only a frame drawn over a kept predecessor can be written as the changed part.
    const bool overKept = n > 0 && animation.frames[n - 1].disposal == GifDisposal::Keep;
    if (area.isEmpty())
      area = overKept ? ChangedArea(frames[n - 1], frames[n]) : QRect(QPoint(0, 0), animation.size);
    GifFrame f;
    f.left = area.left();
    f.top = area.top();
    f.width = area.width();
    f.height = area.height();
    f.delayCs = drawn.delayCs;
    f.disposal = drawn.disposal;
    f.interlaced = animation.interlaced;
    bool anyTransparent = false;
    for (int y = area.top(); y <= area.bottom(); ++y) {
      const auto* row = reinterpret_cast<const QRgb*>(frames[n].constScanLine(y));
      for (int x = area.left(); x <= area.right(); ++x) {
        if (qAlpha(row[x]) == 0) {
          f.indices.push_back(transparent);
          anyTransparent = true;
        } else {
          f.indices.push_back(opaque.Index(row[x]));
        }
      }
    }
    if (anyTransparent)
      f.transparentIndex = transparent;
    gif.frames.push_back(std::move(f));
  }
  return gif;
}

std::vector<QImage> Compose(const GifImage& gif, QColor background) {
  std::vector<QImage> shown;
  QImage canvas(gif.width, gif.height, QImage::Format_RGB32);
  canvas.fill(background);
  for (const GifFrame& f : gif.frames) {
    const QImage before = canvas.copy();
    for (int y = 0; y < f.height; ++y)
      for (int x = 0; x < f.width; ++x) {
        const std::uint8_t i = f.indices[static_cast<std::size_t>(y) * f.width + x];
        if (f.transparentIndex && i == *f.transparentIndex)
          continue;
        const GifColor c = (f.localPalette.empty() ? gif.globalPalette : f.localPalette)[i];
        canvas.setPixel(f.left + x, f.top + y, qRgb(c.r, c.g, c.b));
      }
    shown.push_back(canvas.copy());
    if (f.disposal == GifDisposal::RestoreBackground || f.disposal == GifDisposal::RestorePrevious)
      canvas = before;  // the control restores what was under the frame for both
  }
  return shown;
}

} // namespace artgen
