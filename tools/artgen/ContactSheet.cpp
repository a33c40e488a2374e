#include "tools/artgen/ContactSheet.h"

#include "tools/artgen/ArtKit.h"

#include "res/ResourceIds.h"

#include <algorithm>

namespace artgen {
namespace {

constexpr int kSheetWidth = 1800;
constexpr int kMaxPreviewHeight = 300;
constexpr int kGap = 10;
constexpr int kCaption = 28;

} // namespace

QImage ContactSheet(const std::vector<ContactEntry>& entries) {
  // Lay the tiles out in rows first, to know the sheet's height.
  struct Tile { QPoint at; QImage image; const ContactEntry* entry; };
  std::vector<Tile> tiles;
  int x = kGap, y = kGap, rowHeight = 0;
  for (const ContactEntry& e : entries) {
    QImage image = e.preview;
    if (image.height() > kMaxPreviewHeight || image.width() > kSheetWidth - 2 * kGap)
      image = image.scaled(kSheetWidth - 2 * kGap, kMaxPreviewHeight, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    // Tiny resources are shown doubled, pixel for pixel.
    if (image.width() <= 32 && image.height() <= 32)
      image = image.scaled(image.size() * 2, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    const int w = std::max(image.width(), 120);
    if (x + w > kSheetWidth - kGap) {
      x = kGap;
      y += rowHeight + kCaption + kGap;
      rowHeight = 0;
    }
    tiles.push_back({{x, y}, image, &e});
    x += w + kGap;
    rowHeight = std::max(rowHeight, image.height());
  }
  QImage sheet = NewCanvas(kSheetWidth, y + rowHeight + kCaption + kGap, QColor(60, 60, 66));
  QPainter p(&sheet);
  Prepare(p);
  // A checkerboard under each tile shows the transparent parts.
  for (const Tile& t : tiles) {
    const QRect r(t.at, t.image.size());
    for (int cy = r.top(); cy < r.bottom(); cy += 8)
      for (int cx = r.left(); cx < r.right(); cx += 8)
        p.fillRect(QRect(cx, cy, 8, 8).intersected(r), ((cx - r.left()) / 8 + (cy - r.top()) / 8) % 2 ? QColor(200, 200, 200) : QColor(240, 240, 240));
    p.drawImage(t.at, t.image);
    p.setPen(QColor(235, 235, 235));
    p.setFont(CjkFont(11));
    const QString caption = QStringLiteral("%1  %2x%3").arg(t.entry->label).arg(t.entry->size.width()).arg(t.entry->size.height());
    p.drawText(QRect(t.at.x(), t.at.y() + t.image.height() + 2, std::max(t.image.width(), 120) + kGap, kCaption),
               Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, caption);
  }
  return sheet;
}

QImage DeskGroundPreview(const std::vector<DrawnImage>& bitmaps) {
  auto bitmap = [&](int id) {
    for (const DrawnImage& d : bitmaps)
      if (d.id == id)
        return d.image;
    return QImage();
  };
  QImage view = NewCanvas(320, 120, QColor(82, 113, 156));
  QPainter p(&view);
  p.setFont(CjkFont(12));
  struct Cell { int desk, left, right; const char* leftName; const char* rightName; };
  const Cell cells[] = {{res::IDB_DESK_IDLE, res::IDB_CHAIR_SEAT1, res::IDB_CHAIR_EMPTY, "tavik", ""},
                        {res::IDB_DESK_PLAYING, res::IDB_CHAIR_SEAT1, res::IDB_CHAIR_SEAT2, "tavik", "morvane"}};
  for (int n = 0; n < 2; ++n) {
    const int x0 = n * 160, x1 = x0 + 160;
    p.drawImage(x0 + 55, 45, bitmap(cells[n].desk));
    p.drawImage(x0 + 11, 45, bitmap(cells[n].left));
    p.drawImage(x1 - 41, 45, bitmap(cells[n].right));
    p.setPen(QColor(200, 250, 200));
    const QString leftName = QString::fromLatin1(cells[n].leftName), rightName = QString::fromLatin1(cells[n].rightName);
    p.drawText(x0, 45 - 24 + 12, leftName);
    p.drawText(x1 - int(rightName.size()) * 6, 45 - 24 + 12, rightName);
    p.setPen(QColor(220, 220, 220));
    p.drawText(QRect(x0, 100, 160, 20), Qt::AlignCenter, QStringLiteral("- %1 -").arg(n + 1));
  }
  return view;
}

} // namespace artgen
