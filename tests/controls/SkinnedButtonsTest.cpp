// The small skinned controls: the shaped picture button, the tab bar's arrows, the
// splitter button, the title strip, the flat combo box and the chat input line.
#include "controls/MyEdit.h"
#include "controls/MyPicBT.h"
#include "controls/SWComboBox.h"
#include "controls/SpinButton.h"
#include "controls/SplitButton.h"
#include "controls/TitleBar.h"

#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

namespace {

QPixmap Solid(int w, int h, const QColor& colour)
{
    QPixmap pixmap(w, h);
    pixmap.fill(colour);
    return pixmap;
}

void Enter(QWidget* widget)
{
    QEnterEvent enter(QPointF(2, 2), QPointF(2, 2), widget->mapToGlobal(QPointF(2, 2)));
    QApplication::sendEvent(widget, &enter);
}

void Leave(QWidget* widget)
{
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(widget, &leave);
}

int CountPixels(const QImage& image, const QRect& area, const QColor& colour)
{
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            count += image.pixelColor(x, y) == colour;
    return count;
}

class ControlsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        top = std::make_unique<QWidget>();
        top->resize(300, 200);
        top->show();
    }
    std::unique_ptr<QWidget> top;
};

const QColor kKey(255, 0, 255);
const QColor kFace(0, 0, 200);
const QColor kPressed(0, 150, 0);
const QColor kHover(200, 0, 0);

// A 20 x 20 face on the key colour, with one key-coloured pixel inside at (10, 10).
QPixmap PictureWithHole()
{
    QImage image(20, 20, QImage::Format_RGB32);
    image.fill(kKey);
    for (int y = 2; y < 18; ++y)
        for (int x = 2; x < 18; ++x)
            image.setPixelColor(x, y, kFace);
    image.setPixelColor(10, 10, kKey);
    return QPixmap::fromImage(image);
}

TEST_F(ControlsTest, PictureButtonIsShapedByItsCornerColour)
{
    auto* button = new CMyPicBT(top.get());
    button->move(30, 40);
    button->SetImages(PictureWithHole(), Solid(20, 20, kPressed), Solid(20, 20, kHover));
    EXPECT_EQ(button->geometry(), QRect(30, 40, 20, 20));
    EXPECT_TRUE(button->isVisible());

    const QRegion shape = button->mask();
    EXPECT_TRUE(shape.contains(QPoint(5, 5)));
    EXPECT_TRUE(shape.contains(QPoint(2, 2)));
    EXPECT_FALSE(shape.contains(QPoint(0, 0)));
    EXPECT_FALSE(shape.contains(QPoint(1, 19)));
    EXPECT_FALSE(shape.contains(QPoint(10, 10)));  // the same colour inside is a hole
    // Clicks through a hole reach the window below.
    EXPECT_EQ(top->childAt(40, 50), nullptr);
    EXPECT_EQ(top->childAt(35, 45), button);

    EXPECT_TRUE(CMyPicBT::Shape(Solid(8, 8, kKey).toImage()).isEmpty());
}

TEST_F(ControlsTest, PictureButtonLayersItsImagesByState)
{
    auto* button = new CMyPicBT(top.get());
    button->SetImages(PictureWithHole(), Solid(20, 20, kPressed), Solid(20, 20, kHover));
    struct Case {
        const char* name;
        bool hover;
        bool down;
        QColor face;
    };
    const Case cases[] = {
        {"normal", false, false, kFace},
        {"hover on top", true, false, kHover},
        {"pressed", false, true, kPressed},
        {"pressed hides the hover image", true, true, kPressed},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        c.hover ? Enter(button) : Leave(button);
        button->setDown(c.down);
        EXPECT_EQ(button->Hovered(), c.hover);
        const QImage image = top->grab(button->geometry()).toImage();
        EXPECT_EQ(image.pixelColor(5, 5), c.face);
        // Outside the shape the parent shows, never an image.
        EXPECT_NE(image.pixelColor(0, 0), c.face);
        EXPECT_NE(image.pixelColor(10, 10), c.face);
    }
}

TEST_F(ControlsTest, ArrowTellsItsIdOnPressOnlyWhileEnabled)
{
    auto* arrow = new CSpinButton(5, top.get());
    arrow->SetImages(Solid(20, 20, kFace), Solid(20, 20, kPressed));
    arrow->setGeometry(10, 10, 20, 20);
    arrow->show();
    QSignalSpy spy(arrow, &CSpinButton::Pressed);

    QTest::mousePress(arrow, Qt::LeftButton);
    ASSERT_EQ(spy.count(), 1);
    EXPECT_EQ(spy.at(0).at(0).toInt(), 5);
    EXPECT_FALSE(arrow->isDown());
    EXPECT_EQ(top->grab(arrow->geometry()).toImage().pixelColor(10, 10), kFace);

    arrow->setEnabled(false);
    QTest::mouseClick(arrow, Qt::LeftButton);
    EXPECT_EQ(spy.count(), 1);
    const QImage disabled = top->grab(arrow->geometry()).toImage();
    EXPECT_EQ(disabled.pixelColor(10, 10), kPressed);
    EXPECT_NE(disabled.pixelColor(0, 0), kPressed);  // rounded corner
}

TEST_F(ControlsTest, SplitButtonTogglesAndTellsFoldThenUnfold)
{
    auto* split = new CSplitButton(top.get());
    split->setGeometry(0, 0, 20, 20);
    split->show();
    std::vector<QString> heard;
    QObject::connect(split, &CSplitButton::Fold, [&] { heard.push_back(QStringLiteral("fold")); });
    QObject::connect(split, &CSplitButton::Unfold, [&] { heard.push_back(QStringLiteral("unfold")); });
    EXPECT_EQ(split->text(), QStringLiteral(">"));
    QTest::mouseClick(split, Qt::LeftButton);
    EXPECT_EQ(split->text(), QStringLiteral("<"));
    EXPECT_FALSE(split->Expanded());
    QTest::mouseClick(split, Qt::LeftButton);
    EXPECT_EQ(split->text(), QStringLiteral(">"));
    QTest::mouseClick(split, Qt::RightButton);
    EXPECT_EQ(heard, (std::vector<QString>{QStringLiteral("fold"), QStringLiteral("unfold")}));
}

TEST_F(ControlsTest, TitleBarIsAtLeastTwentyHigh)
{
    struct Case {
        const char* name;
        QRect created;
        QRect placed;
    };
    const Case cases[] = {
        {"too low: to the parent's corner", QRect(10, 30, 200, 15), QRect(0, 0, 200, 20)},
        {"high enough: where asked", QRect(10, 30, 200, 24), QRect(10, 30, 200, 24)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        auto* bar = new CTitleBar(Solid(137, 17, kFace));
        bar->Create(c.created, top.get(), 200, QStringLiteral("房间一"));
        EXPECT_EQ(bar->geometry(), c.placed);
        EXPECT_TRUE(bar->isVisible());
        EXPECT_EQ(bar->objectName(), QStringLiteral("200"));
        delete bar;
    }
}

TEST_F(ControlsTest, TitleBarDrawsItsTitleOverTheStretchedBitmap)
{
    auto* bar = new CTitleBar(Solid(137, 17, kFace));
    bar->Create(QRect(0, 0, 280, 20), top.get(), 200, QStringLiteral("abc"));
    const QImage image = bar->grab().toImage();
    EXPECT_EQ(image.pixelColor(279, 19), kFace);
    EXPECT_EQ(image.pixelColor(279, 0), kFace);
    // "【abc】" is drawn from the left in black; the right end stays clear.
    EXPECT_GT(CountPixels(image, QRect(0, 2, 80, 18), Qt::black), 0);
    EXPECT_EQ(CountPixels(image, QRect(200, 0, 80, 20), Qt::black), 0);
}

TEST_F(ControlsTest, ComboBoxPaintsFlatWithHoverColours)
{
    auto* combo = new CSWComboBox(top.get());
    combo->setGeometry(0, 0, 120, 25);
    combo->show();
    const int t = combo->DropButtonWidth();
    ASSERT_GT(t, 4);
    struct Case {
        const char* name;
        bool hover;
        QColor frame;
        QColor button;
    };
    const Case cases[] = {
        {"resting", false, QColor(132, 128, 132), QColor(150, 150, 180)},
        {"hovered", true, QColor(0, 0, 100), QColor(180, 180, 200)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        c.hover ? Enter(combo) : Leave(combo);
        EXPECT_EQ(combo->Hovered(), c.hover);
        const QImage image = combo->grab().toImage();
        EXPECT_EQ(image.pixelColor(0, 12), c.frame);
        EXPECT_EQ(image.pixelColor(5, 12), Qt::white);
        EXPECT_EQ(image.pixelColor(119, 1), c.button);
        EXPECT_GT(CountPixels(image, QRect(120 - t, 0, t, 25), Qt::black), 3);  // the triangle
    }
}

TEST_F(ControlsTest, EnterAsksToSendAndStillTypes)
{
    auto* edit = new CMyEdit(top.get());
    edit->show();
    struct Case {
        const char* name;
        Qt::Key key;
        int sends;
        QString text;
    };
    const Case cases[] = {
        {"return", Qt::Key_Return, 1, QStringLiteral("hi\n")},
        {"keypad enter", Qt::Key_Enter, 1, QStringLiteral("hi\n")},
        {"other key", Qt::Key_A, 0, QStringLiteral("hia")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        edit->setPlainText(QStringLiteral("hi"));
        edit->moveCursor(QTextCursor::End);
        QSignalSpy spy(edit, &CMyEdit::EnterPressed);
        QTest::keyClick(edit, c.key, c.key == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier);
        EXPECT_EQ(spy.count(), c.sends);
        EXPECT_EQ(edit->toPlainText(), c.text);
    }
}

} // namespace
