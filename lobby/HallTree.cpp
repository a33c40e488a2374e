#include "lobby/HallTree.h"

#include "net/HallList.h"
#include "platform/Text.h"

#include <map>

namespace {

// Item data: 0 for groups and halls, else 1 + the index of the room entry.
constexpr int kEntryRole = Qt::UserRole;

QString Text(const auto& field)
{
    const auto& bytes = field.Bytes();
    return platform::FromGbk(bytes.data(), bytes.size());
}

} // namespace

CHallTree::CHallTree(QWidget* parent) : QTreeWidget(parent)
{
    setHeaderHidden(true);
    setIconSize(QSize(16, 16));
}

QIcon CHallTree::Image(int index) const
{
    return index >= 0 && static_cast<size_t>(index) < images_.size() ? images_[static_cast<size_t>(index)] : QIcon();
}

void CHallTree::Fill(const net::HallList& halls)
{
    // One group per ground mode, however many modes the list brings.
    std::map<uint8_t, QTreeWidgetItem*> groups;
    for (const net::HallEntry& entry : halls.halls) {
        const uint8_t key = entry.hall.groundMode;
        QTreeWidgetItem*& group = groups[key];
        if (!group) {
            group = new QTreeWidgetItem(this, {Text(entry.hall.group)});
            group->setIcon(0, Image(0));
            group->setData(0, kEntryRole, 0);
        }
        auto* hall = new QTreeWidgetItem(group, {Text(entry.hall.name)});
        hall->setIcon(0, Image(key));
        hall->setData(0, kEntryRole, 0);
        group->setExpanded(true);
        for (const net::RoomRecord& room : entry.rooms) {
            auto* item = new QTreeWidgetItem(hall, {Text(room.name)});
            item->setIcon(0, Image(key));
            entries_.push_back(net::RoomEntry::From(entry.hall, room));
            item->setData(0, kEntryRole, static_cast<qulonglong>(entries_.size()));
        }
    }
}

const net::RoomEntry* CHallTree::RoomEntryOf(const QTreeWidgetItem* item) const
{
    if (!item)
        return nullptr;
    const qulonglong index = item->data(0, kEntryRole).toULongLong();
    return index == 0 || index > entries_.size() ? nullptr : &entries_[index - 1];
}
