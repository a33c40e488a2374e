#include "net/Ladder.h"

namespace net {

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
