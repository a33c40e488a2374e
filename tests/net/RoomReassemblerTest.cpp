#include "net/RoomReassembler.h"

#include "WireBytes.h"

#include <gtest/gtest.h>

#include <ostream>

#include <algorithm>
#include <string>
#include <vector>

namespace net {
namespace {

using test::Bytes;
using test::Frame;
using test::Numbered;

// One room connection: what it delivers and when it pauses, in order.
struct Connection {
    std::vector<Bytes> records;
    std::vector<std::string> events;
    RoomReassembler reassembler{[this](MsgRecord r) {
                                    events.push_back("record " + std::to_string(r.Id()));
                                    records.push_back(test::ToBytes(r.Bytes()));
                                },
                                [this](uint32_t ms) { events.push_back("pause " + std::to_string(ms)); }};

    bool Receive(std::span<const uint8_t> chunk)
    {
        return reassembler.OnReceive([chunk](std::span<uint8_t> buffer) {
            const size_t n = std::min(chunk.size(), buffer.size());
            std::copy_n(chunk.begin(), n, buffer.begin());
            return static_cast<int>(n);
        });
    }
    // Feeds `stream` as receives that end at each of `cuts` and at its end.
    void ReceiveCut(const Bytes& stream, const std::vector<size_t>& cuts)
    {
        size_t from = 0;
        for (size_t cut : cuts) {
            Receive(std::span(stream).subspan(from, cut - from));
            from = cut;
        }
        Receive(std::span(stream).subspan(from));
    }
};

Bytes Join(const std::vector<MsgRecord>& records)
{
    Bytes all;
    for (const MsgRecord& r : records) {
        const Bytes f = Frame(r);
        all.insert(all.end(), f.begin(), f.end());
    }
    return all;
}

std::vector<Bytes> AllBytes(const std::vector<MsgRecord>& records)
{
    std::vector<Bytes> out;
    for (const MsgRecord& r : records)
        out.push_back(test::ToBytes(r.Bytes()));
    return out;
}

class RoomReassemblerTest : public ::testing::Test {
protected:
    RoomReassemblerTest()
    {
        records.push_back(Numbered(12, 2, 1));
        records.push_back(Numbered(100, 60, 2));
        records.push_back(Numbered(22, 0, 3));
        records.push_back(Numbered(17, 15, 4));
        stream = Join(records);
    }
    std::vector<MsgRecord> records;
    Bytes stream;
};

TEST_F(RoomReassemblerTest, AnyTwoCutsYieldTheSameRecordsInOrder)
{
    const auto expected = AllBytes(records);
    for (size_t i = 0; i <= stream.size(); ++i) {
        for (size_t j = i; j <= stream.size(); ++j) {
            Connection c;
            c.ReceiveCut(stream, {i, j});
            ASSERT_EQ(c.records, expected) << "cuts at " << i << " and " << j;
            ASSERT_FALSE(c.reassembler.InFrame());
        }
    }
}

TEST_F(RoomReassemblerTest, OneByteReceivesYieldTheSameRecords)
{
    Connection c;
    for (uint8_t byte : stream)
        ASSERT_TRUE(c.Receive(std::span(&byte, 1)));
    EXPECT_EQ(c.records, AllBytes(records));
}

struct PauseCase {
    const char* name;
    std::vector<size_t> cuts; // receive ends inside the stream of frames A(10), B(68), C(8)
    std::vector<std::string> events;
};

void PrintTo(const PauseCase& c, std::ostream* os)
{
    *os << c.name;
}

class RoomPauseTest : public ::testing::TestWithParam<PauseCase> {};

TEST_P(RoomPauseTest, PausesFollowThePacing)
{
    // Frames on the wire: A = 4 + 10 bytes, B = 4 + 68 bytes, C = 4 + 8 bytes.
    const Bytes stream = Join([] {
        std::vector<MsgRecord> r;
        r.push_back(Numbered(12, 2, 1));
        r.push_back(Numbered(100, 60, 2));
        r.push_back(Numbered(22, 0, 3));
        return r;
    }());
    Connection c;
    c.ReceiveCut(stream, GetParam().cuts);
    EXPECT_EQ(c.events, GetParam().events);
    EXPECT_EQ(c.records.size(), 3u);
}

INSTANTIATE_TEST_SUITE_P(
    RoomPause, RoomPauseTest,
    ::testing::Values(
        PauseCase{"OneReceivePacesEveryFrame",
                  {},
                  {"pause 100", "record 12", "pause 100", "record 100", "pause 100", "record 22"}},
        PauseCase{"TailThenTwoWholeFramesPausesOnceBeforeReceiving",
                  {30},
                  {"pause 100", "record 12", "pause 100", "pause 300", "record 100", "record 22"}},
        PauseCase{"FrameOverThreeReceives",
                  {30, 50},
                  {"pause 100", "record 12", "pause 100", "pause 300", "pause 300", "record 100", "record 22"}},
        PauseCase{"CutRightAfterALengthPrefix",
                  {18},
                  {"pause 100", "record 12", "pause 300", "record 100", "record 22"}},
        PauseCase{"CutInsideALengthPrefix",
                  {16},
                  {"pause 100", "record 12", "pause 300", "record 100", "record 22"}},
        PauseCase{"CutAtAFrameBoundaryKeepsThePacing",
                  {14},
                  {"pause 100", "record 12", "pause 100", "record 100", "pause 100", "record 22"}}),
    [](const auto& info) { return info.param.name; });

TEST_F(RoomReassemblerTest, TwoConnectionsKeepTheirFramesInProgressApart)
{
    const std::vector<MsgRecord>& mine = records;
    std::vector<MsgRecord> theirs;
    theirs.push_back(Numbered(15, 36, 90));
    theirs.push_back(Numbered(16, 36, 91));
    const Bytes other = Join(theirs);

    Connection first;
    Connection second;
    // Alternate receives of odd sizes so both connections hold a partial frame at once.
    size_t p = 0;
    size_t q = 0;
    while (p < stream.size() || q < other.size()) {
        const size_t n = std::min<size_t>(7, stream.size() - p);
        first.Receive(std::span(stream).subspan(p, n));
        p += n;
        const size_t m = std::min<size_t>(11, other.size() - q);
        second.Receive(std::span(other).subspan(q, m));
        q += m;
    }
    EXPECT_EQ(first.records, AllBytes(mine));
    EXPECT_EQ(second.records, AllBytes(theirs));
}

TEST_F(RoomReassemblerTest, LengthsNoRecordCanHaveBreakTheStream)
{
    struct Case {
        const char* name;
        uint32_t length;
        size_t prefixCut; // the bad prefix arrives in two receives cut here (0: in one)
    } cases[] = {{"zero", 0, 0},
                 {"seven", 7, 0},
                 {"one past the largest record", 65544, 0},
                 {"all ones", 0xFFFFFFFF, 0},
                 {"all ones cut in the prefix", 0xFFFFFFFF, 3}};
    for (const Case& k : cases) {
        SCOPED_TRACE(k.name);
        Bytes bytes = Frame(records[0]);
        const size_t prefixAt = bytes.size();
        test::AppendU32(bytes, k.length);
        bytes.resize(bytes.size() + 32, 0xAB);

        Connection c;
        bool intact = true;
        if (k.prefixCut == 0) {
            intact = c.Receive(bytes);
        } else {
            EXPECT_TRUE(c.Receive(std::span(bytes).first(prefixAt + k.prefixCut)));
            intact = c.Receive(std::span(bytes).subspan(prefixAt + k.prefixCut));
        }
        EXPECT_FALSE(intact);
        EXPECT_EQ(c.records, std::vector<Bytes>{test::ToBytes(records[0].Bytes())});
        EXPECT_FALSE(c.reassembler.InFrame());
    }
}

TEST_F(RoomReassemblerTest, EmptyOrFailedReceiveYieldsNothingAndKeepsTheFrame)
{
    const Bytes frame = Frame(records[1]);
    Connection c;
    c.Receive(std::span(frame).first(20));
    ASSERT_TRUE(c.reassembler.InFrame());
    for (int result : {0, -1}) {
        EXPECT_TRUE(c.reassembler.OnReceive([result](std::span<uint8_t>) { return result; }));
        EXPECT_TRUE(c.reassembler.InFrame());
    }
    c.Receive(std::span(frame).subspan(20));
    EXPECT_EQ(c.records, std::vector<Bytes>{test::ToBytes(records[1].Bytes())});
}

} // namespace
} // namespace net
