#include "net/LobbySplitter.h"

#include "WireBytes.h"

#include <gtest/gtest.h>

#include <vector>

namespace net {
namespace {

using test::Bytes;
using test::Frame;
using test::Numbered;
using Outcome = LobbySplitter::Outcome;

Bytes Join(const std::vector<Bytes>& parts)
{
    Bytes all;
    for (const Bytes& p : parts)
        all.insert(all.end(), p.begin(), p.end());
    return all;
}

std::vector<Bytes> RecordBytes(const LobbySplitter::Result& result)
{
    std::vector<Bytes> out;
    for (const MsgRecord& r : result.records)
        out.push_back(test::ToBytes(r.Bytes()));
    return out;
}

class LobbySplitterTest : public ::testing::Test {
protected:
    const MsgRecord a = Numbered(12, 0, 1);
    const MsgRecord b = Numbered(17, 28, 2);
    const MsgRecord c = Numbered(22, 176, 3);
    const Bytes stream = Join({Frame(a), Frame(b), Frame(c)});
};

TEST_F(LobbySplitterTest, WholeFramesComeOutInOrderWithEveryByte)
{
    const auto result = LobbySplitter::Split(stream);
    EXPECT_EQ(result.outcome, Outcome::Whole);
    EXPECT_EQ(RecordBytes(result), (std::vector<Bytes>{test::ToBytes(a.Bytes()), test::ToBytes(b.Bytes()),
                                                       test::ToBytes(c.Bytes())}));
}

TEST_F(LobbySplitterTest, EveryCutPostsTheWholeFramesBeforeItAndReportsTheCut)
{
    const size_t ends[] = {Frame(a).size(), Frame(a).size() + Frame(b).size(), stream.size()};
    for (size_t cut = 0; cut <= stream.size(); ++cut) {
        SCOPED_TRACE(cut);
        const auto result = LobbySplitter::Split(std::span(stream).first(cut));
        size_t whole = 0;
        while (whole < 3 && ends[whole] <= cut)
            ++whole;
        const bool atBoundary = cut == 0 || (whole > 0 && ends[whole - 1] == cut);
        EXPECT_EQ(result.records.size(), whole);
        EXPECT_EQ(result.outcome, atBoundary ? Outcome::Whole : Outcome::Cut);
        if (whole > 0) {
            EXPECT_EQ(test::ToBytes(result.records[whole - 1].Bytes()),
                      test::ToBytes((whole == 1 ? a : whole == 2 ? b : c).Bytes()));
        }
    }
}

TEST_F(LobbySplitterTest, LengthsNoRecordCanHaveBreakTheStream)
{
    struct Case {
        const char* name;
        uint32_t length;
    } cases[] = {{"zero", 0}, {"seven", 7}, {"one past the largest record", 65544}, {"all ones", 0xFFFFFFFF}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Bytes bytes = Frame(a);
        test::AppendU32(bytes, c.length);
        bytes.resize(bytes.size() + 16, 0xAB);
        const auto result = LobbySplitter::Split(bytes);
        EXPECT_EQ(result.outcome, Outcome::Broken);
        EXPECT_EQ(RecordBytes(result), std::vector<Bytes>{test::ToBytes(a.Bytes())});
    }
}

TEST_F(LobbySplitterTest, SmallestAndLargestRecordsPass)
{
    const MsgRecord largest = Numbered(22, 65535 - 8, 9);
    ASSERT_EQ(largest.Size(), 65535u);
    Bytes bytes = Join({Frame(a), Frame(largest)});
    // A record of 65543 bytes: the largest a 16-bit data length allows.
    Bytes huge(65543, 0x5A);
    huge[0] = 22;
    test::AppendU32(bytes, static_cast<uint32_t>(huge.size()));
    bytes.insert(bytes.end(), huge.begin(), huge.end());

    const auto result = LobbySplitter::Split(bytes);
    EXPECT_EQ(result.outcome, Outcome::Whole);
    ASSERT_EQ(result.records.size(), 3u);
    EXPECT_EQ(result.records[0].Size(), 8u);
    EXPECT_EQ(test::ToBytes(result.records[1].Bytes()), test::ToBytes(largest.Bytes()));
    EXPECT_EQ(test::ToBytes(result.records[2].Bytes()), huge);
}

TEST_F(LobbySplitterTest, AnEmptyReceiveYieldsNothing)
{
    const auto result = LobbySplitter::Split({});
    EXPECT_TRUE(result.records.empty());
    EXPECT_EQ(result.outcome, Outcome::Whole);
}

} // namespace
} // namespace net
