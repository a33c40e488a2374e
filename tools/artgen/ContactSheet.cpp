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

namespace {

QImage Find(const std::vector<DrawnImage>& bitmaps, int id) {
  for (const DrawnImage& d : bitmaps)
    if (d.id == id)
      return d.image;
  return QImage();
}

// As the picture button shows it: the corner colour is see-through.
QImage Shaped(QImage image) {
  image = image.convertToFormat(QImage::Format_ARGB32);
  const QRgb corner = image.pixel(0, 0);
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x)
      if (image.pixel(x, y) == corner)
        image.setPixel(x, y, 0);
  return image;
}

} // namespace

QImage MainWindowPreview(const std::vector<DrawnImage>& bitmaps) {
  QImage view = Find(bitmaps, res::IDB_MAIN_SMALL).convertToFormat(QImage::Format_ARGB32_Premultiplied);
  QPainter p(&view);
  p.setFont(CjkFont(12));
  // Tab bar at (205, 80)-(795, 105): background, bottom line, two tabs, the arrows.
  p.fillRect(QRect(205, 80, 590, 25), QColor(230, 230, 200));
  p.setPen(QColor(140, 120, 100));
  p.drawLine(205, 104, 795, 104);
  const QString captions[] = {QStringLiteral("游戏大厅"), QStringLiteral("房间一")};
  for (int i = 0; i < 2; ++i) {
    const QRect tab(210 + i * 62, 85, 60, 20);
    p.drawImage(tab, Find(bitmaps, i == 0 ? res::IDB_TAB_ACTIVE : res::IDB_TAB_INACTIVE));
    p.setPen(i == 0 ? QColor(60, 160, 200) : QColor(140, 120, 100));
    p.drawRect(tab.adjusted(0, 0, -1, i == 0 ? 0 : -1));
    p.setPen(Qt::black);
    p.drawText(tab, Qt::AlignCenter, captions[i]);
  }
  p.drawImage(750, 83, Find(bitmaps, res::IDB_LEFT_DISABLED));
  p.drawImage(771, 83, Find(bitmaps, res::IDB_RIGHT_ENABLED));
  // Hall tree entries with their images.
  const int images[] = {res::IDB_TREE_GROUP, res::IDB_TREE_COMMON, res::IDB_TREE_CHALLENGE};
  const QString names[] = {QStringLiteral("休闲游戏"), QStringLiteral("田忌赛马大厅"), QStringLiteral("擂台赛大厅")};
  for (int i = 0; i < 3; ++i) {
    p.drawImage(12 + (i > 0) * 16, 88 + i * 20, Find(bitmaps, images[i]));
    p.drawText(32 + (i > 0) * 16, 101 + i * 20, names[i]);
  }
  p.drawImage(740, 6, Shaped(Find(bitmaps, res::IDB_MINIMISE)));
  p.drawImage(765, 6, Shaped(Find(bitmaps, res::IDB_EXIT)));
  return view;
}

QImage DeskGroundPreview(const std::vector<DrawnImage>& bitmaps) {
  auto bitmap = [&](int id) { return Find(bitmaps, id); };
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
