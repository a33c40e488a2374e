#pragma once
// One chat line (12 + t bytes, t counting the text's NUL), the data of room message 17.
#include "net/ByteReader.h"
#include "net/ByteWriter.h"

#include <cstdint>
#include <string>

namespace net {

enum class ChatLine : uint8_t { Player = 1, System = 2 };

struct ChatRecord {
    static constexpr size_t kHeaderSize = 12;

    uint8_t lineType = 0; // ChatLine
    uint16_t sender = 0;
    uint16_t receiver = 0; // 0: everybody
    std::string text;      // GBK, without the NUL

    // The text ends at its NUL, at its length t, or at the end of the received bytes,
    // whichever comes first.
    static ChatRecord Decode(const ByteReader& r);
    void Encode(ByteWriter w) const;
    size_t Size() const { return kHeaderSize + text.size() + 1; }
    friend bool operator==(const ChatRecord&, const ChatRecord&) = default;
};

} // namespace net
