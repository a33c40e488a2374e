#pragma once
// The main dialog's side of a room window, as the tests need it: it records what the
// room asks for and, like the main dialog, removes a full room after its handler.
#include "roomclient/HallClient.h"
#include "roomclient/HallClientOwner.h"

#include <QPointer>
#include <QStringList>

#include <vector>

class FakeRoomOwner : public CHallClientOwner {
public:
    void ShowTip(const QString& text) override { tips << QStringLiteral("show ") + text; }
    void HideTip() override { tips << QStringLiteral("hide"); }
    void SetMyPoints(int32_t p) override { points.push_back(p); }
    void SetGameFlag(CHallClient*, bool playing) override { gameFlags.push_back(playing); }
    void CloseRoom(CHallClient* room) override
    {
        closed.push_back(room);
        room->deleteLater();
    }

    // The text of the last "show", empty when the last call hid the notice.
    QString Tip() const
    {
        return tips.isEmpty() || tips.last() == QLatin1String("hide") ? QString() : tips.last().mid(5);
    }

    QStringList tips;
    std::vector<int32_t> points;
    std::vector<bool> gameFlags;
    std::vector<QPointer<CHallClient>> closed;
};
