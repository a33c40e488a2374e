#include "server/Room.h"

#include "FakeParticipant.h"

#include "net/ByteWriter.h"
#include "net/ChatRecord.h"
#include "net/MsgIds.h"

#include <gtest/gtest.h>

namespace {

using servertest::FakeParticipant;

std::vector<uint8_t> Chat(uint16_t sender, uint16_t receiver, const std::string& text)
{
    return net::Encoded(net::ChatRecord{1, sender, receiver, text});
}

class RoomTest : public ::testing::Test {
protected:
    RoomTest() : room({101, 1, 1, 3}) {}

    FakeParticipant& Enter(const std::string& name)
    {
        const auto key = room.NextKey();
        EXPECT_TRUE(key);
        players.push_back(std::make_unique<FakeParticipant>(name, key.value_or(0)));
        room.Join(*players.back());
        return *players.back();
    }

    server::Room room;
    std::vector<std::unique_ptr<FakeParticipant>> players;
};

TEST_F(RoomTest, EnteringAndLeavingAreToldToTheOthers)
{
    FakeParticipant& a = Enter("tavik");
    EXPECT_TRUE(a.Take().empty()) << "the newcomer gets his own answers, not 15";
    FakeParticipant& b = Enter("lina");
    auto told = a.Take();
    ASSERT_EQ(told.size(), 1u);
    EXPECT_EQ(told[0].Id(), net::RoomMsg::PlayerEntered);
    EXPECT_EQ(net::PlayerEntry::Decode(told[0].Data()), b.Entry());

    room.Leave(b);
    told = a.Take();
    ASSERT_EQ(told.size(), 1u);
    EXPECT_EQ(told[0].Id(), net::RoomMsg::PlayerLeft);
    EXPECT_EQ(net::PlayerEntry::Decode(told[0].Data()).key, b.Key());
    EXPECT_TRUE(b.Take().empty());
    room.Leave(b);
    EXPECT_TRUE(a.Take().empty()) << "leaving twice tells nobody twice";
}

TEST_F(RoomTest, PlayerListInArrivalOrder)
{
    Enter("tavik");
    Enter("lina");
    FakeParticipant probe("probe", 0);
    probe.Deliver(room.PlayerList());
    const auto list = probe.Take();
    const auto entries = net::PlayerEntry::DecodeList(list.at(0).Data());
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_EQ(entries[0].player.name.Str(), "tavik");
    EXPECT_EQ(entries[1].player.name.Str(), "lina");
    EXPECT_NE(entries[0].key, entries[1].key);
}

TEST_F(RoomTest, FullAtCapacityAndKeysAreNotReusedAtOnce)
{
    FakeParticipant& a = Enter("a");
    Enter("b");
    Enter("c");
    EXPECT_FALSE(room.NextKey()) << "capacity 3";
    room.Leave(a);
    const auto key = room.NextKey();
    ASSERT_TRUE(key);
    EXPECT_NE(*key, a.Key());
}

TEST_F(RoomTest, ChatToAllSkipsTheSenderAndCarriesTheServersKey)
{
    FakeParticipant& a = Enter("tavik");
    FakeParticipant& b = Enter("lina");
    FakeParticipant& c = Enter("bora");
    a.Take();
    b.Take();
    const std::vector<uint8_t> line = Chat(999, 0, "hi");
    ASSERT_TRUE(room.Chat(a, net::ByteReader(line)));
    EXPECT_TRUE(a.Take().empty());
    for (FakeParticipant* p : {&b, &c}) {
        const auto got = p->Take();
        ASSERT_EQ(got.size(), 1u);
        const net::ChatRecord r = net::ChatRecord::Decode(got[0].Data());
        EXPECT_EQ(r.sender, a.Key()) << "a forged sender key is replaced";
        EXPECT_EQ(r.text, "hi");
    }
}

TEST_F(RoomTest, ChatToOneReachesOnlyHim)
{
    FakeParticipant& a = Enter("tavik");
    FakeParticipant& b = Enter("lina");
    FakeParticipant& c = Enter("bora");
    a.Take();
    b.Take();
    const std::vector<uint8_t> line = Chat(a.Key(), c.Key(), "psst");
    ASSERT_TRUE(room.Chat(a, net::ByteReader(line)));
    EXPECT_TRUE(b.Take().empty());
    EXPECT_EQ(c.Take().size(), 1u);
    const std::vector<uint8_t> nobody = Chat(a.Key(), 4000, "lost");
    EXPECT_TRUE(room.Chat(a, net::ByteReader(nobody))) << "a receiver who left is no fault";
    EXPECT_TRUE(b.Take().empty());
}

TEST_F(RoomTest, MalformedChatLinesAreRefused)
{
    FakeParticipant& a = Enter("tavik");
    FakeParticipant& b = Enter("lina");
    b.Take();
    struct Case {
        const char* name;
        std::vector<uint8_t> bytes;
    };
    std::vector<Case> cases;
    cases.push_back({"SystemLine", net::Encoded(net::ChatRecord{2, 0, 0, "x"})});
    auto longer = Chat(0, 0, "abc");
    net::ByteWriter(longer).U16(6, 9);
    cases.push_back({"LengthBeyondTheText", longer});
    auto shorter = Chat(0, 0, "abc");
    net::ByteWriter(shorter).U16(6, 2);
    cases.push_back({"LengthShortOfTheText", shorter});
    auto noNul = Chat(0, 0, "abc");
    noNul.back() = 'd';
    cases.push_back({"NoTerminatingNul", noNul});
    auto empty = Chat(0, 0, "");
    net::ByteWriter(empty).U16(6, 0);
    empty.pop_back();
    cases.push_back({"NoText", empty});
    cases.push_back({"HeaderCut", std::vector<uint8_t>(8, 1)});
    cases.push_back({"TooLong", Chat(0, 0, std::string(server::Room::kMaxChatText, 'x'))});
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_FALSE(room.Chat(a, net::ByteReader(c.bytes)));
        EXPECT_TRUE(b.Take().empty());
    }
}

TEST(ChallengeRoom, EntryDeskListAndDeskFull)
{
    server::Room room({1001, 2, 11, 10});
    FakeParticipant a("tavik", 1);
    a.Deliver(room.DeskList());
    auto got = a.Take();
    EXPECT_EQ(got.at(0).Size(), 208u);
    const auto sit = net::MsgRecord::Build(net::DeskMsg::Sit);
    room.OnDeskMsg(a, 7, 0, net::RecordView(sit.Reader()));
    got = a.Take();
    ASSERT_EQ(got.size(), 1u);
    EXPECT_EQ(got[0].Id(), net::RoomMsg::Desk);
    EXPECT_EQ(got[0].Data().U8(0), net::DeskMsg::DeskFull);
}

} // namespace
