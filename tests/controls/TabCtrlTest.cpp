// The room tab bar: runs of tabs in a 595-pixel bar, activation and closing with the
// messages to the parent in order, reused control ids, arrows, game flags, painting.
#include "controls/MyTabCtrl.h"
#include "controls/SpinButton.h"
#include "controls/TabButton.h"
#include "platform/testing/RecordingMessageBoxes.h"

#include <QTest>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <utility>
#include <vector>

namespace {

QPixmap Solid(int w, int h, const QColor& colour)
{
    QPixmap pixmap(w, h);
    pixmap.fill(colour);
    return pixmap;
}

const QColor kInactiveImage(200, 200, 200);
const QColor kActiveImage(250, 250, 250);

CMyTabCtrl::Images TestImages()
{
    return {Solid(60, 20, kInactiveImage), Solid(60, 20, kActiveImage), Solid(20, 20, Qt::green),
            Solid(20, 20, Qt::gray), Solid(20, 20, Qt::green), Solid(20, 20, Qt::gray)};
}

using Message = std::pair<int, int>;  // WM_USER offset, key
const QString kRoom = QStringLiteral("房间");  // 4 bytes: a 44-pixel tab

class TabCtrlTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        top = std::make_unique<QWidget>();
        top->resize(800, 200);
        top->show();
        bar = new CMyTabCtrl(TestImages());
        bar->Create(QRect(200, 80, 595, 25), top.get(), 100);
        QObject::connect(bar, &CMyTabCtrl::TabDeactivated, [this](int key) { sent.emplace_back(20, key); });
        QObject::connect(bar, &CMyTabCtrl::TabActivated, [this](int key) { sent.emplace_back(21, key); });
        QObject::connect(bar, &CMyTabCtrl::TabClosed, [this](int key) { sent.emplace_back(22, key); });
        bar->AddDefaultButton(QStringLiteral("游戏大厅"), 1);
    }

    // Room tabs with keys 2 .. n + 1.
    void AddRooms(int n)
    {
        for (int key = 2; key < n + 2; ++key)
            bar->AddTabButton(kRoom, key);
    }
    CTabButton* Tab(int key) const
    {
        for (CTabButton* tab : bar->Tabs())
            if (tab->Key() == key)
                return tab;
        return nullptr;
    }
    std::vector<int> Keys() const
    {
        std::vector<int> keys;
        for (const CTabButton* tab : bar->Tabs())
            keys.push_back(tab->Key());
        return keys;
    }
    std::vector<int> ShownKeys() const
    {
        std::vector<int> keys;
        for (const CTabButton* tab : bar->Tabs())
            if (!tab->isHidden())
                keys.push_back(tab->Key());
        return keys;
    }
    // Every shown tab stands on the bottom line, 2 pixels after the one before it.
    void ExpectContiguousRun() const
    {
        int x = 5;
        for (const CTabButton* tab : bar->Tabs()) {
            if (tab->isHidden())
                continue;
            EXPECT_EQ(tab->geometry(), QRect(x, 5, tab->width(), 20)) << "tab " << tab->Key();
            x += tab->width() + 2;
        }
    }
    int ActiveKey() const { return bar->ActiveTab() ? bar->ActiveTab()->Key() : 0; }
    static std::vector<int> Range(int from, int to)
    {
        std::vector<int> keys;
        for (int key = from; key <= to; ++key)
            keys.push_back(key);
        return keys;
    }

    platform::RecordingMessageBoxes boxes;
    std::unique_ptr<QWidget> top;
    CMyTabCtrl* bar = nullptr;
    std::vector<Message> sent;
};

TEST_F(TabCtrlTest, TenRoomTabsFitBesideTheDefaultTab)
{
    EXPECT_EQ(Tab(1)->geometry(), QRect(5, 5, 68, 20));
    AddRooms(10);
    EXPECT_EQ(ShownKeys(), Range(1, 11));
    ExpectContiguousRun();
    const CTabButton* last = bar->Tabs().back();
    EXPECT_EQ(last->x() + last->width(), 533);
    EXPECT_EQ(last->width(), 44);
    EXPECT_FALSE(bar->LeftArrow()->isEnabled());
    EXPECT_FALSE(bar->RightArrow()->isEnabled());
    EXPECT_EQ(ActiveKey(), 11);
    EXPECT_TRUE(sent.empty());
}

TEST_F(TabCtrlTest, EleventhRoomTabScrollsTheDefaultTabOut)
{
    AddRooms(11);
    EXPECT_EQ(ShownKeys(), Range(2, 12));
    ExpectContiguousRun();
    const CTabButton* last = bar->Tabs().back();
    EXPECT_EQ(last->x() + last->width() - 5, 504);
    EXPECT_TRUE(bar->LeftArrow()->isEnabled());
    EXPECT_FALSE(bar->RightArrow()->isEnabled());
}

TEST_F(TabCtrlTest, AddingAnExistingKeyOnlyActivatesAndBringsIntoView)
{
    AddRooms(11);
    bar->AddTabButton(QStringLiteral("again"), 5);
    EXPECT_EQ(bar->Tabs().size(), 12u);
    EXPECT_EQ(ActiveKey(), 5);
    EXPECT_FALSE(Tab(12)->IsActive());
    EXPECT_EQ(Tab(5)->Caption(), kRoom);

    // The default tab is scrolled out and nothing before it is shown: it becomes the
    // leftmost tab of the run.
    bar->AddTabButton(QStringLiteral("游戏大厅"), 1);
    EXPECT_EQ(ActiveKey(), 1);
    EXPECT_EQ(ShownKeys(), Range(1, 11));
    ExpectContiguousRun();
    EXPECT_FALSE(bar->LeftArrow()->isEnabled());
    EXPECT_TRUE(bar->RightArrow()->isEnabled());
    EXPECT_TRUE(sent.empty());
    EXPECT_TRUE(boxes.Texts().isEmpty());
}

TEST_F(TabCtrlTest, ClickOnAnInactiveTabSwitchesActivation)
{
    AddRooms(2);
    QTest::mouseClick(Tab(2), Qt::LeftButton);
    EXPECT_EQ(sent, (std::vector<Message>{{20, 3}, {21, 2}}));
    EXPECT_EQ(ActiveKey(), 2);
    EXPECT_TRUE(Tab(2)->IsActive());
    EXPECT_FALSE(Tab(3)->IsActive());

    sent.clear();
    QTest::mouseClick(Tab(2), Qt::LeftButton);
    EXPECT_TRUE(sent.empty());
}

TEST_F(TabCtrlTest, DoubleClickClosesAfterMovingActivation)
{
    struct Case {
        const char* name;
        int active;   // the active tab before the double-click
        int clicked;
        std::vector<Message> messages;
        std::vector<int> keysAfter;
        int activeAfter;
    };
    // Tabs 1 (default), 2, 3, 4.
    const Case cases[] = {
        {"inactive tab, right neighbour inactive", 4, 2, {{20, 4}, {21, 3}, {22, 2}}, {1, 3, 4}, 3},
        {"active tab passes to its right neighbour", 3, 3, {{20, 3}, {21, 4}, {22, 3}}, {1, 2, 4}, 4},
        {"active last tab passes to its left neighbour", 4, 4, {{20, 4}, {21, 3}, {22, 4}}, {1, 2, 3}, 3},
        {"right neighbour already active", 3, 2, {{22, 2}}, {1, 3, 4}, 3},
        {"default tab is only activated", 3, 1, {{20, 3}, {21, 1}}, {1, 2, 3, 4}, 1},
        {"active default tab stays", 1, 1, {}, {1, 2, 3, 4}, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SetUp();
        AddRooms(3);
        bar->AddTabButton(QString(), c.active);
        sent.clear();
        QTest::mouseDClick(Tab(c.clicked), Qt::LeftButton);
        EXPECT_EQ(sent, c.messages);
        EXPECT_EQ(Keys(), c.keysAfter);
        EXPECT_EQ(ActiveKey(), c.activeAfter);
        EXPECT_EQ(ShownKeys(), c.keysAfter);
        ExpectContiguousRun();
        EXPECT_TRUE(boxes.Texts().isEmpty());
    }
}

TEST_F(TabCtrlTest, GameFlagBlocksTheDoubleClickClose)
{
    AddRooms(2);
    bar->SetBtGameFlag(2, true);
    QTest::mouseDClick(Tab(2), Qt::LeftButton);
    EXPECT_EQ(boxes.Texts(), QStringList{QStringLiteral("游戏进行中，请先关闭游戏！")});
    EXPECT_TRUE(sent.empty());
    EXPECT_EQ(Keys(), (std::vector<int>{1, 2, 3}));
}

TEST_F(TabCtrlTest, AnyGameRunningFollowsTheFlags)
{
    AddRooms(2);
    EXPECT_FALSE(bar->AnyGameRunning());
    bar->SetBtGameFlag(3, true);
    EXPECT_TRUE(bar->AnyGameRunning());
    bar->SetBtGameFlag(3, false);
    EXPECT_FALSE(bar->AnyGameRunning());
    bar->SetBtGameFlag(9, true);
    EXPECT_EQ(boxes.Texts(), QStringList{QStringLiteral("[CMyTabCtrl::SetBtGameFlag]没有找到？")});
    EXPECT_FALSE(bar->AnyGameRunning());
}

TEST_F(TabCtrlTest, ControlIdsAreReusedInClosingOrder)
{
    AddRooms(3);
    EXPECT_EQ(Tab(2)->ControlId(), 11);
    EXPECT_EQ(Tab(3)->ControlId(), 12);
    EXPECT_EQ(Tab(4)->ControlId(), 13);
    bar->CloseTabButton(2);
    bar->CloseTabButton(3);
    bar->AddTabButton(kRoom, 5);
    bar->AddTabButton(kRoom, 6);
    bar->AddTabButton(kRoom, 7);
    EXPECT_EQ(Tab(5)->ControlId(), 11);
    EXPECT_EQ(Tab(6)->ControlId(), 12);
    EXPECT_EQ(Tab(7)->ControlId(), 14);
    EXPECT_EQ(Tab(1)->ControlId(), CMyTabCtrl::kDefaultTabId);
}

TEST_F(TabCtrlTest, CloseTabButtonTellsTheParent)
{
    struct Case {
        const char* name;
        int closed;
        std::vector<Message> messages;
        int activeAfter;
    };
    // Tabs 1 (default), 2, 3, 4 with 4 active.
    const Case cases[] = {
        {"active tab: the one before takes over", 4, {{22, 4}, {21, 3}}, 3},
        {"inactive tab", 2, {{22, 2}}, 4},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SetUp();
        AddRooms(3);
        sent.clear();
        bar->CloseTabButton(c.closed);
        EXPECT_EQ(sent, c.messages);
        EXPECT_EQ(ActiveKey(), c.activeAfter);
        EXPECT_EQ(Tab(c.closed), nullptr);
        ExpectContiguousRun();
        EXPECT_TRUE(boxes.Texts().isEmpty());
    }
}

TEST_F(TabCtrlTest, ClosingScrolledTabsRefillsFromTheLeft)
{
    AddRooms(11);
    ASSERT_EQ(ShownKeys(), Range(2, 12));
    bar->CloseTabButton(12);
    EXPECT_EQ(ShownKeys(), Range(1, 11));
    ExpectContiguousRun();
    EXPECT_FALSE(bar->LeftArrow()->isEnabled());
    EXPECT_FALSE(bar->RightArrow()->isEnabled());
}

TEST_F(TabCtrlTest, InconsistenciesAreReportedAndChangeNothing)
{
    AddRooms(2);
    struct Case {
        const char* name;
        std::function<void()> call;
        QString box;
    };
    const Case cases[] = {
        {"activate an unknown key", [this] { bar->SetActiveAndShow(9); },
         QStringLiteral("[CMyTabCtrl::SetActiveAndShow]ERROR没有找到")},
        {"activate the active tab", [this] { bar->SetActiveAndShow(3); },
         QStringLiteral("ERROR,要设置的按扭不应该是活动的")},
        {"close an unknown key", [this] { bar->CloseTabButton(9); },
         QStringLiteral("[CMyTabCtrl::SetActiveAndShow]ERROR没有找到")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        boxes.Clear();
        c.call();
        EXPECT_EQ(boxes.Texts(), QStringList{c.box});
        EXPECT_EQ(Keys(), (std::vector<int>{1, 2, 3}));
        EXPECT_EQ(ActiveKey(), 3);
        EXPECT_TRUE(sent.empty());
    }
}

TEST_F(TabCtrlTest, ClosingTheActiveFirstTabLeavesNoActiveTab)
{
    bar->CloseTabButton(1);
    EXPECT_EQ(boxes.Texts(), QStringList{QStringLiteral("CMyTabCtrl::CloseTabButton,前一个位置怎么空了，DEFAULT BT呢")});
    EXPECT_EQ(sent, (std::vector<Message>{{22, 1}}));
    EXPECT_EQ(bar->ActiveTab(), nullptr);
    // The bar goes on working without an active tab.
    bar->AddTabButton(kRoom, 2);
    EXPECT_EQ(ActiveKey(), 2);
    EXPECT_EQ(ShownKeys(), std::vector<int>{2});
}

TEST_F(TabCtrlTest, SetActiveAndShowBringsAHiddenTabIntoView)
{
    AddRooms(11);  // shown 2..12, 12 active
    bar->SetActiveAndShow(1);
    EXPECT_EQ(ShownKeys(), Range(1, 11));  // nothing before it shown: leftmost
    bar->SetActiveAndShow(12);
    EXPECT_EQ(ShownKeys(), Range(2, 12));  // shown ones before it: rightmost
    bar->SetActiveAndShow(5);               // already shown: nothing moves
    EXPECT_EQ(ShownKeys(), Range(2, 12));
    EXPECT_EQ(ActiveKey(), 5);
    EXPECT_TRUE(sent.empty());
    EXPECT_TRUE(boxes.Texts().isEmpty());
}

TEST_F(TabCtrlTest, ArrowsScrollOneTabAndAreDisabledAtTheEnds)
{
    AddRooms(11);
    QTest::mouseClick(bar->RightArrow(), Qt::LeftButton);  // disabled: nothing
    EXPECT_EQ(ShownKeys(), Range(2, 12));

    QTest::mousePress(bar->LeftArrow(), Qt::LeftButton);
    EXPECT_EQ(ShownKeys(), Range(1, 11));
    ExpectContiguousRun();
    EXPECT_FALSE(bar->LeftArrow()->isEnabled());
    EXPECT_TRUE(bar->RightArrow()->isEnabled());

    QTest::mousePress(bar->RightArrow(), Qt::LeftButton);
    EXPECT_EQ(ShownKeys(), Range(2, 12));
    EXPECT_TRUE(bar->LeftArrow()->isEnabled());
    EXPECT_FALSE(bar->RightArrow()->isEnabled());
    EXPECT_TRUE(boxes.Texts().isEmpty());
    EXPECT_TRUE(sent.empty());
}

TEST_F(TabCtrlTest, ArrowStepThatNeedsNoScrollingIsReported)
{
    AddRooms(11);
    // Widened while hidden: no refill, so the run is short of what would fit.
    top->hide();
    bar->resize(700, 25);
    top->show();
    ASSERT_EQ(ShownKeys(), Range(2, 12));
    ASSERT_TRUE(bar->LeftArrow()->isEnabled());
    QTest::mousePress(bar->LeftArrow(), Qt::LeftButton);
    EXPECT_EQ(boxes.Texts(), QStringList{QStringLiteral("ERROR:有问题")});
    EXPECT_EQ(ShownKeys(), Range(1, 12));
    EXPECT_FALSE(bar->LeftArrow()->isEnabled());
}

TEST_F(TabCtrlTest, ResizingMovesTheArrowsAndRefills)
{
    AddRooms(11);
    bar->resize(700, 25);
    EXPECT_EQ(bar->LeftArrow()->geometry(), QRect(655, 3, 20, 20));
    EXPECT_EQ(bar->RightArrow()->geometry(), QRect(676, 3, 20, 20));
    EXPECT_EQ(ShownKeys(), Range(1, 12));
    EXPECT_FALSE(bar->LeftArrow()->isEnabled());

    bar->resize(300, 25);
    EXPECT_EQ(ShownKeys(), Range(1, 4));  // 70 + 2 x 46 + 44 = 206 of 250; one more is 252
    ExpectContiguousRun();
    EXPECT_TRUE(bar->RightArrow()->isEnabled());
}

TEST_F(TabCtrlTest, TabsPaintTheirStateAndCutTheirCorners)
{
    AddRooms(1);
    CTabButton* inactive = Tab(1);
    CTabButton* active = Tab(2);
    const QImage off = inactive->grab().toImage();
    const QImage on = active->grab().toImage();
    const int w = inactive->width();
    EXPECT_EQ(off.pixelColor(w / 2, 0), CTabButton::kInactiveBorder);
    EXPECT_EQ(off.pixelColor(w / 2, 19), CTabButton::kInactiveBorder);
    EXPECT_EQ(off.pixelColor(0, 10), CTabButton::kInactiveBorder);
    EXPECT_EQ(off.pixelColor(w - 1, 10), CTabButton::kInactiveBorder);
    EXPECT_EQ(off.pixelColor(w - 5, 10), kInactiveImage);
    EXPECT_EQ(on.pixelColor(active->width() / 2, 0), CTabButton::kActiveBorder);
    EXPECT_EQ(on.pixelColor(2, 19), kActiveImage);  // open at the bottom
    EXPECT_EQ(on.pixelColor(0, 19), CTabButton::kActiveBorder);

    // The caption of the active tab sits one pixel lower.
    const auto captionTop = [](const QImage& image) {
        for (int y = 0; y < image.height(); ++y)
            for (int x = 10; x < image.width() - 2; ++x)
                if (qGray(image.pixel(x, y)) < 100)
                    return y;
        return -1;
    };
    bar->AddTabButton(QStringLiteral("游戏大厅"), 1);
    const int inactiveTop = captionTop(Tab(2)->grab().toImage());
    const int activeTop = captionTop(Tab(1)->grab().toImage());
    ASSERT_GE(inactiveTop, 0);
    EXPECT_EQ(activeTop, inactiveTop + 1);

    const QRegion shape = inactive->mask();
    for (const QPoint cut : {QPoint(0, 0), QPoint(1, 0), QPoint(0, 1), QPoint(w - 1, 0), QPoint(w - 2, 0), QPoint(w - 1, 1)})
        EXPECT_FALSE(shape.contains(cut)) << cut.x() << "," << cut.y();
    for (const QPoint kept : {QPoint(2, 0), QPoint(1, 1), QPoint(0, 2), QPoint(w - 3, 0), QPoint(w - 1, 19)})
        EXPECT_TRUE(shape.contains(kept)) << kept.x() << "," << kept.y();
}

TEST_F(TabCtrlTest, BarPaintsItsBackgroundAndBottomLine)
{
    const QImage image = bar->grab(QRect(0, 0, 100, 25)).toImage();
    EXPECT_EQ(image.pixelColor(90, 2), CMyTabCtrl::kBackground);
    EXPECT_EQ(image.pixelColor(90, 24), CMyTabCtrl::kLine);
}

} // namespace
