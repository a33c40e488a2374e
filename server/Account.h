#pragma once
// One account of the lobby as the database holds it. Names are GBK bytes, as on the wire.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace server {

enum class AccountState : uint8_t { Active = 1, Unopened = 2, Suspended = 3 };

std::string_view StateName(AccountState s);
std::optional<AccountState> ParseState(std::string_view text);

struct Account {
    std::string name;
    std::string passwordHash;
    int32_t points = 0;
    int32_t tally = 0;
    AccountState state = AccountState::Active;
};

} // namespace server
