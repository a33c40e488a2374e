#include "net/ChatRecord.h"

#include <algorithm>

namespace net {

ChatRecord ChatRecord::Decode(const ByteReader& r)
{
    ChatRecord chat{r.U8(0), r.U16(2), r.U16(4), {}};
    const ByteReader text = r.From(kHeaderSize);
    const size_t limit = std::min<size_t>(r.U16(6), text.Size());
    const auto bytes = text.Bytes().first(limit);
    const auto end = std::find(bytes.begin(), bytes.end(), uint8_t{0});
    chat.text.assign(bytes.begin(), end);
    return chat;
}

void ChatRecord::Encode(ByteWriter w) const
{
    w.U8(0, lineType);
    w.U16(2, sender);
    w.U16(4, receiver);
    w.U16(6, static_cast<uint16_t>(text.size() + 1));
    w.Copy(kHeaderSize, std::span(reinterpret_cast<const uint8_t*>(text.data()), text.size()));
}

} // namespace net
