#include "roomclient/CommonDeskGroundClient.h"
#include "roomclient/GameDeskGround.h"
#include "roomclient/GameDeskGroundClient.h"

#include "net/DeskList.h"
#include "net/MsgIds.h"
#include "net/MsgRecord.h"
#include "net/PlayerRecord.h"
#include "platform/testing/RecordingMessageBoxes.h"

#include <QApplication>
#include <QScrollBar>
#include <QWheelEvent>

#include <gtest/gtest.h>

#include <memory>

namespace {

const QColor kRoom(82, 113, 156);

// A ground in a shown top-level window, so that geometry changes arrive at once.
class DeskGroundTest : public ::testing::Test {
protected:
    void Make(QSize size, uint8_t mode = CGameDeskGround::kCommonMode, uint8_t gameType = 1)
    {
        top = std::make_unique<QWidget>();
        top->resize(size.width() + 10, size.height() + 10);
        top->show();
        ground = new CGameDeskGround;
        ground->Create(QRect(QPoint(0, 0), size), top.get(), 101, mode, gameType, kRoom);
    }
    CCommonDeskGroundClient* View() const
    {
        return qobject_cast<CCommonDeskGroundClient*>(ground->Client());
    }
    int Pos() const { return ground->ScrollBar()->value(); }

    platform::RecordingMessageBoxes boxes;
    std::unique_ptr<QWidget> top;
    CGameDeskGround* ground = nullptr;
};

// 15 columns of 160 pixels give 7 rows of desks, 840 pixels.
constexpr int kSevenRowsWidth = 15 * 160 + CGameDeskGround::kScrollBarWidth;

TEST_F(DeskGroundTest, ScrollRangeCoversTheRowsBelowTheGround)
{
    Make({kSevenRowsWidth, 400});
    ASSERT_NE(View(), nullptr);
    EXPECT_EQ(View()->height(), 840);
    EXPECT_EQ(ground->ScrollBar()->maximum(), 44);
    EXPECT_EQ(ground->ScrollBar()->geometry(), QRect(kSevenRowsWidth - 15, 0, 15, 400));
    EXPECT_EQ(View()->ViewRect(), QRect(0, 0, kSevenRowsWidth, 400));
}

TEST_F(DeskGroundTest, LineStepsMoveTwentyAndClampAtTheEnd)
{
    Make({kSevenRowsWidth, 400});
    QScrollBar* bar = ground->ScrollBar();
    bar->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    bar->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    EXPECT_EQ(Pos(), 40);
    bar->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    EXPECT_EQ(Pos(), 44);
    // Position 44 shows view pixels 440 to 839.
    EXPECT_EQ(View()->y(), -440);
    EXPECT_EQ(View()->ViewRect(), QRect(0, 440, kSevenRowsWidth, 400));
    bar->triggerAction(QAbstractSlider::SliderPageStepSub);
    EXPECT_EQ(Pos(), 4);
    bar->triggerAction(QAbstractSlider::SliderPageStepSub);
    EXPECT_EQ(Pos(), 0);
    EXPECT_EQ(View()->y(), 0);
}

TEST_F(DeskGroundTest, WheelNotchMovesTwelveSteps)
{
    Make({kSevenRowsWidth, 400});
    auto wheel = [&](int delta) {
        QWheelEvent event(QPointF(50, 50), QPointF(50, 50), QPoint(), QPoint(0, delta), Qt::NoButton,
                          Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(ground, &event);
    };
    wheel(-120);
    EXPECT_EQ(Pos(), 12);
    EXPECT_EQ(View()->y(), -120);
    wheel(-360);
    EXPECT_EQ(Pos(), 44);
    wheel(120);
    EXPECT_EQ(Pos(), 32);
    wheel(1200);
    EXPECT_EQ(Pos(), 0);
}

TEST_F(DeskGroundTest, ResizeKeepsTheThumbsFraction)
{
    // 840 - 440 = 400 pixels to scroll: range 40.
    Make({kSevenRowsWidth, 440});
    ASSERT_EQ(ground->ScrollBar()->maximum(), 40);
    ground->ScrollBar()->setValue(20);
    ground->resize(kSevenRowsWidth, 640);
    EXPECT_EQ(ground->ScrollBar()->maximum(), 20);
    EXPECT_EQ(Pos(), 10);
    EXPECT_EQ(View()->y(), -100);
    EXPECT_EQ(View()->ViewRect(), QRect(0, 100, kSevenRowsWidth, 640));
}

TEST_F(DeskGroundTest, GroundTallerThanItsRowsScrollsNothing)
{
    Make({kSevenRowsWidth, 1000});
    EXPECT_EQ(ground->ScrollBar()->maximum(), 0);
    QWheelEvent event(QPointF(5, 5), QPointF(5, 5), QPoint(), QPoint(0, -120), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(ground, &event);
    EXPECT_EQ(Pos(), 0);
    EXPECT_EQ(View()->y(), 0);
    // From a range of nothing to one with rows to scroll: the thumb starts at the top.
    ground->resize(kSevenRowsWidth, 400);
    EXPECT_EQ(ground->ScrollBar()->maximum(), 44);
    EXPECT_EQ(Pos(), 0);
}

TEST_F(DeskGroundTest, NarrowingTheGroundLaysTheDesksOutAgain)
{
    Make({515, 400});
    CCommonDeskGroundClient* view = View();
    ASSERT_TRUE(view->Grid());
    EXPECT_EQ(view->Grid()->Columns(), 3);
    EXPECT_EQ(view->height(), 4080);
    EXPECT_EQ(view->Desk(4)->Cell(), QRect(3, 120, 160, 120));
    EXPECT_EQ(ground->ScrollBar()->maximum(), (4080 - 400) / 10);

    ground->resize(175, 400);
    EXPECT_EQ(view->Grid()->Columns(), 1);
    EXPECT_EQ(view->height(), 12000);
    EXPECT_EQ(view->Desk(4)->Cell(), QRect(0, 360, 160, 120));
    EXPECT_EQ(ground->ScrollBar()->maximum(), (12000 - 400) / 10);

    // Too narrow for one desk: the previous layout stays.
    ground->resize(100, 400);
    EXPECT_EQ(view->Grid()->Columns(), 1);
    EXPECT_EQ(view->height(), 12000);
    EXPECT_EQ(view->Desk(4)->Cell(), QRect(0, 360, 160, 120));
    EXPECT_TRUE(boxes.Texts().isEmpty());
}

struct ModeCase {
    const char* name;
    uint8_t mode;
    bool hasView;
    QStringList boxesAtCreation;
    QStringList boxesForADeskMessage;
};

void PrintTo(const ModeCase& c, std::ostream* os)
{
    *os << c.name;
}

class DeskGroundModes : public DeskGroundTest, public ::testing::WithParamInterface<ModeCase> {};

TEST_P(DeskGroundModes, ChooseTheViewOnce)
{
    const ModeCase& c = GetParam();
    Make({500, 400}, c.mode);
    EXPECT_EQ(ground->Client() != nullptr, c.hasView);
    EXPECT_EQ(boxes.Texts(), c.boxesAtCreation);

    boxes.Clear();
    const net::MsgRecord started = net::MsgRecord::Build(net::RoomMsg::GameStarted, std::vector<uint8_t>{1});
    ground->OnGemeDeskMsg(started.Bytes());
    EXPECT_EQ(boxes.Texts(), c.boxesForADeskMessage);
}

INSTANTIATE_TEST_SUITE_P(
    Modes, DeskGroundModes,
    ::testing::Values(ModeCase{"common", 1, true, {}, {}},
                      // The entry-desk view of challenge rooms is not there yet.
                      ModeCase{"challenge", 2, false, {}, {}},
                      ModeCase{"three", 3, false, {}, {}},
                      ModeCase{"four", 4, false, {"[CGameDeskGround::OnCreate]未知游戏模式类型"},
                               {"[CGameDeskGround::OnGemeDeskMsg]m_pClient isn't exist "}},
                      ModeCase{"zero", 0, false, {"[CGameDeskGround::OnCreate]未知游戏模式类型"},
                               {"[CGameDeskGround::OnGemeDeskMsg]m_pClient isn't exist "}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(DeskGroundTest, ViewRequestsReachTheRoomSide)
{
    Make({500, 400});
    std::vector<bool> playing;
    std::vector<int32_t> points;
    std::vector<std::vector<uint8_t>> sent;
    QObject::connect(ground, &CGameDeskGround::PlayingChanged, [&](bool p) { playing.push_back(p); });
    QObject::connect(ground, &CGameDeskGround::PointsChanged, [&](int32_t p) { points.push_back(p); });
    QObject::connect(ground, &CGameDeskGround::DeskBytesToSend,
                     [&](const uint8_t* d, uint16_t n) { sent.emplace_back(d, d + n); });
    View()->SetPlaying(1);
    View()->SetPlaying(0);
    View()->SetMyPoints(-40);
    const uint8_t bytes[] = {7, 0, 1, 0, 2, 0};
    View()->SendTransMsg(bytes, sizeof bytes);
    EXPECT_EQ(playing, (std::vector<bool>{true, false}));
    EXPECT_EQ(points, std::vector<int32_t>{-40});
    EXPECT_EQ(sent, (std::vector<std::vector<uint8_t>>{{7, 0, 1, 0, 2, 0}}));
}

TEST(GameDeskGroundClientBase, OperationsAViewMustOverrideOnlyComplain)
{
    platform::RecordingMessageBoxes boxes;
    CGameDeskGroundClient base;
    base.SetMyInfo(net::PlayerRecord{});
    base.OnRcvMsg(net::MsgRecord::Build(net::RoomMsg::GameStarted).Bytes());
    const uint8_t bytes[] = {1, 0};
    base.SendTransMsg(bytes, sizeof bytes);
    base.SetViewRect(0, 0, 10, 10);
    EXPECT_EQ(boxes.Texts(), (QStringList{"子类没有实现这个接口CGameDeskGroundClient::SetMyInfo",
                                          "CGameDeskGroundClient::OnRcvMsg",
                                          "子类没有实现这个接口CGameDeskGroundClient::SendTransMsg"}));
}

} // namespace
