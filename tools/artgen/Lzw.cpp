#include "tools/artgen/Lzw.h"

#include <stdexcept>
#include <unordered_map>

namespace artgen {
namespace {

constexpr int kMaxCodeBits = 12;
// The last code a table takes before a clear. Like giflib we clear one code early,
// so that no reader ever sees a full 4096-entry table.
constexpr int kLastCode = (1 << kMaxCodeBits) - 2;

class CodeWriter {
public:
  explicit CodeWriter(std::vector<std::uint8_t>& out) : m_out(out) {}

  void Put(int code, int bits) {
    m_acc |= static_cast<std::uint32_t>(code) << m_accBits;
    m_accBits += bits;
    while (m_accBits >= 8) {
      m_out.push_back(static_cast<std::uint8_t>(m_acc & 0xFF));
      m_acc >>= 8;
      m_accBits -= 8;
    }
  }

  void Flush() {
    if (m_accBits > 0)
      m_out.push_back(static_cast<std::uint8_t>(m_acc & 0xFF));
    m_acc = 0;
    m_accBits = 0;
  }

private:
  std::vector<std::uint8_t>& m_out;
  std::uint32_t m_acc = 0;
  int m_accBits = 0;
};

} // namespace

std::vector<std::uint8_t> LzwCompress(std::span<const std::uint8_t> indices, int minCodeSize) {
  if (minCodeSize < 2 || minCodeSize > 8)
    throw std::invalid_argument("LZW minimum code size must be 2 to 8");
  const int clearCode = 1 << minCodeSize;
  const int endCode = clearCode + 1;

  std::vector<std::uint8_t> out;
  CodeWriter writer(out);
  std::unordered_map<std::uint32_t, int> table;  // (prefix code << 8 | index) -> code
  table.reserve(1 << kMaxCodeBits);
  int codeBits = minCodeSize + 1;
  int nextCode = endCode + 1;

  // A reader widens its codes one code after the table reaches the next power of
  // two (it adds each entry one code late), so widen after emitting, before adding.
  auto emit = [&](int code) {
    writer.Put(code, codeBits);
    if (nextCode >= (1 << codeBits) && codeBits < kMaxCodeBits)
      ++codeBits;
  };
  auto restart = [&] {
    emit(clearCode);
    table.clear();
    codeBits = minCodeSize + 1;
    nextCode = endCode + 1;
  };

  restart();
  if (!indices.empty()) {
    int prefix = -1;
    for (std::uint8_t index : indices) {
      if (index >= clearCode)
        throw std::invalid_argument("pixel index outside the colour table");
      if (prefix < 0) {
        prefix = index;
        continue;
      }
      const std::uint32_t key = static_cast<std::uint32_t>(prefix) << 8 | index;
      if (auto it = table.find(key); it != table.end()) {
        prefix = it->second;
        continue;
      }
      emit(prefix);
      if (nextCode <= kLastCode)
        table.emplace(key, nextCode++);
      else
        restart();
      prefix = index;
    }
    emit(prefix);
  }
  emit(endCode);
  writer.Flush();
  return out;
}

} // namespace artgen
