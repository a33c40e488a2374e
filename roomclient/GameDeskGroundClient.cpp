#include "roomclient/GameDeskGroundClient.h"

#include "roomclient/GameDeskGround.h"

#include "platform/MessageBoxes.h"

bool CGameDeskGroundClient::CreateClient(const QRect& rect, CGameDeskGround* parent, int,
                                         uint8_t, uint8_t, QColor)
{
    setParent(parent);
    setGeometry(rect);
    show();
    return true;
}

void CGameDeskGroundClient::SetMyInfo(const net::PlayerRecord&)
{
    platform::MessageBox(QStringLiteral("子类没有实现这个接口CGameDeskGroundClient::SetMyInfo"));
}

void CGameDeskGroundClient::SetViewRect(int, int, int, int) {}

void CGameDeskGroundClient::OnRcvMsg(std::span<const uint8_t>)
{
    platform::MessageBox(QStringLiteral("CGameDeskGroundClient::OnRcvMsg"));
}

void CGameDeskGroundClient::SendTransMsg(const uint8_t*, uint16_t)
{
    platform::MessageBox(QStringLiteral("子类没有实现这个接口CGameDeskGroundClient::SendTransMsg"));
}

void CGameDeskGroundClient::MoveClient(const QRect& rect)
{
    setGeometry(rect);
}
