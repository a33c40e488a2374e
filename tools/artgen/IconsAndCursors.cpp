// The application icon, the seat hover icon and the four cursors (32 x 32 with alpha).
#include "tools/artgen/ArtKit.h"
#include "tools/artgen/Catalogue.h"

#include "res/ResourceIds.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>

namespace artgen {
namespace {

QImage ApplicationIcon() {
  QImage image = NewCanvas(32, 32);
  QPainter p(&image);
  Prepare(p);
  QLinearGradient g(0, 0, 0, 32);
  g.setColorAt(0, QColor(90, 130, 190));
  g.setColorAt(1, QColor(30, 50, 95));
  p.setPen(QPen(QColor(230, 190, 90), 1.5));
  p.setBrush(g);
  p.drawRoundedRect(QRectF(1.5, 1.5, 29, 29), 7, 7);
  OutlinedText(p, QRectF(1, 1, 30, 30), QStringLiteral("M"), LatinFont(22, true), QColor(255, 225, 120),
               QColor(60, 30, 5), 2.5);
  return image;
}

// Shown over an empty seat: a ring with an arrow pointing into it; used as a
// cursor its hot spot is the centre.
QImage SeatHoverIcon() {
  QImage image = NewCanvas(32, 32);
  QPainter p(&image);
  Prepare(p);
  p.setPen(QPen(QColor(20, 60, 20), 3.5));
  p.setBrush(QColor(120, 230, 120, 90));
  p.drawEllipse(QPointF(16, 16), 12, 12);
  p.setPen(QPen(QColor(160, 255, 150), 2));
  p.setBrush(Qt::NoBrush);
  p.drawEllipse(QPointF(16, 16), 12, 12);
  QPainterPath arrow;
  arrow.moveTo(16, 22);
  arrow.lineTo(10, 14);
  arrow.lineTo(14, 14);
  arrow.lineTo(14, 7);
  arrow.lineTo(18, 7);
  arrow.lineTo(18, 14);
  arrow.lineTo(22, 14);
  arrow.closeSubpath();
  p.setPen(QPen(QColor(20, 60, 20), 1.2));
  p.setBrush(Qt::white);
  p.drawPath(arrow);
  return image;
}

// The classic pointer with its tip at (4, 2), where the cursor table puts the hot spot.
void Pointer(QPainter& p) {
  QPainterPath arrow;
  arrow.moveTo(4, 2);
  arrow.lineTo(4, 22);
  arrow.lineTo(9, 17.5);
  arrow.lineTo(12.5, 25);
  arrow.lineTo(15.5, 23.5);
  arrow.lineTo(12, 16.5);
  arrow.lineTo(18.5, 16.5);
  arrow.closeSubpath();
  p.setPen(QPen(Qt::black, 1.3, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
  p.setBrush(Qt::white);
  p.drawPath(arrow);
}

void Badge(QPainter& p, QColor colour) {
  p.setPen(QPen(Qt::black, 1));
  p.setBrush(colour);
  p.drawEllipse(QPointF(23, 23), 7.5, 7.5);
}

QImage PickCursor(int id) {
  QImage image = NewCanvas(32, 32);
  QPainter p(&image);
  Prepare(p);
  Pointer(p);
  p.setBrush(Qt::NoBrush);
  if (id == res::IDC_PICK_SELECTED) {  // a tick: this one is picked up
    Badge(p, QColor(60, 170, 60));
    p.setPen(QPen(Qt::white, 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPolyline(QPolygonF({{19.5, 23}, {22, 26}, {27, 19.5}}));
  } else if (id == res::IDC_PICK_SWAP) {  // two arrows: swap with the picked one
    Badge(p, QColor(230, 150, 30));
    p.setPen(QPen(Qt::white, 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawLine(QPointF(18.5, 20.5), QPointF(27, 20.5));
    p.drawPolyline(QPolygonF({{24.5, 18}, {27, 20.5}, {24.5, 23}}));
    p.drawLine(QPointF(27.5, 25.5), QPointF(19, 25.5));
    p.drawPolyline(QPolygonF({{21.5, 23}, {19, 25.5}, {21.5, 28}}));
  } else {  // an empty hand: nothing picked yet
    Badge(p, QColor(60, 120, 210));
    p.setPen(QPen(Qt::white, 1.6, Qt::SolidLine, Qt::RoundCap));
    p.drawEllipse(QPointF(23, 23), 3.2, 3.2);
  }
  return image;
}

// An open hand, grabbed in the palm (hot spot 15, 15).
QImage DragCursor() {
  QImage image = NewCanvas(32, 32);
  QPainter p(&image);
  Prepare(p);
  p.setPen(QPen(Qt::black, 1.3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.setBrush(Qt::white);
  const qreal fingerTops[] = {6, 3, 4, 7};
  for (int i = 0; i < 4; ++i)
    p.drawRoundedRect(QRectF(7.5 + i * 4.5, fingerTops[i], 4.2, 14), 2.1, 2.1);
  p.save();
  p.translate(8, 17);
  p.rotate(-40);
  p.drawRoundedRect(QRectF(-2, -9, 4.2, 11), 2.1, 2.1);
  p.restore();
  p.drawRoundedRect(QRectF(7.5, 12, 18, 15), 5, 5);
  p.setPen(Qt::NoPen);
  p.drawRect(QRectF(8.2, 12, 16.6, 4));
  return image;
}

} // namespace

std::vector<DrawnImage> DrawIcons() {
  return {{res::IDI_APPLICATION_ICON, ApplicationIcon()}, {res::IDI_SEAT_HOVER, SeatHoverIcon()}};
}

std::vector<DrawnImage> DrawCursors() {
  return {{res::IDC_DRAG, DragCursor()},
          {res::IDC_PICK_SELECTED, PickCursor(res::IDC_PICK_SELECTED)},
          {res::IDC_PICK_NOTHING, PickCursor(res::IDC_PICK_NOTHING)},
          {res::IDC_PICK_SWAP, PickCursor(res::IDC_PICK_SWAP)}};
}

} // namespace artgen
