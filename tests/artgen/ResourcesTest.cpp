// Every resource the program uses exists next to the programs, at its size, and the
// lookup follows the working directory first.
#include "platform/Resources.h"

#include "res/ResourceIds.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QImage>
#include <QTemporaryDir>

#include <cmath>

namespace {

// The ids and sizes as the screens use them, written out here on their own so that a
// slip in the catalogue shows up.
struct Expected {
  const char* role;
  std::vector<int> ids;
  QSize size;
};

const Expected kExpectedBitmaps[] = {
    {"hall tree images", {132, 133, 135}, {16, 16}},
    {"main window, small layout", {136}, {800, 600}},
    {"main window, large layout", {148}, {1024, 768}},
    {"tab bar arrows", {137, 138, 139, 142}, {20, 20}},
    {"tabs", {145, 147}, {60, 20}},
    {"desks", {149, 153}, {50, 30}},
    {"chairs", {150, 151, 152, 154}, {30, 30}},
    {"title strip and list header", {156, 157, 158}, {137, 17}},
    {"game background", {169}, {600, 600}},
    {"duel home spot", {186}, {73, 100}},
    {"picture buttons", {219, 220, 221, 222}, {20, 20}},
    {"bone demon pictures", {161, 162, 163, 164, 165, 166, 167, 168}, {110, 150}},
    {"horse race pictures", {178, 179, 180, 181, 182, 183}, {110, 150}},
    {"three smiles pictures", {190, 191, 192, 193, 194, 195, 196, 197, 198, 199, 200, 201}, {110, 150}},
    {"landing pictures", {205, 206, 207, 208, 209, 210, 211, 212, 213, 214, 215, 216}, {110, 150}},
    {"shared position pictures", {260, 261, 262, 263}, {110, 150}},
};

// The game files by the paths the games open, spelled as the games spell them.
struct GameFiles {
  const char* game;
  std::vector<const char*> paths;
};

const GameFiles kGameFiles[] = {
    {"horse race", {"gif\\horse\\horse1.gif", "gif\\horse\\horse2.gif", "gif\\horse\\horse3.gif"}},
    {"Huarong pass", {"gif\\hrpic\\1.gif", "gif\\hrpic\\2.gif", "gif\\hrpic\\3.gif", "gif\\hrpic\\f1.gif",
                      "gif\\hrpic\\f2.gif", "gif\\hrpic\\f3.gif"}},
    {"red flower", {"gif\\qypic\\1.gif", "gif\\qypic\\2.gif", "gif\\qypic\\3.gif", "gif\\qypic\\f1.gif",
                    "gif\\qypic\\f2.gif", "gif\\qypic\\f3.gif"}},
    {"landing", {"gif\\nmpic\\find1.gif", "gif\\nmpic\\find2.gif", "gif\\nmpic\\find3.gif", "gif\\nmpic\\find4.gif"}},
    {"three smiles", {"gif\\sxpic\\find1.gif", "gif\\sxpic\\find2.gif", "gif\\sxpic\\find3.gif", "gif\\sxpic\\find4.gif"}},
    {"bone demon", {"gif\\sun\\sun1.gif", "gif\\sun\\sun2.gif", "gif\\sun\\sun3.gif", "gif\\sun\\sun4.gif"}},
    {"straw boats", {"gif\\cao\\jingong.gif", "gif\\cao\\jiejian.gif", "gif\\cao\\saorao.gif", "gif\\cao\\fangjian.gif",
                     "gif\\cao\\guanwang.gif", "gif\\cao\\caoxiao.gif"}},
    {"Wu Song", {"gif\\wspic\\yinzi.gif", "gif\\wspic\\jiuhu.gif", "gif\\wspic\\wusong.gif", "gif\\wspic\\guanfu.gif",
                 "gif\\wspic\\laohu.gif"}},
    {"happiness", {"gif\\xfpic\\fukuan.gif", "gif\\xfpic\\jiache.gif", "gif\\xfpic\\anmo.gif", "gif\\xfpic\\doufeng.gif",
                   "gif\\xfpic\\gouwu.gif", "gif\\xfpic\\meirong.gif"}},
    {"the click of the find games", {"sound\\Click.wav"}},
};

TEST(Resources, EveryGameFileIsFoundByItsGamePath) {
  for (const GameFiles& row : kGameFiles) {
    SCOPED_TRACE(row.game);
    for (const char* path : row.paths) {
      SCOPED_TRACE(path);
      EXPECT_FALSE(platform::GameFilePath(QString::fromLatin1(path)).isEmpty());
    }
  }
}

TEST(Resources, EveryBitmapExistsAtItsSize) {
  for (const Expected& row : kExpectedBitmaps) {
    SCOPED_TRACE(row.role);
    for (int id : row.ids) {
      SCOPED_TRACE(id);
      EXPECT_EQ(platform::Bitmap(id).size(), row.size);
    }
  }
}

TEST(Resources, IconsAndCursorsLoad) {
  for (int id : {128, 155}) {
    SCOPED_TRACE(id);
    EXPECT_FALSE(platform::Icon(id).isNull());
  }
  for (int id : {170, 171, 172, 173}) {
    SCOPED_TRACE(id);
    const QCursor cursor = platform::Cursor(id);
    ASSERT_EQ(cursor.shape(), Qt::BitmapCursor) << "fell back to the arrow";
    const QImage image = cursor.pixmap().toImage();
    EXPECT_EQ(image.size(), QSize(32, 32));
    // The hot spot lies on a drawn pixel, not in empty space.
    EXPECT_GT(qAlpha(image.pixel(cursor.hotSpot())), 0);
  }
}

TEST(Resources, PictureButtonsAreShapedByTheirCornerColour) {
  for (int id : {219, 220, 221, 222}) {
    SCOPED_TRACE(id);
    const QImage image = platform::Bitmap(id).toImage();
    const QRgb corner = image.pixel(0, 0);
    for (QPoint p : {QPoint(19, 0), QPoint(0, 19), QPoint(19, 19)})
      EXPECT_EQ(image.pixel(p), corner);
    // Inside the round face no pixel may share the corner colour: it would be a hole.
    int holes = 0;
    for (int y = 0; y < 20; ++y)
      for (int x = 0; x < 20; ++x)
        if (std::hypot(x + 0.5 - 10, y + 0.5 - 10) < 8 && image.pixel(x, y) == corner)
          ++holes;
    EXPECT_EQ(holes, 0);
  }
}

TEST(Resources, StringsByIdAndNothingForAnUnknownId) {
  EXPECT_EQ(platform::String(101), QStringLiteral("关于 Client(&A)..."));
  EXPECT_EQ(platform::String(103), QStringLiteral("Windows 通信端口初始化失败。"));
  EXPECT_TRUE(platform::String(102).isEmpty());
}

TEST(Resources, NothingIsMissingWhereTheProgramsRun) {
  EXPECT_EQ(platform::MissingResources(), QStringList());
}

class ResourcesInFolder : public ::testing::Test {
protected:
  void SetUp() override {
    ASSERT_TRUE(m_dir.isValid());
    m_previous = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(m_dir.path()));
  }
  void TearDown() override { QDir::setCurrent(m_previous); }

  void Put(const QString& relative, const QImage& image) {
    QDir(m_dir.path()).mkpath(QFileInfo(relative).path());
    ASSERT_TRUE(image.save(m_dir.filePath(relative), "PNG"));
  }

  QTemporaryDir m_dir;
  QString m_previous;
};

TEST_F(ResourcesInFolder, TheWorkingDirectoryWinsOverTheProgramFolder) {
  QImage tiny(3, 4, QImage::Format_RGB32);
  tiny.fill(Qt::red);
  Put(QStringLiteral("res/bitmap/136.png"), tiny);
  EXPECT_EQ(platform::Bitmap(136).size(), QSize(3, 4));
  // What the working directory lacks still comes from the program's folder.
  EXPECT_EQ(platform::Bitmap(148).size(), QSize(1024, 768));
}

TEST_F(ResourcesInFolder, GamePathsAcceptBackslashes) {
  QImage tiny(1, 1, QImage::Format_RGB32);
  Put(QStringLiteral("gif/own/x.gif"), tiny);
  const QString expected = QDir(m_dir.path()).absoluteFilePath(QStringLiteral("gif/own/x.gif"));
  EXPECT_EQ(platform::GameFilePath(QStringLiteral("gif\\own\\x.gif")), expected);
  EXPECT_EQ(platform::GameFilePath(QStringLiteral("gif/own/x.gif")), expected);
  EXPECT_TRUE(platform::GameFilePath(QStringLiteral("gif\\own\\absent.gif")).isEmpty());
}

TEST_F(ResourcesInFolder, AMissingResourceIsNamed) {
  const QStringList missing = platform::MissingResourcesIn({m_dir.path()});
  EXPECT_TRUE(missing.contains(QStringLiteral("bitmap 136")));
  EXPECT_TRUE(missing.contains(QStringLiteral("icon 128")));
  EXPECT_TRUE(missing.contains(QStringLiteral("cursor 170")));
  EXPECT_TRUE(missing.contains(QStringLiteral("gif\\horse\\horse1.gif")));
  EXPECT_TRUE(missing.contains(QStringLiteral("sound\\Click.wav")));

  QImage tiny(1, 1, QImage::Format_RGB32);
  Put(QStringLiteral("res/bitmap/136.png"), tiny);
  EXPECT_FALSE(platform::MissingResourcesIn({m_dir.path()}).contains(QStringLiteral("bitmap 136")));
}

} // namespace
