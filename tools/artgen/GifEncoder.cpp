#include "tools/artgen/GifEncoder.h"

#include "tools/artgen/Lzw.h"

#include <algorithm>
#include <stdexcept>
#include <string>

namespace artgen {
namespace {

constexpr std::uint8_t kExtensionIntroducer = 0x21;
constexpr std::uint8_t kGraphicControlLabel = 0xF9;
constexpr std::uint8_t kApplicationLabel = 0xFF;
constexpr std::uint8_t kImageSeparator = 0x2C;
constexpr std::uint8_t kTrailer = 0x3B;
constexpr std::uint8_t kColourTableFlag = 0x80;
constexpr std::uint8_t kInterlaceFlag = 0x40;
constexpr int kMaxDimension = 0xFFFF;

class ByteWriter {
public:
  void U8(std::uint8_t v) { bytes.push_back(v); }
  void U16(int v) {
    U8(static_cast<std::uint8_t>(v & 0xFF));
    U8(static_cast<std::uint8_t>((v >> 8) & 0xFF));
  }
  void Text(const std::string& s) { bytes.insert(bytes.end(), s.begin(), s.end()); }

  // Data in sub-blocks of at most 255 bytes, closed by an empty block.
  void SubBlocks(const std::vector<std::uint8_t>& data) {
    for (std::size_t at = 0; at < data.size(); at += 255) {
      const std::size_t n = std::min<std::size_t>(255, data.size() - at);
      U8(static_cast<std::uint8_t>(n));
      bytes.insert(bytes.end(), data.begin() + at, data.begin() + at + n);
    }
    U8(0);
  }

  // Table size is stored as 2^(bits) entries; unused entries are black.
  void Palette(const GifPalette& palette, int bits) {
    for (int i = 0; i < (1 << bits); ++i) {
      const GifColor c = i < static_cast<int>(palette.size()) ? palette[i] : GifColor{};
      U8(c.r);
      U8(c.g);
      U8(c.b);
    }
  }

  std::vector<std::uint8_t> bytes;
};

// Bits of the table size field: the smallest power of two holding the palette, at least 2 entries.
int TableBits(const GifPalette& palette) {
  int bits = 1;
  while ((1 << bits) < static_cast<int>(palette.size()))
    ++bits;
  return bits;
}

void Fail(std::size_t frame, const std::string& what) {
  throw std::invalid_argument("GIF frame " + std::to_string(frame) + ": " + what);
}

void CheckPalette(const GifPalette& palette, const char* which) {
  if (palette.size() > 256)
    throw std::invalid_argument(std::string(which) + " colour table has more than 256 colours");
}

void CheckFrame(const GifImage& image, const GifFrame& f, std::size_t n) {
  if (f.width < 1 || f.height < 1 || f.left < 0 || f.top < 0 ||
      f.left + f.width > image.width || f.top + f.height > image.height)
    Fail(n, "area lies outside the logical screen");
  if (f.indices.size() != static_cast<std::size_t>(f.width) * f.height)
    Fail(n, "pixel count differs from width x height");
  CheckPalette(f.localPalette, "local");
  const GifPalette& palette = f.localPalette.empty() ? image.globalPalette : f.localPalette;
  if (palette.empty())
    Fail(n, "no colour table (neither global nor local)");
  const auto highest = *std::max_element(f.indices.begin(), f.indices.end());
  if (highest >= palette.size())
    Fail(n, "pixel index " + std::to_string(highest) + " outside its colour table");
  if (f.transparentIndex && *f.transparentIndex >= palette.size())
    Fail(n, "transparent index outside its colour table");
  if (f.delayCs < 0 || f.delayCs > 0xFFFF)
    Fail(n, "delay out of range");
}

// Rows in the order of the four interlace passes: every 8th from 0, every 8th
// from 4, every 4th from 2, every 2nd from 1.
std::vector<std::uint8_t> Interlace(const GifFrame& f) {
  static constexpr int kStart[] = {0, 4, 2, 1};
  static constexpr int kStep[] = {8, 8, 4, 2};
  std::vector<std::uint8_t> out;
  out.reserve(f.indices.size());
  for (int pass = 0; pass < 4; ++pass)
    for (int y = kStart[pass]; y < f.height; y += kStep[pass]) {
      const auto row = f.indices.begin() + static_cast<std::ptrdiff_t>(y) * f.width;
      out.insert(out.end(), row, row + f.width);
    }
  return out;
}

void WriteLooping(ByteWriter& w, std::uint16_t loopCount) {
  w.U8(kExtensionIntroducer);
  w.U8(kApplicationLabel);
  w.U8(11);
  w.Text("NETSCAPE2.0");
  w.U8(3);
  w.U8(1);  // sub-block id: loop count
  w.U16(loopCount);
  w.U8(0);
}

void WriteGraphicControl(ByteWriter& w, const GifFrame& f) {
  w.U8(kExtensionIntroducer);
  w.U8(kGraphicControlLabel);
  w.U8(4);
  w.U8(static_cast<std::uint8_t>(static_cast<int>(f.disposal) << 2 | (f.transparentIndex ? 1 : 0)));
  w.U16(f.delayCs);
  w.U8(f.transparentIndex.value_or(0));
  w.U8(0);
}

void WriteFrame(ByteWriter& w, const GifImage& image, const GifFrame& f) {
  if (f.delayCs != 0 || f.transparentIndex || f.disposal != GifDisposal::Unspecified)
    WriteGraphicControl(w, f);
  w.U8(kImageSeparator);
  w.U16(f.left);
  w.U16(f.top);
  w.U16(f.width);
  w.U16(f.height);
  std::uint8_t packed = f.interlaced ? kInterlaceFlag : 0;
  const GifPalette& palette = f.localPalette.empty() ? image.globalPalette : f.localPalette;
  const int bits = TableBits(palette);
  if (!f.localPalette.empty())
    packed |= kColourTableFlag | (bits - 1);
  w.U8(packed);
  if (!f.localPalette.empty())
    w.Palette(f.localPalette, bits);
  const int minCodeSize = std::max(2, bits);
  w.U8(static_cast<std::uint8_t>(minCodeSize));
  w.SubBlocks(LzwCompress(f.interlaced ? Interlace(f) : f.indices, minCodeSize));
}

} // namespace

std::vector<std::uint8_t> EncodeGif(const GifImage& image) {
  if (image.width < 1 || image.height < 1 || image.width > kMaxDimension ||
      image.height > kMaxDimension)
    throw std::invalid_argument("GIF screen size must be 1 to 65535 pixels each way");
  CheckPalette(image.globalPalette, "global");
  for (std::size_t n = 0; n < image.frames.size(); ++n)
    CheckFrame(image, image.frames[n], n);

  ByteWriter w;
  w.Text("GIF89a");
  w.U16(image.width);
  w.U16(image.height);
  const int globalBits = TableBits(image.globalPalette);
  w.U8(image.globalPalette.empty()
           ? 0
           : static_cast<std::uint8_t>(kColourTableFlag | (globalBits - 1) << 4 | (globalBits - 1)));
  w.U8(image.backgroundIndex);
  w.U8(0);  // pixel aspect ratio: not given
  if (!image.globalPalette.empty())
    w.Palette(image.globalPalette, globalBits);
  if (image.loopCount)
    WriteLooping(w, *image.loopCount);
  for (const GifFrame& f : image.frames)
    WriteFrame(w, image, f);
  w.U8(kTrailer);
  return std::move(w.bytes);
}

} // namespace artgen
