#pragma once
// The bytes on the lobby and room connections (all integers little-endian, text GBK):
//
//   message record   u8 id | 1 byte unset | u16 data length n | 4 bytes unset | n bytes
//                    (n + 8 bytes; every layout counts its offsets from the id byte)
//   client -> server u32 total (12 + payload) | u32 kind | u32 target | payload
//                    kind 1 and 2: lobby, target 0, payload = one record
//                    kind 4: room, target = room number, payload = channel byte
//                    (1 room level, 2 desk level) followed by the record or desk bytes
//   server -> client u32 L | L bytes forming one record (L does not count itself)
//
// An incoming L below 8 or above 65543 (8 + the largest 16-bit data length) cannot
// hold a record: the stream is broken and the connection is dropped unread.
#include "net/ByteReader.h"
#include "net/ByteWriter.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>

namespace net {

inline constexpr size_t kRecordHeaderSize = 8;
inline constexpr size_t kMaxDataLength = 65527; // n + 8 must fit 16 bits
inline constexpr size_t kMinFrameLength = kRecordHeaderSize;
inline constexpr size_t kMaxFrameLength = kRecordHeaderSize + 65535;

// Builds a record into *out (a new[] block) and returns its size. Builds nothing and
// returns 0 when *out already holds a record, when data is absent while n is not 0,
// or when n + 8 does not fit 16 bits. Bytes 1 and 4-7 are zero.
uint16_t BuildMsg(uint8_t** out, uint8_t id, size_t n, const void* data);
// Frees the record held in *out, if any, and clears *out; true when one was freed.
bool FreeMsg(uint8_t** out);

// One message record owning exactly its bytes: a built record, or a received frame.
class MsgRecord {
public:
    MsgRecord() = default;
    // A zeroed block of `size` bytes (a frame to be filled).
    explicit MsgRecord(size_t size);
    MsgRecord(MsgRecord&& other) noexcept;
    MsgRecord& operator=(MsgRecord&& other) noexcept;
    // A record with `id` and `data`; empty when the data is longer than kMaxDataLength.
    static MsgRecord Build(uint8_t id, std::span<const uint8_t> data = {});

    bool Empty() const { return size_ == 0; }
    size_t Size() const { return size_; }
    std::span<const uint8_t> Bytes() const { return {bytes_.get(), size_}; }
    std::span<uint8_t> MutableBytes() { return {bytes_.get(), size_}; }
    ByteReader Reader() const { return ByteReader(Bytes()); }

    uint8_t Id() const { return Reader().U8(0); }
    uint16_t DataLength() const { return Reader().U16(2); }
    // The data as received: from byte 8 to the end of the record.
    ByteReader Data() const { return Reader().From(kRecordHeaderSize); }

private:
    std::unique_ptr<uint8_t[]> bytes_;
    size_t size_ = 0;
};

} // namespace net
