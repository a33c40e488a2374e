#pragma once
// Where the five children of a room window sit: the title bar and the splitter button
// along the top, the desk ground below them, and the right-hand column (player list
// above, chat control below) unless it is folded away.
#include <QRect>

struct CRoomGeometry {
    QRect titleBar;
    QRect splitButton;
    QRect deskGround;
    // The folded column keeps its expanded places, so unfolding finds it where it was.
    QRect playerList;
    QRect chatCtrl;

    static constexpr int kColumnWidth = 200;
    static constexpr int kTitleHeight = 20;

    static CRoomGeometry For(const QRect& client, bool expanded);
};
