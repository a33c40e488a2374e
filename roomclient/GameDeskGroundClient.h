#pragma once
// A ground view: the window inside a desk ground that shows the room's desks for the
// room's mode. The ground and the room window reach a view only through these five
// operations; the base versions are never meant to run and only complain.
#include <QColor>
#include <QRect>
#include <QWidget>

#include <cstdint>
#include <span>

class CGameDeskGround;

namespace net {
struct PlayerRecord;
}

class CGameDeskGroundClient : public QWidget {
    Q_OBJECT
public:
    CGameDeskGroundClient() = default;

    // A visible child of the ground at `rect`. Views also keep the mode, game type and
    // colour, and lay their desks out for the width.
    virtual bool CreateClient(const QRect& rect, CGameDeskGround* parent, int controlId,
                              uint8_t groundMode, uint8_t gameType, QColor colour);
    virtual void SetMyInfo(const net::PlayerRecord& record);
    // The part of the view the ground currently shows, in view coordinates.
    virtual void SetViewRect(int left, int top, int right, int bottom);
    // A room message for the desk area; the record stays the room window's.
    virtual void OnRcvMsg(std::span<const uint8_t> record);
    // Desk bytes for the room server.
    virtual void SendTransMsg(const uint8_t* data, uint16_t size);

    // The view follows its new width at once (the ground reads the resulting height).
    virtual void MoveClient(const QRect& rect);
};
