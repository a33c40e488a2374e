#pragma once
// How the game GIFs are made: frames painted by a function of the step, written as
// opaque pictures, as shapes over the table, or as a still with passing twinkles; and
// the two kinds of picture the games show, a position picture and a card.
#include "tools/artgen/Animation.h"
#include "tools/artgen/Catalogue.h"
#include "tools/artgen/Figures.h"
#include "tools/artgen/Scenes.h"

#include <QPainter>

#include <functional>
#include <vector>

namespace artgen {

inline constexpr qreal kPi = 3.14159265358979;
// Figures drawn over a picture, inside its 1-pixel frame; cards on a card's home spot.
inline const QSize kPlace(108, 148);
inline const QSize kCard(71, 98);
// The game table under the pictures; half-transparent edges blend into it.
inline const QColor kFelt(50, 98, 80);

using FramePainter = std::function<void(QPainter&, int frame, qreal phase)>;
using FigurePainter = std::function<void(QPainter&, qreal phase)>;

// Opaque pictures: each frame after the first writes only what changed.
Animation Opaque(QSize size, int count, int delayCs, const FramePainter& draw);
// Shapes over the table: transparent around them, the table restored between frames.
Animation Sprite(QSize size, int count, int delayCs, const FramePainter& draw);
// A still picture with twinkles that come and go (each restores what it covered).
Animation Twinkling(QSize size, int delayCs, const FramePainter& base, const std::vector<QPointF>& stars);

// A picture like the game pictures: backdrop, figure, name banner, frame.
FramePainter Place(const Theme& theme, const QString& name, FigurePainter figure);
// A playing card with rounded (transparent) corners and its title at the bottom.
FramePainter Card(QColor rim, const QString& title, FigurePainter figure);

FigurePainter Person(PersonLook look, FigurePainter extra = {});
// An emoji swaying by (dx, dy) over the steps.
FigurePainter EmojiFigure(const QString& emoji, qreal size, qreal dx, qreal dy);

// The cards of the three duel games.
void AddCardGifs(std::vector<DrawnGif>& out);

} // namespace artgen
