#include "server/HallCatalog.h"

#include "net/Gbk.h"

#include <nlohmann/json.hpp>

#include <array>
#include <fstream>
#include <set>
#include <string_view>

namespace server {

namespace {

struct HallName {
    uint8_t gameType;
    std::string_view name;
};

constexpr std::string_view kCommonGroup = "休闲游戏";
constexpr std::string_view kChallengeGroup = "闯关挑战";
constexpr std::array<HallName, 9> kCommonHalls{{
    {1, "田忌赛马"}, {2, "三打白骨精"}, {3, "草船借箭"}, {4, "武松打虎"}, {6, "情缘"},
    {7, "三笑"}, {8, "幸福守则"}, {9, "华容道"}, {10, "诺曼底登陆"},
}};
constexpr std::array<HallName, 3> kChallengeHalls{{{11, "初级闯关"}, {12, "中级闯关"}, {13, "高级闯关"}}};
constexpr std::array<std::string_view, 3> kRoomNames{"一号房间", "二号房间", "三号房间"};

net::HallEntry MakeHall(const HallName& h, std::string_view group, net::GroundMode mode, uint16_t number,
                        size_t rooms, const std::string& address, uint16_t port)
{
    net::HallEntry e;
    e.hall.name.Set(net::Utf8ToGbk(h.name));
    e.hall.gameType = h.gameType;
    e.hall.group.Set(net::Utf8ToGbk(group));
    e.hall.groundMode = static_cast<uint8_t>(mode);
    e.hall.hallNumber = number;
    e.hall.address.Set(address);
    e.hall.port = port;
    for (uint16_t r = 1; r <= rooms; ++r) {
        net::RoomRecord room;
        room.name.Set(net::Utf8ToGbk(kRoomNames[r - 1]));
        room.roomId = r;
        room.roomNumber = number * 100u + r;
        e.rooms.push_back(room);
    }
    e.hall.roomCount = static_cast<uint16_t>(e.rooms.size());
    return e;
}

// A text for a fixed field: GBK, and it must fit.
bool Text(const nlohmann::json& j, const char* key, size_t width, std::string& out, std::string& error)
{
    if (!j.contains(key) || !j[key].is_string()) {
        error = std::string("missing text \"") + key + "\"";
        return false;
    }
    out = net::Utf8ToGbk(j[key].get<std::string>());
    if (out.empty() || out.size() > width) {
        error = std::string("\"") + key + "\" must be 1 to " + std::to_string(width) + " GBK bytes";
        return false;
    }
    return true;
}

template <class T>
bool Int(const nlohmann::json& j, const char* key, T& out, std::string& error)
{
    if (!j.contains(key) || !j[key].is_number_unsigned() || j[key].get<uint64_t>() > std::numeric_limits<T>::max()) {
        error = std::string("missing or bad number \"") + key + "\"";
        return false;
    }
    out = j[key].get<T>();
    return true;
}

bool ReadHall(const nlohmann::json& j, net::HallEntry& e, std::string& error)
{
    std::string name, group, address;
    if (!Text(j, "name", 20, name, error) || !Text(j, "group", 20, group, error) || !Text(j, "address", 21, address, error)
        || !Int(j, "gameType", e.hall.gameType, error) || !Int(j, "groundMode", e.hall.groundMode, error)
        || !Int(j, "hallNumber", e.hall.hallNumber, error) || !Int(j, "port", e.hall.port, error))
        return false;
    e.hall.name.Set(name);
    e.hall.group.Set(group);
    e.hall.address.Set(address);
    if (!j.contains("rooms") || !j["rooms"].is_array()) {
        error = "missing \"rooms\"";
        return false;
    }
    for (const nlohmann::json& rj : j["rooms"]) {
        net::RoomRecord r;
        std::string roomName;
        if (!rj.is_object() || !Text(rj, "name", 20, roomName, error) || !Int(rj, "roomId", r.roomId, error)
            || !Int(rj, "roomNumber", r.roomNumber, error))
            return false;
        r.name.Set(roomName);
        e.rooms.push_back(r);
    }
    e.hall.roomCount = static_cast<uint16_t>(e.rooms.size());
    return true;
}

} // namespace

net::HallList HallCatalog::BuiltIn(const std::string& address, uint16_t portBase)
{
    net::HallList list;
    uint16_t number = 1;
    const auto port = [&] { return portBase == 0 ? uint16_t{0} : static_cast<uint16_t>(portBase + number - 1); };
    for (const HallName& h : kCommonHalls) {
        list.halls.push_back(MakeHall(h, kCommonGroup, net::GroundMode::Common, number, 3, address, port()));
        ++number;
    }
    for (const HallName& h : kChallengeHalls) {
        list.halls.push_back(MakeHall(h, kChallengeGroup, net::GroundMode::Challenge, number, 2, address, port()));
        ++number;
    }
    return list;
}

std::optional<net::HallList> HallCatalog::Load(const std::string& path, std::string& error)
{
    std::ifstream in(path);
    if (!in) {
        error = "cannot read " + path;
        return std::nullopt;
    }
    const nlohmann::json j = nlohmann::json::parse(in, nullptr, false);
    if (j.is_discarded() || !j.is_object() || !j.contains("halls") || !j["halls"].is_array()) {
        error = path + ": not a JSON object with a \"halls\" array";
        return std::nullopt;
    }
    net::HallList list;
    for (const nlohmann::json& hj : j["halls"]) {
        net::HallEntry e;
        if (!hj.is_object() || !ReadHall(hj, e, error)) {
            error = path + ": hall " + std::to_string(list.halls.size() + 1) + ": " + error;
            return std::nullopt;
        }
        list.halls.push_back(std::move(e));
    }
    if (!Check(list, error)) {
        error = path + ": " + error;
        return std::nullopt;
    }
    return list;
}

bool HallCatalog::Check(const net::HallList& list, std::string& error)
{
    std::set<uint32_t> ports;
    for (const net::HallEntry& e : list.halls) {
        const net::HallRecord& h = e.hall;
        const std::string which = "hall " + std::to_string(h.hallNumber);
        const bool common = h.groundMode == static_cast<uint8_t>(net::GroundMode::Common);
        const bool challenge = h.groundMode == static_cast<uint8_t>(net::GroundMode::Challenge);
        // Game type 5 has no game dialog in any client: such a hall would be a dead end.
        if ((common && (h.gameType < 1 || h.gameType > 10 || h.gameType == 5))
            || (challenge && (h.gameType < 11 || h.gameType > 13)) || (!common && !challenge)) {
            error = which + ": ground mode " + std::to_string(h.groundMode) + " with game type "
                + std::to_string(h.gameType) + " is not offered";
            return false;
        }
        if (h.port > 0xFFFF || (h.port != 0 && !ports.insert(h.port).second)) {
            error = which + ": port " + std::to_string(h.port) + " is not a free port of its own";
            return false;
        }
        std::set<uint32_t> numbers;
        for (const net::RoomRecord& r : e.rooms)
            if (!numbers.insert(r.roomNumber).second) {
                error = which + ": room number " + std::to_string(r.roomNumber) + " twice";
                return false;
            }
    }
    return true;
}

} // namespace server
