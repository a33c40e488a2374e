#include "tools/artgen/ArtKit.h"
#include "tools/artgen/Figures.h"

#include <QLinearGradient>
#include <QPainterPath>

#include <cmath>

namespace artgen {
namespace {

constexpr qreal kPi = 3.14159265358979;
const QPointF kHead(50, 24);
constexpr qreal kHeadRadius = 14;

void Hairdo(QPainter& p, const PersonLook& look, bool front) {
  p.setPen(QPen(Shade(look.hair, 60), 0.8));
  p.setBrush(look.hair);
  switch (look.hairStyle) {
  case Hair::Buns:
    if (!front) {
      p.drawEllipse(kHead + QPointF(-13, -12), 7, 7);
      p.drawEllipse(kHead + QPointF(13, -12), 7, 7);
      p.setBrush(QColor(220, 60, 80));
      p.drawEllipse(kHead + QPointF(-13, -12), 2.2, 2.2);
      p.drawEllipse(kHead + QPointF(13, -12), 2.2, 2.2);
    } else {
      p.drawChord(QRectF(kHead.x() - 15, kHead.y() - 15, 30, 22), 0, 180 * 16);
    }
    break;
  case Hair::Long:
    if (!front)
      p.drawRoundedRect(QRectF(kHead.x() - 17, kHead.y() - 14, 34, 40), 12, 12);
    else
      p.drawChord(QRectF(kHead.x() - 15, kHead.y() - 15, 30, 20), 0, 180 * 16);
    break;
  case Hair::Topknot:
  case Hair::Headband:
    if (!front) {
      p.drawEllipse(kHead + QPointF(0, -16), 5, 5);
    } else {
      p.drawChord(QRectF(kHead.x() - 15, kHead.y() - 15, 30, 16), 0, 180 * 16);
      if (look.hairStyle == Hair::Headband) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(200, 40, 40));
        p.drawRect(QRectF(kHead.x() - 14, kHead.y() - 9, 28, 4));
        p.drawPolygon(QPolygonF({kHead + QPointF(13, -8), kHead + QPointF(21, -4), kHead + QPointF(19, -1)}));
      }
    }
    break;
  case Hair::GreyBun:
    if (!front)
      p.drawEllipse(kHead + QPointF(0, -14), 8, 6);
    else
      p.drawChord(QRectF(kHead.x() - 15, kHead.y() - 15, 30, 18), 0, 180 * 16);
    break;
  case Hair::Helmet:
    if (front) {
      QLinearGradient steel(kHead + QPointF(-15, 0), kHead + QPointF(15, 0));
      steel.setColorAt(0, QColor(120, 125, 135));
      steel.setColorAt(0.4, QColor(215, 220, 228));
      steel.setColorAt(1, QColor(95, 100, 110));
      p.setPen(QPen(QColor(50, 50, 60), 1));
      p.setBrush(steel);
      p.drawChord(QRectF(kHead.x() - 16, kHead.y() - 18, 32, 28), 0, 180 * 16);
      p.drawRect(QRectF(kHead.x() - 17, kHead.y() - 6, 34, 3));
      p.setBrush(QColor(210, 40, 40));
      QPainterPath plume;
      plume.moveTo(kHead + QPointF(0, -17));
      plume.cubicTo(kHead + QPointF(-4, -30), kHead + QPointF(8, -32), kHead + QPointF(12, -26));
      plume.cubicTo(kHead + QPointF(6, -26), kHead + QPointF(4, -20), kHead + QPointF(2, -17));
      p.drawPath(plume);
    }
    break;
  case Hair::Bandage:
    if (front) {
      p.drawChord(QRectF(kHead.x() - 15, kHead.y() - 15, 30, 14), 0, 180 * 16);
      p.setPen(QPen(QColor(160, 150, 140), 0.8));
      p.setBrush(QColor(245, 240, 230));
      p.drawRect(QRectF(kHead.x() - 14, kHead.y() - 10, 28, 5));
      p.setPen(QPen(QColor(200, 40, 40), 1.5));
      p.drawPoint(kHead + QPointF(6, -8));
    }
    break;
  case Hair::Cap:
    if (front) {
      p.setPen(QPen(QColor(20, 20, 25), 1));
      p.setBrush(QColor(35, 35, 45));
      p.drawChord(QRectF(kHead.x() - 15, kHead.y() - 18, 30, 24), 0, 180 * 16);
      p.drawRoundedRect(QRectF(kHead.x() - 20, kHead.y() - 8, 40, 3), 1.5, 1.5);
    }
    break;
  }
}

void Face(QPainter& p, const PersonLook& look) {
  const QColor ink(40, 25, 25);
  if (look.mood == Mood::Skull) {
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(40, 20, 50));
    p.drawEllipse(kHead + QPointF(-5, 0), 3.8, 4.2);
    p.drawEllipse(kHead + QPointF(5, 0), 3.8, 4.2);
    p.setBrush(QColor(200, 40, 60));
    p.drawEllipse(kHead + QPointF(-5, 0.5), 1.2, 1.2);
    p.drawEllipse(kHead + QPointF(5, 0.5), 1.2, 1.2);
    p.setBrush(QColor(40, 20, 50));
    p.drawPolygon(QPolygonF({kHead + QPointF(0, 4), kHead + QPointF(-1.8, 7), kHead + QPointF(1.8, 7)}));
    p.setPen(QPen(QColor(60, 40, 70), 0.8));
    p.drawLine(kHead + QPointF(-5, 10), kHead + QPointF(5, 10));
    for (int i = -2; i <= 2; ++i)
      p.drawLine(kHead + QPointF(i * 2.2, 8.5), kHead + QPointF(i * 2.2, 11.5));
    return;
  }
  p.setPen(Qt::NoPen);
  p.setBrush(ink);
  if (look.mood == Mood::Laugh) {
    p.setPen(QPen(ink, 1.2, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(kHead.x() - 8, kHead.y() - 2, 5, 4), 0, 180 * 16);
    p.drawArc(QRectF(kHead.x() + 3, kHead.y() - 2, 5, 4), 0, 180 * 16);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(150, 30, 30));
    p.drawChord(QRectF(kHead.x() - 6, kHead.y() + 1, 12, 10), 180 * 16, 180 * 16);
  } else {
    const qreal eyeH = look.mood == Mood::Tired ? 0.9 : 1.8;
    p.drawEllipse(kHead + QPointF(-5, 0), 1.6, eyeH);
    p.drawEllipse(kHead + QPointF(5, 0), 1.6, eyeH);
    p.setPen(QPen(ink, 1.1, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    if (look.mood == Mood::Stern) {
      p.drawLine(kHead + QPointF(-8, -5), kHead + QPointF(-3, -3.5));
      p.drawLine(kHead + QPointF(8, -5), kHead + QPointF(3, -3.5));
      p.drawLine(kHead + QPointF(-3, 7), kHead + QPointF(3, 7));
    } else if (look.mood == Mood::Tired) {
      p.drawLine(kHead + QPointF(-8, -3.5), kHead + QPointF(-3, -5));
      p.drawLine(kHead + QPointF(8, -3.5), kHead + QPointF(3, -5));
      p.drawArc(QRectF(kHead.x() - 3, kHead.y() + 6, 6, 4), 0, 180 * 16);
      p.setPen(Qt::NoPen);
      p.setBrush(QColor(120, 190, 250));
      p.drawEllipse(kHead + QPointF(11, -6), 1.6, 2.4);
    } else {
      p.drawArc(QRectF(kHead.x() - 4, kHead.y() + 2, 8, 6), 200 * 16, 140 * 16);
    }
  }
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(255, 130, 130, 110));
  p.drawEllipse(kHead + QPointF(-9, 5), 3, 2);
  p.drawEllipse(kHead + QPointF(9, 5), 3, 2);
}

} // namespace

void DrawPerson(QPainter& p, const PersonLook& look, qreal phase) {
  const qreal sway = 2 * std::sin(2 * kPi * phase);
  const qreal half = 17 * look.build;  // half width at the hem
  p.save();
  Hairdo(p, look, false);

  // Feet.
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(50, 40, 40));
  p.drawEllipse(QPointF(42, 93), 6, 3);
  p.drawEllipse(QPointF(58, 93), 6, 3);

  // Robe: a bell from the shoulders to the hem.
  QPainterPath robe;
  robe.moveTo(50 - 10 * look.build, 38);
  robe.cubicTo(50 - 14 * look.build, 50, 50 - half - 2, 80, 50 - half + sway, 92);
  robe.lineTo(50 + half + sway, 92);
  robe.cubicTo(50 + half + 2, 80, 50 + 14 * look.build, 50, 50 + 10 * look.build, 38);
  robe.closeSubpath();
  QLinearGradient cloth(QPointF(50 - half, 0), QPointF(50 + half, 0));
  cloth.setColorAt(0, Shade(look.robe, 80));
  cloth.setColorAt(0.45, Shade(look.robe, 115));
  cloth.setColorAt(1, Shade(look.robe, 70));
  p.setPen(QPen(Shade(look.robe, 50), 1));
  p.setBrush(cloth);
  p.drawPath(robe);
  if (look.armour) {
    p.save();
    p.setClipPath(robe);
    p.setPen(QPen(QColor(60, 60, 70), 0.7));
    p.setBrush(QColor(170, 175, 185));
    for (int row = 0; row < 6; ++row)
      for (int col = -4; col <= 4; ++col)
        p.drawChord(QRectF(50 + col * 6 + (row % 2) * 3 - 3, 42 + row * 6, 6, 8), 180 * 16, 180 * 16);
    p.restore();
  }
  // Collar and sash.
  p.setPen(QPen(Shade(look.trim, 60), 0.8));
  p.setBrush(look.trim);
  p.drawPolygon(QPolygonF({{44, 37}, {50, 50}, {56, 37}, {53, 37}, {50, 44}, {47, 37}}));
  p.drawRect(QRectF(50 - 12 * look.build, 58, 24 * look.build, 4));

  // Sleeves and hands.
  for (int side : {-1, 1}) {
    if (side > 0 && look.shadingEyes)
      continue;
    QPainterPath sleeve;
    const qreal sx = 50 + side * 10 * look.build;
    sleeve.moveTo(sx, 39);
    sleeve.cubicTo(sx + side * 10, 44, 50 + side * 26, 52, 50 + side * 26, 60);
    sleeve.lineTo(50 + side * 20, 62);
    sleeve.cubicTo(50 + side * 18, 54, sx + side * 2, 50, sx - side * 1, 46);
    sleeve.closeSubpath();
    p.setPen(QPen(Shade(look.robe, 50), 1));
    p.setBrush(Shade(look.robe, 95));
    p.drawPath(sleeve);
    p.setPen(QPen(Shade(look.skin, 70), 0.8));
    p.setBrush(look.skin);
    p.drawEllipse(QPointF(50 + side * 24, 62), 3.6, 3.6);
  }

  // Neck and head.
  p.setPen(Qt::NoPen);
  p.setBrush(Shade(look.skin, 90));
  p.drawRect(QRectF(46, 34, 8, 5));
  const QColor skin = look.mood == Mood::Skull ? QColor(238, 236, 228) : look.skin;
  p.setPen(QPen(Shade(skin, 70), 1));
  p.setBrush(skin);
  p.drawEllipse(kHead, kHeadRadius, kHeadRadius);
  Face(p, look);
  Hairdo(p, look, true);
  if (look.shadingEyes) {
    const qreal sx = 50 + 10 * look.build;
    QPainterPath sleeve;
    sleeve.moveTo(sx - 2, 39);
    sleeve.cubicTo(sx + 14, 36, 74, 28, 68, 18);
    sleeve.lineTo(62, 20);
    sleeve.cubicTo(66, 28, sx + 4, 34, sx - 4, 46);
    sleeve.closeSubpath();
    p.setPen(QPen(Shade(look.robe, 50), 1));
    p.setBrush(Shade(look.robe, 95));
    p.drawPath(sleeve);
    p.setPen(QPen(Shade(look.skin, 70), 0.8));
    p.setBrush(look.skin);
    p.drawEllipse(QPointF(58, 18.5), 8, 3);
  }
  p.restore();
}

} // namespace artgen
