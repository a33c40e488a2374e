#pragma once
// What every session of one server process shares.
#include "server/AccountStore.h"
#include "server/HashPool.h"
#include "server/LoginGuard.h"
#include "server/OnlineRegistry.h"

#include "net/PlayerRecord.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace server {

struct ServerContext {
    AccountStore& store;
    OnlineRegistry& online;
    LoginGuard& guard;
    HashPool& hashes;
    std::optional<uint32_t> version;  // empty: answered "version not available"
    std::vector<uint8_t> hallList;    // the data of lobby message 22
    bool testHooks = false;           // a room message that throws, for the guard's test

    // The player record from the database; empty when there is no such account.
    std::optional<net::PlayerRecord> Record(const std::string& name) const;
    // Adds points in one transaction and tells the player's lobby session (27).
    bool AddPoints(const std::string& name, int32_t delta);
};

} // namespace server
