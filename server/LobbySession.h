#pragma once
// The lobby conversation of one client: version, login (the password check runs on the
// hash pool), own player record, hall list, logout. Unknown ids are ignored.
#include "server/Link.h"
#include "server/ServerContext.h"
#include "server/Session.h"

#include "net/MsgIds.h"
#include "net/RecordView.h"

#include <memory>
#include <optional>
#include <string>

namespace server {

class LobbySession : public Session {
public:
    // The envelope of a lobby request: kind 1 or 2, a whole record at least.
    static EnvelopeRules Rules();

    LobbySession(ServerContext& context, Link& link);
    ~LobbySession() override;

    bool Throttled(const InFrame&) const override { return false; }
    bool OnFrame(const InFrame& frame) override;
    void OnClosed() override;

    // Sends 27 with the record as the database holds it now.
    void PushRecord();

private:
    bool Login(const net::RecordView& request);
    // The password check came back: matched, wrong, or empty when it could not be made.
    void Verified(const std::string& name, std::optional<bool> passwordOk);
    void Refuse(net::LoginRefusal reason);
    void SendRecord(uint8_t id, uint8_t missingId);
    void Reply(uint8_t id, std::span<const uint8_t> data = {});
    void Logout();

    ServerContext& context_;
    Link& link_;
    std::string name_;       // set once logged in
    bool loggedIn_ = false;
    bool checking_ = false;  // a password check is on the pool
    // Cleared when the session ends, so a late password check finds nobody to answer.
    std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);
};

} // namespace server
