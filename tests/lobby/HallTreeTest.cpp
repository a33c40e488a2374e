// The hall tree: groups by ground mode, halls under their group, rooms under their
// hall with their room entries.
#include "lobby/HallTree.h"
#include "net/HallList.h"
#include "platform/Text.h"

#include <gtest/gtest.h>

namespace {

net::HallEntry Hall(const QString& name, const QString& group, uint8_t mode, uint16_t number, int rooms)
{
    net::HallEntry entry;
    entry.hall.name = platform::ToGbk(name).toStdString();
    entry.hall.group = platform::ToGbk(group).toStdString();
    entry.hall.groundMode = mode;
    entry.hall.gameType = static_cast<uint8_t>(mode == 2 ? 11 : 1);
    entry.hall.hallNumber = number;
    entry.hall.address = "127.0.0.1";
    entry.hall.port = 9000u + number;
    for (int i = 0; i < rooms; ++i) {
        net::RoomRecord room;
        room.name = "room" + std::to_string(i + 1);
        room.roomId = static_cast<uint16_t>(i + 1);
        room.roomNumber = number * 100u + static_cast<uint32_t>(i + 1);
        entry.rooms.push_back(room);
    }
    return entry;
}

class HallTreeTest : public ::testing::Test {
protected:
    HallTreeTest()
    {
        QPixmap group(16, 16), common(16, 16), challenge(16, 16);
        group.fill(Qt::red);
        common.fill(Qt::green);
        challenge.fill(Qt::blue);
        images = {QIcon(group), QIcon(common), QIcon(challenge)};
        tree.SetImageList(images);
    }

    static QRgb Colour(const QTreeWidgetItem* item) { return item->icon(0).pixmap(16, 16).toImage().pixel(8, 8); }

    std::vector<QIcon> images;
    CHallTree tree;
};

TEST_F(HallTreeTest, HallsOfModes121GiveTwoGroupsAndTheSecondCommonHallJoinsTheFirstGroup)
{
    tree.Fill({{Hall("甲厅", "休闲", 1, 1, 2), Hall("闯关厅", "闯关", 2, 2, 1), Hall("乙厅", "别的名字", 1, 3, 1)}});
    ASSERT_EQ(tree.topLevelItemCount(), 2);
    const QTreeWidgetItem* common = tree.topLevelItem(0);
    const QTreeWidgetItem* challenge = tree.topLevelItem(1);
    EXPECT_EQ(common->text(0), "休闲") << "the group takes the name of its first hall's group";
    EXPECT_EQ(challenge->text(0), "闯关");
    ASSERT_EQ(common->childCount(), 2);
    EXPECT_EQ(common->child(0)->text(0), "甲厅");
    EXPECT_EQ(common->child(1)->text(0), "乙厅");
    EXPECT_TRUE(common->isExpanded());
    EXPECT_EQ(Colour(common), QColor(Qt::red).rgb()) << "groups show image 0";
    EXPECT_EQ(Colour(common->child(0)), QColor(Qt::green).rgb()) << "image = ground mode";
    EXPECT_EQ(Colour(challenge->child(0)->child(0)), QColor(Qt::blue).rgb());

    const QTreeWidgetItem* room = common->child(0)->child(1);
    EXPECT_EQ(room->text(0), "room2");
    const net::RoomEntry* entry = tree.RoomEntryOf(room);
    ASSERT_NE(entry, nullptr);
    EXPECT_EQ(entry->hallNumber, 1);
    EXPECT_EQ(entry->roomId, 2);
    EXPECT_EQ(entry->roomNumber, 102u);
    EXPECT_EQ(entry->port, 9001u);
    EXPECT_EQ(entry->groundMode, 1);
    EXPECT_EQ(entry->roomName.Str(), "room2");
    EXPECT_EQ(tree.RoomEntryOf(common), nullptr);
    EXPECT_EQ(tree.RoomEntryOf(common->child(0)), nullptr);
    EXPECT_EQ(tree.RoomEntryOf(nullptr), nullptr);
}

TEST_F(HallTreeTest, AHallWithoutRoomsHasNoChildren)
{
    tree.Fill({{Hall("空厅", "休闲", 1, 4, 0)}});
    ASSERT_EQ(tree.topLevelItemCount(), 1);
    const QTreeWidgetItem* hall = tree.topLevelItem(0)->child(0);
    ASSERT_NE(hall, nullptr);
    EXPECT_EQ(hall->childCount(), 0);
    EXPECT_EQ(tree.RoomEntryOf(hall), nullptr);
}

TEST_F(HallTreeTest, HoldsAGroupForEveryGroundModeBeyondFive)
{
    net::HallList list;
    for (uint8_t mode = 1; mode <= 8; ++mode)
        list.halls.push_back(Hall("h", "g" + QString::number(mode), mode, mode, 1));
    list.halls.push_back(Hall("again", "g", 7, 20, 1));
    tree.Fill(list);
    ASSERT_EQ(tree.topLevelItemCount(), 8);
    EXPECT_EQ(tree.topLevelItem(7)->text(0), "g8");
    EXPECT_EQ(tree.topLevelItem(6)->childCount(), 2) << "the second hall of mode 7 finds its group";
    EXPECT_EQ(tree.RoomEntryOf(tree.topLevelItem(6)->child(1)->child(0))->hallNumber, 20);
}

TEST_F(HallTreeTest, EachListAddsToWhatTheTreeHolds)
{
    tree.Fill({{Hall("甲厅", "休闲", 1, 1, 1)}});
    tree.Fill({{Hall("乙厅", "休闲", 1, 2, 1)}});
    ASSERT_EQ(tree.topLevelItemCount(), 2) << "a new list starts its own groups";
    EXPECT_EQ(tree.RoomEntryOf(tree.topLevelItem(0)->child(0)->child(0))->hallNumber, 1);
    EXPECT_EQ(tree.RoomEntryOf(tree.topLevelItem(1)->child(0)->child(0))->hallNumber, 2);
}

} // namespace
