// Decodes the same GIF files with our decoder and with giflib, every frame of every
// file per round, and prints megapixels per second for both and their ratio.
//   gif_decode_bench [folder of game GIFs; default: gif/ next to the program]
#include "controls/gif/GifStream.h"
#include "tools/artgen/GifEncoder.h"

#include <gif_lib.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

using Bytes = std::vector<uint8_t>;
using Clock = std::chrono::steady_clock;

struct Sample {
    Bytes bytes;
    int frames = 0;  // images in the file: the walker wraps after them
};

struct FileSet {
    std::string name;
    std::vector<Sample> files;
};

// A 256-colour animation of moving discs over a gradient with a little grain, the
// kind of picture the games show, at a larger size.
Bytes LargeAnimation(int width, int height, int frames, bool interlaced)
{
    artgen::GifImage image;
    image.width = width;
    image.height = height;
    for (int i = 0; i < 256; ++i)
        image.globalPalette.push_back({uint8_t(i), uint8_t((i * 3) & 255), uint8_t(255 - i)});
    uint32_t seed = 7;
    for (int n = 0; n < frames; ++n) {
        artgen::GifFrame f;
        f.width = width;
        f.height = height;
        f.delayCs = 10;
        f.interlaced = interlaced;
        f.indices.resize(std::size_t(width) * height);
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x) {
                seed = seed * 1103515245u + 12345u;
                int c = (x + y + n * 8) * 128 / (width + height) + ((seed >> 16) % 16 == 0 ? 3 : 0);
                for (int d = 0; d < 3; ++d) {
                    const int cx = (n * 13 + d * width / 3) % width, cy = height / 2 + d * 40 - 40;
                    if ((x - cx) * (x - cx) + (y - cy) * (y - cy) < 60 * 60)
                        c = 160 + d * 30 + (x / 16 + y / 16) % 4;
                }
                f.indices[std::size_t(y) * width + x] = uint8_t(c & 255);
            }
        image.frames.push_back(std::move(f));
    }
    return artgen::EncodeGif(image);
}

std::vector<Bytes> GameGifs(const std::filesystem::path& folder)
{
    std::vector<Bytes> files;
    if (!std::filesystem::is_directory(folder))
        return files;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(folder))
        if (entry.path().extension() == ".gif") {
            std::ifstream in(entry.path(), std::ios::binary);
            files.emplace_back(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
        }
    return files;
}

int ReadMemory(GifFileType* gif, GifByteType* dest, int size)
{
    auto* at = static_cast<std::pair<const Bytes*, std::size_t>*>(gif->UserData);
    const std::size_t n = std::min<std::size_t>(size, at->first->size() - at->second);
    std::memcpy(dest, at->first->data() + at->second, n);
    at->second += n;
    return int(n);
}

// giflib's fastest path: each image into one reused buffer with a single
// DGifGetLine, extensions skipped. Returns the pixels decoded, or 0 on an error.
std::size_t DecodeGiflib(const Bytes& file, std::vector<GifPixelType>& buffer, int* frames = nullptr)
{
    std::pair<const Bytes*, std::size_t> at{&file, 0};
    int error = 0;
    GifFileType* gif = DGifOpen(&at, ReadMemory, &error);
    if (!gif)
        return 0;
    std::size_t pixels = 0;
    int images = 0;
    GifRecordType type;
    do {
        if (DGifGetRecordType(gif, &type) != GIF_OK)
            break;
        if (type == IMAGE_DESC_RECORD_TYPE) {
            if (DGifGetImageDesc(gif) != GIF_OK)
                break;
            const std::size_t count = std::size_t(gif->Image.Width) * gif->Image.Height;
            buffer.resize(count);
            if (DGifGetLine(gif, buffer.data(), int(count)) != GIF_OK)
                break;
            pixels += count;
            ++images;
        } else if (type == EXTENSION_RECORD_TYPE) {
            int code = 0;
            GifByteType* block = nullptr;
            if (DGifGetExtension(gif, &code, &block) != GIF_OK)
                break;
            while (block && DGifGetExtensionNext(gif, &block) == GIF_OK) {
            }
        }
    } while (type != TERMINATE_RECORD_TYPE);
    DGifCloseFile(gif, &error);
    if (frames)
        *frames = images;
    return pixels;
}

std::size_t DecodeOurs(const Sample& sample)
{
    auto stream = gif::GifStream::Open(sample.bytes);
    std::size_t pixels = 0;
    for (int n = 0; n < sample.frames; ++n)
        if (const gif::GifFrame* frame = stream->NextFrame())
            pixels += frame->pixels.size();
    return pixels;
}

struct Timing {
    double seconds = 0;
    std::size_t pixels = 0;
    double MegapixelsPerSecond() const { return pixels / seconds / 1e6; }
};

// Rounds of the whole set until `minimum` seconds passed, best of three.
template <typename Decode>
Timing Measure(const FileSet& set, Decode decode, double minimum)
{
    Timing best;
    for (int attempt = 0; attempt < 3; ++attempt) {
        Timing t;
        const auto start = Clock::now();
        do {
            for (const Sample& s : set.files)
                t.pixels += decode(s);
            t.seconds = std::chrono::duration<double>(Clock::now() - start).count();
        } while (t.seconds < minimum);
        if (attempt == 0 || t.MegapixelsPerSecond() > best.MegapixelsPerSecond())
            best = t;
    }
    return best;
}

} // namespace

int main(int argc, char** argv)
{
    const std::filesystem::path folder =
        argc > 1 ? std::filesystem::path(argv[1]) : std::filesystem::weakly_canonical(std::filesystem::absolute(argv[0])).parent_path() / "gif";
    std::vector<FileSet> sets;
    std::vector<GifPixelType> buffer;
    auto add = [&](std::string name, std::vector<Bytes> files) {
        FileSet set{std::move(name), {}};
        for (Bytes& b : files) {
            Sample s{std::move(b), 0};
            if (DecodeGiflib(s.bytes, buffer, &s.frames) > 0 && gif::GifStream::Open(s.bytes))
                set.files.push_back(std::move(s));
        }
        if (!set.files.empty())
            sets.push_back(std::move(set));
    };
    add("game GIFs (" + folder.string() + ")", GameGifs(folder));
    add("640 x 480, 20 frames", {LargeAnimation(640, 480, 20, false)});
    add("640 x 480, 20 frames, interlaced", {LargeAnimation(640, 480, 20, true)});
    add("320 x 240, 20 frames", {LargeAnimation(320, 240, 20, false)});

    std::printf("%-50s %12s %12s %8s\n", "files", "ours MP/s", "giflib MP/s", "ratio");
    double logSum = 0;
    for (const FileSet& set : sets) {
        const Timing ours = Measure(set, DecodeOurs, 0.5);
        const Timing theirs = Measure(set, [&](const Sample& s) { return DecodeGiflib(s.bytes, buffer); }, 0.5);
        const double ratio = ours.MegapixelsPerSecond() / theirs.MegapixelsPerSecond();
        logSum += std::log(ratio);
        std::printf("%-50s %12.1f %12.1f %8.2f\n", (set.name + ", " + std::to_string(set.files.size()) + " files").c_str(),
                    ours.MegapixelsPerSecond(), theirs.MegapixelsPerSecond(), ratio);
    }
    if (!sets.empty())
        std::printf("geometric mean of the ratios: %.2f (goal: at least 1.0)\n", std::exp(logSum / sets.size()));
    return 0;
}
