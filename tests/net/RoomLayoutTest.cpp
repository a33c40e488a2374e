#include "net/ChatRecord.h"
#include "net/MsgIds.h"
#include "net/MsgRecord.h"
#include "net/PlayerEntry.h"
#include "net/SeatNotice.h"

#include "WireBytes.h"

#include <gtest/gtest.h>

#include <string>

namespace net {
namespace {

using test::Bytes;

TEST(PlayerEntry, KeyAtTwentyEightAndAListOfThreeIs108Bytes)
{
    const std::vector<PlayerEntry> players = {
        {{"ann", 1, 10}, 7}, {{"bob", 2, 20}, 8}, {{"cyd", 3, 30}, 0xBEEF}};
    const Bytes b = PlayerEntry::EncodeList(players);
    ASSERT_EQ(b.size(), 108u);
    EXPECT_EQ(ByteReader(b).U16(28), 7);
    EXPECT_EQ(ByteReader(b).U16(36 + 24), 20) << "points of the second entry";
    EXPECT_EQ(ByteReader(b).U16(72 + 28), 0xBEEF);
    EXPECT_EQ(PlayerEntry::DecodeList(ByteReader(b)), players);
}

TEST(PlayerEntry, ListTakesOnlyWholeEntries)
{
    const Bytes b = PlayerEntry::EncodeList({{{"ann", 1, 10}, 7}});
    EXPECT_TRUE(PlayerEntry::DecodeList(ByteReader()).empty());
    EXPECT_TRUE(PlayerEntry::DecodeList(ByteReader(std::span(b).first(35))).empty());
    Bytes longer = b;
    longer.resize(36 + 20, 0xFF);
    EXPECT_EQ(PlayerEntry::DecodeList(ByteReader(longer)).size(), 1u);
}

TEST(ChatRecord, HiFromFiveToEverybodyIsFifteenBytesInATwentyThreeByteRecord)
{
    const ChatRecord chat{static_cast<uint8_t>(ChatLine::Player), 5, 0, "hi"};
    const MsgRecord record = MsgRecord::Build(RoomMsg::Chat, Encoded(chat));
    ASSERT_EQ(Encoded(chat).size(), 15u);
    ASSERT_EQ(record.Size(), 23u);
    const Bytes expected = {17, 0, 15, 0, 0, 0, 0, 0, 1, 0, 5, 0, 0, 0, 3, 0, 0, 0, 0, 0, 'h', 'i', 0};
    EXPECT_EQ(test::ToBytes(record.Bytes()), expected);
    EXPECT_EQ(ChatRecord::Decode(record.Data()), chat);
}

TEST(ChatRecord, TextEndsAtItsNulItsLengthOrTheReceivedBytes)
{
    struct Case {
        const char* name;
        Bytes bytes;
        std::string text;
    } cases[] = {
        {"length counts the NUL", {2, 0, 0, 0, 0, 0, 4, 0, 0, 0, 0, 0, 'a', 'b', 'c', 0}, "abc"},
        {"NUL before the length", {2, 0, 0, 0, 0, 0, 9, 0, 0, 0, 0, 0, 'a', 0, 'c', 'd'}, "a"},
        {"length shorter than the text", {2, 0, 0, 0, 0, 0, 2, 0, 0, 0, 0, 0, 'a', 'b', 'c', 0}, "ab"},
        {"length beyond the received bytes", {2, 0, 0, 0, 0, 0, 0xFF, 0xFF, 0, 0, 0, 0, 'x', 'y'}, "xy"},
        {"header cut short", {1, 0, 5}, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(ChatRecord::Decode(ByteReader(c.bytes)).text, c.text);
    }
}

TEST(SeatNotice, DeskSeatAndEntryOfRoomMessage41)
{
    SeatNotice n{12, 2, {{"eve", 0, 99}, 1, 0}};
    const MsgRecord record = MsgRecord::Build(RoomMsg::SeatTaken, Encoded(n));
    const ByteReader r = record.Reader();
    EXPECT_EQ(r.U8(8), 12);
    EXPECT_EQ(r.U8(10), 2);
    EXPECT_EQ(r.I32(12 + 24), 99);
    EXPECT_EQ(r.U8(12 + 36), 1);
    EXPECT_EQ(SeatNotice::Decode(record.Data()), n);

    // Message 42 carries no seat entry: what is missing reads as an empty seat.
    const Bytes freed = {12, 0, 2};
    EXPECT_EQ(SeatNotice::Decode(ByteReader(freed)), (SeatNotice{12, 2, {}}));
}

} // namespace
} // namespace net
