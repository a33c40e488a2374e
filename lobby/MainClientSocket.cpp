#include "lobby/MainClientSocket.h"

#include "lobby/LobbySession.h"

void CMainClientSocket::OnReceive()
{
    owner_->OnReceive();
}
