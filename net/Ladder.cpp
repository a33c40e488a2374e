#include "net/Ladder.h"

#include <array>

namespace net {
namespace {

struct LadderKind {
    uint8_t kind;
    std::array<uint8_t, 5> gameTypes; // level 1 first
};

constexpr LadderKind kLadderKinds[] = {
    {11, {1, 2, 3, 0, 0}},
    {12, {6, 7, 8, 0, 0}},
    {13, {9, 10, 7, 3, 4}},
};

} // namespace

Ladder Ladder::OfKind(uint8_t ladderKind)
{
    return Ladder(ladderKind == 13 ? 5 : 3);
}

uint8_t Ladder::GameTypeOf(uint8_t ladderKind, int level)
{
    if (level < 1 || level > OfKind(ladderKind).Levels())
        return 0;
    for (const LadderKind& k : kLadderKinds) {
        if (k.kind == ladderKind)
            return k.gameTypes[static_cast<size_t>(level - 1)];
    }
    return 0;
}

int Ladder::DeskNumber(int level, int desk) const
{
    if (level < 1 || level > levels_ || desk < 1 || desk > levels_ + 1 - level)
        return 0;
    return (2 * levels_ + 2 - level) * (level - 1) / 2 + desk;
}

std::optional<Ladder::DeskPos> Ladder::PosOf(int deskNumber) const
{
    if (deskNumber < 1 || deskNumber > DeskCount())
        return std::nullopt;
    int level = 1;
    int k = deskNumber;
    while (levels_ + 1 - level < k) {
        k -= levels_ + 1 - level;
        ++level;
    }
    return DeskPos{level, k};
}

int Ladder::QueuePlace(int level, int place) const
{
    if (level < 2 || level > levels_ || place < 1 || place > kQueuePlaces)
        return 0;
    return (level - 2) * kQueuePlaces + place;
}

} // namespace net
