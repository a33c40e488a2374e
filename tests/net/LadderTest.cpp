#include "net/Ladder.h"

#include <gtest/gtest.h>

#include <vector>

namespace net {
namespace {

TEST(Ladder, DeskNumbersOfAThreeLevelLadder)
{
    const Ladder ladder(3);
    struct Case {
        int level, desk, number;
    } cases[] = {{1, 1, 1}, {1, 2, 2}, {1, 3, 3}, {2, 1, 4}, {2, 2, 5}, {3, 1, 6}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "level " << c.level << " desk " << c.desk);
        EXPECT_EQ(ladder.DeskNumber(c.level, c.desk), c.number);
        EXPECT_EQ(ladder.PosOf(c.number), (Ladder::DeskPos{c.level, c.desk}));
    }
    EXPECT_EQ(ladder.DeskCount(), 6);
    EXPECT_EQ(ladder.QueueCount(), 10);
}

TEST(Ladder, DeskNumbersOfAFiveLevelLadderGoBothWays)
{
    const Ladder ladder(5);
    EXPECT_EQ(ladder.DeskCount(), 15);
    EXPECT_EQ(ladder.QueueCount(), 20);
    EXPECT_EQ(ladder.PosOf(12), (Ladder::DeskPos{3, 3}));
    EXPECT_EQ(ladder.DeskNumber(5, 1), 15);
    int expected = 1;
    for (int level = 1; level <= 5; ++level) {
        for (int desk = 1; desk <= 6 - level; ++desk, ++expected) {
            EXPECT_EQ(ladder.DeskNumber(level, desk), expected);
            EXPECT_EQ(ladder.PosOf(expected), (Ladder::DeskPos{level, desk}));
        }
    }
}

TEST(Ladder, PlacesOffTheLadderHaveNoNumber)
{
    struct Case {
        const char* name;
        int got;
    } cases[] = {
        {"desk beyond its level", Ladder(3).DeskNumber(2, 3)},
        {"level zero", Ladder(3).DeskNumber(0, 1)},
        {"level above the top", Ladder(3).DeskNumber(4, 1)},
        {"desk zero", Ladder(5).DeskNumber(1, 0)},
        {"queue on level one", Ladder(3).QueuePlace(1, 1)},
        {"queue place six", Ladder(3).QueuePlace(2, 6)},
        {"queue above the top", Ladder(3).QueuePlace(4, 1)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(c.got, 0);
    }
    EXPECT_FALSE(Ladder(3).PosOf(7));
    EXPECT_FALSE(Ladder(3).PosOf(0));
    EXPECT_FALSE(Ladder(5).PosOf(-1));
}

TEST(Ladder, QueuePlacesCountFiveALevelFromLevelTwo)
{
    const Ladder ladder(5);
    EXPECT_EQ(ladder.QueuePlace(2, 1), 1);
    EXPECT_EQ(ladder.QueuePlace(2, 5), 5);
    EXPECT_EQ(ladder.QueuePlace(3, 1), 6);
    EXPECT_EQ(ladder.QueuePlace(5, 5), 20);
}

TEST(Ladder, KindsGiveLevelsAndTheGameOfEachLevel)
{
    struct Case {
        const char* name;
        uint8_t kind;
        int levels;
        std::vector<uint8_t> games; // levels 1 to 5
    } cases[] = {
        {"kind 11", 11, 3, {1, 2, 3, 0, 0}},
        {"kind 12", 12, 3, {6, 7, 8, 0, 0}},
        {"kind 13", 13, 5, {9, 10, 7, 3, 4}},
        {"a common game type", 4, 3, {0, 0, 0, 0, 0}},
        {"kind 14", 14, 3, {0, 0, 0, 0, 0}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(Ladder::OfKind(c.kind).Levels(), c.levels);
        std::vector<uint8_t> games;
        for (int level = 1; level <= 5; ++level)
            games.push_back(Ladder::GameTypeOf(c.kind, level));
        EXPECT_EQ(games, c.games);
        EXPECT_EQ(Ladder::GameTypeOf(c.kind, 0), 0);
        EXPECT_EQ(Ladder::GameTypeOf(c.kind, 6), 0);
    }
}

TEST(Ladder, ALadderWithoutLevelsHasNoDesksOrPlaces)
{
    EXPECT_EQ(Ladder(0).DeskCount(), 0);
    EXPECT_EQ(Ladder(0).QueueCount(), 0);
    EXPECT_EQ(Ladder(1).QueueCount(), 0);
    EXPECT_EQ(Ladder(-3).DeskCount(), 0);
    EXPECT_FALSE(Ladder(0).PosOf(1));
}

} // namespace
} // namespace net
