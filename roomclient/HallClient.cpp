#include "roomclient/HallClient.h"

#include "roomclient/ChatCtrl.h"
#include "roomclient/GameDeskGround.h"
#include "roomclient/HallClientOwner.h"
#include "roomclient/RoomGeometry.h"
#include "roomclient/RoomSocket.h"

#include "controls/SWListCtrl.h"
#include "controls/SplitButton.h"
#include "controls/TitleBar.h"
#include "net/ByteWriter.h"
#include "net/MsgIds.h"
#include "net/RoomSender.h"
#include "platform/Clock.h"
#include "platform/MessageBoxes.h"
#include "platform/Resources.h"
#include "platform/Messages.h"
#include "platform/Text.h"

#include <QPointer>

#include <algorithm>

namespace {

const QColor kRoomColour(82, 113, 156);
constexpr int kTitleBarId = 200;
constexpr int kSplitButtonId = 104;
constexpr int kDeskGroundId = 101;
constexpr int kPlayerListId = 102;
constexpr int kChatCtrlId = 103;

template <size_t N>
QString TextOf(const net::FixedText<N>& field)
{
    return platform::FromGbk(QByteArray::fromStdString(field.Str()));
}

QString NameOf(const net::PlayerRecord& player)
{
    return TextOf(player.name);
}

void Pause(uint32_t ms)
{
    platform::clock().Sleep(ms);
}

} // namespace

CHallClient::CHallClient(CHallClientOwner* owner)
    : owner_(owner),
      reassembler_(
          [this](net::MsgRecord record) {
              // Handled later, in order, unless the room window is gone by then.
              auto posted = std::make_shared<net::MsgRecord>(std::move(record));
              platform::PostMessage(this, [this, posted] { OnReceiveMsg(*posted); });
          },
          Pause)
{
}

CHallClient::~CHallClient()
{
    for (int id : {kLoginTimer, kPlayerListTimer, kDeskListTimer})
        platform::clock().KillTimer(this, id);
    if (loggedIn_)
        SendRoomMsg(net::RoomMsg::Leave);
    delete m_pTitleBar;
    delete m_pGameDeskGround;
    delete m_pPlayerList;
    delete m_pChatCtrl;
    delete m_pSplitButton;
    if (m_pSocket) {
        m_pSocket->Close();
        m_pSocket.reset();
    }
}

// ---- window

void CHallClient::Create(QWidget* parent, const QRect& rect, int controlId)
{
    controlId_ = controlId;
    setParent(parent);
    setGeometry(rect);
    show();
    CreateChildren();
    ShowTip(QStringLiteral("正在登陆房间，请稍候^_^"));
    SetOnceTimer(kLoginTimer);
}

void CHallClient::CreateChildren()
{
    const CRoomGeometry g = CRoomGeometry::For(QRect(QPoint(0, 0), size()), true);

    m_pTitleBar = new CTitleBar(platform::Bitmap(CTitleBar::kDefaultBitmap));
    m_pTitleBar->Create(g.titleBar, this, kTitleBarId, TextOf(entry_.roomName));

    m_pSplitButton = new CSplitButton(this);
    m_pSplitButton->setObjectName(QString::number(kSplitButtonId));
    m_pSplitButton->setGeometry(g.splitButton);
    m_pSplitButton->show();
    connect(m_pSplitButton, &CSplitButton::Fold, this, &CHallClient::OnFold);
    connect(m_pSplitButton, &CSplitButton::Unfold, this, &CHallClient::OnUnfold);

    m_pGameDeskGround = new CGameDeskGround;
    connect(m_pGameDeskGround, &CGameDeskGround::PlayingChanged, this, &CHallClient::SetGameFlag);
    connect(m_pGameDeskGround, &CGameDeskGround::PointsChanged, this, &CHallClient::SetMyPoints);
    connect(m_pGameDeskGround, &CGameDeskGround::DeskBytesToSend, this,
            [this](const uint8_t* data, uint16_t size) { SendDeskMsg({data, size}); });
    m_pGameDeskGround->Create(g.deskGround, this, kDeskGroundId, entry_.groundMode, entry_.gameType,
                              kRoomColour);

    m_pPlayerList = new CSWListCtrl(this);
    m_pPlayerList->setObjectName(QString::number(kPlayerListId));
    m_pPlayerList->setGeometry(g.playerList);
    m_pPlayerList->SetHeadings(QStringLiteral("用户名称,100;积分,110;"));
    m_pPlayerList->SetTextBkColor(kRoomColour);
    m_pPlayerList->SetBkColor(kRoomColour);
    m_pPlayerList->SetDblClkColumn(0);
    m_pPlayerList->show();

    m_pChatCtrl = new CChatCtrl;
    m_pChatCtrl->Create(g.chatCtrl, this, kChatCtrlId);
    connect(m_pChatCtrl, &CChatCtrl::ChatRecordReady, this, &CHallClient::OnChatRecord);
    // A double-clicked player becomes the chat's receiver.
    connect(m_pPlayerList, &CSWListCtrl::ItemDoubleClicked, m_pChatCtrl, &CChatCtrl::SelectReceiver);
}

void CHallClient::Relayout()
{
    if (!m_pGameDeskGround)
        return;
    const CRoomGeometry g = CRoomGeometry::For(QRect(QPoint(0, 0), size()), expanded_);
    m_pTitleBar->setGeometry(g.titleBar);
    m_pSplitButton->setGeometry(g.splitButton);
    m_pGameDeskGround->setGeometry(g.deskGround);
    m_pPlayerList->setGeometry(g.playerList);
    m_pChatCtrl->setGeometry(g.chatCtrl);
}

void CHallClient::resizeEvent(QResizeEvent* event)
{
    Relayout();
    QWidget::resizeEvent(event);
}

// Folding hands the column's width to the title bar and the desk ground.
void CHallClient::OnFold()
{
    m_pPlayerList->hide();
    m_pChatCtrl->hide();
    expanded_ = false;
    Relayout();
}

void CHallClient::OnUnfold()
{
    expanded_ = true;
    Relayout();
    m_pPlayerList->show();
    m_pChatCtrl->show();
}

void CHallClient::ShowTip(const QString& text)
{
    owner_->HideTip();
    owner_->ShowTip(text);
}

// ---- timers

void CHallClient::SetOnceTimer(int id)
{
    platform::clock().SetTimer(this, id, kTimerPeriod, [this, id] {
        QPointer<CHallClient> alive(this);
        OnTimer(id);
        // A message box of the handler may have let the room close meanwhile.
        if (alive)
            platform::clock().KillTimer(this, id);
    });
}

void CHallClient::OnTimer(int id)
{
    switch (id) {
    case kLoginTimer:
        ConnectAndLogin();
        break;
    case kPlayerListTimer:
        SendRoomMsg(net::RoomMsg::PlayerListRequest);
        break;
    case kDeskListTimer:
        SendRoomMsg(net::RoomMsg::DeskListRequest);
        break;
    }
}

void CHallClient::ConnectAndLogin()
{
    if (!connected_) {
        if (!m_pSocket) {
            auto socket = std::make_unique<CRoomSocket>(this);
            if (!socket->Create()) {
                platform::MessageBox(QStringLiteral("create socket failed"));
                platform::MessageBox(QStringLiteral("连接失败,退出"));
                return;
            }
            m_pSocket = std::move(socket);
        }
        const QString address = TextOf(entry_.address);
        // A port beyond 16 bits names no server: the connect fails like any other.
        if (entry_.port > 0xFFFF || !m_pSocket->Connect(address, static_cast<uint16_t>(entry_.port))) {
            platform::MessageBox(QStringLiteral("连接失败,退出"));
            return;
        }
        connected_ = true;
    }
    SendRoomMsg(net::RoomMsg::Login, net::Encoded(myInfo_));
}

// ---- sending

void CHallClient::SendRoomMsg(uint8_t id, std::span<const uint8_t> data)
{
    const net::MsgRecord record = net::MsgRecord::Build(id, data);
    if (!m_pSocket || record.Empty())
        return;
    net::RoomSender(entry_.roomNumber, [this](std::span<const uint8_t> b) { RoomSend(b); }, Pause)
        .SendRoomMsg(record.Bytes());
}

void CHallClient::SendDeskMsg(std::span<const uint8_t> deskBytes)
{
    if (!m_pSocket)
        return;
    net::RoomSender(entry_.roomNumber, [this](std::span<const uint8_t> b) { RoomSend(b); }, Pause)
        .SendDeskMsg(deskBytes);
}

void CHallClient::RoomSend(std::span<const uint8_t> envelope)
{
    // The result is not examined: a room that lost its server only stops hearing from it.
    m_pSocket->Send(envelope.data(), envelope.size());
}

void CHallClient::OnChatRecord(std::span<const uint8_t> chatRecord)
{
    SendRoomMsg(net::RoomMsg::Chat, chatRecord);
}

// ---- receiving

void CHallClient::OnReceive()
{
    if (!m_pSocket)
        return;
    const bool whole = reassembler_.OnReceive([this](std::span<uint8_t> buffer) {
        return m_pSocket->Receive(buffer.data(), buffer.size());
    });
    if (!whole) {
        // A length no record can have: the stream cannot be followed any further.
        m_pSocket->Close();
        OnSocketClose();
    }
}

void CHallClient::OnSocketClose()
{
    platform::MessageBox(QStringLiteral("SOCKET已经关闭"));
}

void CHallClient::OnReceiveMsg(const net::MsgRecord& record)
{
    const uint8_t id = record.Id();
    switch (id) {
    case net::RoomMsg::LoginAccepted:
        OnLoginAccepted(record);
        break;
    case net::RoomMsg::RoomFull:
        OnRoomFull();
        break;
    case net::RoomMsg::PlayerEntered:
        OnPlayerEntered(record);
        break;
    case net::RoomMsg::PlayerLeft:
        OnPlayerLeft(record);
        break;
    case net::RoomMsg::Chat:
        m_pChatCtrl->ShowChat(record.Data().Bytes());
        break;
    case net::RoomMsg::PlayerList:
        OnPlayerList(record);
        break;
    case net::RoomMsg::DeskList:
        owner_->HideTip();
        OnGemeDeskMsg(record);
        break;
    case net::RoomMsg::DeskListMissing:
        owner_->HideTip();
        platform::MessageBox(QStringLiteral("下载游戏桌信息失败"));
        break;
    default:
        if (id >= net::RoomMsg::FirstDeskLevel)
            OnGemeDeskMsg(record);
        else
            platform::MessageBox(QStringLiteral("[CHallClient::OnReceiveMsg]未知消息ID=%1").arg(id));
        break;
    }
}

void CHallClient::OnLoginAccepted(const net::MsgRecord& record)
{
    myKey_ = record.Data().U16(0);
    m_pChatCtrl->SetMyKey(myKey_);
    loggedIn_ = true;
    ShowTip(QStringLiteral("正在下载玩家信息，请稍候^_^"));
    SetOnceTimer(kPlayerListTimer);
}

void CHallClient::OnRoomFull()
{
    platform::MessageBox(QStringLiteral("房间人数已经满了，请尝试登陆其他房间"));
    owner_->HideTip();
    // The owner closes the tab; this window goes away once this handler has returned.
    owner_->CloseRoom(this);
}

void CHallClient::AddPlayerRow(const net::PlayerEntry& entry)
{
    m_pPlayerList->AddItem({NameOf(entry.player), QString::number(entry.player.points)});
}

void CHallClient::OnPlayerEntered(const net::MsgRecord& record)
{
    const net::PlayerEntry entry = net::PlayerEntry::Decode(record.Data());
    players_.push_back(entry);
    AddPlayerRow(entry);
    m_pChatCtrl->AddPlayer(NameOf(entry.player), entry.key);
}

void CHallClient::OnPlayerLeft(const net::MsgRecord& record)
{
    const net::PlayerEntry entry = net::PlayerEntry::Decode(record.Data());
    const auto it = std::find_if(players_.begin(), players_.end(),
                                 [&](const net::PlayerEntry& p) { return p.key == entry.key; });
    if (it != players_.end())
        players_.erase(it);
    m_pPlayerList->DeleteItemByText(0, NameOf(entry.player));
    m_pChatCtrl->RemovePlayer(entry.key);
}

void CHallClient::OnPlayerList(const net::MsgRecord& record)
{
    for (const net::PlayerEntry& entry : net::PlayerEntry::DecodeList(record.Data())) {
        players_.push_back(entry);
        AddPlayerRow(entry);
        m_pChatCtrl->AddName(NameOf(entry.player), entry.key);
    }
    m_pPlayerList->HighlightItem(0, NameOf(myInfo_));
    ShowTip(QStringLiteral("正在下载游戏桌信息，请稍候^_^"));
    SetOnceTimer(kDeskListTimer);
}

void CHallClient::OnGemeDeskMsg(const net::MsgRecord& record)
{
    if (!m_pGameDeskGround) {
        platform::MessageBox(QStringLiteral("[CHallClient::OnGemeDeskMsg]m_pGameDeskGround isn't exist "));
        return;
    }
    m_pGameDeskGround->OnGemeDeskMsg(record.Bytes());
}

// ---- the own player

void CHallClient::SetMyInfo(const net::PlayerRecord& record)
{
    myInfo_ = record;
    if (m_pGameDeskGround)
        m_pGameDeskGround->SetMyInfo(record);
    // Row 0 is the own row, which the list keeps first once it is pinned.
    if (m_pPlayerList)
        m_pPlayerList->SetItemText(0, 1, QString::number(record.points));
}

void CHallClient::SetMyPoints(int32_t points)
{
    myInfo_.points = points;
    owner_->SetMyPoints(points);
}

void CHallClient::SetGameFlag(bool playing)
{
    owner_->SetGameFlag(this, playing);
}
