#include "tools/artgen/ArtKit.h"
#include "tools/artgen/Figures.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>

#include <cmath>

namespace artgen {

void DrawFlower(QPainter& p, QColor petals, QColor centre, qreal sway) {
  const QPointF bloom(50 + 6 * sway, 34);
  QPainterPath stem;
  stem.moveTo(50, 98);
  stem.cubicTo(48, 75, 52 + 4 * sway, 55, bloom.x(), bloom.y());
  p.setPen(QPen(QColor(50, 130, 50), 3, Qt::SolidLine, Qt::RoundCap));
  p.setBrush(Qt::NoBrush);
  p.drawPath(stem);
  // Two leaves on the stem.
  for (int side : {-1, 1}) {
    p.save();
    p.translate(50 + side * 1.5, 72 - side * 8);
    p.rotate(side * (50 + 8 * sway));
    QPainterPath leaf;
    leaf.moveTo(0, 0);
    leaf.cubicTo(6, -6, 16, -5, 22, 0);
    leaf.cubicTo(16, 5, 6, 6, 0, 0);
    QLinearGradient g(0, -5, 0, 5);
    g.setColorAt(0, QColor(110, 190, 80));
    g.setColorAt(1, QColor(40, 120, 40));
    p.setPen(QPen(QColor(30, 90, 30), 0.8));
    p.setBrush(g);
    p.drawPath(leaf);
    p.restore();
  }
  // Petals in two rings, the outer one darker.
  for (int ring = 0; ring < 2; ++ring) {
    const int n = ring == 0 ? 8 : 6;
    const qreal radius = ring == 0 ? 15 : 10;
    for (int i = 0; i < n; ++i) {
      p.save();
      p.translate(bloom);
      p.rotate(360.0 * i / n + ring * 22 + sway * 6);
      QRadialGradient g(QPointF(0, -radius * 0.6), radius);
      g.setColorAt(0, Shade(petals, ring == 0 ? 115 : 135));
      g.setColorAt(1, Shade(petals, ring == 0 ? 75 : 95));
      p.setPen(QPen(Shade(petals, 55), 0.7));
      p.setBrush(g);
      p.drawEllipse(QPointF(0, -radius * 0.6), radius * 0.45, radius * 0.65);
      p.restore();
    }
  }
  QRadialGradient c(bloom - QPointF(1.5, 1.5), 6);
  c.setColorAt(0, Shade(centre, 140));
  c.setColorAt(1, centre);
  p.setPen(Qt::NoPen);
  p.setBrush(c);
  p.drawEllipse(bloom, 5, 5);
}

void DrawLeaf(QPainter& p, qreal sway) {
  p.save();
  p.translate(50, 92);
  p.rotate(-35 + 6 * sway);
  QPainterPath leaf;
  leaf.moveTo(0, 0);
  leaf.cubicTo(-30, -20, -20, -70, 10, -80);
  leaf.cubicTo(30, -60, 30, -20, 0, 0);
  QLinearGradient g(-20, -40, 25, -40);
  g.setColorAt(0, QColor(120, 200, 90));
  g.setColorAt(1, QColor(30, 110, 40));
  p.setPen(QPen(QColor(20, 80, 30), 1.2));
  p.setBrush(g);
  p.drawPath(leaf);
  p.setPen(QPen(QColor(200, 240, 170), 1.2));
  p.setBrush(Qt::NoBrush);
  QPainterPath vein;
  vein.moveTo(0, 0);
  vein.cubicTo(4, -30, 6, -50, 9, -76);
  p.drawPath(vein);
  for (int i = 1; i < 5; ++i) {
    const QPointF at(2 + i * 1.6, -i * 15);
    p.drawLine(at, at + QPointF(-12, -8));
    p.drawLine(at, at + QPointF(11, -10));
  }
  p.restore();
}

void DrawSpear(QPainter& p, QPointF hand, qreal length, bool broken) {
  const QPointF top = hand + QPointF(broken ? 8 : 4, -length * 0.7);
  const QPointF bottom = hand + QPointF(-2, length * 0.3);
  p.setPen(QPen(QColor(110, 70, 35), 2.6, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(bottom, top);
  if (broken) {
    p.setPen(QPen(QColor(200, 170, 120), 1.2));
    p.drawLine(top, top + QPointF(2, -3));
    p.drawLine(top, top + QPointF(-2, -2));
    return;
  }
  QPainterPath blade;
  blade.moveTo(top + QPointF(0, -12));
  blade.lineTo(top + QPointF(-3.5, 0));
  blade.lineTo(top + QPointF(3.5, 0));
  blade.closeSubpath();
  p.setPen(QPen(QColor(60, 60, 70), 0.8));
  p.setBrush(QColor(220, 225, 235));
  p.drawPath(blade);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(210, 40, 40));
  p.drawEllipse(top + QPointF(0, 2), 3.5, 2.5);
}

void DrawShield(QPainter& p, QPointF centre, qreal radius) {
  QRadialGradient g(centre - QPointF(radius / 3, radius / 3), radius * 1.3);
  g.setColorAt(0, QColor(230, 80, 60));
  g.setColorAt(1, QColor(130, 25, 20));
  p.setPen(QPen(QColor(200, 160, 60), 2.2));
  p.setBrush(g);
  p.drawEllipse(centre, radius, radius);
  p.setPen(QPen(QColor(240, 200, 90), 1));
  p.setBrush(Qt::NoBrush);
  p.drawEllipse(centre, radius * 0.65, radius * 0.65);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(240, 200, 90));
  p.drawEllipse(centre, radius * 0.22, radius * 0.22);
}

void DrawIngot(QPainter& p, QPointF centre, qreal width) {
  const qreal h = width * 0.55;
  QPainterPath boat;
  boat.moveTo(centre + QPointF(-width / 2, -h * 0.35));
  boat.cubicTo(centre + QPointF(-width * 0.35, h * 0.5), centre + QPointF(width * 0.35, h * 0.5),
               centre + QPointF(width / 2, -h * 0.35));
  boat.cubicTo(centre + QPointF(width * 0.3, -h * 0.1), centre + QPointF(-width * 0.3, -h * 0.1),
               centre + QPointF(-width / 2, -h * 0.35));
  QLinearGradient g(centre + QPointF(0, -h / 2), centre + QPointF(0, h / 2));
  g.setColorAt(0, QColor(250, 250, 255));
  g.setColorAt(0.5, QColor(190, 195, 210));
  g.setColorAt(1, QColor(120, 125, 140));
  p.setPen(QPen(QColor(80, 85, 100), 1));
  p.setBrush(g);
  p.drawPath(boat);
  p.drawEllipse(centre + QPointF(0, -h * 0.22), width * 0.2, h * 0.3);
  p.setPen(QPen(Qt::white, 1.2));
  p.drawArc(QRectF(centre + QPointF(-width * 0.12, -h * 0.45), QSizeF(width * 0.12, h * 0.25)), 90 * 16, 90 * 16);
}

void DrawWineJar(QPainter& p) {
  QPainterPath jar;
  jar.moveTo(38, 22);
  jar.cubicTo(20, 34, 16, 80, 34, 92);
  jar.lineTo(66, 92);
  jar.cubicTo(84, 80, 80, 34, 62, 22);
  jar.closeSubpath();
  QLinearGradient g(20, 0, 80, 0);
  g.setColorAt(0, QColor(90, 50, 30));
  g.setColorAt(0.4, QColor(170, 110, 60));
  g.setColorAt(1, QColor(70, 40, 25));
  p.setPen(QPen(QColor(50, 30, 20), 1.2));
  p.setBrush(g);
  p.drawPath(jar);
  // Cloth stopper tied with a string.
  p.setBrush(QColor(200, 50, 40));
  p.drawEllipse(QPointF(50, 18), 15, 7);
  p.drawPolygon(QPolygonF({{36, 20}, {30, 30}, {40, 24}}));
  p.drawPolygon(QPolygonF({{64, 20}, {70, 30}, {60, 24}}));
  // Red paper with the character for wine.
  p.save();
  p.translate(50, 56);
  p.rotate(45);
  p.setPen(QPen(QColor(120, 20, 20), 1));
  p.setBrush(QColor(215, 45, 40));
  p.drawRect(QRectF(-13, -13, 26, 26));
  p.restore();
  OutlinedText(p, QRectF(35, 42, 30, 28), QStringLiteral("酒"), CjkFont(20, true), QColor(20, 10, 10),
               QColor(240, 200, 80), 1.5);
}

void DrawOffice(QPainter& p) {
  // Steps, pillars, a curved tiled roof and the name board.
  p.setPen(QPen(QColor(60, 50, 50), 1));
  p.setBrush(QColor(170, 160, 150));
  p.drawRect(QRectF(12, 86, 76, 8));
  p.setBrush(QColor(190, 180, 170));
  p.drawRect(QRectF(18, 80, 64, 6));
  p.setBrush(QColor(170, 40, 35));
  for (qreal x : {22.0, 38.0, 58.0, 74.0})
    p.drawRect(QRectF(x, 44, 5, 36));
  p.setBrush(QColor(120, 30, 25));
  p.drawRect(QRectF(40, 56, 20, 24));
  p.setPen(QPen(QColor(220, 180, 60), 1));
  p.drawLine(QPointF(50, 56), QPointF(50, 80));
  QPainterPath roof;
  roof.moveTo(4, 40);
  roof.quadTo(20, 36, 26, 22);
  roof.lineTo(74, 22);
  roof.quadTo(80, 36, 96, 40);
  roof.quadTo(50, 46, 4, 40);
  QLinearGradient g(0, 20, 0, 44);
  g.setColorAt(0, QColor(70, 90, 80));
  g.setColorAt(1, QColor(30, 45, 40));
  p.setPen(QPen(QColor(20, 30, 25), 1));
  p.setBrush(g);
  p.drawPath(roof);
  p.setBrush(QColor(40, 55, 50));
  p.drawRect(QRectF(24, 16, 52, 6));
  p.setPen(QPen(QColor(230, 190, 70), 1.2));
  p.setBrush(QColor(30, 30, 60));
  p.drawRect(QRectF(36, 44, 28, 10));
  OutlinedText(p, QRectF(36, 44, 28, 10), QStringLiteral("官府"), CjkFont(8, true), QColor(240, 200, 80),
               QColor(30, 30, 60), 0.5);
}

void DrawStrawBoat(QPainter& p, qreal rock, int arrows) {
  p.save();
  p.translate(50, 70);
  p.rotate(rock * 4);
  // Water line.
  QPainterPath hull;
  hull.moveTo(-46, -6);
  hull.lineTo(46, -8);
  hull.cubicTo(40, 6, 24, 12, 0, 12);
  hull.cubicTo(-24, 12, -40, 6, -46, -6);
  p.setPen(QPen(QColor(60, 35, 20), 1.2));
  p.setBrush(QColor(130, 80, 40));
  p.drawPath(hull);
  // Straw bundles on deck.
  for (int i = 0; i < 5; ++i) {
    const QRectF bundle(-38 + i * 15, -32, 14, 28);
    QLinearGradient g(bundle.topLeft(), bundle.topRight());
    g.setColorAt(0, QColor(180, 150, 70));
    g.setColorAt(0.5, QColor(235, 210, 120));
    g.setColorAt(1, QColor(170, 140, 60));
    p.setPen(QPen(QColor(120, 95, 40), 0.8));
    p.setBrush(g);
    p.drawRoundedRect(bundle, 5, 5);
    p.drawLine(bundle.topLeft() + QPointF(0, 10), bundle.topRight() + QPointF(0, 10));
  }
  // Mast and sail.
  p.setPen(QPen(QColor(90, 60, 30), 2));
  p.drawLine(QPointF(0, -6), QPointF(0, -62));
  p.setPen(QPen(QColor(150, 130, 100), 1));
  p.setBrush(QColor(235, 225, 200));
  p.drawRect(QRectF(2, -60, 22, 22));
  // Arrows stuck in the straw.
  p.setPen(QPen(QColor(80, 60, 40), 1.1));
  for (int i = 0; i < arrows; ++i) {
    const QPointF tip(-34 + (i * 37) % 70, -28 + (i * 17) % 22);
    p.drawLine(tip, tip + QPointF(-9, -3));
    p.save();
    p.setPen(QPen(QColor(220, 220, 230), 1.6));
    p.drawLine(tip + QPointF(-9, -3), tip + QPointF(-11, -4));
    p.restore();
  }
  p.restore();
}

void DrawDrum(QPainter& p, qreal beat) {
  QLinearGradient body(20, 0, 80, 0);
  body.setColorAt(0, QColor(120, 20, 20));
  body.setColorAt(0.45, QColor(210, 50, 40));
  body.setColorAt(1, QColor(100, 15, 15));
  p.setPen(QPen(QColor(60, 10, 10), 1.2));
  p.setBrush(body);
  p.drawRect(QRectF(20, 42, 60, 38));
  p.setBrush(QColor(240, 220, 180));
  p.drawEllipse(QRectF(20, 34, 60, 16));
  p.setBrush(QColor(200, 40, 35));
  p.drawEllipse(QRectF(20, 72, 60, 16));
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(230, 190, 70));
  for (int i = 0; i < 7; ++i) {
    p.drawEllipse(QPointF(24 + i * 8.6, 47), 1.3, 1.3);
    p.drawEllipse(QPointF(24 + i * 8.6, 76), 1.3, 1.3);
  }
  // Two sticks, the right one striking.
  for (int side : {-1, 1}) {
    p.save();
    p.translate(50 + side * 20, 30);
    p.rotate(side * (30 + (side > 0 ? beat * 25 : 0)));
    p.setPen(QPen(QColor(110, 70, 35), 3, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(0, 0), QPointF(0, -24));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(200, 40, 35));
    p.drawEllipse(QPointF(0, 0), 3.5, 3.5);
    p.restore();
  }
  if (beat > 0.5) {
    p.setPen(QPen(QColor(255, 230, 120), 1.6, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < 3; ++i)
      p.drawLine(QPointF(60 + i * 8, 30 - i * 2), QPointF(66 + i * 10, 22 - i * 4));
  }
}

void DrawBow(QPainter& p, QPointF grip, qreal draw) {
  const qreal pull = 6 + draw * 12;
  p.setPen(QPen(QColor(110, 60, 25), 2.6, Qt::SolidLine, Qt::RoundCap));
  p.setBrush(Qt::NoBrush);
  QPainterPath bow;
  bow.moveTo(grip + QPointF(0, -30));
  bow.cubicTo(grip + QPointF(14, -20), grip + QPointF(14, 20), grip + QPointF(0, 30));
  p.drawPath(bow);
  p.setPen(QPen(QColor(235, 235, 225), 0.8));
  p.drawLine(grip + QPointF(0, -30), grip + QPointF(-pull, 0));
  p.drawLine(grip + QPointF(-pull, 0), grip + QPointF(0, 30));
  p.setPen(QPen(QColor(90, 60, 40), 1.4));
  p.drawLine(grip + QPointF(-pull, 0), grip + QPointF(24, 0));
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(200, 205, 215));
  p.drawPolygon(QPolygonF({grip + QPointF(30, 0), grip + QPointF(23, -3), grip + QPointF(23, 3)}));
}

void DrawMountainPass(QPainter& p, const QString& sign, bool narrow, qreal mist) {
  QLinearGradient sky(0, 0, 0, 60);
  sky.setColorAt(0, QColor(150, 190, 230));
  sky.setColorAt(1, QColor(225, 235, 240));
  p.setPen(Qt::NoPen);
  p.setBrush(sky);
  p.drawRect(QRectF(0, 0, 100, 100));
  p.setBrush(QColor(90, 120, 100));
  p.drawPolygon(QPolygonF({{0, 70}, {0, 30}, {18, 12}, {34, 36}, {40, 70}}));
  p.drawPolygon(QPolygonF({{60, 70}, {68, 30}, {84, 8}, {100, 28}, {100, 70}}));
  p.setBrush(QColor(70, 100, 80));
  p.drawPolygon(QPolygonF({{0, 100}, {0, 60}, {30, 44}, {44, 100}}));
  p.drawPolygon(QPolygonF({{56, 100}, {72, 44}, {100, 56}, {100, 100}}));
  // The road winds into the gap.
  const qreal w = narrow ? 6 : 14;
  QPainterPath road;
  road.moveTo(50 - w * 1.6, 100);
  road.cubicTo(50 - w, 80, 60, 70, 50 - w * 0.2, 46);
  road.lineTo(50 + w * 0.2, 46);
  road.cubicTo(64, 70, 50 + w, 80, 50 + w * 1.6, 100);
  QLinearGradient dirt(0, 46, 0, 100);
  dirt.setColorAt(0, QColor(200, 175, 130));
  dirt.setColorAt(1, QColor(160, 120, 80));
  p.setBrush(dirt);
  p.drawPath(road);
  // Signpost.
  p.setBrush(QColor(110, 70, 35));
  p.drawRect(QRectF(20, 62, 3, 30));
  Panel(p, QRectF(6, 52, 34, 14), 2, QColor(240, 225, 190), QColor(210, 190, 150), QColor(90, 60, 30));
  OutlinedText(p, QRectF(6, 52, 34, 14), sign, CjkFont(9, true), QColor(50, 20, 10), QColor(240, 225, 190), 1);
  if (mist > 0) {
    p.setBrush(QColor(255, 255, 255, static_cast<int>(120 * mist)));
    p.drawEllipse(QPointF(30 + 40 * mist, 40), 30, 8);
    p.drawEllipse(QPointF(80 - 40 * mist, 30), 26, 6);
  }
}

void DrawCloud(QPainter& p, QPointF centre, qreal size, QColor colour) {
  QPainterPath cloud;
  const qreal r = size / 4;
  // Puffs on top, smaller puffs along the bottom: no flat underside.
  cloud.addEllipse(centre + QPointF(-r * 1.2, 0), r, r * 0.8);
  cloud.addEllipse(centre + QPointF(0, -r * 0.5), r * 1.2, r);
  cloud.addEllipse(centre + QPointF(r * 1.3, 0), r, r * 0.85);
  for (int i = 0; i < 4; ++i)
    cloud.addEllipse(centre + QPointF(r * (-1.55 + i * 1.05), r * (0.45 + 0.1 * (i % 2))), r * 0.6, r * 0.5);
  cloud.setFillRule(Qt::WindingFill);
  cloud = cloud.simplified();
  QLinearGradient g(centre + QPointF(0, -r * 1.5), centre + QPointF(0, r));
  g.setColorAt(0, Shade(colour, 115));
  g.setColorAt(1, Shade(colour, 85));
  p.setPen(QPen(Shade(colour, 60), 1.2));
  p.setBrush(g);
  p.drawPath(cloud);
  // A curl, as in painted auspicious clouds.
  p.setPen(QPen(Shade(colour, 65), 1));
  p.setBrush(Qt::NoBrush);
  p.drawArc(QRectF(centre + QPointF(-r * 0.6, -r * 0.9), QSizeF(r * 1.2, r * 1.0)), 0, 270 * 16);
}

} // namespace artgen
