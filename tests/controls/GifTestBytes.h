#pragma once
// Helpers for the GIF decoder tests: hand-written files block by block, code streams
// packed from (code, width) pairs, and fixtures written with the art encoder.
#include "controls/gif/GifStream.h"
#include "tools/artgen/GifEncoder.h"

#include <cstdint>
#include <algorithm>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

namespace giftest {

using Bytes = std::vector<uint8_t>;

inline Bytes operator+(Bytes a, const Bytes& b)
{
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

// Signature, logical screen and, when `rgb` is not empty, a global table of its
// colours (0xRRGGBB; the count must be a power of two from 2 to 256).
inline Bytes Header(const std::string& signature, int width, int height, const std::vector<uint32_t>& rgb)
{
    Bytes b(signature.begin(), signature.end());
    int bits = 0;
    while ((2u << bits) < rgb.size())
        ++bits;
    b.insert(b.end(), {uint8_t(width), uint8_t(width >> 8), uint8_t(height), uint8_t(height >> 8),
                       uint8_t(rgb.empty() ? 0 : 0x80 | bits), 0, 0});
    for (uint32_t c : rgb)
        b.insert(b.end(), {uint8_t(c >> 16), uint8_t(c >> 8), uint8_t(c)});
    return b;
}

// Codes packed least-significant bit first, each with the width given beside it.
inline Bytes PackCodes(const std::vector<std::pair<uint32_t, int>>& codes)
{
    Bytes out;
    uint64_t buffer = 0;
    int held = 0;
    for (auto [code, width] : codes) {
        buffer |= uint64_t{code} << held;
        held += width;
        while (held >= 8) {
            out.push_back(uint8_t(buffer));
            buffer >>= 8;
            held -= 8;
        }
    }
    if (held > 0)
        out.push_back(uint8_t(buffer));
    return out;
}

// `data` in sub-blocks of at most 255 bytes and the terminator.
inline Bytes SubBlocks(const Bytes& data)
{
    Bytes out;
    for (std::size_t at = 0; at < data.size(); at += 255) {
        const std::size_t n = std::min<std::size_t>(255, data.size() - at);
        out.push_back(uint8_t(n));
        out.insert(out.end(), data.begin() + at, data.begin() + at + n);
    }
    out.push_back(0);
    return out;
}

// Image descriptor without local table, then the code stream.
inline Bytes Image(int left, int top, int width, int height, uint8_t packed, uint8_t minCodeSize, const Bytes& codes)
{
    Bytes b{0x2C, uint8_t(left), uint8_t(left >> 8), uint8_t(top), uint8_t(top >> 8),
            uint8_t(width), uint8_t(width >> 8), uint8_t(height), uint8_t(height >> 8), packed, minCodeSize};
    return b + SubBlocks(codes);
}

inline Bytes GraphicControl(uint8_t packed, uint16_t delayCs, uint8_t transparentIndex)
{
    return {0x21, 0xF9, 4, packed, uint8_t(delayCs), uint8_t(delayCs >> 8), transparentIndex, 0};
}

// Four pixels 0, 1, 2, 3 with minimum code size 2: clear (4), the four colours and
// the end code (5); the width grows from 3 to 4 bits once codes 6 and 7 are taken.
inline Bytes FourPixelCodes()
{
    return PackCodes({{4, 3}, {0, 3}, {1, 3}, {2, 3}, {3, 4}, {5, 4}});
}

inline const std::vector<uint32_t> kFourColours = {0xFF0000, 0x00FF00, 0x0000FF, 0xFFFFFF};

// Encoder fixtures, built field by field.
inline artgen::GifFrame EncFrame(int left, int top, int width, int height, std::vector<uint8_t> indices, int delayCs = 0)
{
    artgen::GifFrame f;
    f.left = left;
    f.top = top;
    f.width = width;
    f.height = height;
    f.indices = std::move(indices);
    f.delayCs = delayCs;
    return f;
}

inline artgen::GifImage EncImage(int width, int height, artgen::GifPalette global, std::vector<artgen::GifFrame> frames)
{
    artgen::GifImage image;
    image.width = width;
    image.height = height;
    image.globalPalette = std::move(global);
    image.frames = std::move(frames);
    return image;
}

inline uint32_t Opaque(uint32_t rgb) { return 0xFF000000u | rgb; }

inline gif::GifStream OpenOrDie(Bytes bytes)
{
    auto stream = gif::GifStream::Open(std::move(bytes));
    if (!stream)
        throw std::runtime_error("fixture refused");
    return std::move(*stream);
}

} // namespace giftest
