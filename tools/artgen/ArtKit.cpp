#include "tools/artgen/ArtKit.h"

#include <QLinearGradient>
#include <QPainterPath>

namespace artgen {

QImage NewCanvas(int width, int height, QColor fill) {
  QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
  image.fill(fill);
  return image;
}

void Prepare(QPainter& p) {
  p.setRenderHint(QPainter::Antialiasing);
  p.setRenderHint(QPainter::TextAntialiasing);
  p.setRenderHint(QPainter::SmoothPixmapTransform);
}

// Fonts are named explicitly so that the pictures do not depend on fontconfig's defaults.
QFont CjkFont(qreal pixelSize, bool bold) {
  QFont f(QStringLiteral("WenQuanYi Zen Hei"));
  f.setPixelSize(qRound(pixelSize));
  f.setBold(bold);
  f.setHintingPreference(QFont::PreferNoHinting);
  return f;
}

QFont LatinFont(qreal pixelSize, bool bold) {
  QFont f(QStringLiteral("DejaVu Serif"));
  f.setPixelSize(qRound(pixelSize));
  f.setBold(bold);
  f.setHintingPreference(QFont::PreferNoHinting);
  return f;
}

void OutlinedText(QPainter& p, const QRectF& box, const QString& text, const QFont& font,
                  QColor fill, QColor outline, qreal outlineWidth) {
  QPainterPath path;
  path.addText(0, 0, font, text);
  const QRectF bounds = path.boundingRect();
  path.translate(box.center() - bounds.center());
  p.save();
  p.setPen(QPen(outline, outlineWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.setBrush(Qt::NoBrush);
  p.drawPath(path);
  p.setPen(Qt::NoPen);
  p.setBrush(fill);
  p.drawPath(path);
  p.restore();
}

void Emoji(QPainter& p, QPointF centre, qreal size, const QString& emoji) {
  // The colour emoji font only has bitmaps at one size, and a scaled painter may drop
  // them: draw the glyph once at its own size, then scale the picture.
  constexpr int kNative = 109, kBox = 136;
  QImage glyph = NewCanvas(kBox, kBox);
  {
    QPainter g(&glyph);
    QFont f(QStringLiteral("Noto Color Emoji"));
    f.setPixelSize(kNative);
    g.setFont(f);
    g.drawText(QRect(0, 0, kBox, kBox), Qt::AlignCenter, emoji);
  }
  const qreal side = size * kBox / kNative;
  p.save();
  p.setRenderHint(QPainter::SmoothPixmapTransform);
  p.drawImage(QRectF(centre.x() - side / 2, centre.y() - side / 2, side, side), glyph);
  p.restore();
}

void Panel(QPainter& p, const QRectF& r, qreal radius, QColor top, QColor bottom, QColor rim) {
  QLinearGradient g(r.topLeft(), r.bottomLeft());
  g.setColorAt(0, top);
  g.setColorAt(1, bottom);
  p.save();
  p.setPen(QPen(rim, 1.2));
  p.setBrush(g);
  p.drawRoundedRect(r, radius, radius);
  p.setPen(QPen(QColor(255, 255, 255, 90), 1));
  p.setBrush(Qt::NoBrush);
  p.drawRoundedRect(r.adjusted(1.5, 1.5, -1.5, -1.5), radius - 1, radius - 1);
  p.restore();
}

QColor Shade(QColor c, int factor) {
  return factor >= 100 ? c.lighter(factor) : c.darker(10000 / factor);
}

} // namespace artgen
