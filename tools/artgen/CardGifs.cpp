// The cards of the duel games: one set per side, or one set for both in 武松打虎.
#include "tools/artgen/ArtKit.h"
#include "tools/artgen/GifKit.h"

#include <QPainterPath>

#include <cmath>

namespace artgen {
namespace {

const QColor kMasterRed(190, 50, 45);
const QColor kClientBlue(50, 100, 180);
const QColor kTigerGold(200, 140, 40);

void AddCard(std::vector<DrawnGif>& out, const QString& path, QColor rim, const QString& title,
             FigurePainter figure, int frames = 4) {
  out.push_back({path, ToGif(Sprite(kCard, frames, 30, Card(rim, title, std::move(figure)))), kFelt});
}

void StrawBoats(std::vector<DrawnGif>& out) {
  PersonLook soldier;
  soldier.robe = QColor(100, 110, 130);
  soldier.trim = QColor(200, 160, 60);
  soldier.hairStyle = Hair::Helmet;
  soldier.mood = Mood::Stern;
  soldier.armour = true;
  PersonLook archer = soldier;
  archer.robe = QColor(60, 90, 150);
  archer.armour = false;
  PersonLook watcher = archer;
  watcher.mood = Mood::Smile;
  watcher.hairStyle = Hair::Topknot;
  PersonLook cao;
  cao.robe = QColor(40, 40, 60);
  cao.trim = QColor(220, 180, 60);
  cao.hairStyle = Hair::Cap;
  cao.mood = Mood::Laugh;
  cao.build = 1.15;
  const QString f = QStringLiteral("gif/cao/");
  AddCard(out, f + QStringLiteral("jingong.gif"), kMasterRed, QStringLiteral("进攻"),
          Person(soldier, [](QPainter& p, qreal ph) { DrawSpear(p, {76, 62 - 6 * std::sin(2 * kPi * ph)}, 80, false); }));
  AddCard(out, f + QStringLiteral("jiejian.gif"), kMasterRed, QStringLiteral("借箭"),
          [](QPainter& p, qreal ph) { DrawStrawBoat(p, std::sin(2 * kPi * ph), 3 + qRound(ph * 12)); });
  AddCard(out, f + QStringLiteral("saorao.gif"), kMasterRed, QStringLiteral("骚扰"),
          [](QPainter& p, qreal ph) { DrawDrum(p, std::abs(std::sin(2 * kPi * ph))); });
  AddCard(out, f + QStringLiteral("fangjian.gif"), kClientBlue, QStringLiteral("放箭"),
          Person(archer, [](QPainter& p, qreal ph) { DrawBow(p, {70, 58}, std::abs(std::sin(kPi * ph))); }));
  watcher.shadingEyes = true;
  AddCard(out, f + QStringLiteral("guanwang.gif"), kClientBlue, QStringLiteral("观望"),
          Person(watcher, [](QPainter& p, qreal ph) {
            // The boats he watches drift across the river behind him.
            Emoji(p, QPointF(4 + 30 * ph, 8), 18, QStringLiteral("⛵"));
          }));
  AddCard(out, f + QStringLiteral("caoxiao.gif"), kClientBlue, QStringLiteral("嘲笑"),
          Person(cao, [](QPainter& p, qreal ph) {
            OutlinedText(p, QRectF(60, 0 - 4 * std::sin(2 * kPi * ph), 40, 20), QStringLiteral("哈哈"),
                         CjkFont(14, true), QColor(220, 40, 40), Qt::white, 2);
          }));
}

void WuSong(std::vector<DrawnGif>& out) {
  PersonLook hero;
  hero.robe = QColor(150, 90, 50);
  hero.trim = QColor(60, 40, 30);
  hero.skin = QColor(230, 180, 130);
  hero.hairStyle = Hair::Headband;
  hero.mood = Mood::Stern;
  hero.build = 1.25;
  const QString f = QStringLiteral("gif/wspic/");
  AddCard(out, f + QStringLiteral("yinzi.gif"), kTigerGold, QStringLiteral("银子"), [](QPainter& p, qreal ph) {
    DrawIngot(p, {50, 60}, 70);
    const qreal s = 3 + 5 * std::abs(std::sin(2 * kPi * ph));
    p.setPen(QPen(QColor(255, 255, 220), 2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(72, 36 - s), QPointF(72, 36 + s));
    p.drawLine(QPointF(72 - s, 36), QPointF(72 + s, 36));
  });
  AddCard(out, f + QStringLiteral("jiuhu.gif"), kTigerGold, QStringLiteral("酒壶"), [](QPainter& p, qreal ph) {
    p.save();
    p.translate(50, 92);
    p.rotate(5 * std::sin(2 * kPi * ph));
    p.translate(-50, -92);
    DrawWineJar(p);
    p.restore();
  });
  AddCard(out, f + QStringLiteral("wusong.gif"), kTigerGold, QStringLiteral("武松"),
          Person(hero, [](QPainter& p, qreal ph) {
            const qreal punch = 10 * std::abs(std::sin(2 * kPi * ph));
            p.setPen(QPen(QColor(130, 75, 40), 7, Qt::SolidLine, Qt::RoundCap));
            p.drawLine(QPointF(62, 44), QPointF(76 + punch, 50));
            p.setPen(QPen(QColor(150, 100, 70), 1));
            p.setBrush(QColor(230, 180, 130));
            p.drawEllipse(QPointF(80 + punch, 50), 6, 6);
          }));
  AddCard(out, f + QStringLiteral("guanfu.gif"), kTigerGold, QStringLiteral("官府"), [](QPainter& p, qreal ph) {
    DrawOffice(p);
    p.setPen(QPen(QColor(90, 60, 30), 1.5));
    p.drawLine(QPointF(88, 22), QPointF(88, 2));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(220, 40, 40));
    const qreal w = 3 * std::sin(2 * kPi * ph);
    p.drawPolygon(QPolygonF({{88, 2}, {99, 5 + w}, {88, 10}}));
  });
  AddCard(out, f + QStringLiteral("laohu.gif"), kTigerGold, QStringLiteral("老虎"),
          [](QPainter& p, qreal ph) { DrawTiger(p, ph); });
}

void Happiness(std::vector<DrawnGif>& out) {
  const QString f = QStringLiteral("gif/xfpic/");
  const QColor master(200, 70, 120), client(60, 150, 140);
  AddCard(out, f + QStringLiteral("fukuan.gif"), master, QStringLiteral("付款"), [](QPainter& p, qreal ph) {
    Emoji(p, {50, 60}, 56, QStringLiteral("💳"));
    Emoji(p, {30 + 40 * ph, 22 + 10 * ph}, 24, QStringLiteral("🪙"));
  });
  AddCard(out, f + QStringLiteral("jiache.gif"), master, QStringLiteral("驾车"),
          EmojiFigure(QStringLiteral("🚗"), 64, 8, 2));
  AddCard(out, f + QStringLiteral("anmo.gif"), master, QStringLiteral("按摩"),
          EmojiFigure(QStringLiteral("💆"), 64, 0, 3));
  AddCard(out, f + QStringLiteral("doufeng.gif"), client, QStringLiteral("兜风"), [](QPainter& p, qreal ph) {
    Emoji(p, {50 + 8 * std::sin(2 * kPi * ph), 56}, 60, QStringLiteral("🛵"));
    p.setPen(QPen(QColor(120, 150, 200), 2, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < 3; ++i)
      p.drawLine(QPointF(92, 40 + i * 12), QPointF(100 - 6 * ph, 40 + i * 12));
  });
  AddCard(out, f + QStringLiteral("gouwu.gif"), client, QStringLiteral("购物"),
          EmojiFigure(QStringLiteral("🛍️"), 64, 0, 5));
  AddCard(out, f + QStringLiteral("meirong.gif"), client, QStringLiteral("美容"), [](QPainter& p, qreal ph) {
    Emoji(p, {40, 58}, 52, QStringLiteral("💄"));
    Emoji(p, {72, 36 + 6 * std::sin(2 * kPi * ph)}, 30, QStringLiteral("✨"));
  });
}

} // namespace

void AddCardGifs(std::vector<DrawnGif>& out) {
  StrawBoats(out);
  WuSong(out);
  Happiness(out);
}

} // namespace artgen
