// The text label: where its text starts for each alignment, and what it paints over
// its dialog's background.
#include "controls/MyStatic.h"

#include <QPalette>

#include <gtest/gtest.h>

#include <memory>

namespace {

TEST(MyStaticAlign, TextStartsByTheEstimatedWidth)
{
    struct Case {
        const char* name;
        QString text;
        uint8_t height;
        uint8_t align;
        int width;
        int left;
    };
    // "abcd" at height 12 is estimated 24 pixels wide.
    const Case cases[] = {
        {"left", QStringLiteral("abcd"), 12, 0, 100, 0},
        {"centred", QStringLiteral("abcd"), 12, 1, 100, 38},
        {"right", QStringLiteral("abcd"), 12, 2, 100, 76},
        {"bytes, not characters", QStringLiteral("比分"), 12, 2, 100, 76},
        {"half the height is whole pixels first", QStringLiteral("abcd"), 13, 2, 100, 76},
        {"estimate reaching the width", QStringLiteral("abcd"), 12, 2, 24, 0},
        {"estimate beyond the width", QStringLiteral("abcdefghijk"), 12, 1, 60, 0},
        {"unknown alignment", QStringLiteral("abcd"), 12, 3, 100, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        CMyStatic label;
        label.resize(c.width, 20);
        label.SetText(c.text);
        label.SetFontHeight(c.height);
        label.SetAlign(c.align);
        EXPECT_EQ(label.TextLeft(), c.left);
    }
}

class MyStaticPaint : public ::testing::Test {
protected:
    void SetUp() override
    {
        dialog = std::make_unique<QWidget>();
        dialog->resize(200, 40);
        QPalette palette;
        palette.setColor(QPalette::Window, kBackground);
        dialog->setPalette(palette);
        dialog->setAutoFillBackground(true);
        label = new CMyStatic(dialog.get());
        label->setGeometry(10, 10, 150, 20);
        dialog->show();
    }
    QImage Shot() const { return dialog->grab(label->geometry()).toImage(); }
    // Columns of the label where anything but the background shows.
    std::pair<int, int> InkColumns(const QImage& image) const
    {
        int first = -1;
        int last = -1;
        for (int x = 0; x < image.width(); ++x)
            for (int y = 0; y < image.height(); ++y)
                if (image.pixelColor(x, y) != kBackground) {
                    first = first < 0 ? x : first;
                    last = x;
                }
        return {first, last};
    }

    const QColor kBackground{40, 90, 40};
    std::unique_ptr<QWidget> dialog;
    CMyStatic* label = nullptr;
};

TEST_F(MyStaticPaint, EmptyTextLeavesTheBackground)
{
    EXPECT_EQ(InkColumns(Shot()).first, -1);
}

TEST_F(MyStaticPaint, TextIsDrawnTransparentlyFromItsStart)
{
    label->SetText(QStringLiteral("88"));
    label->SetTextColor(QColor(255, 255, 0));
    label->SetFontHeight(16);
    label->SetAlign(2);
    label->update();
    const QImage image = Shot();
    const auto [first, last] = InkColumns(image);
    ASSERT_GE(first, 0);
    EXPECT_GE(first, label->TextLeft() - 1);
    EXPECT_EQ(image.pixelColor(2, 2), kBackground);
    bool yellow = false;
    for (int y = 0; y < image.height(); ++y)
        for (int x = first; x <= last; ++x)
            yellow = yellow || image.pixelColor(x, y) == QColor(255, 255, 0);
    EXPECT_TRUE(yellow);
}

} // namespace
