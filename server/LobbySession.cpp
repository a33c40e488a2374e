#include "server/LobbySession.h"

#include "server/CheckRecord.h"
#include "server/Log.h"

#include "net/ByteWriter.h"
#include "net/Envelope.h"
#include "net/LoginRequest.h"
#include "net/MsgRecord.h"

namespace server {

EnvelopeRules LobbySession::Rules()
{
    return {static_cast<uint32_t>(net::kEnvelopeSize + net::kRecordHeaderSize),
            static_cast<uint32_t>(net::kEnvelopeSize + 0xFFFF),
            (1u << static_cast<uint32_t>(net::EnvelopeKind::Lobby)) | (1u << static_cast<uint32_t>(net::EnvelopeKind::LobbyList))};
}

LobbySession::LobbySession(ServerContext& context, Link& link) : context_(context), link_(link) {}

LobbySession::~LobbySession() { *alive_ = false; }

void LobbySession::Reply(uint8_t id, std::span<const uint8_t> data)
{
    link_.Send(MakeOutFrame(net::MsgRecord::Build(id, data)));
}

bool LobbySession::OnFrame(const InFrame& frame)
{
    const std::optional<net::RecordView> record = CheckRecord(frame.payload);
    if (!record || frame.target != 0)
        return false;
    // The hall list request alone travels as kind 2.
    const bool listKind = frame.kind == static_cast<uint32_t>(net::EnvelopeKind::LobbyList);
    if (listKind != (record->Id() == net::LobbyMsg::HallListRequest))
        return true;
    switch (record->Id()) {
    case net::LobbyMsg::VersionRequest:
        if (context_.version) {
            uint8_t data[4];
            net::ByteWriter(data).U32(0, *context_.version);
            Reply(net::LobbyMsg::Version, data);
        } else {
            Reply(net::LobbyMsg::VersionMissing);
        }
        return true;
    case net::LobbyMsg::LoginRequest:
        return Login(*record);
    case net::LobbyMsg::PlayerRecordRequest:
        SendRecord(net::LobbyMsg::PlayerRecord, net::LobbyMsg::PlayerRecordMissing);
        return true;
    case net::LobbyMsg::ChallengeLeft:
        SendRecord(net::LobbyMsg::PlayerRecordChanged, net::LobbyMsg::PlayerRecordChangeFailed);
        return true;
    case net::LobbyMsg::HallListRequest:
        Reply(net::LobbyMsg::HallList, context_.hallList);
        return true;
    case net::LobbyMsg::Logout:
        Logout();
        return true;
    default:
        return true;
    }
}

bool LobbySession::Login(const net::RecordView& request)
{
    if (request.DataLength() < net::LoginRequest::kSize)
        return false;
    if (loggedIn_ || checking_)
        return true;
    const net::LoginRequest login = net::LoginRequest::Decode(request.Data());
    const std::string name = login.name.Str();
    const std::optional<Account> account = context_.store.Find(name);
    if (!account) {
        Refuse(net::LoginRefusal::UnknownUser);
        return true;
    }
    if (context_.guard.Locked(name, link_.Address(), std::chrono::steady_clock::now())) {
        Refuse(net::LoginRefusal::WrongPassword);
        return true;
    }
    auto done = [this, alive = alive_, name](std::optional<bool> ok) {
        if (*alive)
            Verified(name, ok);
    };
    if (!context_.hashes.Submit(account->passwordHash, login.password.Str(), std::move(done))) {
        Refuse(net::LoginRefusal::Unlisted);
        return true;
    }
    checking_ = true;
    return true;
}

void LobbySession::Verified(const std::string& name, std::optional<bool> passwordOk)
{
    checking_ = false;
    const auto now = std::chrono::steady_clock::now();
    if (!passwordOk) {
        // Not checked (the worker died): try again, and no strike against the address.
        Refuse(net::LoginRefusal::Unlisted);
        return;
    }
    if (!*passwordOk) {
        context_.guard.Failed(name, link_.Address(), now);
        Refuse(net::LoginRefusal::WrongPassword);
        return;
    }
    context_.guard.Succeeded(name, link_.Address());
    const std::optional<Account> account = context_.store.Find(name);
    if (!account) {
        Refuse(net::LoginRefusal::UnknownUser);
        return;
    }
    if (account->state == AccountState::Unopened) {
        Refuse(net::LoginRefusal::NotOpened);
        return;
    }
    if (account->state == AccountState::Suspended) {
        Refuse(net::LoginRefusal::Suspended);
        return;
    }
    if (!context_.online.Add(name, link_.Address(), *this)) {
        Refuse(net::LoginRefusal::AlreadyOnline);
        return;
    }
    name_ = name;
    loggedIn_ = true;
    link_.LoggedIn();
    LogLine("lobby login " + link_.Address());
    Reply(net::LobbyMsg::LoginAccepted);
}

void LobbySession::Refuse(net::LoginRefusal reason)
{
    const uint8_t data[] = {static_cast<uint8_t>(reason)};
    Reply(net::LobbyMsg::LoginRefused, data);
}

void LobbySession::SendRecord(uint8_t id, uint8_t missingId)
{
    const std::optional<net::PlayerRecord> r = loggedIn_ ? context_.Record(name_) : std::nullopt;
    if (r)
        Reply(id, net::Encoded(*r));
    else
        Reply(missingId);
}

void LobbySession::PushRecord() { SendRecord(net::LobbyMsg::PlayerRecordChanged, net::LobbyMsg::PlayerRecordChangeFailed); }

void LobbySession::Logout()
{
    if (!loggedIn_)
        return;
    context_.online.Remove(name_, *this);
    loggedIn_ = false;
}

void LobbySession::OnClosed()
{
    Logout();
    *alive_ = false;
}

} // namespace server
