#include "roomclient/RoomGeometry.h"

namespace {

// Window rectangles are given by their edges; right and bottom lie just outside.
QRect Edges(int left, int top, int right, int bottom)
{
    return QRect(left, top, right - left, bottom - top);
}

} // namespace

CRoomGeometry CRoomGeometry::For(const QRect& client, bool expanded)
{
    const int left = client.left();
    const int top = client.top();
    const int bottom = top + client.height();
    // A room squeezed below the column's width is laid out as if it were 400 wide.
    const int right = client.width() < kColumnWidth ? left + 2 * kColumnWidth : left + client.width();
    const int half = client.height() / 2;
    const int column = expanded ? kColumnWidth : 0;
    const int button = 20;

    CRoomGeometry g;
    g.titleBar = Edges(left, top, right - column - button, kTitleHeight);
    g.splitButton = Edges(right - column - button, top, right - column, top + kTitleHeight);
    g.deskGround = Edges(left, kTitleHeight, right - column, bottom);
    g.playerList = Edges(right - kColumnWidth, top, right, top + half);
    g.chatCtrl = Edges(right - kColumnWidth, bottom - half, right, bottom);
    return g;
}
