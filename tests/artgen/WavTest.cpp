// The sound seam reads only what a WAV file really holds.
#include "platform/Sound.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

void U32(std::vector<std::uint8_t>& b, std::uint32_t v) {
  for (int i = 0; i < 4; ++i)
    b.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
}
void U16(std::vector<std::uint8_t>& b, std::uint16_t v) {
  b.push_back(static_cast<std::uint8_t>(v));
  b.push_back(static_cast<std::uint8_t>(v >> 8));
}
void Tag(std::vector<std::uint8_t>& b, const char* t) { b.insert(b.end(), t, t + 4); }

struct WavLayout {
  std::uint16_t format = 1, channels = 1, bits = 16;
  std::uint32_t rate = 8000;
  std::vector<std::uint8_t> data{1, 2, 3, 4};
  bool dataBeforeFormat = false;
  bool oddExtraChunk = false;
};

std::vector<std::uint8_t> Wav(const WavLayout& s) {
  std::vector<std::uint8_t> fmt, data, b;
  Tag(fmt, "fmt ");
  U32(fmt, 16);
  U16(fmt, s.format);
  U16(fmt, s.channels);
  U32(fmt, s.rate);
  U32(fmt, s.rate * s.channels * s.bits / 8);
  U16(fmt, static_cast<std::uint16_t>(s.channels * s.bits / 8));
  U16(fmt, s.bits);
  Tag(data, "data");
  U32(data, static_cast<std::uint32_t>(s.data.size()));
  data.insert(data.end(), s.data.begin(), s.data.end());
  Tag(b, "RIFF");
  U32(b, 0);
  Tag(b, "WAVE");
  if (s.oddExtraChunk) {  // 3 bytes of body, one byte of padding
    Tag(b, "LIST");
    U32(b, 3);
    b.insert(b.end(), {7, 7, 7, 0});
  }
  const auto& first = s.dataBeforeFormat ? data : fmt;
  const auto& second = s.dataBeforeFormat ? fmt : data;
  b.insert(b.end(), first.begin(), first.end());
  b.insert(b.end(), second.begin(), second.end());
  return b;
}

TEST(ParseWav, ReadsPcmAndSkipsOtherChunks) {
  struct Row {
    const char* name;
    WavLayout layout;
    std::size_t samples;
  };
  const Row rows[] = {
      {"mono 16-bit", {}, 4},
      {"stereo 8-bit", {1, 2, 8, 11025, {9, 9, 9, 9, 9, 9}}, 6},
      {"a padded chunk before the format", {1, 1, 16, 8000, {1, 2}, false, true}, 2},
      {"a partial last frame is dropped", {1, 2, 16, 8000, {1, 2, 3, 4, 5, 6}}, 4},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    const auto pcm = platform::ParseWav(Wav(row.layout));
    ASSERT_TRUE(pcm.has_value());
    EXPECT_EQ(pcm->channels, row.layout.channels);
    EXPECT_EQ(pcm->bitsPerSample, row.layout.bits);
    EXPECT_EQ(pcm->sampleRate, static_cast<int>(row.layout.rate));
    EXPECT_EQ(pcm->samples.size(), row.samples);
  }
}

TEST(ParseWav, RefusesWhatItCannotPlayOrWhatIsCut) {
  struct Row {
    const char* name;
    std::function<std::vector<std::uint8_t>()> bytes;
  };
  const Row rows[] = {
      {"empty", [] { return std::vector<std::uint8_t>{}; }},
      {"not RIFF", [] { auto b = Wav({}); b[0] = 'X'; return b; }},
      {"compressed format", [] { return Wav({2}); }},
      {"three channels", [] { return Wav({1, 3}); }},
      {"24-bit samples", [] { return Wav({1, 1, 24}); }},
      {"data before format", [] { return Wav({1, 1, 16, 8000, {1, 2}, true}); }},
      {"data longer than the file", [] { auto b = Wav({}); b.pop_back(); return b; }},
      {"cut inside a chunk header", [] { auto b = Wav({}); b.resize(40); return b; }},
      {"no data chunk", [] { auto b = Wav({}); b.resize(b.size() - 12); return b; }},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    EXPECT_FALSE(platform::ParseWav(row.bytes()).has_value());
  }
}

} // namespace
