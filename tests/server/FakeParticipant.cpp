#include "FakeParticipant.h"

#include "net/ByteReader.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace servertest {

FakeParticipant::FakeParticipant(const std::string& name, uint16_t key, int32_t points)
{
    entry_.player.name.Set(name);
    entry_.player.points = points;
    entry_.key = key;
}

std::vector<net::MsgRecord> FakeParticipant::Take()
{
    std::vector<net::MsgRecord> out;
    for (const server::OutFrame& f : frames) {
        const net::ByteReader r(*f);
        EXPECT_EQ(r.U32(0) + 4, f->size()) << "length prefix";
        EXPECT_EQ(r.U16(6) + 12u, f->size()) << "record data length";
        net::MsgRecord record(f->size() - 4);
        std::copy(f->begin() + 4, f->end(), record.MutableBytes().begin());
        out.push_back(std::move(record));
    }
    frames.clear();
    return out;
}

} // namespace servertest
