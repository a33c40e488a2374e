#pragma once
// The settings of the game pictures: a theme per game (backdrop and frame colours)
// and the hiding places the position pictures and covers show.
#include <QColor>
#include <QPainter>
#include <QRectF>
#include <QString>

namespace artgen {

struct Theme {
  QColor skyTop, skyBottom;  // backdrop gradient
  QColor ground;             // the strip the figures stand on
  QColor frame;              // rim and name banner
  QColor text;
};

// The numeral of position k (1 to 4) as the games write it: 一, 二, 三, 四.
QString PositionNumeral(int k);

const Theme& StableTheme();
const Theme& NormandyTheme();
const Theme& GardenTheme();
const Theme& MountainTheme();

void Backdrop(QPainter& p, const Theme& t, const QRectF& r, bool selected);
void NameBanner(QPainter& p, const Theme& t, const QRectF& r, const QString& name, bool selected);
// The rim; a selected picture gets a glowing gold rim and a mark in the corner.
void Frame(QPainter& p, const Theme& t, const QRectF& r, bool selected);

// Hiding places, in the 100 x 100 figure box; `k` is the position (1 to 4).
void StableDoor(QPainter& p, int k);
void BeachPlace(QPainter& p, int k);
void ScreenPlace(QPainter& p, int k);
void CloudPlace(QPainter& p, int k);

} // namespace artgen
