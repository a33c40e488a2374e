#include "server/CommonGround.h"
#include "server/Room.h"

#include "FakeParticipant.h"

#include "net/DeskRecord.h"
#include "net/MsgIds.h"
#include "net/SeatNotice.h"

#include <gtest/gtest.h>

namespace {

using servertest::FakeParticipant;

class CommonGroundTest : public ::testing::Test {
protected:
    CommonGroundTest() : room({101, 1, 1, 100}), a("tavik", 1, 40), b("lina", 2), c("bora", 3)
    {
        for (FakeParticipant* p : {&a, &b, &c})
            room.Join(*p);
        Clear();
    }
    void Desk(FakeParticipant& who, uint8_t id, uint8_t desk, uint8_t seat, size_t dataBytes = 2)
    {
        const uint8_t data[2] = {1, seat};
        const auto record = net::MsgRecord::Build(id, std::span(data, dataBytes));
        room.OnDeskMsg(who, desk, 0, net::RecordView(record.Reader()));
    }
    void Clear()
    {
        for (FakeParticipant* p : {&a, &b, &c})
            p->Take();
    }
    const server::Participant* At(uint8_t desk, uint8_t seat)
    {
        return static_cast<server::CommonGround&>(room.GetGround()).At(desk, seat);
    }

    server::Room room;
    FakeParticipant a, b, c;
};

TEST_F(CommonGroundTest, TakingASeatAnswersTheSitterAndTellsTheRoom)
{
    Desk(a, net::DeskMsg::Sit, 5, 2);
    EXPECT_EQ(At(5, 2), &a);
    const auto mine = a.Take();
    ASSERT_EQ(mine.size(), 2u);
    EXPECT_EQ(mine[0].Id(), net::RoomMsg::Desk);
    EXPECT_EQ(mine[0].Data().U8(0), net::DeskMsg::Seated);
    const net::DeskRecord desk = net::DeskRecord::Decode(mine[0].Reader().From(16));
    EXPECT_EQ(desk.seats[1].player.name.Str(), "tavik");
    EXPECT_EQ(desk.seats[1].player.points, 40);
    EXPECT_EQ(desk.seats[1].occupied, 1);
    EXPECT_EQ(desk.seats[0].occupied, 0);
    const auto told = b.Take();
    ASSERT_EQ(told.size(), 1u);
    for (const net::MsgRecord* notice : {&mine[1], &told[0]}) {
        EXPECT_EQ(notice->Id(), net::RoomMsg::SeatTaken);
        const auto n = net::SeatNotice::Decode(notice->Data());
        EXPECT_EQ(n.desk, 5);
        EXPECT_EQ(n.seat, 2);
        EXPECT_EQ(n.entry.player.name.Str(), "tavik");
    }
}

TEST_F(CommonGroundTest, RefusedSeatsGetNoAnswer)
{
    Desk(a, net::DeskMsg::Sit, 5, 1);
    Clear();
    struct Case {
        const char* name;
        FakeParticipant* who;
        uint8_t desk, seat;
    };
    const Case cases[] = {
        {"TakenSeat", &b, 5, 1},        {"SecondSeatOfOnePlayer", &a, 6, 1},
        {"DeskZero", &b, 0, 1},         {"DeskBeyond100", &b, 101, 1},
        {"SeatZero", &b, 5, 0},         {"ThirdSeatOfATwoSeatDesk", &b, 5, 3},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Desk(*c.who, net::DeskMsg::Sit, c.desk, c.seat);
        EXPECT_TRUE(a.Take().empty());
        EXPECT_TRUE(b.Take().empty());
    }
    EXPECT_EQ(At(5, 1), &a);
    EXPECT_EQ(At(6, 1), nullptr);
}

TEST_F(CommonGroundTest, LeavingASeatFreesItOnlyForItsHolder)
{
    Desk(a, net::DeskMsg::Sit, 9, 1);
    Clear();
    Desk(b, net::DeskMsg::LeaveSeat, 9, 1);
    EXPECT_EQ(At(9, 1), &a) << "nobody frees another player's seat";
    EXPECT_TRUE(c.Take().empty());
    Desk(a, net::DeskMsg::LeaveSeat, 9, 1);
    EXPECT_EQ(At(9, 1), nullptr);
    const auto told = c.Take();
    ASSERT_EQ(told.size(), 1u);
    EXPECT_EQ(told[0].Id(), net::RoomMsg::SeatFreed);
    EXPECT_EQ(told[0].Data().U8(0), 9);
    EXPECT_EQ(told[0].Data().U8(2), 1);
    Desk(b, net::DeskMsg::Sit, 9, 1);
    EXPECT_EQ(At(9, 1), &b);
}

TEST_F(CommonGroundTest, LeavingTheRoomFreesTheSeatBeforeTheGoodbye)
{
    Desk(a, net::DeskMsg::Sit, 100, 2);
    Clear();
    room.Leave(a);
    EXPECT_EQ(At(100, 2), nullptr);
    const auto told = b.Take();
    ASSERT_EQ(told.size(), 2u);
    EXPECT_EQ(told[0].Id(), net::RoomMsg::SeatFreed);
    EXPECT_EQ(told[1].Id(), net::RoomMsg::PlayerLeft);
}

TEST_F(CommonGroundTest, ASitWithoutItsSeatByteIsIgnored)
{
    Desk(a, net::DeskMsg::Sit, 5, 1, 1);
    EXPECT_EQ(At(5, 1), nullptr);
    EXPECT_TRUE(a.Take().empty());
}

TEST(CommonGroundDeskList, HundredDeskRecords)
{
    server::Room room({101, 1, 3, 100});
    FakeParticipant a("tavik", 1);
    a.Deliver(room.DeskList());
    const auto got = a.Take();
    ASSERT_EQ(got.size(), 1u);
    EXPECT_EQ(got[0].Id(), net::RoomMsg::DeskList);
    EXPECT_EQ(got[0].Size(), 12408u);
}

} // namespace
