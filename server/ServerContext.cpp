#include "server/ServerContext.h"

#include "server/LobbySession.h"

namespace server {

std::optional<net::PlayerRecord> ServerContext::Record(const std::string& name) const
{
    const std::optional<Account> a = store.Find(name);
    if (!a)
        return std::nullopt;
    net::PlayerRecord r;
    r.name.Set(a->name);
    r.tally = a->tally;
    r.points = a->points;
    return r;
}

bool ServerContext::AddPoints(const std::string& name, int32_t delta)
{
    if (!store.AddPoints(name, delta))
        return false;
    if (const OnlineRegistry::Presence* p = online.Find(name))
        p->session->PushRecord();
    return true;
}

} // namespace server
