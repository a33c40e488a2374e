#include "tools/artgen/Scenes.h"

#include "tools/artgen/ArtKit.h"
#include "tools/artgen/Figures.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>
#include <QtMath>

namespace artgen {
namespace {

const QColor kGold(245, 200, 60);

void Numeral(QPainter& p, const QRectF& box, int k, QColor fill, QColor outline) {
  OutlinedText(p, box, PositionNumeral(k), CjkFont(box.height() * 0.8, true), fill, outline, 2.5);
}

} // namespace

QString PositionNumeral(int k) {
  static const QString numerals[] = {QStringLiteral("一"), QStringLiteral("二"), QStringLiteral("三"),
                                     QStringLiteral("四")};
  return numerals[k - 1];
}

const Theme& StableTheme() {
  static const Theme t{{250, 225, 170}, {215, 170, 110}, {150, 110, 60}, {110, 60, 25}, {255, 245, 220}};
  return t;
}
const Theme& NormandyTheme() {
  static const Theme t{{150, 190, 225}, {200, 220, 235}, {225, 205, 150}, {60, 80, 60}, {250, 250, 230}};
  return t;
}
const Theme& GardenTheme() {
  static const Theme t{{250, 235, 240}, {225, 240, 225}, {150, 190, 140}, {150, 60, 90}, {255, 245, 250}};
  return t;
}
const Theme& MountainTheme() {
  static const Theme t{{170, 160, 210}, {220, 215, 235}, {120, 110, 140}, {70, 50, 100}, {250, 240, 255}};
  return t;
}

void Backdrop(QPainter& p, const Theme& t, const QRectF& r, bool selected) {
  QLinearGradient sky(r.topLeft(), r.bottomLeft());
  sky.setColorAt(0, selected ? Shade(t.skyTop, 108) : t.skyTop);
  sky.setColorAt(0.75, t.skyBottom);
  p.setPen(Qt::NoPen);
  p.setBrush(sky);
  p.drawRect(r);
  QPainterPath hill;
  hill.moveTo(r.left(), r.top() + 100);
  hill.cubicTo(r.left() + 30, r.top() + 90, r.right() - 40, r.top() + 96, r.right(), r.top() + 92);
  hill.lineTo(r.bottomRight());
  hill.lineTo(r.bottomLeft());
  QLinearGradient g(0, r.top() + 90, 0, r.bottom());
  g.setColorAt(0, t.ground);
  g.setColorAt(1, Shade(t.ground, 75));
  p.setBrush(g);
  p.drawPath(hill);
  if (selected) {
    QRadialGradient glow(r.center() - QPointF(0, 20), r.width() * 0.6);
    glow.setColorAt(0, QColor(255, 250, 200, 150));
    glow.setColorAt(1, QColor(255, 250, 200, 0));
    p.setBrush(glow);
    p.drawRect(r);
  }
}

void NameBanner(QPainter& p, const Theme& t, const QRectF& r, const QString& name, bool selected) {
  const QColor base = selected ? QColor(200, 40, 40) : t.frame;
  Panel(p, r, 5, Shade(base, 125), Shade(base, 85), Shade(base, 50));
  const qreal size = name.size() > 3 ? 15 : 18;
  OutlinedText(p, r, name, CjkFont(size, true), selected ? QColor(255, 235, 120) : t.text, Shade(base, 45), 2);
}

void Frame(QPainter& p, const Theme& t, const QRectF& r, bool selected) {
  p.setBrush(Qt::NoBrush);
  if (selected) {
    for (int i = 0; i < 4; ++i) {
      p.setPen(QPen(QColor(255, 215, 80, 230 - i * 50), 1));
      p.drawRect(r.adjusted(0.5 + i, 0.5 + i, -0.5 - i, -0.5 - i));
    }
    p.setPen(QPen(QColor(150, 90, 10), 1));
    p.setBrush(kGold);
    QPainterPath star;
    const QPointF c(r.right() - 14, r.top() + 14);
    for (int i = 0; i < 10; ++i) {
      const qreal a = -90 + i * 36;
      const qreal rad = (i % 2 ? 4 : 9);
      const QPointF v = c + QPointF(rad * qCos(qDegreesToRadians(a)), rad * qSin(qDegreesToRadians(a)));
      i == 0 ? star.moveTo(v) : star.lineTo(v);
    }
    star.closeSubpath();
    p.drawPath(star);
    return;
  }
  p.setPen(QPen(Shade(t.frame, 70), 2));
  p.drawRect(r.adjusted(1, 1, -1, -1));
  p.setPen(QPen(QColor(255, 255, 255, 110), 1));
  p.drawRect(r.adjusted(2.5, 2.5, -2.5, -2.5));
}

void StableDoor(QPainter& p, int k) {
  // A stall with a two-winged wooden door, the numeral on a plaque above it.
  p.setPen(QPen(QColor(80, 45, 20), 1.2));
  p.setBrush(QColor(150, 95, 50));
  QPainterPath roof;
  roof.moveTo(2, 26);
  roof.lineTo(50, 6);
  roof.lineTo(98, 26);
  roof.closeSubpath();
  p.setBrush(QColor(120, 50, 35));
  p.drawPath(roof);
  p.setBrush(QColor(170, 115, 65));
  p.drawRect(QRectF(10, 26, 80, 76));
  for (int side : {0, 1}) {
    const QRectF wing(16 + side * 35, 40, 33, 60);
    QLinearGradient wood(wing.topLeft(), wing.topRight());
    wood.setColorAt(0, QColor(140, 85, 40));
    wood.setColorAt(1, QColor(175, 115, 60));
    p.setBrush(wood);
    p.drawRect(wing);
    p.drawLine(wing.topLeft(), wing.bottomRight());
    p.drawLine(wing.topRight(), wing.bottomLeft());
  }
  p.setBrush(QColor(60, 40, 30));
  p.drawEllipse(QPointF(47, 72), 2, 2);
  p.drawEllipse(QPointF(53, 72), 2, 2);
  Panel(p, QRectF(36, 22, 28, 18), 3, QColor(230, 60, 50), QColor(170, 30, 25), QColor(90, 10, 10));
  Numeral(p, QRectF(36, 22, 28, 18), k, kGold, QColor(90, 10, 10));
}

void BeachPlace(QPainter& p, int k) {
  // Sea above, sand below, a stake with a numbered flag on the landing beach.
  p.setPen(Qt::NoPen);
  QLinearGradient sea(0, 10, 0, 60);
  sea.setColorAt(0, QColor(40, 100, 160));
  sea.setColorAt(1, QColor(90, 160, 200));
  p.setBrush(sea);
  p.drawRect(QRectF(0, 20, 100, 45));
  p.setPen(QPen(QColor(235, 245, 255), 1.5));
  for (int i = 0; i < 4; ++i)
    p.drawArc(QRectF(8 + i * 22, 30 + (i % 2) * 8, 16, 6), 0, 180 * 16);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(225, 205, 150));
  QPainterPath sand;
  sand.moveTo(0, 62);
  sand.cubicTo(30, 56, 70, 66, 100, 60);
  sand.lineTo(100, 104);
  sand.lineTo(0, 104);
  p.drawPath(sand);
  // Anti-landing stakes.
  p.setPen(QPen(QColor(70, 60, 50), 2.5, Qt::SolidLine, Qt::RoundCap));
  for (int i = 0; i < 3; ++i) {
    const QPointF c(18 + i * 30, 78 + (i % 2) * 6);
    p.drawLine(c + QPointF(-6, -6), c + QPointF(6, 6));
    p.drawLine(c + QPointF(6, -6), c + QPointF(-6, 6));
  }
  p.setPen(QPen(QColor(90, 60, 30), 2));
  p.drawLine(QPointF(70, 100), QPointF(70, 48));
  Panel(p, QRectF(71, 48, 26, 20), 2, QColor(240, 240, 240), QColor(200, 205, 210), QColor(60, 60, 60));
  Numeral(p, QRectF(71, 48, 26, 20), k, QColor(200, 40, 40), Qt::white);
}

void ScreenPlace(QPainter& p, int k) {
  // A three-panel painted screen with a plum branch, the numeral at its top.
  for (int i = 0; i < 3; ++i) {
    const QRectF panel(8 + i * 28, 14, 28, 80);
    QLinearGradient silk(panel.topLeft(), panel.bottomLeft());
    silk.setColorAt(0, QColor(250, 245, 230));
    silk.setColorAt(1, QColor(235, 220, 195));
    p.setPen(QPen(QColor(120, 50, 40), 2.5));
    p.setBrush(silk);
    p.drawRect(panel);
  }
  p.setPen(QPen(QColor(90, 60, 50), 1.6, Qt::SolidLine, Qt::RoundCap));
  QPainterPath branch;
  branch.moveTo(12, 80);
  branch.cubicTo(30, 60, 50, 70, 88, 30);
  p.setBrush(Qt::NoBrush);
  p.drawPath(branch);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(230, 90, 120));
  for (int i = 0; i < 7; ++i)
    p.drawEllipse(QPointF(20 + i * 10.5, 72 - i * 6.5 + (i % 2) * 5), 2.8, 2.8);
  Panel(p, QRectF(36, 20, 28, 22), 11, QColor(200, 60, 60), QColor(150, 30, 30), QColor(90, 10, 10));
  Numeral(p, QRectF(36, 20, 28, 22), k, kGold, QColor(90, 10, 10));
}

void CloudPlace(QPainter& p, int k) {
  // A rocky peak wrapped in cloud, the numeral carved on the rock.
  p.setPen(QPen(QColor(60, 50, 70), 1.2));
  QLinearGradient rock(0, 10, 0, 100);
  rock.setColorAt(0, QColor(150, 140, 160));
  rock.setColorAt(1, QColor(90, 80, 100));
  p.setBrush(rock);
  p.drawPolygon(QPolygonF({{14, 100}, {30, 30}, {46, 12}, {62, 28}, {86, 100}}));
  p.setPen(QPen(QColor(120, 20, 20), 1.2));
  p.setBrush(QColor(200, 40, 40));
  p.drawEllipse(QPointF(47, 46), 13, 13);
  Numeral(p, QRectF(35, 34, 24, 24), k, QColor(255, 235, 150), QColor(120, 20, 20));
  DrawCloud(p, {30, 80}, 44, QColor(245, 245, 255));
  DrawCloud(p, {72, 90}, 40, QColor(235, 235, 250));
}

} // namespace artgen
