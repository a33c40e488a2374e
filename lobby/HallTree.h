#pragma once
// The hall tree of the main dialog (control 1005): groups by ground mode, their
// halls, and the rooms under each hall. A room item carries its room entry; group and
// hall items carry none. Each hall list adds to what the tree already holds.
#include "net/RoomEntry.h"

#include <QTreeWidget>

#include <deque>
#include <vector>

namespace net {
struct HallList;
}

class CHallTree : public QTreeWidget {
    Q_OBJECT
public:
    explicit CHallTree(QWidget* parent = nullptr);

    // The 16 x 16 images: 0 group, 1 common ground, 2 challenge ground.
    void SetImageList(const std::vector<QIcon>& images) { images_ = images; }
    void Fill(const net::HallList& halls);
    // The room entry of a room item; nullptr for groups, halls and no item.
    const net::RoomEntry* RoomEntryOf(const QTreeWidgetItem* item) const;

private:
    QIcon Image(int index) const;

    std::vector<QIcon> images_;
    // Kept for the whole run: the items point into it.
    std::deque<net::RoomEntry> entries_;
};
