// The animated pictures of the games, by the folders and names the games open.
#include "tools/artgen/Animation.h"
#include "tools/artgen/ArtKit.h"
#include "tools/artgen/Catalogue.h"
#include "tools/artgen/Figures.h"
#include "tools/artgen/Scenes.h"

#include <QLinearGradient>
#include <QPainterPath>

#include <cmath>
#include <functional>

namespace artgen {
namespace {

constexpr qreal kPi = 3.14159265358979;
// Figures drawn over a picture, inside its 1-pixel frame; cards on a card's home spot.
const QSize kPlace(108, 148);
const QSize kCard(71, 98);
// The game table under the pictures; half-transparent edges blend into it.
const QColor kFelt(50, 98, 80);

using FramePainter = std::function<void(QPainter&, int frame, qreal phase)>;

QImage Paint(QSize size, int frame, int count, const FramePainter& draw) {
  QImage image = NewCanvas(size.width(), size.height());
  QPainter p(&image);
  Prepare(p);
  draw(p, frame, qreal(frame) / count);
  return image;
}

// Opaque pictures: each frame after the first writes only what changed.
Animation Opaque(QSize size, int count, int delayCs, const FramePainter& draw) {
  Animation a{size, kFelt, {}};
  for (int i = 0; i < count; ++i)
    a.frames.push_back({Paint(size, i, count, draw), delayCs, GifDisposal::Keep, {}});
  return a;
}

// Shapes over the table: transparent around them, the table restored between frames.
Animation Sprite(QSize size, int count, int delayCs, const FramePainter& draw) {
  Animation a{size, kFelt, {}};
  for (int i = 0; i < count; ++i)
    a.frames.push_back({Paint(size, i, count, draw), delayCs, GifDisposal::RestoreBackground,
                        QRect(QPoint(0, 0), size)});
  return a;
}

// A still picture with twinkles that come and go (each restores what it covered).
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

// A picture like the game pictures: backdrop, figure, name banner, frame.
FramePainter Place(const Theme& theme, const QString& name,
                   std::function<void(QPainter&, qreal phase)> figure) {
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

// A playing card with rounded (transparent) corners, a title at the bottom.
FramePainter Card(QColor rim, const QString& title, std::function<void(QPainter&, qreal phase)> figure) {
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
    p.translate(5, 6);
    p.scale(0.61, 0.61);
    figure(p, phase);
    p.restore();
    const QRectF banner(6, 72, kCard.width() - 12, 20);
    Panel(p, banner, 4, Shade(rim, 120), Shade(rim, 85), Shade(rim, 55));
    OutlinedText(p, banner, title, CjkFont(13, true), QColor(255, 245, 210), Shade(rim, 45), 2);
  };
}

std::function<void(QPainter&, qreal)> Person(PersonLook look, std::function<void(QPainter&, qreal)> extra = {}) {
  return [look, extra](QPainter& p, qreal phase) {
    DrawPerson(p, look, phase);
    if (extra)
      extra(p, phase);
  };
}

std::function<void(QPainter&, qreal)> EmojiFigure(const QString& emoji, qreal size, qreal dx, qreal dy) {
  return [=](QPainter& p, qreal phase) {
    const qreal t = 2 * kPi * phase;
    Emoji(p, QPointF(50 + dx * std::sin(t), 52 + dy * std::sin(t)), size, emoji);
  };
}

const QColor kMasterRed(190, 50, 45);
const QColor kClientBlue(50, 100, 180);
const QColor kTigerGold(200, 140, 40);

void Horses(std::vector<DrawnGif>& out) {
  const HorseLook looks[] = {
      {QColor(250, 245, 235), QColor(230, 200, 120), QColor(200, 30, 40)},
      {QColor(170, 100, 50), QColor(70, 40, 20), QColor(40, 90, 170)},
      {QColor(150, 145, 140), QColor(80, 75, 70), Qt::transparent},
  };
  const QString names[] = {QStringLiteral("上等马"), QStringLiteral("中等马"), QStringLiteral("下等马")};
  for (int k = 0; k < 3; ++k) {
    const HorseLook look = looks[k];
    out.push_back({QStringLiteral("gif/horse/horse%1.gif").arg(k + 1),
                   ToGif(Opaque(kPlace, 4, 30, Place(StableTheme(), names[k], [look](QPainter& p, qreal ph) {
                     p.translate(0, 20);
                     DrawHorse(p, look, ph);
                   }))),
                   kFelt});
  }
}

void Roads(std::vector<DrawnGif>& out, const QString& folder) {
  struct Road { QString file, name; bool narrow; };
  const Road roads[] = {{QStringLiteral("1"), QStringLiteral("华容道"), true},
                        {QStringLiteral("2"), QStringLiteral("大路"), false},
                        {QStringLiteral("3"), QStringLiteral("小路"), true}};
  for (const Road& r : roads) {
    Animation mist = Opaque(kPlace, 4, 60, Place(MountainTheme(), r.name, [r](QPainter& p, qreal ph) {
      DrawMountainPass(p, r.name, r.narrow, 0.25 + 0.75 * std::abs(std::sin(kPi * ph)));
    }));
    mist.interlaced = true;  // so that real files exercise the interlaced rows too
    out.push_back({folder + r.file + QStringLiteral(".gif"), ToGif(mist), kFelt});
  }
}

// The covers of the hide-and-guess games: what the guesser sees over each position.
FramePainter MistCover(int k) {
  return [k](QPainter& p, int, qreal phase) {
    const qreal drift = 6 * std::sin(2 * kPi * phase);
    DrawCloud(p, QPointF(54 + drift, 60), 96, QColor(235, 240, 255));
    DrawCloud(p, QPointF(50 - drift, 100), 84, QColor(215, 225, 245));
    OutlinedText(p, QRectF(29, 52, 50, 50), QStringLiteral("?"), LatinFont(44, true), QColor(90, 110, 170),
                 Qt::white, 3);
    OutlinedText(p, QRectF(34, 118, 40, 24), QString::number(k), LatinFont(18, true), Qt::white,
                 QColor(60, 80, 130), 3);
  };
}

FramePainter FanCover(int k) {
  return [k](QPainter& p, int, qreal phase) {
    const QPointF c(54, 64);
    // A round silk fan on its handle, the tassel swinging.
    p.setPen(QPen(QColor(110, 60, 30), 3, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(c + QPointF(0, 40), c + QPointF(0, 68));
    const qreal swing = 8 * std::sin(2 * kPi * phase);
    p.setPen(QPen(QColor(200, 30, 40), 2));
    p.drawLine(c + QPointF(0, 68), c + QPointF(swing, 80));
    QLinearGradient silk(c - QPointF(0, 42), c + QPointF(0, 42));
    silk.setColorAt(0, QColor(250, 220, 225));
    silk.setColorAt(1, QColor(225, 120, 140));
    p.setPen(QPen(QColor(150, 100, 40), 3));
    p.setBrush(silk);
    p.drawEllipse(c, 42, 42);
    // An embroidered blossom, the position in a seal below it.
    p.save();
    p.translate(c - QPointF(27, 36));
    p.scale(0.55, 0.55);
    DrawFlower(p, QColor(230, 60, 80), QColor(250, 210, 80), 0);
    p.restore();
    p.setPen(QPen(QColor(120, 20, 30), 1.2));
    p.setBrush(QColor(200, 40, 60));
    p.drawEllipse(c + QPointF(0, 22), 12, 12);
    OutlinedText(p, QRectF(c.x() - 12, c.y() + 10, 24, 24), QString::number(k), LatinFont(18, true),
                 Qt::white, QColor(120, 20, 30), 2);
  };
}

void Flowers(std::vector<DrawnGif>& out) {
  const QString folder = QStringLiteral("gif/qypic/");
  const auto redFlower = Place(GardenTheme(), QStringLiteral("红花"), [](QPainter& p, qreal) {
    DrawFlower(p, QColor(220, 30, 50), QColor(250, 200, 60), 0);
  });
  out.push_back({folder + QStringLiteral("1.gif"),
                 ToGif(Twinkling(kPlace, 30, redFlower, {{40, 22}, {74, 40}, {30, 58}})), kFelt});
  out.push_back({folder + QStringLiteral("2.gif"),
                 ToGif(Opaque(kPlace, 4, 30, Place(GardenTheme(), QStringLiteral("绿叶"), [](QPainter& p, qreal ph) {
                   DrawLeaf(p, std::sin(2 * kPi * ph));
                 }))),
                 kFelt});
  out.push_back({folder + QStringLiteral("3.gif"),
                 ToGif(Opaque(kPlace, 4, 30, Place(GardenTheme(), QStringLiteral("黄花"), [](QPainter& p, qreal ph) {
                   DrawFlower(p, QColor(245, 200, 40), QColor(200, 100, 30), std::sin(2 * kPi * ph));
                 }))),
                 kFelt});
}

// The covers of the find games, one per position.
FramePainter WavesCover(int k) {
  return [k](QPainter& p, int, qreal phase) {
    QLinearGradient sea(0, 0, 0, kPlace.height());
    sea.setColorAt(0, QColor(120, 170, 215));
    sea.setColorAt(0.35, QColor(40, 95, 150));
    sea.setColorAt(1, QColor(20, 55, 100));
    p.fillRect(QRectF(0, 0, kPlace.width(), kPlace.height()), sea);
    const qreal t = 2 * kPi * phase;
    p.setPen(QPen(QColor(230, 245, 255), 2));
    p.setBrush(Qt::NoBrush);
    for (int row = 0; row < 5; ++row)
      for (int i = -1; i < 5; ++i)
        p.drawArc(QRectF(i * 26 + 10 * std::sin(t + row), 60 + row * 17, 22, 8), 0, 180 * 16);
    // A landing craft riding the waves.
    p.save();
    p.translate(54, 62 + 3 * std::sin(t));
    p.rotate(4 * std::sin(t + 1));
    p.setPen(QPen(QColor(40, 45, 40), 1));
    p.setBrush(QColor(100, 115, 90));
    p.drawPolygon(QPolygonF({{-30, -8}, {30, -8}, {24, 8}, {-26, 8}}));
    p.setBrush(QColor(80, 95, 75));
    p.drawRect(QRectF(-22, -16, 14, 8));
    p.restore();
    OutlinedText(p, QRectF(30, 96, 48, 44), QString::number(k), LatinFont(30, true), Qt::white,
                 QColor(20, 50, 90), 3);
    p.setPen(QPen(QColor(20, 40, 70), 2));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(1, 1, kPlace.width() - 2, kPlace.height() - 2));
  };
}

FramePainter CurtainCover(int k) {
  return [k](QPainter& p, int, qreal phase) {
    const qreal sway = 4 * std::sin(2 * kPi * phase);
    p.fillRect(QRectF(0, 0, kPlace.width(), kPlace.height()), QColor(90, 20, 25));
    for (int fold = 0; fold < 7; ++fold) {
      const qreal x = fold * 16 - 4;
      QLinearGradient cloth(x, 0, x + 16, 0);
      cloth.setColorAt(0, QColor(150, 20, 30));
      cloth.setColorAt(0.5, QColor(225, 60, 60));
      cloth.setColorAt(1, QColor(140, 15, 25));
      QPainterPath drape;
      drape.moveTo(x, 10);
      drape.lineTo(x + 16, 10);
      drape.cubicTo(x + 16 + sway, 60, x + 16 - sway, 110, x + 16 + sway * 1.5, 148);
      drape.lineTo(x + sway * 1.5, 148);
      drape.cubicTo(x - sway, 110, x + sway, 60, x, 10);
      p.setPen(Qt::NoPen);
      p.setBrush(cloth);
      p.drawPath(drape);
    }
    Panel(p, QRectF(0, 0, kPlace.width(), 14), 2, QColor(240, 200, 90), QColor(170, 120, 30), QColor(100, 60, 10));
    for (int side : {0, 1}) {
      const qreal x = side ? 92 : 16;
      p.setPen(QPen(QColor(240, 200, 90), 2));
      p.drawLine(QPointF(x, 14), QPointF(x + sway, 40));
      p.setPen(Qt::NoPen);
      p.setBrush(QColor(240, 200, 90));
      p.drawEllipse(QPointF(x + sway, 44), 4, 6);
    }
    Panel(p, QRectF(34, 58, 40, 40), 20, QColor(255, 235, 150), QColor(220, 170, 60), QColor(120, 70, 10));
    OutlinedText(p, QRectF(34, 58, 40, 40), QString::number(k), LatinFont(26, true), QColor(160, 20, 30),
                 QColor(255, 240, 190), 2);
  };
}

FramePainter SomersaultCloud(int k) {
  return [k](QPainter& p, int, qreal phase) {
    const qreal t = 2 * kPi * phase;
    const QPointF c(54 + 4 * std::sin(t), 84 + 3 * std::cos(t));
    // The cloud's trail curls up behind it.
    QPainterPath trail;
    trail.moveTo(c + QPointF(28, -4));
    trail.cubicTo(c + QPointF(52, -26), c + QPointF(38, -58 + 4 * std::sin(t)), c + QPointF(14, -66));
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(200, 150, 40), 7, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(trail);
    p.setPen(QPen(QColor(255, 240, 180), 3, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(trail);
    DrawCloud(p, c + QPointF(0, 10), 80, QColor(250, 215, 110));
    DrawCloud(p, c + QPointF(4, -10), 58, QColor(255, 250, 225));
    OutlinedText(p, QRectF(c.x() - 20, c.y() - 26, 40, 40), QString::number(k), LatinFont(28, true),
                 QColor(200, 70, 30), Qt::white, 3);
  };
}

void Covers(std::vector<DrawnGif>& out) {
  for (int k = 1; k <= 3; ++k) {
    out.push_back({QStringLiteral("gif/hrpic/f%1.gif").arg(k), ToGif(Sprite(kPlace, 4, 60, MistCover(k))), kFelt});
    out.push_back({QStringLiteral("gif/qypic/f%1.gif").arg(k), ToGif(Sprite(kPlace, 4, 30, FanCover(k))), kFelt});
  }
  for (int k = 1; k <= 4; ++k) {
    out.push_back({QStringLiteral("gif/nmpic/find%1.gif").arg(k), ToGif(Opaque(kPlace, 4, 30, WavesCover(k))), kFelt});
    out.push_back({QStringLiteral("gif/sxpic/find%1.gif").arg(k), ToGif(Opaque(kPlace, 4, 30, CurtainCover(k))), kFelt});
    out.push_back({QStringLiteral("gif/sun/sun%1.gif").arg(k), ToGif(Sprite(kPlace, 4, 30, SomersaultCloud(k))), kFelt});
  }
}

void AddCard(std::vector<DrawnGif>& out, const QString& path, QColor rim, const QString& title,
             std::function<void(QPainter&, qreal)> figure, int frames = 4) {
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

std::vector<DrawnGif> DrawGameGifs() {
  std::vector<DrawnGif> out;
  Horses(out);
  Roads(out, QStringLiteral("gif/hrpic/"));
  Flowers(out);
  Covers(out);
  StrawBoats(out);
  WuSong(out);
  Happiness(out);
  return out;
}

} // namespace artgen
