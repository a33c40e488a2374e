#include "tools/artgen/GifKit.h"

#include "tools/artgen/ArtKit.h"

#include <QLinearGradient>
#include <QPainterPath>

#include <cmath>

namespace artgen {
namespace {

QImage Paint(QSize size, int frame, int count, const FramePainter& draw) {
  QImage image = NewCanvas(size.width(), size.height());
  QPainter p(&image);
  Prepare(p);
  draw(p, frame, qreal(frame) / count);
  return image;
}

} // namespace

Animation Opaque(QSize size, int count, int delayCs, const FramePainter& draw) {
  Animation a{size, kFelt, {}};
  for (int i = 0; i < count; ++i)
    a.frames.push_back({Paint(size, i, count, draw), delayCs, GifDisposal::Keep, {}});
  return a;
}

Animation Sprite(QSize size, int count, int delayCs, const FramePainter& draw) {
  Animation a{size, kFelt, {}};
  for (int i = 0; i < count; ++i)
    a.frames.push_back({Paint(size, i, count, draw), delayCs, GifDisposal::RestoreBackground,
                        QRect(QPoint(0, 0), size)});
  return a;
}

Animation Twinkling(QSize size, int delayCs, const FramePainter& base, const std::vector<QPointF>& stars) {
  Animation a{size, kFelt, {}};
  a.frames.push_back({Paint(size, 0, 1, base), delayCs, GifDisposal::Keep, {}});
  for (const QPointF& at : stars) {
    QImage star = NewCanvas(size.width(), size.height());
    QPainter p(&star);
    Prepare(p);
    p.setPen(QPen(QColor(230, 150, 20), 1.2));
    p.setBrush(QColor(255, 245, 150));
    QPainterPath s;
    s.moveTo(at + QPointF(0, -11));
    s.quadTo(at, at + QPointF(11, 0));
    s.quadTo(at, at + QPointF(0, 11));
    s.quadTo(at, at + QPointF(-11, 0));
    s.quadTo(at, at + QPointF(0, -11));
    p.drawPath(s);
    p.end();
    a.frames.push_back({star, delayCs, GifDisposal::RestorePrevious,
                        QRect((at - QPointF(13, 13)).toPoint(), QSize(27, 27)).intersected(QRect(QPoint(), size))});
  }
  return a;
}

FramePainter Place(const Theme& theme, const QString& name,
                   FigurePainter figure) {
  return [&theme, name, figure](QPainter& p, int, qreal phase) {
    const QRectF r(0, 0, kPlace.width(), kPlace.height());
    Backdrop(p, theme, r, false);
    p.save();
    p.translate(4, 8);
    p.scale(1.0, 1.05);
    figure(p, phase);
    p.restore();
    NameBanner(p, theme, QRectF(5, 117, 98, 26), name, false);
    Frame(p, theme, r, false);
  };
}

FramePainter Card(QColor rim, const QString& title, FigurePainter figure) {
  return [rim, title, figure](QPainter& p, int, qreal phase) {
    const QRectF r(0.5, 0.5, kCard.width() - 1, kCard.height() - 1);
    QLinearGradient face(0, 0, 0, kCard.height());
    face.setColorAt(0, QColor(255, 252, 240));
    face.setColorAt(1, QColor(240, 228, 200));
    p.setPen(QPen(Shade(rim, 60), 1));
    p.setBrush(rim);
    p.drawRoundedRect(r, 7, 7);
    p.setBrush(face);
    p.drawRoundedRect(r.adjusted(3, 3, -3, -3), 5, 5);
    p.save();
    p.setClipRect(r.adjusted(4, 4, -4, -4));
    p.translate(5, 9);
    p.scale(0.61, 0.61);
    figure(p, phase);
    p.restore();
    const QRectF banner(6, 72, kCard.width() - 12, 20);
    Panel(p, banner, 4, Shade(rim, 120), Shade(rim, 85), Shade(rim, 55));
    OutlinedText(p, banner, title, CjkFont(13, true), QColor(255, 245, 210), Shade(rim, 45), 2);
  };
}

FigurePainter Person(PersonLook look, FigurePainter extra) {
  return [look, extra](QPainter& p, qreal phase) {
    DrawPerson(p, look, phase);
    if (extra)
      extra(p, phase);
  };
}

FigurePainter EmojiFigure(const QString& emoji, qreal size, qreal dx, qreal dy) {
  return [=](QPainter& p, qreal phase) {
    const qreal t = 2 * kPi * phase;
    Emoji(p, QPointF(50 + dx * std::sin(t), 52 + dy * std::sin(t)), size, emoji);
  };
}

} // namespace artgen
