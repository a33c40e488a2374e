#pragma once
// A message record read in place, such as one nested inside another record.
#include "net/MsgRecord.h"

namespace net {

class RecordView {
public:
    explicit RecordView(const ByteReader& record) : r_(record) {}

    uint8_t Id() const { return r_.U8(0); }
    uint16_t DataLength() const { return r_.U16(2); }
    ByteReader Data() const { return r_.From(kRecordHeaderSize); }
    const ByteReader& Reader() const { return r_; }

private:
    ByteReader r_;
};

} // namespace net
