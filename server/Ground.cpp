#include "server/Ground.h"

#include "server/ChallengeGround.h"
#include "server/CommonGround.h"

#include "net/DeskMessage.h"
#include "net/HallRecord.h"
#include "net/MsgIds.h"
#include "net/MsgRecord.h"

namespace server {

std::unique_ptr<Ground> Ground::Make(uint8_t groundMode, uint8_t gameType, GroundHost& host)
{
    if (groundMode == static_cast<uint8_t>(net::GroundMode::Challenge))
        return std::make_unique<ChallengeGround>();
    return std::make_unique<CommonGround>(host, gameType);
}

OutFrame DeskMsgFrame(uint8_t deskId, std::span<const uint8_t> data)
{
    return MakeOutFrame(net::DeskMessage::Build(deskId, data));
}

} // namespace server
