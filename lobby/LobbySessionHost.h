#pragma once
// What the lobby session asks of the main dialog: the wait notice, the login dialog,
// the hall tree, the open rooms and the end of the program.
#include <QString>

namespace net {
struct HallList;
struct PlayerRecord;
}

class CLobbySessionHost {
public:
    virtual ~CLobbySessionHost() = default;

    virtual void ShowTip(const QString& text) = 0;
    virtual void HideTip() = 0;
    virtual void ShowLoginDlg() = 0;
    // Adds the halls and rooms of one hall list to the tree.
    virtual void FillHallTree(const net::HallList& halls) = 0;
    // The lobby sent a new own player record: every open room hears of it.
    virtual void MyInfoChanged(const net::PlayerRecord& record) = 0;
    // Ends the program once the current handler has returned.
    virtual void PostQuit() = 0;
};
