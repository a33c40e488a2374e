#include "server/OnlineRegistry.h"

namespace server {

bool OnlineRegistry::Add(const std::string& name, const std::string& address, LobbySession& session)
{
    return online_.try_emplace(name, Presence{address, &session}).second;
}

void OnlineRegistry::Remove(const std::string& name, const LobbySession& session)
{
    const auto it = online_.find(name);
    if (it != online_.end() && it->second.session == &session)
        online_.erase(it);
}

const OnlineRegistry::Presence* OnlineRegistry::Find(const std::string& name) const
{
    const auto it = online_.find(name);
    return it == online_.end() ? nullptr : &it->second;
}

bool OnlineRegistry::LiveFrom(const std::string& name, const std::string& address) const
{
    const Presence* p = Find(name);
    return p && p->address == address;
}

} // namespace server
