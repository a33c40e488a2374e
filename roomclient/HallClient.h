#pragma once
// One open room: a child window of the main dialog that fills its room area, and the
// room's conversation with its room server (login, players, chat, desks, goodbye).
#include <QRect>
#include <QWidget>

#include <cstdint>
#include <memory>

class CHallClientOwner;

namespace net {
struct RoomEntry;
struct PlayerRecord;
}

class CHallClient : public QWidget {
    Q_OBJECT
public:
    // The owner (the main dialog) outlives the room window.
    explicit CHallClient(CHallClientOwner* owner);
    // Says goodbye (room message 14) when logged in, then deletes the children and the socket.
    ~CHallClient() override;

    // Copies the room entry in; done once, before Create.
    void SetRoomEntry(const net::RoomEntry& entry);
    const net::RoomEntry& RoomEntry() const;
    // The pair by which the main dialog finds an already open room.
    uint16_t HallNumber() const;
    uint16_t RoomId() const;

    // Becomes a visible child of `parent` at `rect` with the control id (tab key + 120),
    // creates the children, shows the wait notice "正在登陆房间，请稍候^_^" and sets timer 1,
    // which connects and logs in 500 ms later.
    void Create(QWidget* parent, const QRect& rect, int controlId);
    int ControlId() const { return controlId_; }

    // The own player record: at opening and whenever the lobby sends a new one (27).
    void SetMyInfo(const net::PlayerRecord& record);

private:
    CHallClientOwner* owner_;
    int controlId_ = 0;
};
