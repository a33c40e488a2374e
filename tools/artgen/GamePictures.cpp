// The 110 x 150 pictures of the hide-and-guess and find games: items with their
// names, the same items selected, and the position pictures.
#include "tools/artgen/ArtKit.h"
#include "tools/artgen/Catalogue.h"
#include "tools/artgen/Figures.h"
#include "tools/artgen/Scenes.h"

#include "res/ResourceIds.h"

#include <functional>

namespace artgen {
namespace {

using Figure = std::function<void(QPainter&)>;

QImage Picture(const Theme& theme, const Figure& figure, const QString& name, bool selected) {
  QImage image = NewCanvas(res::kGamePictureWidth, res::kGamePictureHeight);
  QPainter p(&image);
  Prepare(p);
  const QRectF frame(0, 0, image.width(), image.height());
  Backdrop(p, theme, frame, selected);
  p.save();
  p.translate(5, 8);
  p.scale(1.0, 1.05);
  figure(p);
  p.restore();
  NameBanner(p, theme, QRectF(6, 118, 98, 26), name, selected);
  Frame(p, theme, frame, selected);
  return image;
}

// A position: the theme's hiding place with the position's numeral.
QImage Position(const Theme& theme, const Figure& place, int position, bool selected) {
  return Picture(theme, place, PositionNumeral(position) + QStringLiteral("号位置"), selected);
}

struct Item {
  int id;
  int selectedId;
  QString name;
  Figure figure;
};

void Add(std::vector<DrawnImage>& out, const Theme& theme, const Item& item) {
  out.push_back({item.id, Picture(theme, item.figure, item.name, false)});
  out.push_back({item.selectedId, Picture(theme, item.figure, item.name, true)});
}

Figure PersonFigure(PersonLook look, std::function<void(QPainter&)> extra = {}) {
  return [look, extra](QPainter& p) {
    DrawPerson(p, look);
    if (extra)
      extra(p);
  };
}

PersonLook Maiden(QColor robe, QColor trim) {
  PersonLook l;
  l.robe = robe;
  l.trim = trim;
  l.hairStyle = Hair::Buns;
  l.build = 0.9;
  return l;
}

Figure EmojiProp(const QString& emoji, QPointF at, qreal size, Figure base) {
  return [=](QPainter& p) {
    base(p);
    Emoji(p, at, size, emoji);
  };
}

void Normandy(std::vector<DrawnImage>& out) {
  const Theme& t = NormandyTheme();
  PersonLook weak;
  weak.robe = QColor(170, 160, 120);
  weak.trim = QColor(120, 100, 70);
  weak.hairStyle = Hair::Bandage;
  weak.mood = Mood::Tired;
  weak.build = 0.8;
  PersonLook heavy;
  heavy.robe = QColor(90, 100, 120);
  heavy.trim = QColor(200, 160, 60);
  heavy.hairStyle = Hair::Helmet;
  heavy.mood = Mood::Stern;
  heavy.build = 1.2;
  heavy.armour = true;
  const Figure weakFigure = PersonFigure(weak, [](QPainter& p) { DrawSpear(p, {74, 62}, 50, true); });
  const Figure heavyFigure = PersonFigure(heavy, [](QPainter& p) {
    DrawSpear(p, {76, 62}, 80, false);
    DrawShield(p, {26, 64}, 15);
  });
  Add(out, t, {209, 210, QStringLiteral("弱兵"), weakFigure});
  Add(out, t, {211, 212, QStringLiteral("重兵"), heavyFigure});
  Add(out, t, {213, 214, QStringLiteral("重兵"), heavyFigure});
  Add(out, t, {215, 216, QStringLiteral("重兵"), heavyFigure});
  for (int k = 1; k <= 4; ++k)
    out.push_back({204 + k, Position(t, [k](QPainter& p) { BeachPlace(p, k); }, k, false)});
}

// The maiden of a season among the season's petals, leaves or snow.
Figure Seasonal(QColor robe, QColor trim, const QString& inHand, const QString& falling) {
  const Figure maiden = PersonFigure(Maiden(robe, trim));
  return [=](QPainter& p) {
    const QPointF drift[] = {{8, 8}, {88, 16}, {16, 36}, {90, 44}, {70, 4}, {30, 2}, {80, 78}, {10, 70}};
    for (int i = 0; i < 8; ++i)
      Emoji(p, drift[i], 8 + (i % 3) * 2, falling);
    maiden(p);
    Emoji(p, {24, 58}, 20, inHand);
  };
}

void ThreeSmiles(std::vector<DrawnImage>& out) {
  const Theme& t = GardenTheme();
  Add(out, t, {190, 191, QStringLiteral("春香"),
               Seasonal({240, 150, 180}, {250, 230, 240}, QStringLiteral("🌸"), QStringLiteral("🌸"))});
  Add(out, t, {200, 201, QStringLiteral("夏香"),
               Seasonal({110, 190, 140}, {230, 250, 220}, QStringLiteral("🪷"), QStringLiteral("🍃"))});
  Add(out, t, {198, 199, QStringLiteral("秋香"),
               Seasonal({235, 150, 50}, {250, 230, 160}, QStringLiteral("🍁"), QStringLiteral("🍂"))});
  Add(out, t, {192, 193, QStringLiteral("冬香"),
               Seasonal({120, 160, 220}, {240, 245, 255}, QStringLiteral("🏮"), QStringLiteral("❄️"))});
  for (int k = 1; k <= 4; ++k)
    out.push_back({193 + k, Position(t, [k](QPainter& p) { ScreenPlace(p, k); }, k, false)});
}

void BoneDemon(std::vector<DrawnImage>& out) {
  const Theme& t = MountainTheme();
  PersonLook demon;
  demon.robe = QColor(235, 235, 245);
  demon.trim = QColor(140, 80, 160);
  demon.hair = QColor(30, 20, 40);
  demon.hairStyle = Hair::Long;
  demon.mood = Mood::Skull;
  demon.build = 0.9;
  PersonLook old;
  old.robe = QColor(130, 100, 70);
  old.trim = QColor(200, 190, 170);
  old.hair = QColor(200, 200, 205);
  old.hairStyle = Hair::GreyBun;
  old.build = 0.95;
  PersonLook merchant;
  merchant.robe = QColor(60, 100, 170);
  merchant.trim = QColor(230, 200, 90);
  merchant.hairStyle = Hair::Cap;
  merchant.build = 1.15;
  PersonLook beauty = Maiden({225, 60, 90}, {255, 215, 120});
  beauty.hairStyle = Hair::Long;
  Add(out, t, {161, 162, QStringLiteral("白骨精"), PersonFigure(demon, [](QPainter& p) {
                 Emoji(p, {26, 58}, 16, QStringLiteral("🦴"));
                 Emoji(p, {78, 14}, 14, QStringLiteral("💀"));
               })});
  Add(out, t, {163, 164, QStringLiteral("老妪"), PersonFigure(old, [](QPainter& p) {
                 p.setPen(QPen(QColor(110, 70, 35), 3, Qt::SolidLine, Qt::RoundCap));
                 p.drawLine(QPointF(76, 60), QPointF(82, 96));
                 p.drawArc(QRectF(70, 54, 10, 10), 0, 180 * 16);
               })});
  Add(out, t, {167, 168, QStringLiteral("商人"),
               EmojiProp(QStringLiteral("💰"), {78, 64}, 20, PersonFigure(merchant))});
  Add(out, t, {165, 166, QStringLiteral("美女"),
               EmojiProp(QStringLiteral("🪭"), {76, 58}, 20, PersonFigure(beauty))});
  const int positionIds[] = {263, 261, 262, 260};
  for (int k = 1; k <= 4; ++k)
    out.push_back({positionIds[k - 1], Position(t, [k](QPainter& p) { CloudPlace(p, k); }, k, false)});
}

void Horses(std::vector<DrawnImage>& out) {
  const Theme& t = StableTheme();
  for (int k = 1; k <= 3; ++k) {
    const Figure door = [k](QPainter& p) { StableDoor(p, k); };
    out.push_back({176 + 2 * k, Position(t, door, k, false)});
    out.push_back({177 + 2 * k, Position(t, door, k, true)});
  }
}

} // namespace

std::vector<DrawnImage> DrawGamePictures() {
  std::vector<DrawnImage> out;
  Horses(out);
  Normandy(out);
  ThreeSmiles(out);
  BoneDemon(out);
  return out;
}

} // namespace artgen
