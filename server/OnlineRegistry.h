#pragma once
// Who has a live lobby session, and from where. The room services ask it before they
// admit a name (a room login carries no password), and the lobby refuses a second
// login of the same name.
#include <map>
#include <string>

namespace server {

class LobbySession;

class OnlineRegistry {
public:
    struct Presence {
        std::string address;
        LobbySession* session = nullptr;
    };

    // False when the name is already on line.
    bool Add(const std::string& name, const std::string& address, LobbySession& session);
    // Only the session that added the name removes it.
    void Remove(const std::string& name, const LobbySession& session);
    const Presence* Find(const std::string& name) const;
    bool LiveFrom(const std::string& name, const std::string& address) const;

private:
    std::map<std::string, Presence> online_;
};

} // namespace server
