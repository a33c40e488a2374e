#pragma once
// The figures of the games, each drawn into a 100 x 100 box at the painter's origin
// (the caller translates and scales). `phase` (0 to 1) animates the figures that move.
#include <QColor>
#include <QPainter>
#include <QString>

namespace artgen {

struct HorseLook {
  QColor coat;
  QColor mane;
  QColor cloth;  // saddle cloth; transparent for none
};
void DrawHorse(QPainter& p, const HorseLook& look, qreal phase);
void DrawTiger(QPainter& p, qreal phase);

enum class Hair { Buns, Topknot, GreyBun, Long, Helmet, Bandage, Cap, Headband };
enum class Mood { Smile, Tired, Stern, Laugh, Skull };

struct PersonLook {
  QColor robe;
  QColor trim;
  QColor hair = QColor(40, 30, 30);
  QColor skin = QColor(250, 214, 180);
  Hair hairStyle = Hair::Topknot;
  Mood mood = Mood::Smile;
  qreal build = 1.0;    // width of the body: 0.8 thin, 1.2 broad
  bool armour = false;  // scale armour over the robe
  bool shadingEyes = false;  // the right hand raised flat over the brow, looking out
};
// A standing figure; the hands end near (24, 62) and (76, 62) for props.
void DrawPerson(QPainter& p, const PersonLook& look, qreal phase = 0);

void DrawFlower(QPainter& p, QColor petals, QColor centre, qreal sway);
void DrawLeaf(QPainter& p, qreal sway);
void DrawSpear(QPainter& p, QPointF hand, qreal length, bool broken);
void DrawShield(QPainter& p, QPointF centre, qreal radius);
void DrawIngot(QPainter& p, QPointF centre, qreal width);
void DrawWineJar(QPainter& p);
void DrawOffice(QPainter& p);
void DrawStrawBoat(QPainter& p, qreal rock, int arrows);
void DrawDrum(QPainter& p, qreal beat);
void DrawBow(QPainter& p, QPointF grip, qreal draw);
void DrawMountainPass(QPainter& p, const QString& sign, bool narrow, qreal mist);
void DrawCloud(QPainter& p, QPointF centre, qreal size, QColor colour);

} // namespace artgen
