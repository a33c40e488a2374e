#pragma once
// An animation as the generator draws it (full ARGB frames) and its conversion to
// the indexed frames of a GIF: one shared palette made by median cut, and per frame
// only the area that needs writing.
#include "tools/artgen/GifImage.h"

#include <QColor>
#include <QImage>
#include <QRect>

#include <vector>

namespace artgen {

struct AnimationFrame {
  QImage image;  // the whole logical screen; alpha below one half is transparent
  int delayCs = 30;
  GifDisposal disposal = GifDisposal::Keep;
  QRect area;  // the part written to the file; empty: the changed part, or all of frame 0
};

struct Animation {
  QSize size;
  QColor matte;  // half-transparent edges are blended onto this colour
  std::vector<AnimationFrame> frames;
  bool interlaced = false;  // rows in the four interlace passes
};

GifImage ToGif(const Animation& animation);

// What a viewer shows after each frame of `gif`, composed over `background`
// (disposal 2 and 3 restore what was under the frame): for previews.
std::vector<QImage> Compose(const GifImage& gif, QColor background);

} // namespace artgen
