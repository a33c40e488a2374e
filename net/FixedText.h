#pragma once
// A fixed-width text field of a record: GBK bytes, zero-padded. A text of exactly N
// bytes fills the field with no terminator; a longer one is cut at a whole character,
// so it never spills into the next field nor leaves half a GBK character behind.
#include "net/ByteReader.h"
#include "net/ByteWriter.h"

#include <array>
#include <concepts>
#include <cstddef>
#include <string>
#include <string_view>

namespace net {

// Bytes of `gbk` that fit in `width` without splitting a double-byte character.
size_t GbkFit(std::string_view gbk, size_t width);

template <size_t N>
class FixedText {
public:
    static constexpr size_t kSize = N;

    FixedText() = default;
    // A text field is set from text of any kind that views as GBK bytes.
    template <class Text>
        requires std::convertible_to<const Text&, std::string_view>
    FixedText(const Text& gbk) // NOLINT(google-explicit-constructor)
    {
        Set(gbk);
    }

    void Set(std::string_view gbk)
    {
        bytes_.fill(0);
        gbk.copy(bytes_.data(), GbkFit(gbk, N));
    }
    // The text up to its first NUL, at most N bytes.
    std::string Str() const
    {
        size_t n = 0;
        while (n < N && bytes_[n] != 0)
            ++n;
        return std::string(bytes_.data(), n);
    }
    const std::array<char, N>& Bytes() const { return bytes_; }

    static FixedText Decode(const ByteReader& r)
    {
        FixedText t;
        r.Copy(0, std::span(reinterpret_cast<uint8_t*>(t.bytes_.data()), N));
        return t;
    }
    void Encode(ByteWriter w) const
    {
        w.Copy(0, std::span(reinterpret_cast<const uint8_t*>(bytes_.data()), N));
    }

    friend bool operator==(const FixedText&, const FixedText&) = default;

private:
    std::array<char, N> bytes_{};
};

} // namespace net
