#include "net/BoutResult.h"
#include "net/DuelTurnResult.h"
#include "net/FindChoice.h"
#include "net/FindTurnResult.h"
#include "net/HideTurnResult.h"
#include "net/MsgIds.h"
#include "net/SeatEntry.h"

#include "WireBytes.h"

#include <gtest/gtest.h>

namespace net {
namespace {

using test::Bytes;

struct GameCase {
    const char* name;
    Bytes encoded;
    Bytes expected;
    bool decodesBack;
};

TEST(GameMessages, DataBytesOfEveryLayout)
{
    const BoutResult bout{1, 0};
    const HideTurnResult hide{0, 2, 1};
    const FindChoice choice{3, {4, 1, 2, 3}};
    const FindTurnResult find{{4, 1, 2, 3}, 3, 2, 1};
    const DuelTurnResult duel{2, 3, -1, 2, -4, 6};
    const GameCase cases[] = {
        {"10 bout over", Encoded(bout), {1, 0, 0}, BoutResult::Decode(ByteReader(Encoded(bout))) == bout},
        {"35 hide and guess", Encoded(hide), {0, 2, 1}, HideTurnResult::Decode(ByteReader(Encoded(hide))) == hide},
        {"31 find", Encoded(choice), {3, 4, 1, 2, 3}, FindChoice::Decode(ByteReader(Encoded(choice))) == choice},
        {"35 find", Encoded(find), {4, 1, 2, 3, 3, 2, 1}, FindTurnResult::Decode(ByteReader(Encoded(find))) == find},
        {"35 duel", Encoded(duel), {2, 3, 0xFF, 2, 0xFC, 6}, DuelTurnResult::Decode(ByteReader(Encoded(duel))) == duel},
    };
    for (const GameCase& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(c.encoded, c.expected);
        EXPECT_TRUE(c.decodesBack);
    }
}

TEST(GameMessages, AShortTurnResultReadsTheMissingFieldsAsZeros)
{
    const Bytes two = {0xFE, 3};
    EXPECT_EQ(DuelTurnResult::Decode(ByteReader(two)), (DuelTurnResult{-2, 3, 0, 0, 0, 0}));
    EXPECT_EQ(FindTurnResult::Decode(ByteReader(two)), (FindTurnResult{{0xFE, 3, 0, 0}, 0, 0, 0}));
    // Message 1 brings a seat entry whose player record the dialog takes.
    const SeatEntry cut = SeatEntry::Decode(ByteReader(Bytes{'a', 'b'}));
    EXPECT_EQ(cut.player.name.Str(), "ab");
    EXPECT_EQ(cut.player.points, 0);
}

} // namespace
} // namespace net
