#pragma once
// One picture with every resource, its id or path and its size, for review by eye.
#include "tools/artgen/Catalogue.h"

#include <QImage>

namespace artgen {

struct ContactEntry {
  QString label;   // "bitmap 136" or a gif path
  QImage preview;  // for a GIF, its frames side by side as a viewer composes them
  QSize size;      // the resource's own size
};

QImage ContactSheet(const std::vector<ContactEntry>& entries);

// Two desk cells of a desk ground laid out as the room window lays them out, one
// idle with a player waiting and one playing, to judge desks and chairs together.
QImage DeskGroundPreview(const std::vector<DrawnImage>& bitmaps);

// The small main window with its tab bar, hall tree images and picture buttons in
// place, to judge the lobby bitmaps together.
QImage MainWindowPreview(const std::vector<DrawnImage>& bitmaps);

} // namespace artgen
