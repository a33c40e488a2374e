#pragma once
// Room message 100 carries one desk message record from offset 8, and desk message 20
// carries one game message record from offset 16 of the outer record.
#include "net/RecordView.h"

#include <span>

namespace net {

struct DeskMessage {
    // The desk message inside room message 100: id at 8, data from 16.
    static RecordView Of(const ByteReader& outer) { return RecordView(outer.From(8)); }
    // The game message inside desk message 20: id at 16, data from 24.
    static RecordView GameOf(const ByteReader& outer) { return RecordView(outer.From(16)); }
    // Room message 100 around desk message `deskId` with `data`; empty when it does
    // not fit one record.
    static MsgRecord Build(uint8_t deskId, std::span<const uint8_t> data = {});
};

} // namespace net
