#include "controls/gif/GifLzw.h"

#include <cstring>

namespace gif {
namespace {

constexpr int kMaxCodeSize = 12;

// Reads codes least-significant bit first; past the end of the data every byte is 0xFF.
class CodeReader {
public:
    CodeReader(const uint8_t* data, std::size_t size) : data_(data), size_(size) {}

    uint32_t Read(int bits, uint32_t mask)
    {
        if (held_ < bits)
            Refill();
        const uint32_t code = static_cast<uint32_t>(buffer_) & mask;
        buffer_ >>= bits;
        held_ -= bits;
        return code;
    }

private:
    void Refill()
    {
        if (at_ + 8 <= size_) {
            // Fast path: take whole bytes up to 56 bits held in one unaligned load.
            uint64_t word;
            std::memcpy(&word, data_ + at_, 8);
            const int take = (63 - held_) >> 3;  // at most 7
            buffer_ |= (word & ((uint64_t{1} << (take * 8)) - 1)) << held_;
            at_ += take;
            held_ += take * 8;
            return;
        }
        while (held_ <= 56) {
            const uint64_t byte = at_ < size_ ? data_[at_] : 0xFF;
            ++at_;
            buffer_ |= byte << held_;
            held_ += 8;
        }
    }

    const uint8_t* data_;
    std::size_t size_;
    std::size_t at_ = 0;
    uint64_t buffer_ = 0;
    int held_ = 0;
};

// Copies `length` bytes from an earlier place of the output that ends at or before
// `dst`, in 8-byte pieces; the bytes written past `length` are overwritten later.
inline void CopyString(uint8_t* dst, const uint8_t* src, std::size_t length)
{
    for (std::size_t i = 0; i < length; i += 8)
        std::memcpy(dst + i, src + i, 8);
}

} // namespace

bool GifLzw::Decode(int minCodeSize, const uint8_t* codes, std::size_t size, uint8_t* out, std::size_t count)
{
    // Colours take 2 to 8 bits; with fewer the first free code would already need
    // a wider code than the first codes are read with.
    if (minCodeSize < 2 || minCodeSize > 8)
        return false;
    const uint32_t clear = 1u << minCodeSize;
    const uint32_t end = clear + 1;
    CodeReader reader(codes, size);
    int codeSize = minCodeSize + 1;
    uint32_t mask = (1u << codeSize) - 1;
    uint32_t next = clear + 2;
    bool afterClear = true;
    std::size_t at = 0;
    std::size_t prevAt = 0, prevLength = 0;

    while (at < count) {
        uint32_t code = reader.Read(codeSize, mask);
        if (code == clear) {
            codeSize = minCodeSize + 1;
            mask = (1u << codeSize) - 1;
            next = clear + 2;
            afterClear = true;
            continue;
        }
        if (code == end)
            break;
        if (afterClear) {
            if (code > clear)
                return false;
            out[at] = static_cast<uint8_t>(code);
            prevAt = at++;
            prevLength = 1;
            afterClear = false;
            continue;
        }
        std::size_t length;
        if (code < clear) {
            length = 1;
            out[at] = static_cast<uint8_t>(code);
        } else if (code < next) {
            length = length_[code];
            const std::size_t room = count - at;
            if (length > room) {
                std::memcpy(out + at, out + offset_[code], room);
                at = count;
                break;
            }
            CopyString(out + at, out + offset_[code], length);
        } else {
            // Not in the table yet: the previous string followed by its own first
            // character. Codes beyond the next free one are read the same way, as
            // the stream cannot mean anything else by them.
            length = prevLength + 1;
            const std::size_t room = count - at;
            if (length > room) {
                std::memcpy(out + at, out + prevAt, room);  // room <= prevLength here
                at = count;
                break;
            }
            CopyString(out + at, out + prevAt, prevLength);
            out[at + prevLength] = out[prevAt];
        }
        // A full table stops growing; the stream goes on with the codes it has until
        // a clear code empties it.
        if (next < kMaxCodes) {
            offset_[next] = static_cast<uint32_t>(prevAt);
            length_[next] = static_cast<uint16_t>(prevLength + 1);
            ++next;
            if (next == (1u << codeSize) && codeSize < kMaxCodeSize) {
                ++codeSize;
                mask = (1u << codeSize) - 1;
            }
        }
        prevAt = at;
        prevLength = length;
        at += length;
    }
    std::memset(out + at, 0, count - at + kOutputSlack);
    return true;
}

} // namespace gif
