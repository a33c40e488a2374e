// The desks and chairs of the desk grounds, on the grounds' colour.
#include "tools/artgen/ArtKit.h"
#include "tools/artgen/Catalogue.h"

#include "res/ResourceIds.h"

#include <QLinearGradient>
#include <QPainterPath>

namespace artgen {
namespace {

const QColor kRoomBlue(82, 113, 156);

// A card table seen from the front and a little above, on the desk ground's colour;
// the chairs stand left and right of it.
QImage Desk(bool playing) {
  QImage image = NewCanvas(50, 30, kRoomBlue);
  QPainter p(&image);
  Prepare(p);
  const QColor wood(160, 95, 45), dark(80, 45, 20);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(30, 45, 70, 110));
  p.drawEllipse(QPointF(25, 27.5), 22, 2.5);
  p.setPen(QPen(dark, 2, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(QPointF(13, 18), QPointF(13.5, 25));
  p.drawLine(QPointF(37, 18), QPointF(36.5, 25));
  p.setPen(QPen(Shade(wood, 90), 2.6, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(QPointF(6, 18), QPointF(6, 28));
  p.drawLine(QPointF(44, 18), QPointF(44, 28));
  QPainterPath top;
  top.moveTo(7, 3.5);
  top.lineTo(43, 3.5);
  top.lineTo(47.5, 14.5);
  top.lineTo(2.5, 14.5);
  top.closeSubpath();
  QLinearGradient rim(0, 3, 0, 15);
  rim.setColorAt(0, Shade(wood, 125));
  rim.setColorAt(1, wood);
  p.setPen(QPen(dark, 1));
  p.setBrush(rim);
  p.drawPath(top);
  QPainterPath felt;
  felt.moveTo(9.5, 5.5);
  felt.lineTo(40.5, 5.5);
  felt.lineTo(43.5, 12.5);
  felt.lineTo(6.5, 12.5);
  felt.closeSubpath();
  QLinearGradient cloth(0, 5, 0, 13);
  cloth.setColorAt(0, playing ? QColor(70, 180, 100) : QColor(50, 140, 85));
  cloth.setColorAt(1, playing ? QColor(40, 130, 70) : QColor(30, 100, 60));
  p.setPen(QPen(QColor(20, 60, 35), 0.8));
  p.setBrush(cloth);
  p.drawPath(felt);
  p.setPen(QPen(dark, 1));
  p.setBrush(Shade(wood, 80));
  p.drawRect(QRectF(2.5, 14.5, 45, 4));
  if (playing) {
    // Cards dealt on the felt, a stack of chips, and a warm glow: a game is on.
    for (int i = 0; i < 3; ++i) {
      p.save();
      p.translate(19 + i * 6, 9);
      p.rotate(-20 + i * 20);
      p.setPen(QPen(QColor(70, 70, 70), 0.6));
      p.setBrush(i == 1 ? QColor(250, 250, 245) : QColor(210, 50, 50));
      p.drawRoundedRect(QRectF(-2.5, -3.5, 5, 7), 0.8, 0.8);
      p.restore();
    }
    p.setPen(QPen(QColor(120, 90, 10), 0.6));
    p.setBrush(QColor(245, 200, 60));
    for (int i = 0; i < 3; ++i)
      p.drawEllipse(QPointF(36, 10.5 - i * 1.4), 2.6, 1.2);
    p.setPen(QPen(QColor(255, 220, 90, 210), 1.2));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRectF(0.8, 1.2, 48.4, 19), 4, 4);
  }
  return image;
}

// A wooden chair facing the desk; an occupied one with its player sitting on it.
QImage Chair(int seat) {
  QImage image = NewCanvas(30, 30, kRoomBlue);
  QPainter p(&image);
  Prepare(p);
  const QColor wood(165, 100, 50), dark(90, 50, 20);
  p.setPen(QPen(dark, 1.6, Qt::SolidLine, Qt::RoundCap));
  // Legs.
  p.drawLine(QPointF(7, 20), QPointF(6, 28.5));
  p.drawLine(QPointF(23, 20), QPointF(24, 28.5));
  p.drawLine(QPointF(10, 21), QPointF(10.5, 26.5));
  p.drawLine(QPointF(20, 21), QPointF(19.5, 26.5));
  // Back rest with three slats, then the seat.
  QLinearGradient back(0, 2, 0, 16);
  back.setColorAt(0, Shade(wood, 125));
  back.setColorAt(1, wood);
  p.setPen(QPen(dark, 1));
  p.setBrush(back);
  p.drawRoundedRect(QRectF(7.5, 1.5, 15, 4), 1.5, 1.5);
  for (qreal x : {9.5, 14.0, 18.5})
    p.drawRect(QRectF(x, 5.5, 2, 10));
  QPainterPath seatTop;
  seatTop.moveTo(7, 15.5);
  seatTop.lineTo(23, 15.5);
  seatTop.lineTo(25.5, 20.5);
  seatTop.lineTo(4.5, 20.5);
  seatTop.closeSubpath();
  p.setBrush(Shade(wood, 115));
  p.drawPath(seatTop);
  p.setBrush(Shade(wood, 80));
  p.drawRect(QRectF(4.5, 20.5, 21, 2));
  if (seat > 0) {
    const QColor shirts[] = {QColor(220, 70, 60), QColor(60, 130, 220), QColor(70, 170, 90)};
    const QColor shirt = shirts[seat - 1];
    // Torso, arms and head in front of the back rest.
    QLinearGradient cloth(8, 0, 22, 0);
    cloth.setColorAt(0, Shade(shirt, 80));
    cloth.setColorAt(0.5, Shade(shirt, 120));
    cloth.setColorAt(1, Shade(shirt, 75));
    p.setPen(QPen(Shade(shirt, 50), 1));
    p.setBrush(cloth);
    p.drawRoundedRect(QRectF(8.5, 9.5, 13, 11), 4, 4);
    p.setBrush(Shade(shirt, 90));
    p.drawRoundedRect(QRectF(5.5, 11, 4, 8), 2, 2);
    p.drawRoundedRect(QRectF(20.5, 11, 4, 8), 2, 2);
    p.setPen(QPen(QColor(150, 100, 70), 0.8));
    p.setBrush(QColor(250, 214, 180));
    p.drawEllipse(QPointF(15, 6), 4.2, 4.2);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(40, 30, 25));
    p.drawChord(QRectF(10.8, 1.6, 8.4, 6), 0, 180 * 16);
    p.drawEllipse(QPointF(13.5, 6.6), 0.7, 0.8);
    p.drawEllipse(QPointF(16.5, 6.6), 0.7, 0.8);
    OutlinedText(p, QRectF(19, 19, 11, 11), QString::number(seat), LatinFont(9, true), Qt::white,
                 Shade(shirt, 45), 2);
  }
  return image;
}

} // namespace

std::vector<DrawnImage> DrawDeskBitmaps() {
  return {
      {res::IDB_DESK_IDLE, Desk(false)},
      {res::IDB_DESK_PLAYING, Desk(true)},
      {res::IDB_CHAIR_EMPTY, Chair(0)},
      {res::IDB_CHAIR_SEAT1, Chair(1)},
      {res::IDB_CHAIR_SEAT2, Chair(2)},
      {res::IDB_CHAIR_SEAT3, Chair(3)},
  };
}

} // namespace artgen
