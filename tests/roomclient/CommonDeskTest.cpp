#include "roomclient/CommonDesk.h"

#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

#include <string>

namespace {

const QColor kBackground(82, 113, 156);

net::SeatEntry Seated(const char* name)
{
    net::SeatEntry entry;
    entry.player.name = name;
    entry.occupied = 1;
    return entry;
}

// Plain-coloured pictures of the real sizes, so that pixels tell what was drawn.
CDeskBitmaps SolidBitmaps()
{
    auto solid = [](int w, int h, QColor c) {
        QPixmap p(w, h);
        p.fill(c);
        return p;
    };
    return {solid(50, 30, Qt::darkYellow), solid(50, 30, Qt::darkRed), solid(30, 30, Qt::gray),
            {solid(30, 30, Qt::green), solid(30, 30, Qt::blue), solid(30, 30, Qt::magenta)}};
}

class CommonDeskTest : public ::testing::Test {
protected:
    CDeskBitmaps bitmaps = SolidBitmaps();
    CCommonDesk desk{&bitmaps, kBackground};
};

TEST_F(CommonDeskTest, LaysItselfOutInItsCell)
{
    // Desk 4 of a 500-pixel view.
    desk.Layout(4, 2, QRect(3, 120, 160, 120));
    EXPECT_EQ(desk.PictureRect(), QRect(58, 165, 50, 30));
    EXPECT_EQ(desk.SeatRect(1), QRect(14, 165, 30, 30));
    EXPECT_EQ(desk.SeatRect(2), QRect(163 - 11 - 30, 165, 30, 30));
    EXPECT_TRUE(desk.SeatRect(3).isNull());
    EXPECT_EQ(desk.LabelRect(), QRect(3, 220, 160, 20));
    EXPECT_EQ(desk.LabelText(), QStringLiteral("- 4 -"));
}

TEST_F(CommonDeskTest, MovingShiftsEveryRectangle)
{
    desk.Layout(4, 3, QRect(3, 120, 160, 120));
    const QRect seat3 = desk.SeatRect(3);
    desk.MoveTo(QRect(163, 0, 160, 120));
    EXPECT_EQ(desk.PictureRect(), QRect(218, 45, 50, 30));
    EXPECT_EQ(desk.SeatRect(1), QRect(174, 45, 30, 30));
    EXPECT_EQ(desk.SeatRect(3), seat3.translated(160, -120));
    EXPECT_EQ(desk.LabelRect(), QRect(163, 100, 160, 20));
}

TEST_F(CommonDeskTest, NamesSitAboveTheirChairs)
{
    desk.Layout(1, 2, QRect(0, 0, 160, 120));
    const auto eight = Seated("abcdefgh");
    desk.SetSeatEntry(1, eight);
    desk.SetSeatEntry(2, eight);
    EXPECT_EQ(desk.NameRect(1), QRect(0, 45 - 24, 48, 14));
    // Seat 2's name ends at the cell's right edge.
    EXPECT_EQ(desk.NameRect(2), QRect(160 - 48, 45 - 24, 48, 14));
}

TEST_F(CommonDeskTest, AFullTwentyByteNameStaysInsideItsField)
{
    desk.Layout(1, 2, QRect(0, 0, 160, 120));
    const std::string twenty(20, 'x');
    net::SeatEntry entry;
    entry.player.name = twenty + "overflow";
    entry.player.tally = 0x54;
    desk.SetSeatEntry(1, entry);
    EXPECT_EQ(desk.SeatName(1), QString(20, QLatin1Char('x')));
    EXPECT_EQ(desk.NameRect(1).width(), 120);
}

TEST_F(CommonDeskTest, ThreeSeatDeskCanBeHoveredOnEverySeat)
{
    desk.Layout(1, 3, QRect(0, 0, 160, 120));
    for (int seat = 1; seat <= 3; ++seat) {
        SCOPED_TRACE(seat);
        const QRect r = desk.SeatRect(seat);
        ASSERT_FALSE(r.isNull());
        EXPECT_EQ(desk.SeatAt(r.center()), seat);
        EXPECT_FALSE(r.intersects(desk.PictureRect()));
    }
    EXPECT_EQ(desk.SeatAt(desk.PictureRect().center()), 0);
}

TEST_F(CommonDeskTest, DeskRecordGivesSeatsAndState)
{
    desk.Layout(1, 2, QRect(0, 0, 160, 120));
    net::DeskRecord record;
    record.seats[1] = Seated("bob");
    record.commonState = 3;
    record.ladderState = 0;
    desk.SetFromDeskRecord(record);
    EXPECT_FALSE(desk.IsOccupied(1));
    EXPECT_TRUE(desk.IsOccupied(2));
    EXPECT_EQ(desk.SeatName(2), QStringLiteral("bob"));
    EXPECT_EQ(desk.State(), 3);
}

TEST_F(CommonDeskTest, FreeingASeatErasesTheNameAreaAboveTheChair)
{
    desk.Layout(1, 2, QRect(0, 0, 160, 120));
    const auto ten = Seated("abcdefghij");
    desk.SetSeatEntry(2, ten);
    QImage surface(160, 120, QImage::Format_RGB32);
    surface.fill(Qt::red);
    desk.SetOccupied(2, false);
    {
        QPainter painter(&surface);
        desk.DrawSeat(painter, 2);
    }
    const QRect erased(100, 21, 60, 14);
    EXPECT_EQ(desk.NameRect(2), erased);
    for (const QPoint p : {erased.topLeft(), erased.bottomRight(), erased.center()})
        EXPECT_EQ(surface.pixelColor(p), kBackground) << p.x() << "," << p.y();
    for (const QPoint p : {erased.topLeft() - QPoint(1, 0), erased.bottomRight() + QPoint(0, 1)})
        EXPECT_EQ(surface.pixelColor(p), QColor(Qt::red)) << p.x() << "," << p.y();
    EXPECT_EQ(surface.pixelColor(desk.SeatRect(2).center()), QColor(Qt::gray));
}

TEST_F(CommonDeskTest, SeatFramesOnlyOnEmptySeats)
{
    desk.Layout(1, 2, QRect(0, 0, 160, 120));
    const auto seated = Seated("bob");
    desk.SetSeatEntry(2, seated);
    QImage surface(160, 120, QImage::Format_RGB32);
    surface.fill(Qt::red);
    QPainter painter(&surface);
    desk.Draw(painter);
    desk.DrawSeatFrame(painter, 1, false);
    desk.DrawSeatFrame(painter, 2, false);
    painter.end();
    const QRect empty = desk.SeatRect(1);
    EXPECT_EQ(surface.pixelColor(empty.topLeft() + QPoint(0, 5)), QColor(Qt::white));
    EXPECT_EQ(surface.pixelColor(empty.bottomRight() - QPoint(0, 5)), QColor(Qt::black));
    const QRect taken = desk.SeatRect(2);
    EXPECT_EQ(surface.pixelColor(taken.topLeft() + QPoint(0, 5)), QColor(Qt::blue));

    QPainter again(&surface);
    desk.DrawSeatFrame(again, 1, true);
    again.end();
    EXPECT_EQ(surface.pixelColor(empty.topLeft() + QPoint(0, 5)), QColor(Qt::black));
    EXPECT_EQ(surface.pixelColor(empty.bottomRight() - QPoint(0, 5)), QColor(Qt::white));
}

TEST_F(CommonDeskTest, PictureFollowsTheState)
{
    desk.Layout(1, 2, QRect(0, 0, 160, 120));
    QImage surface(160, 120, QImage::Format_RGB32);
    auto pictureColour = [&] {
        QPainter painter(&surface);
        desk.DrawPicture(painter);
        painter.end();
        return surface.pixelColor(desk.PictureRect().center());
    };
    EXPECT_EQ(pictureColour(), QColor(Qt::darkYellow));
    desk.SetState(1);
    EXPECT_EQ(pictureColour(), QColor(Qt::darkRed));
}

} // namespace
