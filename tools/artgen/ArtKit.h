#pragma once
// Small drawing helpers shared by every picture of the generator: fonts from the
// installed Debian packages, outlined captions, framed panels, emoji props.
#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QRectF>
#include <QString>

namespace artgen {

// A transparent (or filled) ARGB canvas of the given size.
QImage NewCanvas(int width, int height, QColor fill = Qt::transparent);

// Antialiased painter with smooth pixmap scaling.
void Prepare(QPainter& p);

QFont CjkFont(qreal pixelSize, bool bold = false);
QFont LatinFont(qreal pixelSize, bool bold = false);

// Text centred in `box`, drawn with a solid outline so it reads on any background.
void OutlinedText(QPainter& p, const QRectF& box, const QString& text, const QFont& font,
                  QColor fill, QColor outline, qreal outlineWidth = 2.5);

// A colour emoji glyph centred at `centre`, `size` pixels high.
void Emoji(QPainter& p, QPointF centre, qreal size, const QString& emoji);

// Rounded panel with a vertical gradient, a dark rim and a light inner line.
void Panel(QPainter& p, const QRectF& r, qreal radius, QColor top, QColor bottom, QColor rim);

// The same colour, lighter or darker by `factor` percent (Qt's convention).
QColor Shade(QColor c, int factor);

} // namespace artgen
