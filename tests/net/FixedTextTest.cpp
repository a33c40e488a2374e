#include "net/FixedText.h"

#include "WireBytes.h"

#include <gtest/gtest.h>

namespace net {
namespace {

// "游戏大厅游戏大厅游戏大" in GBK.
const char kEleven[] = "\xD3\xCE\xCF\xB7\xB4\xF3\xCC\xFC\xD3\xCE\xCF\xB7\xB4\xF3\xCC\xFC\xD3\xCE\xCF\xB7\xB4\xF3";

TEST(FixedText, FillsItsFieldAndNeverSpills)
{
    struct Case {
        const char* name;
        std::string set;
        std::string stored;
    } cases[] = {
        {"short text, zero-padded", "abc", "abc"},
        {"exactly twenty bytes, no terminator", "abcdefghijklmnopqrst", "abcdefghijklmnopqrst"},
        {"longer text is cut", "abcdefghijklmnopqrstuvw", "abcdefghijklmnopqrst"},
        // 19 ASCII bytes then a two-byte character: it would need bytes 20 and 21.
        {"no half character at the end", "abcdefghijklmnopqrs\xD3\xCE", "abcdefghijklmnopqrs"},
        // Eleven two-byte characters: ten fill the field.
        {"whole characters fill it", kEleven, std::string(kEleven).substr(0, 20)},
        {"empty", "", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        test::Bytes block(24, 0xEE);
        FixedText<20>(c.set).Encode(ByteWriter(block));
        const std::string stored(block.begin(), block.begin() + static_cast<long>(c.stored.size()));
        EXPECT_EQ(stored, c.stored);
        for (size_t i = c.stored.size(); i < 20; ++i)
            EXPECT_EQ(block[i], 0) << "padding at " << i;
        for (size_t i = 20; i < 24; ++i)
            EXPECT_EQ(block[i], 0xEE) << "next field at " << i;
        EXPECT_EQ(FixedText<20>::Decode(ByteReader(block)).Str(), c.stored);
    }
}

TEST(FixedText, ReadsUpToTheFirstNulOrTheFieldEnd)
{
    const test::Bytes bytes = {'a', 'b', 0, 'c'};
    EXPECT_EQ(FixedText<4>::Decode(ByteReader(bytes)).Str(), "ab");
    const test::Bytes full = {'w', 'x', 'y', 'z', 'q'};
    EXPECT_EQ(FixedText<4>::Decode(ByteReader(full)).Str(), "wxyz");
    EXPECT_EQ(FixedText<4>::Decode(ByteReader(std::span(full).first(2))).Str(), "wx");
}

} // namespace
} // namespace net
