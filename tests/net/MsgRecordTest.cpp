#include "net/MsgRecord.h"

#include <gtest/gtest.h>

#include <ostream>

#include <cstdint>
#include <vector>

namespace net {
namespace {

struct BuildCase {
    const char* name;
    bool occupied;
    bool withData;
    size_t n;
    uint16_t expectedSize; // 0: nothing built
};

void PrintTo(const BuildCase& c, std::ostream* os)
{
    *os << c.name;
}

class BuildMsgTest : public ::testing::TestWithParam<BuildCase> {};

TEST_P(BuildMsgTest, BuildsExactlyTheRecordOrNothing)
{
    const BuildCase& c = GetParam();
    std::vector<uint8_t> data(c.n);
    for (size_t i = 0; i < data.size(); ++i)
        data[i] = static_cast<uint8_t>(i * 13 + 1);
    uint8_t other[8] = {};
    uint8_t* out = c.occupied ? other : nullptr;

    const uint16_t size = BuildMsg(&out, 42, c.n, c.withData ? data.data() : nullptr);

    ASSERT_EQ(size, c.expectedSize);
    if (c.expectedSize == 0) {
        EXPECT_EQ(out, c.occupied ? other : nullptr) << "a refused build leaves *out as it was";
        return;
    }
    ASSERT_NE(out, nullptr);
    const ByteReader r(std::span<const uint8_t>(out, size));
    EXPECT_EQ(r.U8(0), 42);
    EXPECT_EQ(r.U16(2), c.n);
    EXPECT_TRUE(std::equal(data.begin(), data.end(), out + 8));
    EXPECT_TRUE(FreeMsg(&out));
    EXPECT_EQ(out, nullptr);
}

INSTANTIATE_TEST_SUITE_P(BuildMsg, BuildMsgTest,
                         ::testing::Values(BuildCase{"NoDataIsEightBytes", false, false, 0, 8},
                                           BuildCase{"EmptyDataGiven", false, true, 0, 8},
                                           BuildCase{"ThreeBytes", false, true, 3, 11},
                                           BuildCase{"LargestData", false, true, 65527, 65535},
                                           BuildCase{"SizeWouldWrap", false, true, 65528, 0},
                                           BuildCase{"OccupiedOut", true, true, 3, 0},
                                           BuildCase{"OccupiedOutNoData", true, false, 0, 0},
                                           BuildCase{"AbsentDataWithLength", false, false, 5, 0}),
                         [](const auto& info) { return info.param.name; });

TEST(FreeMsg, FreesOnlyWhatIsHeld)
{
    uint8_t* out = nullptr;
    EXPECT_FALSE(FreeMsg(&out));
    EXPECT_FALSE(FreeMsg(nullptr));
    ASSERT_EQ(BuildMsg(&out, 1, 0, nullptr), 8);
    EXPECT_TRUE(FreeMsg(&out));
    EXPECT_FALSE(FreeMsg(&out));
}

TEST(MsgRecord, BuildMatchesBuildMsgByteForByte)
{
    const std::vector<uint8_t> data = {9, 8, 7, 6, 5};
    uint8_t* raw = nullptr;
    const uint16_t size = BuildMsg(&raw, 17, data.size(), data.data());
    const MsgRecord record = MsgRecord::Build(17, data);
    ASSERT_EQ(record.Size(), size);
    EXPECT_TRUE(std::equal(record.Bytes().begin(), record.Bytes().end(), raw));
    EXPECT_EQ(record.Id(), 17);
    EXPECT_EQ(record.DataLength(), 5);
    EXPECT_EQ(record.Data().Size(), 5u);
    EXPECT_EQ(record.Data().U8(4), 5);
    FreeMsg(&raw);
}

TEST(MsgRecord, TooMuchDataBuildsNothing)
{
    EXPECT_TRUE(MsgRecord::Build(1, std::vector<uint8_t>(65528)).Empty());
    EXPECT_EQ(MsgRecord::Build(1, std::vector<uint8_t>(65527)).Size(), 65535u);
}

TEST(MsgRecord, MovingHandsOverTheBlockAndEmptiesTheSource)
{
    MsgRecord a = MsgRecord::Build(3, std::vector<uint8_t>{1, 2});
    const uint8_t* block = a.Bytes().data();
    MsgRecord b = std::move(a);
    EXPECT_TRUE(a.Empty()); // NOLINT(bugprone-use-after-move): the moved-from state is the point
    EXPECT_EQ(a.Id(), 0);
    EXPECT_EQ(b.Bytes().data(), block);
    a = std::move(b);
    EXPECT_TRUE(b.Empty()); // NOLINT(bugprone-use-after-move)
    EXPECT_EQ(a.Size(), 10u);
}

} // namespace
} // namespace net
