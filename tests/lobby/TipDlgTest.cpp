// The wait notice: its size follows its text; its frame, fill and text are painted
// where they belong.
#include "lobby/TipDlg.h"
#include "platform/Screen.h"

#include <QImage>
#include <gtest/gtest.h>

namespace {

bool IsTextColour(QRgb pixel)
{
    return qBlue(pixel) > 150 && qRed(pixel) < 200 && qGreen(pixel) < 200;
}

TEST(TipDlg, ATextOf28BytesMakesANotice208By44CentredOnTheScreen)
{
    CTipDlg tip;
    tip.ShowTip(QStringLiteral("请稍候请稍候请稍候请稍候请稍"));  // 14 characters, 28 bytes
    EXPECT_TRUE(tip.isVisible());
    EXPECT_EQ(tip.size(), QSize(208, 44));
    EXPECT_EQ(CTipDlg::TextX(208, 28), 20);
    const QSize screen = platform::FullScreenSize();
    EXPECT_EQ(tip.pos(), QPoint((screen.width() - 208) / 2, (screen.height() - 44) / 2));

    tip.ShowTip(QStringLiteral("ab"));
    EXPECT_EQ(tip.size(), QSize(2 * 12 / 2 + 40, 44)) << "every showing sizes it anew";
    tip.HideTip();
    EXPECT_FALSE(tip.isVisible());
}

TEST(TipDlg, PaintsTwoFramesAndTheTextFromX20)
{
    CTipDlg tip;
    tip.ShowTip(QStringLiteral("请稍候请稍候请稍候请稍候请稍"));
    const QImage image = tip.grab().toImage();
    ASSERT_EQ(image.size(), QSize(208, 44));
    EXPECT_EQ(QColor(image.pixel(0, 0)), QColor(Qt::black));
    EXPECT_EQ(QColor(image.pixel(207, 43)), QColor(Qt::black));
    EXPECT_EQ(QColor(image.pixel(1, 1)), CTipDlg::kFill);
    EXPECT_EQ(QColor(image.pixel(2, 2)), QColor(Qt::black)) << "the inner frame, 2 pixels inside";
    EXPECT_EQ(QColor(image.pixel(205, 41)), QColor(Qt::black));
    EXPECT_EQ(QColor(image.pixel(3, 3)), CTipDlg::kFill);
    int firstText = image.width();
    int textPixels = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (IsTextColour(image.pixel(x, y))) {
                firstText = std::min(firstText, x);
                ++textPixels;
            }
    EXPECT_GT(textPixels, 50);
    EXPECT_GE(firstText, 20);
    EXPECT_LE(firstText, 22);
}

TEST(TipDlg, EnterAndEscLeaveItShown)
{
    CTipDlg tip;
    tip.ShowTip("x");
    tip.accept();
    tip.reject();
    EXPECT_TRUE(tip.isVisible());
}

} // namespace
