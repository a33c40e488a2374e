#include "roomclient/RoomSocket.h"

#include "roomclient/HallClient.h"

void CRoomSocket::OnReceive()
{
    owner_->OnReceive();
}

void CRoomSocket::OnClose()
{
    owner_->OnSocketClose();
}
