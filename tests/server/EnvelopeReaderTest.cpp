#include "server/EnvelopeReader.h"

#include "net/ByteWriter.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using server::EnvelopeReader;
using server::InFrame;

// Room rules: kind 4, a channel byte and an 8-byte record at least, 65548 at most.
constexpr server::EnvelopeRules kRoom{21, 65548, 1u << 4};

std::vector<uint8_t> Frame(uint32_t declared, size_t bodyBytes, uint32_t kind = 4, uint32_t target = 101)
{
    std::vector<uint8_t> f(12 + bodyBytes, 0x5A);
    net::ByteWriter w(f);
    w.U32(0, declared);
    w.U32(4, kind);
    w.U32(8, target);
    return f;
}

enum class Delivery { Whole, ByteByByte, SplitAtLength, GluedToNext };

std::string DeliveryName(Delivery d)
{
    static const char* const names[] = {"Whole", "ByteByByte", "SplitAtLength", "GluedToNext"};
    return names[static_cast<int>(d)];
}

struct LengthCase {
    const char* name;
    uint32_t declared;
    bool valid;
};

class EnvelopeLength : public ::testing::TestWithParam<std::tuple<LengthCase, Delivery>> {};

TEST_P(EnvelopeLength, ValidFramesAliveBadOnesBreakTheStream)
{
    const auto [c, delivery] = GetParam();
    // A bad frame carries a few body bytes only: a 4 GiB declaration must cost nothing.
    const size_t body = c.valid ? c.declared - 12 : 16;
    std::vector<uint8_t> bytes = Frame(c.declared, body);
    if (delivery == Delivery::GluedToNext) {
        const std::vector<uint8_t> next = Frame(21, 9, 4, 102);
        bytes.insert(bytes.end(), next.begin(), next.end());
    }
    EnvelopeReader reader(kRoom);
    std::vector<InFrame> out;
    bool ok = true;
    switch (delivery) {
    case Delivery::Whole:
    case Delivery::GluedToNext:
        ok = reader.Feed(bytes, out);
        break;
    case Delivery::ByteByByte:
        for (size_t i = 0; i < bytes.size() && ok; ++i)
            ok = reader.Feed(std::span(bytes).subspan(i, 1), out);
        break;
    case Delivery::SplitAtLength:
        ok = reader.Feed(std::span(bytes).first(4), out) && reader.Feed(std::span(bytes).subspan(4), out);
        break;
    }
    EXPECT_EQ(ok, c.valid);
    EXPECT_EQ(reader.Broken(), !c.valid);
    if (c.valid) {
        ASSERT_EQ(out.size(), delivery == Delivery::GluedToNext ? 2u : 1u);
        EXPECT_EQ(out[0].payload.size(), c.declared - 12);
        EXPECT_EQ(out[0].target, 101u);
        if (delivery == Delivery::GluedToNext) {
            EXPECT_EQ(out[1].target, 102u);
        }
    } else {
        EXPECT_TRUE(out.empty()) << "nothing after a bad envelope is read";
    }
}

INSTANTIATE_TEST_SUITE_P(Lengths, EnvelopeLength,
    ::testing::Combine(::testing::Values(LengthCase{"Zero", 0, false}, LengthCase{"Eleven", 11, false},
                                         LengthCase{"EnvelopeOnly", 12, false}, LengthCase{"NoRecord", 20, false},
                                         LengthCase{"Smallest", 21, true}, LengthCase{"Largest", 65548, true},
                                         LengthCase{"LargestPlusOne", 65549, false},
                                         LengthCase{"FourGiB", 0xFFFFFFFF, false}),
                       ::testing::Values(Delivery::Whole, Delivery::ByteByByte, Delivery::SplitAtLength,
                                         Delivery::GluedToNext)),
    [](const auto& info) { return std::string(std::get<0>(info.param).name) + "_" + DeliveryName(std::get<1>(info.param)); });

TEST(EnvelopeReader, RefusesAKindItDoesNotServe)
{
    for (const uint32_t kind : {0u, 1u, 2u, 3u, 5u, 31u, 32u, 0xFFFFFFFFu}) {
        SCOPED_TRACE(kind);
        EnvelopeReader reader(kRoom);
        std::vector<InFrame> out;
        EXPECT_FALSE(reader.Feed(Frame(21, 9, kind), out));
        EXPECT_TRUE(out.empty());
    }
}

} // namespace
