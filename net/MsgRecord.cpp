#include "net/MsgRecord.h"

#include <algorithm>
#include <utility>

namespace net {

uint16_t BuildMsg(uint8_t** out, uint8_t id, size_t n, const void* data)
{
    if (out == nullptr || *out != nullptr || (data == nullptr && n != 0) || n > kMaxDataLength)
        return 0;
    const size_t size = n + kRecordHeaderSize;
    auto* block = new uint8_t[size]();
    block[0] = id;
    block[2] = static_cast<uint8_t>(n);
    block[3] = static_cast<uint8_t>(n >> 8);
    if (n > 0)
        std::copy_n(static_cast<const uint8_t*>(data), n, block + kRecordHeaderSize);
    *out = block;
    return static_cast<uint16_t>(size);
}

bool FreeMsg(uint8_t** out)
{
    if (out == nullptr || *out == nullptr)
        return false;
    delete[] *out;
    *out = nullptr;
    return true;
}

MsgRecord::MsgRecord(size_t size) : bytes_(size ? new uint8_t[size]() : nullptr), size_(size) {}

MsgRecord::MsgRecord(MsgRecord&& other) noexcept
    : bytes_(std::move(other.bytes_)), size_(std::exchange(other.size_, 0))
{
}

MsgRecord& MsgRecord::operator=(MsgRecord&& other) noexcept
{
    bytes_ = std::move(other.bytes_);
    size_ = std::exchange(other.size_, 0);
    return *this;
}

MsgRecord MsgRecord::Build(uint8_t id, std::span<const uint8_t> data)
{
    if (data.size() > kMaxDataLength)
        return {};
    MsgRecord record(kRecordHeaderSize + data.size());
    ByteWriter w(record.MutableBytes());
    w.U8(0, id);
    w.U16(2, static_cast<uint16_t>(data.size()));
    w.Copy(kRecordHeaderSize, data);
    return record;
}

} // namespace net
