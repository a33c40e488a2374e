#include "server/UserAdmin.h"

#include "net/Gbk.h"

#include <array>
#include <string_view>

namespace server {

namespace {
constexpr std::array<std::string_view, 4> kDefaultPlayers{"tavik", "lina", "bora", "mira"};
constexpr int32_t kStartPoints = 100;
constexpr size_t kNameWidth = 20;
} // namespace

bool SeedDefaultAccounts(AccountStore& store, HashCost cost)
{
    if (!store.Empty())
        return true;
    for (std::string_view name : kDefaultPlayers) {
        const std::string hash = HashPassword(name, cost);
        if (hash.empty() || !store.Add({std::string(name), hash, kStartPoints, 0, AccountState::Active}))
            return false;
    }
    return true;
}

int RunUserCommand(const ServerOptions& options, AccountStore& store, std::ostream& out, std::ostream& err)
{
    const UserCommand& u = options.user;
    const std::string name = net::Utf8ToGbk(u.name);
    switch (u.verb) {
    case UserCommand::Verb::List:
        for (const Account& a : store.List())
            out << net::GbkToUtf8(a.name) << " points=" << a.points << " tally=" << a.tally
                << " state=" << StateName(a.state) << "\n";
        return 0;
    case UserCommand::Verb::Add: {
        // The name travels in a 20-byte field and the login compares what fits there.
        if (name.empty() || name.size() > kNameWidth || u.password.size() > kNameWidth) {
            err << "name and password must be 1 to 20 bytes (GBK)\n";
            return 2;
        }
        const std::string hash = HashPassword(u.password, options.hashCost);
        if (hash.empty() || !store.Add({name, hash, 0, 0, AccountState::Active})) {
            err << "cannot add " << u.name << ": the name is taken\n";
            return 1;
        }
        out << "added " << u.name << "\n";
        return 0;
    }
    case UserCommand::Verb::Set:
        if (!store.Change(name, {u.points, u.tally, u.state})) {
            err << "no account " << u.name << "\n";
            return 1;
        }
        out << "changed " << u.name << "\n";
        return 0;
    case UserCommand::Verb::None:
        break;
    }
    return 2;
}

} // namespace server
