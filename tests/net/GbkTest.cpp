#include "net/Gbk.h"

#include <gtest/gtest.h>

namespace net {
namespace {

TEST(Gbk, ConvertsBothWays)
{
    const std::string gbk = Utf8ToGbk("游戏大厅");
    EXPECT_EQ(gbk, "\xD3\xCE\xCF\xB7\xB4\xF3\xCC\xFC");
    EXPECT_EQ(GbkToUtf8(gbk), "游戏大厅");
    EXPECT_EQ(Utf8ToGbk("tavik"), "tavik");
    EXPECT_EQ(GbkLength("游戏大厅"), 8u);
    EXPECT_EQ(GbkLength("第1局 0/2"), 9u);
}

TEST(Gbk, WhatCannotBeConvertedIsReplacedAndTheRestKept)
{
    struct Case {
        const char* name;
        std::string got;
        std::string expected;
    } cases[] = {
        {"character without a GBK form", Utf8ToGbk("a\xF0\x9F\x98\x80" "b"), "a?b"},
        {"broken UTF-8", Utf8ToGbk("a\xFF" "b"), "a?b"},
        {"cut UTF-8 at the end", Utf8ToGbk("a\xE6\xB8"), "a?"},
        {"lone GBK lead byte at the end", GbkToUtf8("a\xD3"), "a\xEF\xBF\xBD"},
        {"invalid GBK pair", GbkToUtf8("a\xFF\xFF" "b"), "a\xEF\xBF\xBD\xEF\xBF\xBD" "b"},
        {"empty", GbkToUtf8(""), ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(c.got, c.expected);
    }
}

TEST(Gbk, LongTextCrossesTheConversionChunks)
{
    std::string utf8;
    for (int i = 0; i < 300; ++i)
        utf8 += "游";
    const std::string gbk = Utf8ToGbk(utf8);
    EXPECT_EQ(gbk.size(), 600u);
    EXPECT_EQ(GbkToUtf8(gbk), utf8);
}

} // namespace
} // namespace net
