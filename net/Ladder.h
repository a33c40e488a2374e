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

    struct DeskPos {
        int level;
        int desk;
        friend bool operator==(const DeskPos&, const DeskPos&) = default;
    };

    int Levels() const { return levels_; }
    int DeskCount() const { return levels_ * (levels_ + 1) / 2; }
    int QueueCount() const { return (levels_ - 1) * kQueuePlaces; }
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
