#pragma once
// Game message 35 of the duel games, six signed bytes: master pick, client pick,
// master score change, client score change, master total, client total.
#include "net/ByteReader.h"
#include "net/ByteWriter.h"

#include <cstdint>

namespace net {

struct DuelTurnResult {
    static constexpr size_t kSize = 6;

    int8_t masterPick = 0;
    int8_t clientPick = 0;
    int8_t masterChange = 0;
    int8_t clientChange = 0;
    int8_t masterTotal = 0;
    int8_t clientTotal = 0;

    static DuelTurnResult Decode(const ByteReader& r)
    {
        return {r.I8(0), r.I8(1), r.I8(2), r.I8(3), r.I8(4), r.I8(5)};
    }
    void Encode(ByteWriter w) const
    {
        const int8_t values[] = {masterPick, clientPick, masterChange, clientChange, masterTotal, clientTotal};
        for (size_t i = 0; i < kSize; ++i)
            w.U8(i, static_cast<uint8_t>(values[i]));
    }
    static constexpr size_t Size() { return kSize; }
    friend bool operator==(const DuelTurnResult&, const DuelTurnResult&) = default;
};

} // namespace net
