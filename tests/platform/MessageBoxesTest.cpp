#include "platform/testing/ManualClock.h"
#include "platform/testing/RecordingMessageBoxes.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTimer>
#include <gtest/gtest.h>

namespace platform {
namespace {

TEST(RecordingMessageBoxesTest, RecordsEveryBoxInOrderAndAnswersFromTheScript)
{
    RecordingMessageBoxes boxes;
    boxes.ScriptAnswer(BoxAnswer::No);
    boxes.ScriptAnswer(BoxAnswer::Cancel);
    EXPECT_EQ(MessageBox(QStringLiteral("SOCKET已经关闭")), BoxAnswer::No);
    EXPECT_EQ(messageBoxes().Show(nullptr, QStringLiteral("确定要离开吗？"), QStringLiteral("提示"),
                                  BoxIcon::Question, BoxButtons::OkCancel),
              BoxAnswer::Cancel);
    // The script is used up: the next box is answered OK.
    EXPECT_EQ(MessageBox(QStringLiteral("WSAESHUTDOWN")), BoxAnswer::Ok);

    EXPECT_EQ(boxes.Texts(), (QStringList{QStringLiteral("SOCKET已经关闭"), QStringLiteral("确定要离开吗？"),
                                          QStringLiteral("WSAESHUTDOWN")}));
    ASSERT_EQ(boxes.Boxes().size(), 3u);
    EXPECT_EQ(boxes.Boxes()[1].caption, QStringLiteral("提示"));
    EXPECT_EQ(boxes.Boxes()[1].icon, BoxIcon::Question);
    EXPECT_EQ(boxes.Boxes()[1].buttons, BoxButtons::OkCancel);
    EXPECT_EQ(boxes.Boxes()[0].icon, BoxIcon::None);
}

TEST(RecordingMessageBoxesTest, PutsThePreviousBoxesBack)
{
    MessageBoxes* real = &messageBoxes();
    {
        RecordingMessageBoxes outer;
        {
            RecordingMessageBoxes inner;
            MessageBox(QStringLiteral("inner"));
            EXPECT_TRUE(outer.Texts().isEmpty());
        }
        MessageBox(QStringLiteral("outer"));
        EXPECT_EQ(outer.Texts(), QStringList{QStringLiteral("outer")});
    }
    EXPECT_EQ(&messageBoxes(), real);
}

TEST(RecordingMessageBoxesTest, RunsTheClockWhileABoxIsOpenAndAnswersNestedBoxesAtOnce)
{
    ManualClock clock;
    RecordingMessageBoxes boxes;
    QObject window;
    std::vector<BoxAnswer> timerAnswers;
    clock.SetTimer(&window, 1, 300, [&] {
        timerAnswers.push_back(MessageBox(QStringLiteral("tick %1").arg(clock.TickCount())));
    });
    int opened = 0;
    boxes.SetWhileOpen([&](const RecordingMessageBoxes::Box& box) {
        ++opened;
        EXPECT_EQ(box.text, QStringLiteral("outer"));
        clock.Advance(700);
    });
    boxes.ScriptAnswer(BoxAnswer::Yes);
    boxes.ScriptAnswer(BoxAnswer::No);
    boxes.ScriptAnswer(BoxAnswer::Cancel);

    EXPECT_EQ(MessageBox(QStringLiteral("outer")), BoxAnswer::Cancel) << "the outer box closes last";
    EXPECT_EQ(opened, 1) << "boxes opened inside the open box do not run the clock again";
    EXPECT_EQ(timerAnswers, (std::vector<BoxAnswer>{BoxAnswer::Yes, BoxAnswer::No}));
    EXPECT_EQ(boxes.Texts(), (QStringList{QStringLiteral("outer"), QStringLiteral("tick 300"),
                                          QStringLiteral("tick 600")}));
    EXPECT_EQ(clock.TickCount(), 700u);

    // Once it is closed the next box runs the clock again.
    MessageBox(QStringLiteral("outer"));
    EXPECT_EQ(opened, 2);
    EXPECT_EQ(boxes.Texts().size(), 6);
}

// The real boxes, pressed from inside their own modal loop.
struct RealBoxCase {
    const char* name;
    BoxButtons buttons;
    QMessageBox::StandardButton press;
    BoxAnswer answer;
};

class RealMessageBoxesTest : public ::testing::TestWithParam<RealBoxCase> {};

TEST_P(RealMessageBoxesTest, ShowsTheExactTextAndReturnsThePressedButton)
{
    const RealBoxCase& c = GetParam();
    QApplication::setApplicationDisplayName(QStringLiteral("Morvane"));
    QString shownText;
    QString shownTitle;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        shownText = box->text();
        shownTitle = box->windowTitle();
        box->button(c.press)->click();
    });
    const BoxAnswer answer = messageBoxes().Show(nullptr, QStringLiteral("请先关闭游戏客户端"), {},
                                                 BoxIcon::Warning, c.buttons);
    EXPECT_EQ(answer, c.answer);
    EXPECT_EQ(shownText, QStringLiteral("请先关闭游戏客户端"));
    EXPECT_EQ(shownTitle, QStringLiteral("Morvane"));
}

INSTANTIATE_TEST_SUITE_P(Buttons, RealMessageBoxesTest,
    ::testing::Values(RealBoxCase{"Ok", BoxButtons::Ok, QMessageBox::Ok, BoxAnswer::Ok},
                      RealBoxCase{"Cancel", BoxButtons::OkCancel, QMessageBox::Cancel, BoxAnswer::Cancel},
                      RealBoxCase{"Yes", BoxButtons::YesNo, QMessageBox::Yes, BoxAnswer::Yes},
                      RealBoxCase{"No", BoxButtons::YesNo, QMessageBox::No, BoxAnswer::No}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace platform
