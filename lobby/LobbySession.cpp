#include "lobby/LobbySession.h"

#include "lobby/LobbySessionHost.h"
#include "lobby/MainClientSocket.h"
#include "net/HallList.h"
#include "net/LobbySplitter.h"
#include "net/LoginRequest.h"
#include "net/MsgIds.h"
#include "platform/MessageBoxes.h"
#include "platform/Messages.h"
#include "platform/Text.h"

#include <algorithm>
#include <vector>

namespace {

using namespace net::LobbyMsg;

QString RefusalText(uint8_t reason)
{
    switch (reason) {
    case 1: return QStringLiteral("验证失败：用户名错误");
    case 2: return QStringLiteral("验证失败：密码错误");
    case 4: return QStringLiteral("验证失败：用户还没有开通");
    case 5: return QStringLiteral("验证失败：用户被暂停");
    case 6: return QStringLiteral("验证失败：用户已经在线");
    default: return QStringLiteral("验证失败：未知错误原因,号码=%1").arg(reason);
    }
}

} // namespace

CLobbySession::CLobbySession(CLobbySessionHost* host, QWidget* window) : host_(host), window_(window) {}

CLobbySession::~CLobbySession() = default;

void CLobbySession::OnLogin(const LoginRecord& record)
{
    host_->ShowTip(QStringLiteral("正在登验证用户名和密码,请稍等^_^"));
    if (loggedIn_)
        return;
    name_ = record.name.Str();
    password_ = record.password.Str();
    serverAddress_ = record.address.Str();
    serverPort_ = record.port;
    if (!ConnectIfNeeded())
        return;
    Send(VersionRequest);
}

bool CLobbySession::ConnectIfNeeded()
{
    if (connected_)
        return true;
    if (!socket_) {
        socket_ = std::make_unique<CMainClientSocket>(this);
        if (!socket_->Create()) {
            socket_.reset();
            platform::MessageBox(QStringLiteral("create socket failed"));
            return false;
        }
    }
    // A port beyond 16 bits reaches no server; the dialog never hands one over.
    const bool reached = serverPort_ <= 0xFFFF
        && socket_->Connect(platform::FromGbk(serverAddress_.data(), serverAddress_.size()),
                            static_cast<uint16_t>(serverPort_));
    if (!reached) {
        host_->HideTip();
        platform::messageBoxes().Show(window_, QStringLiteral("无法连接服务器，请稍后在试"),
                                      QStringLiteral("提示信息"), platform::BoxIcon::Information);
        host_->ShowLoginDlg();
        return false;
    }
    connected_ = true;
    return true;
}

void CLobbySession::OnReceive()
{
    std::vector<uint8_t> buffer(net::LobbySplitter::kReceiveSize);
    const int received = socket_->Receive(buffer.data(), buffer.size());
    if (received <= 0)
        return;
    net::LobbySplitter::Result result =
        net::LobbySplitter::Split(std::span(buffer.data(), static_cast<size_t>(received)));
    for (net::MsgRecord& record : result.records) {
        auto posted = std::make_shared<net::MsgRecord>(std::move(record));
        platform::PostMessage(this, [this, posted] { OnReceiveMsg(*posted); });
    }
    switch (result.outcome) {
    case net::LobbySplitter::Outcome::Whole:
        break;
    case net::LobbySplitter::Outcome::Cut:
        platform::MessageBox(QString::fromUtf8(net::kLobbyFrameCutText));
        break;
    case net::LobbySplitter::Outcome::Broken:
        // A length no record can have: the stream cannot be followed any further.
        // It ends as if the server had closed it, which changes nothing here.
        socket_->Close();
        break;
    }
}

void CLobbySession::OnReceiveMsg(const net::MsgRecord& record)
{
    switch (record.Id()) {
    case Version:
        OnVersion(record);
        break;
    case VersionMissing:
        Quit(QStringLiteral("下载版本号失败,系统退出!"));
        break;
    case LoginAccepted:
        loggedIn_ = true;
        host_->HideTip();
        host_->ShowTip(QStringLiteral("正在下载玩家信息，请稍候^_^"));
        Send(PlayerRecordRequest);
        break;
    case LoginRefused:
        OnLoginRefused(record);
        break;
    case PlayerRecord:
        myInfo_ = net::PlayerRecord::Decode(record.Data());
        host_->HideTip();
        host_->ShowTip(QStringLiteral("正在下载大厅列表信息，请稍候^_^"));
        Send(HallListRequest, {}, net::EnvelopeKind::LobbyList);
        break;
    case PlayerRecordMissing:
        platform::MessageBox(QStringLiteral("下载用户信息失败,请退出稍后重新登陆"));
        break;
    case HallList:
        OnHallList(record);
        break;
    case PlayerRecordChanged:
        myInfo_ = net::PlayerRecord::Decode(record.Data());
        host_->MyInfoChanged(myInfo_);
        break;
    case PlayerRecordChangeFailed:
        platform::MessageBox(QStringLiteral("更新用户信息失败,请退出稍后重新登陆"));
        break;
    default:
        platform::MessageBox(QStringLiteral("[CClientDlg::OnReceiveMsg]收到未知消息id=%1").arg(record.Id()));
        break;
    }
}

void CLobbySession::OnVersion(const net::MsgRecord& record)
{
    const uint32_t version = record.Data().U32(0);
    if (version > net::kClientVersion) {
        Quit(QStringLiteral("系统版本过低,请下载新版本[%1]").arg(version));
        return;
    }
    net::LoginRequest login;
    login.name = name_;
    login.password = password_;
    login.address = localAddress_;
    Send(LoginRequest, net::Encoded(login));
}

void CLobbySession::OnLoginRefused(const net::MsgRecord& record)
{
    platform::MessageBox(RefusalText(record.Data().U8(0)));
    host_->HideTip();
    host_->ShowLoginDlg();
}

void CLobbySession::OnHallList(const net::MsgRecord& record)
{
    // The data length field bounds the list, and so do the bytes that came.
    const net::ByteReader data = record.Data();
    const size_t n = std::min<size_t>(record.DataLength(), data.Size());
    host_->FillHallTree(net::HallList::Decode(net::ByteReader(data.Bytes().first(n))));
    host_->HideTip();
}

void CLobbySession::OnChallengeLeft()
{
    Send(ChallengeLeft);
}

void CLobbySession::EndSession()
{
    if (loggedIn_) {
        Send(Logout);
        loggedIn_ = false;
    }
    if (connected_) {
        socket_->Close();
        connected_ = false;
    }
}

void CLobbySession::Quit(const QString& text)
{
    platform::MessageBox(text);
    host_->PostQuit();
}

void CLobbySession::Send(uint8_t id, std::span<const uint8_t> data, net::EnvelopeKind kind)
{
    if (!socket_)
        return;
    const net::MsgRecord record = net::MsgRecord::Build(id, data);
    if (record.Empty())
        return;
    const std::vector<uint8_t> envelope = net::BuildLobbyEnvelope(kind, record.Bytes());
    const int sent = socket_->Send(envelope.data(), envelope.size());
    // Only the hall list request reports a failure, and only a connection that has ended.
    if (kind == net::EnvelopeKind::LobbyList && sent == -1
        && socket_->LastError() == platform::ClientSocket::kShutdown)
        platform::MessageBox(QStringLiteral("WSAESHUTDOWN"));
}
