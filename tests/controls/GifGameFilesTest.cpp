// Every game GIF the art generator writes (bin/gif/**.gif, the tests' working
// directory) decodes to the same pixels as giflib reads, frame by frame.
#include "controls/gif/GifStream.h"
#include "tests/artgen/GiflibReader.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

namespace {

std::vector<uint8_t> ReadFile(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

uint32_t Colour(const artgen::GifColor& c) { return 0xFF000000u | c.r << 16 | c.g << 8 | c.b; }

TEST(GifGameFilesTest, EveryGameGifDecodesLikeGiflib)
{
    std::vector<std::filesystem::path> files;
    for (const auto& entry : std::filesystem::recursive_directory_iterator("gif"))
        if (entry.path().extension() == ".gif")
            files.push_back(entry.path());
    ASSERT_FALSE(files.empty()) << "no game GIFs below " << std::filesystem::current_path();

    for (const auto& path : files) {
        SCOPED_TRACE(path.string());
        const std::vector<uint8_t> bytes = ReadFile(path);
        const auto giflib = artgen::testing::ReadWithGiflib(bytes);
        ASSERT_EQ(giflib.error, "");
        auto stream = gif::GifStream::Open(bytes);
        ASSERT_TRUE(stream);
        EXPECT_EQ(stream->Width(), giflib.image.width);
        EXPECT_EQ(stream->Height(), giflib.image.height);
        for (const artgen::GifFrame& want : giflib.image.frames) {
            SCOPED_TRACE("frame " + std::to_string(&want - giflib.image.frames.data()));
            const gif::GifFrame* got = stream->NextFrame();
            ASSERT_NE(got, nullptr);
            ASSERT_EQ(std::vector<int>({got->left, got->top, got->width, got->height}),
                      std::vector<int>({want.left, want.top, want.width, want.height}));
            for (std::size_t i = 0; i < want.indices.size(); ++i)
                ASSERT_EQ(got->palette[got->pixels[i]], Colour(want.localPalette.at(want.indices[i]))) << "pixel " << i;
            EXPECT_EQ(got->control.delayCs, want.delayCs);
            EXPECT_EQ(got->control.transparent, want.transparentIndex.has_value());
        }
    }
}

} // namespace
