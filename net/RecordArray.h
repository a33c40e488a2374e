#pragma once
// Runs of fixed-size records laid one after the other.
#include "net/ByteReader.h"
#include "net/ByteWriter.h"

#include <cstddef>
#include <vector>

namespace net {

// `count` records from the start of `r`; those beyond the received bytes read as zeros.
template <class Record>
std::vector<Record> DecodeRecords(const ByteReader& r, size_t count)
{
    std::vector<Record> records;
    records.reserve(count);
    for (size_t i = 0; i < count; ++i)
        records.push_back(Record::Decode(r.From(i * Record::kSize)));
    return records;
}

template <class Record>
void EncodeRecords(ByteWriter w, const std::vector<Record>& records)
{
    for (size_t i = 0; i < records.size(); ++i)
        records[i].Encode(w.From(i * Record::kSize));
}

} // namespace net
