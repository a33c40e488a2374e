// Hostile and broken input against the real server: each bad frame closes its own
// connection only, while a witness in the same room is served as before.
#include "ServerProcess.h"
#include "TestClient.h"

#include "net/ByteWriter.h"
#include "net/MsgIds.h"
#include "net/PlayerRecord.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

using namespace servertest;
namespace Room = net::RoomMsg;

constexpr uint32_t kRoom = 101;
constexpr uint32_t kLargest = 12 + 1 + 65535; // envelope, channel byte, the largest record

std::vector<uint8_t> Envelope(uint32_t total, uint32_t kind, uint32_t target, std::vector<uint8_t> payload)
{
    std::vector<uint8_t> f(12);
    net::ByteWriter w(f);
    w.U32(0, total);
    w.U32(4, kind);
    w.U32(8, target);
    f.insert(f.end(), payload.begin(), payload.end());
    return f;
}

// Channel byte and a record whose header claims `n` data bytes while `carried` follow.
std::vector<uint8_t> RoomPayload(uint8_t channel, uint8_t id, uint16_t n, size_t carried)
{
    std::vector<uint8_t> p(1 + 8 + carried, 0);
    p[0] = channel;
    p[1] = id;
    net::ByteWriter(p).U16(3, n);
    return p;
}

std::vector<uint8_t> RoomFrame(uint32_t target, std::vector<uint8_t> payload, uint32_t kind = 4)
{
    const auto total = static_cast<uint32_t>(12 + payload.size());
    return Envelope(total, kind, target, std::move(payload));
}

class BadInputTest : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        server = new ServerProcess();
        ASSERT_TRUE(server->Started());
        lobby = new TestClient(server->LobbyPort());
        ASSERT_EQ(lobby->LobbyLogin("tavik", "tavik"), 0);
        witness = new TestClient(server->RoomPort(0));
        ASSERT_TRUE(witness->RoomLogin(kRoom, "tavik"));
    }
    static void TearDownTestSuite()
    {
        delete witness;
        delete lobby;
        delete server;
    }
    void TearDown() override
    {
        // Whatever happened to the case's connection, the witness is served.
        ASSERT_TRUE(witness->SendRoom(kRoom, Room::PlayerListRequest));
        EXPECT_TRUE(witness->ReceiveId(Room::PlayerList)) << "a second client is disturbed";
        EXPECT_TRUE(server->Alive());
    }
    std::unique_ptr<TestClient> InRoom()
    {
        auto c = std::make_unique<TestClient>(server->RoomPort(0));
        EXPECT_TRUE(c->RoomLogin(kRoom, "tavik"));
        witness->ReceiveId(Room::PlayerEntered);
        return c;
    }
    // True when the connection still answers a player list request.
    static bool Answers(TestClient& c)
    {
        return c.SendRoom(kRoom, Room::PlayerListRequest) && c.ReceiveId(Room::PlayerList).has_value();
    }

    static ServerProcess* server;
    static TestClient* lobby;
    static TestClient* witness;
};
ServerProcess* BadInputTest::server = nullptr;
TestClient* BadInputTest::lobby = nullptr;
TestClient* BadInputTest::witness = nullptr;

enum class Delivery { Whole, ByteByByte, SplitAtLength, GluedToNext };

struct LengthCase {
    const char* name;
    uint32_t declared;
    bool valid;
};

class FrameLength : public BadInputTest, public ::testing::WithParamInterface<std::tuple<LengthCase, Delivery>> {};

TEST_P(FrameLength, ValidFramesServedBadOnesClosed)
{
    const auto [c, delivery] = GetParam();
    auto client = InRoom();
    std::vector<uint8_t> bytes;
    if (c.valid) {
        // An unknown room message of the largest size: read whole, then ignored.
        bytes = RoomFrame(kRoom, RoomPayload(1, 99, static_cast<uint16_t>(c.declared - 21), c.declared - 21));
    } else {
        bytes = Envelope(c.declared, 4, kRoom, std::vector<uint8_t>(16, 0));
    }
    if (delivery == Delivery::GluedToNext) {
        const auto next = RoomFrame(kRoom, RoomPayload(1, Room::PlayerListRequest, 0, 0));
        bytes.insert(bytes.end(), next.begin(), next.end());
    }
    bool sent = true;
    switch (delivery) {
    case Delivery::Whole:
    case Delivery::GluedToNext:
        sent = client->SendBytes(bytes);
        break;
    case Delivery::ByteByByte:
        for (size_t i = 0; i < bytes.size() && sent; ++i)
            sent = client->SendBytes(std::span(bytes).subspan(i, 1));
        break;
    case Delivery::SplitAtLength:
        sent = client->SendBytes(std::span(bytes).first(4));
        std::this_thread::sleep_for(20ms);
        sent = sent && client->SendBytes(std::span(bytes).subspan(4));
        break;
    }
    if (c.valid) {
        ASSERT_TRUE(sent);
        if (delivery == Delivery::GluedToNext) {
            EXPECT_TRUE(client->ReceiveId(Room::PlayerList));
        }
        EXPECT_TRUE(Answers(*client));
    } else {
        EXPECT_TRUE(client->ClosedWithin(2s));
    }
}

std::string DeliveryName(Delivery d)
{
    static const char* const names[] = {"Whole", "ByteByByte", "SplitAtLength", "GluedToNext"};
    return names[static_cast<int>(d)];
}

INSTANTIATE_TEST_SUITE_P(Lengths, FrameLength,
    ::testing::Combine(::testing::Values(LengthCase{"Zero", 0, false}, LengthCase{"Eleven", 11, false},
                                         LengthCase{"EnvelopeOnly", 12, false}, LengthCase{"NoWholeRecord", 20, false},
                                         LengthCase{"Largest", kLargest, true},
                                         LengthCase{"LargestPlusOne", kLargest + 1, false},
                                         LengthCase{"FourGiB", 0xFFFFFFFF, false}),
                       ::testing::Values(Delivery::Whole, Delivery::ByteByByte, Delivery::SplitAtLength,
                                         Delivery::GluedToNext)),
    [](const auto& info) { return std::string(std::get<0>(info.param).name) + "_" + DeliveryName(std::get<1>(info.param)); });

struct MalformedCase {
    const char* name;
    bool loggedIn;            // the case's connection made its room login first
    std::vector<uint8_t> frame;
};

class Malformed : public BadInputTest, public ::testing::WithParamInterface<MalformedCase> {};

TEST_P(Malformed, ClosesThatConnectionOnly)
{
    const MalformedCase& c = GetParam();
    auto client = c.loggedIn ? InRoom() : std::make_unique<TestClient>(server->RoomPort(0));
    ASSERT_TRUE(client->SendBytes(c.frame));
    EXPECT_TRUE(client->ClosedWithin(2s));
}

std::vector<uint8_t> DeskFrame(std::vector<uint8_t> deskBytes)
{
    deskBytes.insert(deskBytes.begin(), 2);
    return RoomFrame(kRoom, deskBytes);
}

INSTANTIATE_TEST_SUITE_P(Records, Malformed,
    ::testing::Values(
        MalformedCase{"UnknownKind", true, RoomFrame(kRoom, RoomPayload(1, Room::PlayerListRequest, 0, 0), 3)},
        MalformedCase{"LobbyKindOnARoom", true, RoomFrame(kRoom, RoomPayload(1, Room::PlayerListRequest, 0, 0), 1)},
        MalformedCase{"NotARoomOfThisHall", false, RoomFrame(999, RoomPayload(1, Room::PlayerListRequest, 0, 0))},
        MalformedCase{"AnotherRoomOnTheSameConnection", true, RoomFrame(102, RoomPayload(1, Room::PlayerListRequest, 0, 0))},
        MalformedCase{"UnknownChannel", true, RoomFrame(kRoom, RoomPayload(3, Room::PlayerListRequest, 0, 0))},
        MalformedCase{"DataLengthBeyondTheBytes", true, RoomFrame(kRoom, RoomPayload(1, Room::Chat, 40, 4))},
        MalformedCase{"DataLengthShortOfTheBytes", true, RoomFrame(kRoom, RoomPayload(1, Room::PlayerListRequest, 0, 6))},
        MalformedCase{"RoomLoginWithoutItsRecord", false, RoomFrame(kRoom, RoomPayload(1, Room::Login, 4, 4))},
        MalformedCase{"DeskMessageBeforeTheRoomLogin", false, DeskFrame({7, 0, 1, 0, 2, 0, 0, 0, 0, 0, 1, 1})},
        MalformedCase{"DeskBytesWithoutARecord", true, DeskFrame({7, 0, 1, 0, 2, 0})},
        MalformedCase{"DeskRecordLengthBeyondTheBytes", true, DeskFrame({7, 0, 1, 0, 9, 0, 0, 0, 0, 0, 1, 1})}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(BadInputTest, LobbyRefusesRoomKindsTargetsAndBrokenRecords)
{
    const std::vector<std::pair<const char*, std::vector<uint8_t>>> cases = {
        {"RoomKind", Envelope(20, 4, 0, std::vector<uint8_t>{31, 0, 0, 0, 0, 0, 0, 0})},
        {"NonZeroTarget", Envelope(20, 1, 5, std::vector<uint8_t>{31, 0, 0, 0, 0, 0, 0, 0})},
        {"DataLengthBeyondTheBytes", Envelope(20, 1, 0, std::vector<uint8_t>{31, 0, 4, 0, 0, 0, 0, 0})},
        {"LoginWithoutItsFields", Envelope(24, 1, 0, std::vector<uint8_t>{11, 0, 4, 0, 0, 0, 0, 0, 1, 2, 3, 4})},
    };
    for (const auto& [name, frame] : cases) {
        SCOPED_TRACE(name);
        TestClient c(server->LobbyPort());
        ASSERT_TRUE(c.SendBytes(frame));
        EXPECT_TRUE(c.ClosedWithin(2s));
    }
    EXPECT_TRUE(lobby->SendLobby(net::LobbyMsg::VersionRequest));
    EXPECT_TRUE(lobby->ReceiveId(net::LobbyMsg::Version));
}

TEST_F(BadInputTest, AThrowingHandlerIsNotReachableWithoutTheTestHook)
{
    auto client = InRoom();
    ASSERT_TRUE(client->SendRoom(kRoom, 250));
    EXPECT_TRUE(Answers(*client));
}

} // namespace
