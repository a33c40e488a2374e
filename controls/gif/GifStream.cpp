#include "controls/gif/GifStream.h"

#include <algorithm>
#include <cstring>

namespace gif {
namespace {

constexpr std::size_t kHeaderSize = 13;
constexpr std::size_t kDescriptorSize = 9;
constexpr uint8_t kExtensionIntroducer = 0x21;
constexpr uint8_t kImageSeparator = 0x2C;
constexpr uint8_t kTrailer = 0x3B;
constexpr uint8_t kGraphicControlLabel = 0xF9;
constexpr uint8_t kPlainTextLabel = 0x01;
constexpr uint8_t kCommentLabel = 0xFE;
constexpr uint8_t kApplicationLabel = 0xFF;
constexpr uint8_t kColourTableFlag = 0x80;
constexpr uint8_t kInterlaceFlag = 0x40;
constexpr uint8_t kTransparencyFlag = 0x01;
constexpr uint32_t kOpaque = 0xFF000000u;

int U16(const uint8_t* p) { return p[0] | p[1] << 8; }

int TableEntries(uint8_t packed) { return 2 << (packed & 7); }

// Interlaced rows arrive in four passes: every 8th row from 0, every 8th from 4,
// every 4th from 2, every 2nd from 1.
void Deinterlace(const uint8_t* rows, int width, int height, uint8_t* out)
{
    static constexpr int kStart[] = {0, 4, 2, 1};
    static constexpr int kStep[] = {8, 8, 4, 2};
    for (int pass = 0; pass < 4; ++pass)
        for (int y = kStart[pass]; y < height; y += kStep[pass], rows += width)
            std::memcpy(out + static_cast<std::size_t>(y) * width, rows, width);
}

} // namespace

std::optional<GifStream> GifStream::Open(std::vector<uint8_t> file, std::size_t maxPixels)
{
    if (file.size() < kHeaderSize || std::memcmp(file.data(), "GIF8", 4) != 0 ||
        (file[4] != '7' && file[4] != '9') || file[5] != 'a')
        return std::nullopt;
    GifStream s;
    s.width_ = U16(&file[6]);
    s.height_ = U16(&file[8]);
    if (static_cast<std::size_t>(s.width_) * s.height_ > maxPixels)
        return std::nullopt;
    s.maxPixels_ = maxPixels;
    s.dataStart_ = kHeaderSize;
    if (file[10] & kColourTableFlag) {
        const int entries = TableEntries(file[10]);
        if (file.size() - kHeaderSize < 3u * entries)
            return std::nullopt;
        s.file_ = std::move(file);
        s.ReadPalette(kHeaderSize, entries, s.globalPalette_);
        s.dataStart_ += 3u * entries;
    } else {
        s.file_ = std::move(file);
        s.globalPalette_.fill(kOpaque);
    }
    s.pos_ = s.dataStart_;
    return s;
}

void GifStream::ReadPalette(std::size_t at, int entries, std::array<uint32_t, 256>& palette) const
{
    const uint8_t* rgb = &file_[at];
    for (int i = 0; i < entries; ++i, rgb += 3)
        palette[i] = kOpaque | uint32_t{rgb[0]} << 16 | uint32_t{rgb[1]} << 8 | rgb[2];
    // An index past the table draws as its first colour instead of reading past it.
    std::fill(palette.begin() + entries, palette.end(), palette[0]);
}

const GifFrame* GifStream::Rewind()
{
    pos_ = dataStart_;
    return nullptr;
}

const GifFrame* GifStream::NextFrame()
{
    // One wrap per call: a stream with a trailer and no image must not walk forever.
    bool wrapped = false;
    while (pos_ < file_.size()) {
        switch (file_[pos_++]) {
        case 0x00:
            break;
        case kExtensionIntroducer:
            if (!ReadExtension())
                return nullptr;
            break;
        case kImageSeparator:
            return ReadImage();
        case kTrailer:
            if (wrapped)
                return Rewind();
            wrapped = true;
            pos_ = dataStart_;
            break;
        default:
            return nullptr;
        }
    }
    return Rewind();
}

bool GifStream::ReadExtension()
{
    if (pos_ >= file_.size()) {
        Rewind();
        return false;
    }
    const uint8_t label = file_[pos_++];
    switch (label) {
    case kGraphicControlLabel:
        // Block size 4: packed byte, delay (u16), transparent index.
        if (pos_ + 5 <= file_.size() && file_[pos_] >= 4) {
            const uint8_t* p = &file_[pos_ + 1];
            control_.disposal = p[0] & kDisposalMask;
            control_.transparent = p[0] & kTransparencyFlag;
            control_.delayCs = static_cast<uint16_t>(U16(p + 1));
            control_.transparentIndex = p[3];
        }
        return SkipSubBlocks();
    case kPlainTextLabel:
    case kCommentLabel:
    case kApplicationLabel:
        return SkipSubBlocks();
    default:
        // An unknown extension gives no frame for this step; its sub-blocks are
        // skipped so that their bytes are not read as blocks.
        SkipSubBlocks();
        return false;
    }
}

bool GifStream::SkipSubBlocks()
{
    while (pos_ < file_.size()) {
        const uint8_t length = file_[pos_++];
        if (length == 0)
            return true;
        pos_ += length;
    }
    Rewind();
    return false;
}

void GifStream::JoinSubBlocks()
{
    codes_.clear();
    while (pos_ < file_.size()) {
        const uint8_t length = file_[pos_++];
        if (length == 0)
            return;
        const std::size_t n = std::min<std::size_t>(length, file_.size() - pos_);
        codes_.insert(codes_.end(), file_.begin() + pos_, file_.begin() + pos_ + n);
        pos_ += n;
    }
}

const GifFrame* GifStream::ReadImage()
{
    if (file_.size() - pos_ < kDescriptorSize)
        return Rewind();
    const uint8_t* d = &file_[pos_];
    const int left = U16(d), top = U16(d + 2), width = U16(d + 4), height = U16(d + 6);
    const uint8_t packed = d[8];
    pos_ += kDescriptorSize;
    const std::size_t localTable = pos_;
    if (packed & kColourTableFlag) {
        const std::size_t bytes = 3u * TableEntries(packed);
        if (file_.size() - pos_ < bytes)
            return Rewind();
        pos_ += bytes;
    }
    if (pos_ >= file_.size())
        return Rewind();
    const int minCodeSize = file_[pos_++];
    JoinSubBlocks();

    const std::size_t count = static_cast<std::size_t>(width) * height;
    if (count == 0 || count > maxPixels_)
        return nullptr;
    const bool interlaced = packed & kInterlaceFlag;
    std::vector<uint8_t>& pixels = frame_.pixels;
    std::vector<uint8_t>& target = interlaced ? interlaced_ : pixels;
    target.resize(count + GifLzw::kOutputSlack);
    if (!lzw_.Decode(minCodeSize, codes_.data(), codes_.size(), target.data(), count))
        return nullptr;
    pixels.resize(count);
    if (interlaced)
        Deinterlace(interlaced_.data(), width, height, pixels.data());

    frame_.left = left;
    frame_.top = top;
    frame_.width = width;
    frame_.height = height;
    frame_.control = control_;
    if (packed & kColourTableFlag)
        ReadPalette(localTable, TableEntries(packed), frame_.palette);
    else
        frame_.palette = globalPalette_;
    return &frame_;
}

} // namespace gif
