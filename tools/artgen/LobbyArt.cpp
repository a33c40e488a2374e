// The main window, tab bar, desk ground, list header and game dialog bitmaps.
#include "tools/artgen/ArtKit.h"
#include "tools/artgen/Catalogue.h"
#include "tools/artgen/Figures.h"

#include "res/ResourceIds.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>

#include <cmath>

namespace artgen {
namespace {

// The colours the controls paint with, so that the bitmaps sit well next to them.
const QColor kRoomBlue(82, 113, 156);
const QColor kTabCream(230, 230, 200);
const QColor kTabBrown(140, 120, 100);
const QColor kStaticBlue(124, 144, 177);
const QColor kShapeColour(255, 0, 255);  // the picture buttons' transparent corner colour

QImage MainBackground(int w, int h) {
  QImage image = NewCanvas(w, h, kRoomBlue);
  QPainter p(&image);
  Prepare(p);
  // Deep blue body with a soft light from the top left.
  QLinearGradient body(0, 0, w * 0.3, h);
  body.setColorAt(0, QColor(38, 62, 104));
  body.setColorAt(1, QColor(22, 36, 66));
  p.setPen(Qt::NoPen);
  p.setBrush(body);
  p.drawRect(0, 0, w, h);
  // Faint diagonal weave over the whole window.
  p.setPen(QPen(QColor(255, 255, 255, 10), 1));
  for (int x = -h; x < w; x += 12)
    p.drawLine(x, 0, x + h, h);
  // Title band.
  QLinearGradient band(0, 0, 0, 76);
  band.setColorAt(0, QColor(92, 128, 178));
  band.setColorAt(0.55, QColor(58, 90, 140));
  band.setColorAt(1, QColor(34, 56, 96));
  p.setPen(Qt::NoPen);
  p.setBrush(band);
  p.drawRect(0, 0, w, 76);
  p.setPen(QPen(QColor(230, 190, 90), 2));
  p.drawLine(0, 76, w, 76);
  p.setPen(QPen(QColor(120, 90, 40), 1));
  p.drawLine(0, 78, w, 78);
  // A faint row of suits across the band, fading to the right.
  const QString pattern[] = {QStringLiteral("♠"), QStringLiteral("♥"), QStringLiteral("♣"), QStringLiteral("♦")};
  for (int i = 0; 470 + i * 34 < w - 80; ++i) {
    p.setOpacity(0.16 * (1 - i * 0.06));
    OutlinedText(p, QRectF(470 + i * 34, 16 + (i % 2) * 14, 28, 28), pattern[i % 4], LatinFont(22, true),
                 QColor(230, 240, 255), QColor(230, 240, 255), 0.5);
  }
  p.setOpacity(1);
  // Emblem: four suits on a gold disc, then the title.
  QRadialGradient gold(QPointF(40, 32), 30);
  gold.setColorAt(0, QColor(255, 235, 150));
  gold.setColorAt(1, QColor(190, 130, 30));
  p.setPen(QPen(QColor(110, 70, 10), 1.5));
  p.setBrush(gold);
  p.drawEllipse(QPointF(44, 38), 27, 27);
  p.setPen(Qt::NoPen);
  const QString suits[] = {QStringLiteral("♠"), QStringLiteral("♥"), QStringLiteral("♣"), QStringLiteral("♦")};
  const QPointF spots[] = {{34, 29}, {54, 29}, {34, 49}, {54, 49}};
  for (int i = 0; i < 4; ++i)
    OutlinedText(p, QRectF(spots[i] - QPointF(9, 9), QSizeF(18, 18)), suits[i], LatinFont(17, true),
                 i % 2 ? QColor(200, 30, 30) : QColor(30, 30, 40), QColor(255, 245, 210), 1.5);
  OutlinedText(p, QRectF(80, 8, 250, 56), QStringLiteral("Morvane"), LatinFont(44, true), QColor(255, 225, 120),
               QColor(60, 30, 5), 4);
  OutlinedText(p, QRectF(300, 30, 200, 30), QStringLiteral("休闲游戏大厅"), CjkFont(18), QColor(220, 230, 250),
               QColor(20, 35, 70), 2);
  // Insets for the hall tree, the tab bar and the room area.
  const int bottom = h - 5;
  auto inset = [&](QRectF r) {
    p.setPen(QPen(QColor(10, 18, 36), 2));
    p.setBrush(QColor(16, 28, 54));
    p.drawRoundedRect(r.adjusted(-3, -3, 3, 3), 4, 4);
    p.setPen(QPen(QColor(120, 150, 200, 120), 1));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(r.adjusted(-4.5, -4.5, 4.5, 4.5), 5, 5);
  };
  inset(QRectF(5, 80, 195, bottom - 80));
  inset(QRectF(205, 80, w - 5 - 205, bottom - 80));
  p.setPen(Qt::NoPen);
  p.setBrush(kTabCream);
  p.drawRect(QRectF(205, 80, w - 5 - 205, 25));
  p.setBrush(kRoomBlue);
  p.drawRect(QRectF(205, 105, w - 5 - 205, bottom - 105));
  p.setBrush(Qt::white);
  p.drawRect(QRectF(5, 80, 195, bottom - 80));
  // A darker well behind the exit and minimise buttons at the top right.
  p.setPen(QPen(QColor(20, 35, 70), 1));
  p.setBrush(QColor(30, 50, 90, 160));
  p.drawRoundedRect(QRectF(w - 65, 2, 56, 28), 9, 9);
  // Window edge, inside the rounded region.
  p.setPen(QPen(QColor(200, 170, 90), 2));
  p.setBrush(Qt::NoBrush);
  p.drawRoundedRect(QRectF(1, 1, w - 2, h - 2), 4, 4);
  return image;
}

// Hall tree images on white, which the image list treats as transparent.
QImage TreeImage(int id) {
  QImage image = NewCanvas(16, 16, Qt::white);
  QPainter p(&image);
  Prepare(p);
  if (id == res::IDB_TREE_GROUP) {  // a folder of halls
    p.setPen(QPen(QColor(150, 100, 20), 1));
    p.setBrush(QColor(240, 190, 70));
    p.drawRoundedRect(QRectF(1.5, 3.5, 6, 3), 1, 1);
    QLinearGradient g(0, 4, 0, 14);
    g.setColorAt(0, QColor(255, 220, 110));
    g.setColorAt(1, QColor(225, 165, 40));
    p.setBrush(g);
    p.drawRoundedRect(QRectF(1.5, 5.5, 13, 8.5), 1.2, 1.2);
  } else if (id == res::IDB_TREE_COMMON) {  // a round table with two stools
    p.setPen(QPen(QColor(90, 50, 20), 1));
    p.setBrush(QColor(190, 120, 60));
    p.drawEllipse(QRectF(3.5, 4.5, 9, 6));
    p.setBrush(QColor(60, 110, 180));
    p.drawEllipse(QRectF(0.5, 10.5, 4, 4));
    p.drawEllipse(QRectF(11.5, 10.5, 4, 4));
    p.setPen(QPen(QColor(90, 50, 20), 1.4));
    p.drawLine(QPointF(8, 10.5), QPointF(8, 14.5));
  } else {  // challenge: a trophy
    p.setPen(QPen(QColor(130, 80, 10), 1));
    QLinearGradient g(3, 0, 13, 0);
    g.setColorAt(0, QColor(250, 220, 90));
    g.setColorAt(1, QColor(200, 140, 20));
    p.setBrush(g);
    QPainterPath cup;
    cup.moveTo(3.5, 1.5);
    cup.lineTo(12.5, 1.5);
    cup.cubicTo(12.5, 8, 10, 9.5, 8, 9.5);
    cup.cubicTo(6, 9.5, 3.5, 8, 3.5, 1.5);
    p.drawPath(cup);
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(0.5, 2.5, 4, 4), 90 * 16, 180 * 16);
    p.drawArc(QRectF(11.5, 2.5, 4, 4), -90 * 16, 180 * 16);
    p.setBrush(QColor(150, 90, 30));
    p.drawRect(QRectF(7, 9.5, 2, 3));
    p.drawRect(QRectF(4.5, 12.5, 7, 2.5));
  }
  return image;
}

QImage Arrow(bool right, bool enabled) {
  QImage image = NewCanvas(20, 20, kTabCream);
  QPainter p(&image);
  Prepare(p);
  const QColor base = enabled ? QColor(170, 140, 100) : QColor(200, 198, 185);
  Panel(p, QRectF(0.5, 0.5, 19, 19), 3, Shade(base, 125), Shade(base, 85), Shade(base, 60));
  QPainterPath tri;
  const qreal dir = right ? 1 : -1;
  tri.moveTo(10 + dir * 4.5, 10);
  tri.lineTo(10 - dir * 3.5, 4.5);
  tri.lineTo(10 - dir * 3.5, 15.5);
  tri.closeSubpath();
  p.setPen(QPen(enabled ? QColor(60, 40, 20) : QColor(160, 158, 150), 1));
  p.setBrush(enabled ? QColor(255, 250, 235) : QColor(225, 224, 215));
  p.drawPath(tri);
  return image;
}

QImage Tab(bool active) {
  QImage image = NewCanvas(60, 20);
  QPainter p(&image);
  Prepare(p);
  QLinearGradient g(0, 0, 0, 20);
  if (active) {
    g.setColorAt(0, QColor(255, 255, 245));
    g.setColorAt(1, QColor(236, 240, 230));
  } else {
    g.setColorAt(0, QColor(225, 215, 190));
    g.setColorAt(1, QColor(190, 175, 150));
  }
  p.setPen(Qt::NoPen);
  p.setBrush(g);
  p.drawRect(0, 0, 60, 20);
  p.setPen(QPen(active ? QColor(60, 160, 200) : QColor(255, 255, 255, 120), 2));
  p.drawLine(QPointF(3, 2), QPointF(57, 2));
  return image;
}

QImage Strip(QColor top, QColor bottom, QColor line) {
  QImage image = NewCanvas(137, 17);
  QPainter p(&image);
  QLinearGradient g(0, 0, 0, 17);
  g.setColorAt(0, top);
  g.setColorAt(1, bottom);
  p.fillRect(image.rect(), g);
  p.setPen(QColor(255, 255, 255, 80));
  p.drawLine(0, 0, 136, 0);
  p.setPen(line);
  p.drawLine(0, 16, 136, 16);
  p.drawLine(136, 0, 136, 16);
  return image;
}

// Behind every game dialog. The table holds the pictures and both rows of cards
// (about 90 to 490 pixels down); the score labels sit on the band below it.
QImage GameBackground() {
  QImage image = NewCanvas(600, 600, kStaticBlue);
  QPainter p(&image);
  Prepare(p);
  QLinearGradient g(0, 0, 0, 600);
  g.setColorAt(0, QColor(96, 118, 156));
  g.setColorAt(0.5, QColor(124, 144, 177));
  g.setColorAt(1, QColor(104, 124, 160));
  p.setPen(Qt::NoPen);
  p.setBrush(g);
  p.drawRect(0, 0, 600, 600);
  // Faint auspicious clouds along the top.
  p.setOpacity(0.14);
  DrawCloud(p, QPointF(90, 38), 110, QColor(235, 240, 255));
  DrawCloud(p, QPointF(330, 52), 70, QColor(235, 240, 255));
  DrawCloud(p, QPointF(520, 34), 130, QColor(235, 240, 255));
  p.setOpacity(1);
  // The table.
  QLinearGradient felt(0, 90, 0, 492);
  felt.setColorAt(0, QColor(62, 114, 94));
  felt.setColorAt(1, QColor(38, 82, 68));
  p.setPen(QPen(QColor(120, 80, 40), 6));
  p.setBrush(felt);
  p.drawRoundedRect(QRectF(8, 88, 584, 404), 26, 26);
  p.setPen(QPen(QColor(200, 150, 80), 2));
  p.setBrush(Qt::NoBrush);
  p.drawRoundedRect(QRectF(8, 88, 584, 404), 26, 26);
  p.setPen(QPen(QColor(230, 200, 120, 110), 1.5));
  p.drawRoundedRect(QRectF(20, 100, 560, 380), 18, 18);
  // Corner ornaments on the table rim.
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(230, 190, 90));
  for (const QPointF c : {QPointF(30, 110), QPointF(570, 110), QPointF(30, 470), QPointF(570, 470)}) {
    p.save();
    p.translate(c);
    p.rotate(45);
    p.drawRect(QRectF(-4, -4, 8, 8));
    p.restore();
  }
  // Score band.
  p.setPen(QPen(QColor(60, 72, 104), 1));
  p.setBrush(QColor(78, 94, 130, 170));
  p.drawRoundedRect(QRectF(6, 498, 588, 96), 10, 10);
  p.setPen(QPen(QColor(255, 255, 255, 40), 1));
  p.drawLine(QPointF(16, 546), QPointF(584, 546));
  return image;
}

QImage CardHome() {
  QImage image = NewCanvas(73, 100, QColor(45, 90, 75));
  QPainter p(&image);
  Prepare(p);
  p.setPen(QPen(QColor(230, 200, 120), 1.5, Qt::DashLine));
  p.setBrush(QColor(35, 75, 62));
  p.drawRoundedRect(QRectF(2, 2, 69, 96), 7, 7);
  OutlinedText(p, QRectF(2, 30, 69, 40), QStringLiteral("牌"), CjkFont(26, true), QColor(60, 110, 92),
               QColor(35, 75, 62), 1);
  return image;
}

// 20 x 20 round picture buttons: a disc drawn over the title band's colour, then
// everything outside the disc set to the corner colour so the button is shaped.
QImage RoundButton(bool exit, bool hover) {
  QImage image = NewCanvas(20, 20, QColor(40, 64, 108));
  {
    QPainter p(&image);
    Prepare(p);
    const QColor base = exit ? (hover ? QColor(240, 80, 70) : QColor(190, 50, 45))
                             : (hover ? QColor(110, 170, 240) : QColor(70, 120, 190));
    QRadialGradient g(QPointF(7, 6), 13);
    g.setColorAt(0, Shade(base, 140));
    g.setColorAt(1, Shade(base, 80));
    p.setPen(QPen(QColor(240, 210, 130), 1.2));
    p.setBrush(g);
    p.drawEllipse(QPointF(10, 10), 8.8, 8.8);
    p.setPen(QPen(Qt::white, 2.2, Qt::SolidLine, Qt::RoundCap));
    if (exit) {
      p.drawLine(QPointF(6.5, 6.5), QPointF(13.5, 13.5));
      p.drawLine(QPointF(13.5, 6.5), QPointF(6.5, 13.5));
    } else {
      p.drawLine(QPointF(6, 12.5), QPointF(14, 12.5));
    }
  }
  for (int y = 0; y < 20; ++y)
    for (int x = 0; x < 20; ++x)
      if (std::hypot(x + 0.5 - 10, y + 0.5 - 10) > 9.6)
        image.setPixelColor(x, y, kShapeColour);
  return image;
}

} // namespace

std::vector<DrawnImage> DrawLobbyBitmaps() {
  return {
      {res::IDB_TREE_CHALLENGE, TreeImage(res::IDB_TREE_CHALLENGE)},
      {res::IDB_TREE_GROUP, TreeImage(res::IDB_TREE_GROUP)},
      {res::IDB_TREE_COMMON, TreeImage(res::IDB_TREE_COMMON)},
      {res::IDB_MAIN_SMALL, MainBackground(800, 600)},
      {res::IDB_MAIN_LARGE, MainBackground(1024, 768)},
      {res::IDB_RIGHT_DISABLED, Arrow(true, false)},
      {res::IDB_LEFT_ENABLED, Arrow(false, true)},
      {res::IDB_LEFT_DISABLED, Arrow(false, false)},
      {res::IDB_RIGHT_ENABLED, Arrow(true, true)},
      {res::IDB_TAB_ACTIVE, Tab(true)},
      {res::IDB_TAB_INACTIVE, Tab(false)},
      {res::IDB_TITLE_STRIP, Strip(QColor(110, 140, 190), QColor(60, 88, 140), QColor(40, 60, 100))},
      {res::IDB_HEADER_PRESSED, Strip(QColor(50, 75, 120), QColor(80, 110, 160), QColor(30, 45, 80))},
      {res::IDB_HEADER_NORMAL, Strip(QColor(120, 150, 200), QColor(70, 100, 150), QColor(40, 60, 100))},
      {res::IDB_GAME_BACKGROUND, GameBackground()},
      {res::IDB_CARD_HOME, CardHome()},
      {res::IDB_EXIT, RoundButton(true, false)},
      {res::IDB_EXIT_HOVER, RoundButton(true, true)},
      {res::IDB_MINIMISE_HOVER, RoundButton(false, true)},
      {res::IDB_MINIMISE, RoundButton(false, false)},
  };
}

} // namespace artgen
