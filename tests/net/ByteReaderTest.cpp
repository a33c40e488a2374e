#include "net/ByteReader.h"
#include "net/ByteWriter.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <limits>
#include <vector>

namespace net {
namespace {

const std::vector<uint8_t> kBytes = {0x01, 0x02, 0x03, 0x04, 0x05, 0x06};

TEST(ByteReader, ReadsLittleEndianFieldsInside)
{
    const ByteReader r(kBytes);
    EXPECT_EQ(r.U8(5), 0x06);
    EXPECT_EQ(r.U16(0), 0x0201);
    EXPECT_EQ(r.U32(2), 0x06050403u);
    EXPECT_EQ(ByteReader(std::vector<uint8_t>{0xFE, 0xFF, 0xFF, 0xFF}).I32(0), -2);
}

TEST(ByteReader, FieldsBeyondTheReceivedBytesReadAsZeroPadding)
{
    const ByteReader r(kBytes);
    struct Case {
        const char* name;
        uint32_t got;
        uint32_t expected;
    } cases[] = {
        {"u8 just past the end", r.U8(6), 0},
        {"u16 half inside", r.U16(5), 0x0006},
        {"u32 three bytes inside", r.U32(3), 0x00060504u},
        {"u32 wholly beyond", r.U32(100), 0},
        {"u32 at the largest offset", r.U32(std::numeric_limits<size_t>::max()), 0},
        {"u16 at the largest offset", r.U16(std::numeric_limits<size_t>::max() - 1), 0},
        {"empty reader", ByteReader().U32(0), 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(c.got, c.expected);
    }
}

TEST(ByteReader, CopyZeroFillsWhatIsMissingAndFromStaysInside)
{
    const ByteReader r(kBytes);
    std::array<uint8_t, 4> out;
    out.fill(0xAA);
    r.Copy(4, out);
    EXPECT_EQ(out, (std::array<uint8_t, 4>{0x05, 0x06, 0, 0}));
    out.fill(0xAA);
    r.Copy(std::numeric_limits<size_t>::max(), out);
    EXPECT_EQ(out, (std::array<uint8_t, 4>{}));

    EXPECT_EQ(r.From(4).Size(), 2u);
    EXPECT_EQ(r.From(4).U16(0), 0x0605);
    EXPECT_EQ(r.From(6).Size(), 0u);
    EXPECT_EQ(r.From(1000).U8(0), 0);
}

TEST(ByteWriter, WritesLittleEndianAndDropsWhatFallsOutside)
{
    std::vector<uint8_t> block(6, 0xEE);
    ByteWriter w(block);
    w.U16(0, 0x0201);
    w.U32(4, 0x0A0B0C0D); // only two bytes fit
    w.U8(6, 0x77);
    w.From(100).U32(0, 0xFFFFFFFF);
    EXPECT_EQ(block, (std::vector<uint8_t>{0x01, 0x02, 0xEE, 0xEE, 0x0D, 0x0C}));
}

} // namespace
} // namespace net
