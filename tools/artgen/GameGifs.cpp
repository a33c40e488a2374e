// The animated pictures of the hide-and-guess and find games: the items the hider
// arranges and the covers the guesser sees, by the folders and names the games open.
#include "tools/artgen/ArtKit.h"
#include "tools/artgen/GifKit.h"

#include <QLinearGradient>
#include <QPainterPath>

#include <cmath>

namespace artgen {
namespace {

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

} // namespace

std::vector<DrawnGif> DrawGameGifs() {
  std::vector<DrawnGif> out;
  Horses(out);
  Roads(out, QStringLiteral("gif/hrpic/"));
  Flowers(out);
  Covers(out);
  AddCardGifs(out);
  return out;
}

} // namespace artgen
