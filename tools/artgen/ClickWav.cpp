// The click of the find games: a short wooden tick, 16-bit mono PCM.
#include "tools/artgen/Catalogue.h"

#include <algorithm>
#include <cmath>

namespace artgen {
namespace {

void PutU32(std::vector<std::uint8_t>& out, std::uint32_t v) {
  for (int i = 0; i < 4; ++i)
    out.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
}

void PutU16(std::vector<std::uint8_t>& out, std::uint16_t v) {
  out.push_back(static_cast<std::uint8_t>(v));
  out.push_back(static_cast<std::uint8_t>(v >> 8));
}

void PutTag(std::vector<std::uint8_t>& out, const char* tag) { out.insert(out.end(), tag, tag + 4); }

} // namespace

std::vector<std::uint8_t> ClickWav() {
  constexpr int kRate = 22050;
  constexpr int kSamples = kRate * 45 / 1000;  // 45 ms
  constexpr double kPi = 3.14159265358979;
  std::vector<std::uint8_t> pcm;
  std::uint32_t noise = 0x1234567u;  // fixed seed: the same bytes on every build
  for (int i = 0; i < kSamples; ++i) {
    const double t = double(i) / kRate;
    noise = noise * 1664525u + 1013904223u;
    const double hiss = (double(noise >> 8) / double(1 << 24) - 0.5) * std::exp(-t * 900);
    const double knock = std::sin(2 * kPi * 1800 * t) * std::exp(-t * 140) + 0.5 * std::sin(2 * kPi * 3100 * t) * std::exp(-t * 260);
    const double v = std::clamp(0.55 * knock + 0.8 * hiss, -1.0, 1.0);
    PutU16(pcm, static_cast<std::uint16_t>(static_cast<std::int16_t>(std::lround(v * 26000))));
  }
  std::vector<std::uint8_t> out;
  PutTag(out, "RIFF");
  PutU32(out, static_cast<std::uint32_t>(36 + pcm.size()));
  PutTag(out, "WAVE");
  PutTag(out, "fmt ");
  PutU32(out, 16);
  PutU16(out, 1);  // PCM
  PutU16(out, 1);  // mono
  PutU32(out, kRate);
  PutU32(out, kRate * 2);
  PutU16(out, 2);
  PutU16(out, 16);
  PutTag(out, "data");
  PutU32(out, static_cast<std::uint32_t>(pcm.size()));
  out.insert(out.end(), pcm.begin(), pcm.end());
  return out;
}

} // namespace artgen
