#pragma once
// What a desk client hands over for sending: desk number, sub-channel (0: a desk
// message follows; 1-255: a game message of that small desk), then the record.
#include "net/RecordView.h"

#include <span>
#include <vector>

namespace net {

class DeskBytes {
public:
    static constexpr uint8_t kDeskChannel = 0;

    // Empty when the block would not fit the 16-bit length it is handed on with.
    static std::vector<uint8_t> Build(uint8_t desk, uint8_t subChannel, std::span<const uint8_t> record);

    explicit DeskBytes(const ByteReader& r) : r_(r) {}
    uint8_t Desk() const { return r_.U8(0); }
    uint8_t SubChannel() const { return r_.U8(1); }
    RecordView Record() const { return RecordView(r_.From(2)); }

private:
    ByteReader r_;
};

} // namespace net
