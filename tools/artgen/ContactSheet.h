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

} // namespace artgen
