#include "net/Envelope.h"
#include "net/MsgIds.h"
#include "net/MsgRecord.h"
#include "net/RoomSender.h"

#include "WireBytes.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace net {
namespace {

using test::Bytes;

TEST(Envelope, LobbyRequestWithoutDataIsTwentyBytes)
{
    const MsgRecord version = MsgRecord::Build(LobbyMsg::VersionRequest);
    const Bytes expected = {20, 0, 0, 0, 1, 0, 0, 0, 0, 0, 0, 0, 31, 0, 0, 0, 0, 0, 0, 0};
    EXPECT_EQ(BuildLobbyEnvelope(EnvelopeKind::Lobby, version.Bytes()), expected);

    const MsgRecord halls = MsgRecord::Build(LobbyMsg::HallListRequest);
    const Bytes list = BuildLobbyEnvelope(EnvelopeKind::LobbyList, halls.Bytes());
    EXPECT_EQ(ByteReader(list).U32(4), 2u);
    EXPECT_EQ(list[12], LobbyMsg::HallListRequest);
}

TEST(Envelope, RoomLevelRequestWithoutDataIsTwentyOneBytes)
{
    const MsgRecord players = MsgRecord::Build(RoomMsg::PlayerListRequest);
    const Bytes expected = {21, 0, 0, 0, 4, 0, 0, 0, 0x78, 0x56, 0x34, 0x12, 1, 21, 0, 0, 0, 0, 0, 0, 0};
    EXPECT_EQ(BuildRoomEnvelope(0x12345678, Channel::Room, players.Bytes()), expected);
}

TEST(Envelope, DeskLevelPayloadIsChannelTwoThenTheDeskBytes)
{
    const Bytes deskBytes = {7, 0, 1, 0, 2, 0, 0, 0, 0, 0, 1, 2};
    const Bytes block = BuildRoomEnvelope(5, Channel::Desk, deskBytes);
    ASSERT_EQ(block.size(), 12u + 1 + deskBytes.size());
    EXPECT_EQ(ByteReader(block).U32(0), block.size());
    EXPECT_EQ(block[12], 2);
    EXPECT_EQ(Bytes(block.begin() + 13, block.end()), deskBytes);
}

TEST(RoomSender, EverySendIsFollowedByAHundredMillisecondPause)
{
    std::vector<std::string> events;
    const auto send = [&](std::span<const uint8_t> b) {
        events.push_back("send ch" + std::to_string(b[12]) + " len" + std::to_string(b.size()));
    };
    const RoomSender sender(9, send, [&](uint32_t ms) { events.push_back("pause " + std::to_string(ms)); });

    const MsgRecord leave = MsgRecord::Build(RoomMsg::Leave);
    sender.SendRoomMsg(leave.Bytes());
    sender.SendDeskMsg(Bytes{1, 0, 6, 0, 2, 0, 0, 0, 0, 0, 1, 2});

    EXPECT_EQ(events, (std::vector<std::string>{"send ch1 len21", "pause 100", "send ch2 len25", "pause 100"}));
}

} // namespace
} // namespace net
