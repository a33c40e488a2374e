#include "tools/artgen/ArtKit.h"
#include "tools/artgen/Figures.h"

#include <QPainterPath>
#include <QRadialGradient>

#include <cmath>

namespace artgen {
namespace {

constexpr qreal kPi = 3.14159265358979;

// A leg hanging from `hip`, swung by `angle` degrees, with a hoof or paw at the end.
void Leg(QPainter& p, QPointF hip, qreal angle, qreal length, qreal width, QColor coat, QColor foot) {
  p.save();
  p.translate(hip);
  p.rotate(angle);
  QPainterPath leg;
  leg.moveTo(-width / 2, 0);
  leg.cubicTo(-width / 2, length * 0.5, -width * 0.3, length * 0.7, -width * 0.35, length);
  leg.lineTo(width * 0.35, length);
  leg.cubicTo(width * 0.3, length * 0.7, width / 2, length * 0.5, width / 2, 0);
  leg.closeSubpath();
  p.setPen(QPen(Shade(coat, 55), 1));
  p.setBrush(coat);
  p.drawPath(leg);
  p.setBrush(foot);
  p.drawRoundedRect(QRectF(-width * 0.45, length - 3, width * 0.9, 4), 1.5, 1.5);
  p.restore();
}

QBrush BodyShade(QColor coat, QPointF light, qreal radius) {
  QRadialGradient g(light, radius);
  g.setColorAt(0, Shade(coat, 125));
  g.setColorAt(0.6, coat);
  g.setColorAt(1, Shade(coat, 75));
  return g;
}

} // namespace

void DrawHorse(QPainter& p, const HorseLook& look, qreal phase) {
  const qreal swing = 24 * std::sin(2 * kPi * phase);
  const qreal bob = 1.5 * std::abs(std::sin(2 * kPi * phase));
  const QColor outline = Shade(look.coat, 50);
  const QColor hoof(60, 45, 35);
  p.save();
  p.translate(0, -bob);

  // Far legs first, a little darker, so the body covers their tops.
  Leg(p, {41, 58}, -swing * 0.8, 28, 6, Shade(look.coat, 80), hoof);
  Leg(p, {76, 56}, swing * 0.8, 29, 7, Shade(look.coat, 80), hoof);

  // Tail.
  QPainterPath tail;
  tail.moveTo(84, 40);
  tail.cubicTo(98, 40 + swing * 0.1, 100, 60, 93, 78 + swing * 0.15);
  tail.cubicTo(92, 64, 88, 52, 82, 46);
  tail.closeSubpath();
  p.setPen(QPen(Shade(look.mane, 60), 0.8));
  p.setBrush(look.mane);
  p.drawPath(tail);

  QPainterPath body;
  body.moveTo(32, 40);
  body.cubicTo(42, 32, 70, 31, 82, 37);
  body.cubicTo(91, 41, 92, 57, 82, 62);
  body.cubicTo(66, 67, 46, 67, 35, 61);
  body.cubicTo(27, 56, 26, 46, 32, 40);
  p.setPen(QPen(outline, 1.2));
  p.setBrush(BodyShade(look.coat, {58, 40}, 36));
  p.drawPath(body);

  QPainterPath head;
  head.moveTo(46, 37);
  head.cubicTo(40, 22, 35, 13, 28, 9);
  head.cubicTo(21, 12, 14, 18, 8, 25);
  head.cubicTo(5, 28, 8, 32, 12, 32);
  head.cubicTo(16, 32, 19, 29, 23, 27);
  head.cubicTo(26, 31, 28, 39, 30, 47);
  head.closeSubpath();
  p.setBrush(BodyShade(look.coat, {26, 16}, 26));
  p.drawPath(head);

  // Ear, eye, nostril.
  QPainterPath ear;
  ear.moveTo(26, 11);
  ear.lineTo(28, 2);
  ear.lineTo(32, 11);
  p.drawPath(ear);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(30, 20, 15));
  p.drawEllipse(QPointF(21, 17), 2.2, 2.4);
  p.setBrush(Qt::white);
  p.drawEllipse(QPointF(20.4, 16.2), 0.8, 0.8);
  p.setBrush(Shade(look.coat, 45));
  p.drawEllipse(QPointF(10, 27), 1.3, 1.0);

  // Mane along the crest, in tufts.
  p.setPen(QPen(Shade(look.mane, 60), 0.8));
  p.setBrush(look.mane);
  QPainterPath mane;
  mane.moveTo(27, 8);
  for (int i = 0; i < 6; ++i) {
    const qreal t = (i + 1) / 6.0;
    const QPointF base(27 + 19 * t, 8 + 28 * t);
    mane.quadTo(base + QPointF(9, -6 + swing * 0.05), base + QPointF(1, 1));
  }
  mane.lineTo(42, 36);
  mane.cubicTo(38, 24, 34, 15, 27, 8);
  p.drawPath(mane);

  if (look.cloth.alpha() > 0) {
    QPainterPath cloth;
    cloth.moveTo(48, 34);
    cloth.cubicTo(56, 32, 64, 32, 70, 34);
    cloth.lineTo(72, 52);
    cloth.cubicTo(64, 55, 56, 55, 46, 52);
    cloth.closeSubpath();
    p.setPen(QPen(QColor(230, 190, 60), 1.6));
    p.setBrush(look.cloth);
    p.drawPath(cloth);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(140, 80, 40));
    p.drawRoundedRect(QRectF(52, 29, 14, 6), 3, 3);
    // Bridle.
    p.setPen(QPen(look.cloth, 1.4));
    p.setBrush(Qt::NoBrush);
    p.drawLine(QPointF(12, 29), QPointF(24, 20));
    p.drawLine(QPointF(24, 20), QPointF(28, 12));
  }

  // Near legs over the body.
  Leg(p, {36, 58}, swing, 30, 7, look.coat, hoof);
  Leg(p, {82, 55}, -swing, 31, 8, look.coat, hoof);
  p.restore();
}

void DrawTiger(QPainter& p, qreal phase) {
  const QColor coat(236, 140, 40), dark(40, 25, 20), white(250, 245, 235);
  const qreal swing = 18 * std::sin(2 * kPi * phase);
  const qreal tailWave = 6 * std::sin(2 * kPi * phase + 1);
  p.save();
  Leg(p, {40, 62}, -swing * 0.7, 24, 9, Shade(coat, 80), white);
  Leg(p, {74, 62}, swing * 0.7, 24, 9, Shade(coat, 80), white);

  QPainterPath tail;
  tail.moveTo(86, 50);
  tail.cubicTo(100, 46, 94, 20 + tailWave, 99, 12 + tailWave);
  p.setPen(QPen(coat, 5, Qt::SolidLine, Qt::RoundCap));
  p.setBrush(Qt::NoBrush);
  p.drawPath(tail);
  QPen stripes(dark, 5, Qt::CustomDashLine, Qt::FlatCap);
  stripes.setDashPattern({0.5, 1.2});
  p.setPen(stripes);
  p.drawPath(tail);

  QPainterPath body;
  body.moveTo(30, 46);
  body.cubicTo(42, 38, 70, 38, 84, 44);
  body.cubicTo(93, 48, 92, 64, 82, 67);
  body.cubicTo(66, 71, 44, 71, 32, 66);
  body.cubicTo(24, 62, 23, 52, 30, 46);
  p.setPen(QPen(Shade(coat, 50), 1.2));
  p.setBrush(BodyShade(coat, {58, 46}, 34));
  p.drawPath(body);
  // Belly and stripes, clipped to the body.
  p.save();
  p.setClipPath(body);
  p.setPen(Qt::NoPen);
  p.setBrush(white);
  p.drawEllipse(QPointF(58, 72), 28, 7);
  p.setPen(QPen(dark, 2.6, Qt::SolidLine, Qt::RoundCap));
  p.setBrush(Qt::NoBrush);
  for (int i = 0; i < 7; ++i) {
    const qreal x = 40 + i * 7;
    QPainterPath s;
    s.moveTo(x, 38);
    s.cubicTo(x + 3, 46, x - 2, 52, x + 2, 58);
    p.drawPath(s);
  }
  p.restore();

  // Head: round face, ears, white muzzle, the 王 mark on the forehead.
  const QPointF face(26, 42);
  p.setPen(QPen(Shade(coat, 50), 1.2));
  p.setBrush(coat);
  p.drawEllipse(face + QPointF(-11, -15), 6, 6);
  p.drawEllipse(face + QPointF(9, -15), 6, 6);
  p.setBrush(QColor(250, 200, 190));
  p.drawEllipse(face + QPointF(-11, -15), 3, 3);
  p.drawEllipse(face + QPointF(9, -15), 3, 3);
  p.setBrush(BodyShade(coat, face + QPointF(-3, -6), 20));
  p.drawEllipse(face, 17, 15);
  p.setPen(Qt::NoPen);
  p.setBrush(white);
  p.drawEllipse(face + QPointF(-6, 6), 7, 6);
  p.drawEllipse(face + QPointF(5, 6), 7, 6);
  p.setPen(QPen(dark, 1.8, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(face + QPointF(-5, -11), face + QPointF(3, -11));
  p.drawLine(face + QPointF(-4, -8), face + QPointF(2, -8));
  p.drawLine(face + QPointF(-5, -5), face + QPointF(3, -5));
  p.drawLine(face + QPointF(-1, -11), face + QPointF(-1, -5));
  p.drawLine(face + QPointF(-16, -2), face + QPointF(-10, -1));
  p.drawLine(face + QPointF(16, -2), face + QPointF(10, -1));
  // Eyes.
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(250, 220, 60));
  p.drawEllipse(face + QPointF(-7, -1), 3.2, 2.6);
  p.drawEllipse(face + QPointF(6, -1), 3.2, 2.6);
  p.setBrush(dark);
  p.drawEllipse(face + QPointF(-7, -1), 1.2, 2.4);
  p.drawEllipse(face + QPointF(6, -1), 1.2, 2.4);
  p.setBrush(QColor(220, 90, 100));
  p.drawEllipse(face + QPointF(-0.5, 4), 3, 2);
  // Mouth and whiskers.
  p.setPen(QPen(dark, 1));
  p.setBrush(Qt::NoBrush);
  p.drawArc(QRectF(face + QPointF(-6, 4), QSizeF(6, 5)), 180 * 16, 180 * 16);
  p.drawArc(QRectF(face + QPointF(0, 4), QSizeF(6, 5)), 180 * 16, 180 * 16);
  for (int i = -1; i <= 1; ++i) {
    p.drawLine(face + QPointF(-10, 7 + i * 2), face + QPointF(-20, 5 + i * 4));
    p.drawLine(face + QPointF(9, 7 + i * 2), face + QPointF(19, 5 + i * 4));
  }
  Leg(p, {36, 62}, swing, 25, 10, coat, white);
  Leg(p, {80, 60}, -swing, 25, 10, coat, white);
  p.restore();
}

} // namespace artgen
