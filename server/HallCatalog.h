#pragma once
// The halls and rooms this server offers: the built-in list, or a JSON file of the same
// structure (UTF-8 text, converted to GBK for the wire):
//
//   {"halls": [{"name": "田忌赛马", "gameType": 1, "group": "休闲游戏", "groundMode": 1,
//               "hallNumber": 1, "address": "127.0.0.1", "port": 8081,
//               "rooms": [{"name": "一号房间", "roomId": 1, "roomNumber": 101}]}]}
//
// Port 0 asks for a free port; the list sent to clients carries the port in use.
#include "net/HallList.h"

#include <cstdint>
#include <optional>
#include <string>

namespace server {

class HallCatalog {
public:
    // One common hall per game type with a game dialog, one challenge hall per ladder
    // kind; hall i (from 0) listens on portBase + i, or on a free port when it is 0.
    static net::HallList BuiltIn(const std::string& address, uint16_t portBase);
    // Empty with `error` set when the file is unreadable or breaks a rule.
    static std::optional<net::HallList> Load(const std::string& path, std::string& error);
    // The rules every hall list must keep (also the built-in one).
    static bool Check(const net::HallList& list, std::string& error);
};

} // namespace server
