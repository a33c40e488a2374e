#pragma once
// The shape of a challenge ladder of L levels: level 1 holds L desks, level 2 L - 1,
// up to one desk on level L; D = L(L + 1)/2 desks numbered 1..D level by level, and
// 5 queue places on every level from 2 to L, numbered 1..Q.
#include <cstddef>
#include <cstdint>
#include <optional>

namespace net {

class Ladder {
public:
    static constexpr int kQueuePlaces = 5;

    explicit Ladder(int levels) : levels_(levels) {}
    // The ladder of a challenge room's ladder kind (its hall's game type): 5 levels for
    // kind 13, 3 for every other kind.
    static Ladder OfKind(uint8_t ladderKind);
    // The mini-game played on `level` of a ladder of `ladderKind`; 0 when there is none.
    static uint8_t GameTypeOf(uint8_t ladderKind, int level);

    struct DeskPos {
        int level;
        int desk;
        friend bool operator==(const DeskPos&, const DeskPos&) = default;
    };

    int Levels() const { return levels_; }
    int DeskCount() const { return levels_ > 0 ? levels_ * (levels_ + 1) / 2 : 0; }
    int QueueCount() const { return levels_ > 1 ? (levels_ - 1) * kQueuePlaces : 0; }
    // Ladder desk number g of desk d of level v; 0 when (v, d) is not on the ladder.
    int DeskNumber(int level, int desk) const;
    // Level and desk of ladder desk g; none when g is not on the ladder.
    std::optional<DeskPos> PosOf(int deskNumber) const;
    // Queue place number q of place p of level v (2..L); 0 when not on the ladder.
    int QueuePlace(int level, int place) const;

private:
    int levels_;
};

} // namespace net
