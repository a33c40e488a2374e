#include "roomclient/RoomGeometry.h"

#include <gtest/gtest.h>

namespace {

TEST(RoomGeometry, ExpandedRoomAreaOf590By490)
{
    const CRoomGeometry g = CRoomGeometry::For(QRect(0, 0, 590, 490), true);
    EXPECT_EQ(g.titleBar, QRect(0, 0, 370, 20));
    EXPECT_EQ(g.splitButton, QRect(370, 0, 20, 20));
    EXPECT_EQ(g.deskGround, QRect(0, 20, 390, 470));
    EXPECT_EQ(g.playerList, QRect(390, 0, 200, 245));
    EXPECT_EQ(g.chatCtrl, QRect(390, 245, 200, 245));
}

TEST(RoomGeometry, FoldedGivesTheGroundTheFullWidth)
{
    const CRoomGeometry g = CRoomGeometry::For(QRect(0, 0, 590, 490), false);
    EXPECT_EQ(g.titleBar, QRect(0, 0, 570, 20));
    EXPECT_EQ(g.splitButton, QRect(570, 0, 20, 20));
    EXPECT_EQ(g.deskGround, QRect(0, 20, 590, 470));
    // The hidden column keeps its expanded places.
    EXPECT_EQ(g.playerList, QRect(390, 0, 200, 245));
    EXPECT_EQ(g.chatCtrl, QRect(390, 245, 200, 245));
}

TEST(RoomGeometry, OddHeightSplitsTheColumnByIntegerHalves)
{
    const CRoomGeometry g = CRoomGeometry::For(QRect(0, 0, 600, 401), true);
    EXPECT_EQ(g.playerList, QRect(400, 0, 200, 200));
    EXPECT_EQ(g.chatCtrl, QRect(400, 201, 200, 200));
}

TEST(RoomGeometry, NarrowRoomIsLaidOutAs400Wide)
{
    const CRoomGeometry g = CRoomGeometry::For(QRect(0, 0, 150, 300), true);
    EXPECT_EQ(g.deskGround, QRect(0, 20, 200, 280));
    EXPECT_EQ(g.playerList, QRect(200, 0, 200, 150));
    EXPECT_EQ(g.splitButton, QRect(180, 0, 20, 20));
}

} // namespace
