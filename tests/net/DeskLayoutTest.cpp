#include "net/ChallengeJoined.h"
#include "net/DeskBytes.h"
#include "net/DeskList.h"
#include "net/DeskMessage.h"
#include "net/LadderPlacement.h"
#include "net/LadderPosition.h"
#include "net/LadderSeatNotice.h"
#include "net/MsgIds.h"
#include "net/QueueNotice.h"
#include "net/QueuePosition.h"

#include "WireBytes.h"

#include <gtest/gtest.h>

#include <ostream>

#include <string>

namespace net {
namespace {

using test::Bytes;

SeatEntry Seat(const char* name, int32_t points)
{
    return {{name, 0, points}, 1, 0};
}

DeskRecord Desk(uint8_t commonState, uint8_t ladderState)
{
    return {{Seat("one", 1), Seat("two", 2), Seat("three", 3)}, commonState, ladderState};
}

TEST(DeskRecord, SeatsAndStateBytesSitAtTheirOffsets)
{
    const DeskRecord d = Desk(5, 6);
    const Bytes b = Encoded(d);
    ASSERT_EQ(b.size(), 124u);
    const ByteReader r(b);
    EXPECT_EQ(std::string(b.begin() + 40, b.begin() + 43), "two");
    EXPECT_EQ(r.I32(80 + 24), 3);
    EXPECT_EQ(r.U8(36), 1);
    EXPECT_EQ(r.U8(76), 1);
    EXPECT_EQ(r.U8(120), 5);
    EXPECT_EQ(r.U8(121), 6);
    EXPECT_EQ(DeskRecord::Decode(r), d);

    SeatEntry queued;
    queued.queueOccupied = 1;
    EXPECT_EQ(ByteReader(Encoded(queued)).U8(39), 1);
}

TEST(DeskList, CommonListIs12408AndChallengeList208Bytes)
{
    std::vector<DeskRecord> desks(100);
    desks[0] = Desk(1, 0);
    desks[99] = Desk(0, 1);
    const MsgRecord common = MsgRecord::Build(RoomMsg::DeskList, DeskList::EncodeCommon(desks));
    ASSERT_EQ(common.Size(), 12408u);
    EXPECT_EQ(common.Reader().U8(8 + 120), 1);
    EXPECT_EQ(common.Reader().U8(8 + 124 * 99 + 121), 1);
    EXPECT_EQ(DeskList::DecodeCommon(common.Data()), desks);

    std::vector<EntryDeskEntry> entries(100);
    entries[3].state = 1;
    const MsgRecord challenge = MsgRecord::Build(RoomMsg::DeskList, DeskList::EncodeChallenge(entries));
    ASSERT_EQ(challenge.Size(), 208u);
    EXPECT_EQ(challenge.Reader().U8(8 + 2 * 3 + 1), 1);
    EXPECT_EQ(challenge.Reader().U8(8 + 2 * 3), 0);
    EXPECT_EQ(DeskList::DecodeChallenge(challenge.Data()), entries);
}

TEST(DeskList, AShortListReadsMissingDesksAsIdle)
{
    const Bytes one = Encoded(Desk(1, 1));
    const auto desks = DeskList::DecodeCommon(ByteReader(one));
    ASSERT_EQ(desks.size(), 100u);
    EXPECT_EQ(desks[0], Desk(1, 1));
    EXPECT_EQ(desks[1], DeskRecord{});
    EXPECT_EQ(DeskList::DecodeChallenge(ByteReader()).size(), 100u);
}

struct LadderCase {
    const char* name;
    int levels;
    size_t desks;
    size_t queue;
    size_t size;
};

void PrintTo(const LadderCase& c, std::ostream* os)
{
    *os << c.name;
}

class LadderStateTest : public ::testing::TestWithParam<LadderCase> {};

TEST_P(LadderStateTest, SizeAndPlaceInDeskMessageTwo)
{
    const LadderCase& c = GetParam();
    ChallengeJoined joined{0x5C, LadderState::Empty(c.levels)};
    ASSERT_EQ(joined.ladder.desks.size(), c.desks);
    ASSERT_EQ(joined.ladder.queue.size(), c.queue);
    ASSERT_EQ(joined.ladder.Size(), c.size);
    joined.ladder.desks.back() = Desk(0, 1);
    joined.ladder.queue.front() = Seat("queued", 4);

    const MsgRecord outer = DeskMessage::Build(DeskMsg::Seated, Encoded(joined));
    ASSERT_EQ(outer.Size(), 17 + c.size);
    const ByteReader r = outer.Reader();
    EXPECT_EQ(r.U8(0), RoomMsg::Desk);
    EXPECT_EQ(r.U8(16), 0x5C);
    EXPECT_EQ(r.U8(17 + (c.desks - 1) * 124 + 121), 1) << "last ladder desk's state";
    EXPECT_EQ(r.I32(17 + c.desks * 124 + 24), 4) << "first queue place's points";
    EXPECT_EQ(ChallengeJoined::Decode(DeskMessage::Of(r).Data(), c.levels), joined);
}

INSTANTIATE_TEST_SUITE_P(LadderState, LadderStateTest,
                         ::testing::Values(LadderCase{"ThreeLevels", 3, 6, 10, 1144},
                                           LadderCase{"FiveLevels", 5, 15, 20, 2660}),
                         [](const auto& info) { return info.param.name; });

TEST(DeskMessage, NestedRecordAndGameMessageOffsets)
{
    const MsgRecord game = MsgRecord::Build(35, Bytes{3, 1, 2});
    const MsgRecord outer = DeskMessage::Build(DeskMsg::Game, game.Bytes());
    const ByteReader r = outer.Reader();
    ASSERT_EQ(outer.Size(), 8u + 8 + 11);
    EXPECT_EQ(r.U16(2), 19);
    EXPECT_EQ(r.U8(8), DeskMsg::Game);
    EXPECT_EQ(r.U16(10), 11);
    EXPECT_EQ(r.U8(16), 35);
    EXPECT_EQ(r.U16(18), 3);
    EXPECT_EQ(r.U8(24), 3);

    EXPECT_EQ(DeskMessage::Of(r).Id(), DeskMsg::Game);
    EXPECT_EQ(DeskMessage::Of(r).DataLength(), 11);
    EXPECT_EQ(DeskMessage::GameOf(r).Id(), 35);
    EXPECT_EQ(DeskMessage::GameOf(r).Data().U8(2), 2);
    EXPECT_TRUE(DeskMessage::Build(DeskMsg::Game, Bytes(65520)).Empty()) << "does not fit one record";
}

TEST(DeskMessage, AShortOuterRecordReadsAsZeros)
{
    const Bytes outer = {100, 0, 2, 0, 0, 0, 0, 0, 20, 0};
    const RecordView desk = DeskMessage::Of(ByteReader(outer));
    EXPECT_EQ(desk.Id(), 20);
    EXPECT_EQ(desk.DataLength(), 0);
    EXPECT_EQ(DeskMessage::GameOf(ByteReader(outer)).Id(), 0);
    EXPECT_EQ(DeskMessage::GameOf(ByteReader(outer)).Data().Size(), 0u);
}

TEST(DeskBytes, DeskNumberSubChannelThenTheRecord)
{
    const MsgRecord sit = MsgRecord::Build(DeskMsg::Sit, Bytes{1, 2});
    const Bytes b = DeskBytes::Build(37, DeskBytes::kDeskChannel, sit.Bytes());
    EXPECT_EQ(b, (Bytes{37, 0, 1, 0, 2, 0, 0, 0, 0, 0, 1, 2}));
    const DeskBytes read{ByteReader(b)};
    EXPECT_EQ(read.Desk(), 37);
    EXPECT_EQ(read.SubChannel(), 0);
    EXPECT_EQ(read.Record().Id(), DeskMsg::Sit);
    EXPECT_EQ(read.Record().Data().U8(1), 2);

    EXPECT_EQ(DeskBytes::Build(1, 4, Bytes(65533)).size(), 65535u);
    EXPECT_TRUE(DeskBytes::Build(1, 4, Bytes(65534)).empty()) << "its size must fit 16 bits";
}

TEST(LadderMessages, FieldsSitAtTheirOuterOffsets)
{
    struct Case {
        const char* name;
        MsgRecord outer;
        std::vector<std::pair<size_t, uint8_t>> bytes; // offset in the outer record, value
    };
    const Case cases[] = {
        {"41 ladder seat taken",
         DeskMessage::Build(DeskMsg::LadderSeatTaken, Encoded(LadderSeatNotice{2, 3, 1, Seat("x", 0)})),
         {{16, 2}, {17, 3}, {18, 1}, {20, 'x'}, {20 + 36, 1}}},
        {"43 queue joined", DeskMessage::Build(DeskMsg::QueueJoined, Encoded(QueueNotice{3, 5, Seat("q", 0)})),
         {{16, 3}, {17, 5}, {20, 'q'}}},
        {"61 placed", DeskMessage::Build(DeskMsg::Placed, Encoded(LadderPlacement{2, 1, 2, Desk(0, 7)})),
         {{16, 2}, {17, 1}, {18, 2}, {60, 'o'}, {60 + 121, 7}}},
        {"6 leave seat", DeskMessage::Build(DeskMsg::LeaveSeat, Encoded(LadderPosition{9, 2, 1, 2})),
         {{10, 4}, {16, 9}, {17, 2}, {18, 1}, {19, 2}}},
        {"7 leave queue", DeskMessage::Build(DeskMsg::LeaveQueue, Encoded(QueuePosition{9, 3, 2})),
         {{10, 3}, {16, 9}, {17, 3}, {18, 2}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        for (auto [offset, value] : c.bytes)
            EXPECT_EQ(c.outer.Reader().U8(offset), value) << "offset " << offset;
    }
}

TEST(LadderMessages, DecodeWhatTheyEncode)
{
    const LadderSeatNotice seat{2, 3, 1, Seat("x", 5)};
    EXPECT_EQ(LadderSeatNotice::Decode(ByteReader(Encoded(seat))), seat);
    const QueueNotice queue{3, 5, Seat("q", 6)};
    EXPECT_EQ(QueueNotice::Decode(ByteReader(Encoded(queue))), queue);
    const LadderPlacement placed{2, 1, 2, Desk(0, 7)};
    EXPECT_EQ(LadderPlacement::Decode(ByteReader(Encoded(placed))), placed);
    EXPECT_EQ(LadderPosition::Decode(ByteReader(Encoded(LadderPosition{1, 2, 3, 4}))), (LadderPosition{1, 2, 3, 4}));
    EXPECT_EQ(QueuePosition::Decode(ByteReader(Encoded(QueuePosition{1, 2, 3}))), (QueuePosition{1, 2, 3}));
}

} // namespace
} // namespace net
