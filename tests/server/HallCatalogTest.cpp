#include "server/HallCatalog.h"

#include "net/Gbk.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace {

using server::HallCatalog;

TEST(HallCatalog, BuiltInOffersEveryGameWithADialogAndThreeLadders)
{
    const net::HallList list = HallCatalog::BuiltIn("127.0.0.1", 8081);
    std::vector<int> common, challenge;
    std::set<std::string> groups[3];
    for (const net::HallEntry& e : list.halls) {
        const auto& h = e.hall;
        (h.groundMode == 1 ? common : challenge).push_back(h.gameType);
        groups[h.groundMode].insert(h.group.Str());
        EXPECT_GE(e.rooms.size(), 2u);
        EXPECT_LE(e.rooms.size(), 3u);
        EXPECT_EQ(h.roomCount, e.rooms.size());
        EXPECT_EQ(h.address.Str(), "127.0.0.1");
        EXPECT_EQ(h.port, 8081u + h.hallNumber - 1);
    }
    EXPECT_EQ(common, (std::vector<int>{1, 2, 3, 4, 6, 7, 8, 9, 10}));
    EXPECT_EQ(challenge, (std::vector<int>{11, 12, 13}));
    EXPECT_EQ(groups[1].size(), 1u);
    EXPECT_EQ(groups[2].size(), 1u);
    EXPECT_NE(*groups[1].begin(), *groups[2].begin());
    EXPECT_EQ(list.halls[0].hall.name.Str(), net::Utf8ToGbk("田忌赛马")) << "names travel as GBK";
    std::string error;
    EXPECT_TRUE(HallCatalog::Check(list, error)) << error;
}

class HallFile : public ::testing::Test {
protected:
    void TearDown() override { std::filesystem::remove(path_); }
    std::optional<net::HallList> Load(const std::string& json, std::string& error)
    {
        std::ofstream(path_) << json;
        return HallCatalog::Load(path_, error);
    }
    std::string path_ = std::filesystem::temp_directory_path() / ("halls-" + std::to_string(getpid()) + ".json");
};

std::string Hall(const std::string& fields)
{
    return R"({"halls": [{"name": "田忌赛马", "gameType": 1, "group": "休闲游戏", "groundMode": 1, "hallNumber": 7,
      "address": "10.0.0.5", "port": 9001, "rooms": [{"name": "一号房间", "roomId": 1, "roomNumber": 701}]})"
        + fields + "]}";
}

TEST_F(HallFile, ReadsTheHallsWithTheirRoomServers)
{
    std::string error;
    const auto list = Load(Hall(""), error);
    ASSERT_TRUE(list) << error;
    ASSERT_EQ(list->halls.size(), 1u);
    const auto& h = list->halls[0];
    EXPECT_EQ(h.hall.hallNumber, 7);
    EXPECT_EQ(h.hall.address.Str(), "10.0.0.5");
    EXPECT_EQ(h.hall.port, 9001u);
    EXPECT_EQ(h.hall.group.Str(), net::Utf8ToGbk("休闲游戏"));
    ASSERT_EQ(h.rooms.size(), 1u);
    EXPECT_EQ(h.rooms[0].roomNumber, 701u);
}

TEST_F(HallFile, RefusesWhatNoClientCouldUse)
{
    const std::string second = R"(, {"name": "X", "group": "G", "address": "a", "rooms": [], "hallNumber": 8, )";
    struct Case {
        const char* name;
        std::string json;
    };
    const Case cases[] = {
        {"NotJson", "{halls"},
        {"NoHalls", R"({"rooms": []})"},
        {"GameTypeFive", Hall(second + R"("gameType": 5, "groundMode": 1, "port": 9002})")},
        {"LadderInACommonHall", Hall(second + R"("gameType": 11, "groundMode": 1, "port": 9002})")},
        {"GameInAChallengeHall", Hall(second + R"("gameType": 2, "groundMode": 2, "port": 9002})")},
        {"UnknownGroundMode", Hall(second + R"("gameType": 2, "groundMode": 3, "port": 9002})")},
        {"SamePortTwice", Hall(second + R"("gameType": 2, "groundMode": 1, "port": 9001})")},
        {"PortTooBig", Hall(second + R"("gameType": 2, "groundMode": 1, "port": 70000})")},
        {"NameTooLong", Hall(R"(, {"name": "一二三四五六七八九十壹", "group": "G", "address": "a", "rooms": [],
            "hallNumber": 8, "gameType": 2, "groundMode": 1, "port": 9002})")},
        {"MissingField", Hall(R"(, {"name": "X", "group": "G", "rooms": [], "hallNumber": 8, "gameType": 2,
            "groundMode": 1, "port": 9002})")},
        {"NegativeNumber", Hall(second + R"("gameType": -2, "groundMode": 1, "port": 9002})")},
        {"RoomNumberTwice", Hall(R"(, {"name": "X", "group": "G", "address": "a", "hallNumber": 8, "gameType": 2,
            "groundMode": 1, "port": 9002, "rooms": [{"name": "r", "roomId": 1, "roomNumber": 5},
            {"name": "s", "roomId": 2, "roomNumber": 5}]})")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::string error;
        EXPECT_FALSE(Load(c.json, error));
        EXPECT_FALSE(error.empty());
    }
}

TEST(HallCatalogFile, AMissingFileIsAnError)
{
    std::string error;
    EXPECT_FALSE(HallCatalog::Load("/nonexistent/halls.json", error));
    EXPECT_NE(error.find("/nonexistent/halls.json"), std::string::npos);
}

} // namespace
