#include "net/HallList.h"
#include "net/LoginRequest.h"
#include "net/MsgIds.h"
#include "net/MsgRecord.h"
#include "net/PlayerRecord.h"
#include "net/RoomEntry.h"

#include "WireBytes.h"

#include <gtest/gtest.h>

#include <string>

namespace net {
namespace {

using test::Bytes;

HallRecord Hall(const char* name, uint8_t mode, uint16_t number)
{
    HallRecord h;
    h.name = name;
    h.gameType = 3;
    h.group = "group";
    h.groundMode = mode;
    h.hallNumber = number;
    h.address = "192.168.100.200";
    h.port = 0x00012345;
    return h;
}

RoomRecord Room(const char* name, uint16_t id, uint32_t number)
{
    return {name, id, number};
}

TEST(PlayerRecord, FieldsSitAtTheirOffsets)
{
    const PlayerRecord p{"tavik", -2, 1234};
    const Bytes b = Encoded(p);
    ASSERT_EQ(b.size(), 28u);
    EXPECT_EQ(std::string(b.begin(), b.begin() + 6), std::string("tavik\0", 6));
    EXPECT_EQ(ByteReader(b).I32(20), -2);
    EXPECT_EQ(ByteReader(b).I32(24), 1234);
    EXPECT_EQ(PlayerRecord::Decode(ByteReader(b)), p);
}

TEST(LoginRequest, SixtyOneBytesWithTheOneAtTheEnd)
{
    const LoginRequest login{"abcdefghijklmnopqrst", "", "10.0.0.7"};
    const MsgRecord record = MsgRecord::Build(LobbyMsg::LoginRequest, Encoded(login));
    ASSERT_EQ(record.Size(), 69u);
    const ByteReader r = record.Reader();
    EXPECT_EQ(r.U16(2), 61);
    // A 20-byte name fills its field without a terminator; the password follows at once.
    EXPECT_EQ(std::string(record.Bytes().begin() + 8, record.Bytes().begin() + 28), "abcdefghijklmnopqrst");
    for (size_t i = 28; i < 48; ++i)
        EXPECT_EQ(r.U8(i), 0) << "empty password byte " << i;
    EXPECT_EQ(std::string(record.Bytes().begin() + 48, record.Bytes().begin() + 56), "10.0.0.7");
    EXPECT_EQ(r.U8(68), 1);
    EXPECT_EQ(LoginRequest::Decode(record.Data()), login);
}

TEST(HallList, SizesOfOneHallWithNoneAndWithTwoRooms)
{
    HallList list{{{Hall("h", 1, 1), {}}}};
    EXPECT_EQ(Encoded(list).size(), 72u);
    list.halls[0].rooms = {Room("r1", 1, 101), Room("r2", 2, 102)};
    const Bytes b = Encoded(list);
    ASSERT_EQ(b.size(), 176u);
    EXPECT_EQ(ByteReader(b).U16(44), 2) << "the room count comes from the rooms";
    EXPECT_EQ(ByteReader(b).U32(72 + 24), 101u);
    EXPECT_EQ(ByteReader(b).U32(124 + 24), 102u);
}

TEST(HallList, HallAndRoomFieldsSitAtTheirOffsets)
{
    const HallList list{{{Hall("hall", 2, 0x0708), {Room("room", 0x0A0B, 0x01020304)}}}};
    const Bytes b = Encoded(list);
    const ByteReader r(b);
    EXPECT_EQ(r.U8(20), 3);
    EXPECT_EQ(std::string(b.begin() + 21, b.begin() + 27), std::string("group\0", 6));
    EXPECT_EQ(r.U8(41), 2);
    EXPECT_EQ(r.U16(42), 0x0708);
    EXPECT_EQ(r.U16(44), 1);
    EXPECT_EQ(std::string(b.begin() + 46, b.begin() + 61), "192.168.100.200");
    EXPECT_EQ(r.U32(68), 0x00012345u);
    EXPECT_EQ(std::string(b.begin() + 72, b.begin() + 76), "room");
    EXPECT_EQ(r.U16(92), 0x0A0B);
    EXPECT_EQ(r.U32(96), 0x01020304u);
}

TEST(HallList, DecodesHallsOfEveryModeInOrder)
{
    HallList list;
    list.halls.push_back({Hall("one", 1, 1), {Room("a", 1, 11)}});
    list.halls.push_back({Hall("two", 2, 2), {}});
    list.halls.push_back({Hall("three", 1, 3), {Room("b", 1, 31), Room("c", 2, 32)}});
    for (auto& h : list.halls)
        h.hall.roomCount = static_cast<uint16_t>(h.rooms.size());
    EXPECT_EQ(HallList::Decode(ByteReader(Encoded(list))), list);
}

TEST(HallList, ARoomCountBeyondTheDataMakesUpNoRooms)
{
    HallList list{{{Hall("h", 1, 1), {Room("r1", 1, 101)}}}};
    Bytes b = Encoded(list);
    ByteWriter(b).U16(44, 65535);
    const HallList read = HallList::Decode(ByteReader(b));
    ASSERT_EQ(read.halls.size(), 1u);
    EXPECT_EQ(read.halls[0].rooms, list.halls[0].rooms);

    // A room cut short reads as zero-padded; the hall list still ends with the data.
    b.resize(72 + 20);
    const HallList cut = HallList::Decode(ByteReader(b));
    ASSERT_EQ(cut.halls[0].rooms.size(), 1u);
    EXPECT_EQ(cut.halls[0].rooms[0].name.Str(), "r1");
    EXPECT_EQ(cut.halls[0].rooms[0].roomId, 0);
    EXPECT_EQ(cut.halls[0].rooms[0].roomNumber, 0u);
}

TEST(RoomEntry, CopiesTheFieldsOfItsHallAndRoom)
{
    const RoomEntry e = RoomEntry::From(Hall("h", 2, 77), Room("room", 5, 0xCAFE));
    EXPECT_EQ(e.gameType, 3);
    EXPECT_EQ(e.groundMode, 2);
    EXPECT_EQ(e.hallNumber, 77);
    EXPECT_EQ(e.roomId, 5);
    EXPECT_EQ(e.address.Str(), "192.168.100.200");
    EXPECT_EQ(e.port, 0x00012345u);
    EXPECT_EQ(e.roomName.Str(), "room");
    EXPECT_EQ(e.roomNumber, 0xCAFEu);
}

} // namespace
} // namespace net
