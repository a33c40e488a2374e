#include "server/Account.h"

#include <array>
#include <utility>

namespace server {

namespace {
constexpr std::array<std::pair<AccountState, std::string_view>, 3> kStates{{
    {AccountState::Active, "active"},
    {AccountState::Unopened, "unopened"},
    {AccountState::Suspended, "suspended"},
}};
}

std::string_view StateName(AccountState s)
{
    for (const auto& [state, name] : kStates)
        if (state == s)
            return name;
    return "?";
}

std::optional<AccountState> ParseState(std::string_view text)
{
    for (const auto& [state, name] : kStates)
        if (name == text)
            return state;
    return std::nullopt;
}

} // namespace server
