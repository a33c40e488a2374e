// The main dialog on a screen 1280 pixels wide: the double click switches between
// the small layout, centred, and the large one at the screen's corner.
#include "MainDialogFixture.h"

#include "controls/MyTabCtrl.h"
#include "lobby/HallTree.h"
#include "platform/Resources.h"
#include "platform/Screen.h"
#include "res/ResourceIds.h"

#include <QTest>

namespace {

// A pixel of the window body that no control covers.
QRgb BodyPixel(QWidget& dlg)
{
    return dlg.grab(QRect(100, 40, 1, 1)).toImage().pixel(0, 0);
}

QRgb BitmapPixel(int id)
{
    return platform::Bitmap(id).toImage().pixel(100, 40);
}

TEST_F(MainDialogTest, TheDoubleClickTogglesBetweenTheTwoLayouts)
{
    ASSERT_EQ(platform::FullScreenSize(), QSize(1280, 1024));
    dlg.show();
    dlg.OpenRoom(Room(1, 1, "一号"));
    dlg.OpenRoom(Room(1, 2, "二号"));
    EXPECT_EQ(dlg.pos(), QPoint(240, 212));
    EXPECT_EQ(BodyPixel(dlg), BitmapPixel(res::IDB_MAIN_SMALL));

    QTest::mouseDClick(&dlg, Qt::LeftButton, {}, QPoint(100, 40));
    EXPECT_TRUE(dlg.IsLargeLayout());
    EXPECT_EQ(dlg.geometry(), QRect(0, 0, 1024, 768));
    EXPECT_FALSE(dlg.mask().contains(QPoint(1023, 767)));
    EXPECT_TRUE(dlg.mask().contains(QPoint(1023, 400)));
    EXPECT_EQ(dlg.TabCtrl()->geometry(), QRect(205, 80, 814, 25));
    EXPECT_EQ(dlg.HallTree()->geometry(), QRect(5, 80, 195, 683));
    EXPECT_EQ(dlg.RoomArea(), QRect(205, 105, 814, 658));
    EXPECT_EQ(dlg.HtmlCtrl().geometry(), dlg.RoomArea());
    EXPECT_EQ(Window(2)->geometry(), dlg.RoomArea()) << "inactive rooms move too";
    EXPECT_EQ(Window(3)->geometry(), dlg.RoomArea());
    EXPECT_EQ(dlg.Control(1031)->geometry().right() + 1, 1024 - 15);
    EXPECT_EQ(dlg.Control(1032)->geometry().right() + 1, 1024 - 40);
    EXPECT_EQ(BodyPixel(dlg), BitmapPixel(res::IDB_MAIN_LARGE));

    QTest::mouseDClick(&dlg, Qt::LeftButton, {}, QPoint(100, 40));
    EXPECT_FALSE(dlg.IsLargeLayout());
    EXPECT_EQ(dlg.geometry(), QRect(240, 212, 800, 600));
    EXPECT_EQ(Window(2)->geometry(), QRect(205, 105, 590, 490));
    EXPECT_EQ(BodyPixel(dlg), BitmapPixel(res::IDB_MAIN_SMALL));
}

TEST_F(MainDialogTest, TheBodyDragsTheWindow)
{
    dlg.show();
    const QPoint start = dlg.pos();
    QTest::mousePress(&dlg, Qt::LeftButton, {}, QPoint(100, 40));
    QMouseEvent move(QEvent::MouseMove, QPointF(130, 60), dlg.mapToGlobal(QPointF(130, 60)), Qt::NoButton,
                     Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&dlg, &move);
    QTest::mouseRelease(&dlg, Qt::LeftButton, {}, QPoint(130, 60));
    EXPECT_EQ(dlg.pos(), start + QPoint(30, 20));
}

} // namespace
