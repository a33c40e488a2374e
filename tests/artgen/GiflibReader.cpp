#include "tests/artgen/GiflibReader.h"

#include <gif_lib.h>

#include <cstring>

namespace artgen::testing {
namespace {

struct Source {
  const std::vector<std::uint8_t>* bytes;
  std::size_t at = 0;
};

int ReadFromMemory(GifFileType* gif, GifByteType* dest, int size) {
  auto* src = static_cast<Source*>(gif->UserData);
  const std::size_t n = std::min<std::size_t>(size, src->bytes->size() - src->at);
  std::memcpy(dest, src->bytes->data() + src->at, n);
  src->at += n;
  return static_cast<int>(n);
}

GifPalette ToPalette(const ColorMapObject* map) {
  GifPalette palette;
  if (!map)
    return palette;
  for (int i = 0; i < map->ColorCount; ++i)
    palette.push_back({map->Colors[i].Red, map->Colors[i].Green, map->Colors[i].Blue});
  return palette;
}

// The looping extension sits before the first image, so giflib hangs it on frame 0.
void ReadLooping(const SavedImage& first, GifImage& image) {
  for (int i = 0; i + 1 < first.ExtensionBlockCount; ++i) {
    const ExtensionBlock& app = first.ExtensionBlocks[i];
    const ExtensionBlock& data = first.ExtensionBlocks[i + 1];
    if (app.Function == APPLICATION_EXT_FUNC_CODE && app.ByteCount == 11 &&
        std::memcmp(app.Bytes, "NETSCAPE2.0", 11) == 0 && data.ByteCount == 3 && data.Bytes[0] == 1)
      image.loopCount = static_cast<std::uint16_t>(data.Bytes[1] | data.Bytes[2] << 8);
  }
}

} // namespace

GiflibDecoded ReadWithGiflib(const std::vector<std::uint8_t>& bytes) {
  GiflibDecoded out;
  Source source{&bytes};
  int error = 0;
  GifFileType* gif = DGifOpen(&source, ReadFromMemory, &error);
  if (!gif) {
    out.error = GifErrorString(error);
    return out;
  }
  if (DGifSlurp(gif) != GIF_OK) {
    out.error = GifErrorString(gif->Error);
    DGifCloseFile(gif, &error);
    return out;
  }
  out.image.width = gif->SWidth;
  out.image.height = gif->SHeight;
  out.image.backgroundIndex = static_cast<std::uint8_t>(gif->SBackGroundColor);
  out.image.globalPalette = ToPalette(gif->SColorMap);
  for (int n = 0; n < gif->ImageCount; ++n) {
    const SavedImage& saved = gif->SavedImages[n];
    GifFrame f;
    f.left = saved.ImageDesc.Left;
    f.top = saved.ImageDesc.Top;
    f.width = saved.ImageDesc.Width;
    f.height = saved.ImageDesc.Height;
    f.interlaced = saved.ImageDesc.Interlace;
    f.indices.assign(saved.RasterBits, saved.RasterBits + f.width * f.height);
    out.hasLocalTable.push_back(saved.ImageDesc.ColorMap != nullptr);
    f.localPalette = ToPalette(saved.ImageDesc.ColorMap ? saved.ImageDesc.ColorMap : gif->SColorMap);
    GraphicsControlBlock gcb;
    if (DGifSavedExtensionToGCB(gif, n, &gcb) == GIF_OK) {
      f.delayCs = gcb.DelayTime;
      f.disposal = static_cast<GifDisposal>(gcb.DisposalMode);
      if (gcb.TransparentColor != NO_TRANSPARENT_COLOR)
        f.transparentIndex = static_cast<std::uint8_t>(gcb.TransparentColor);
    }
    out.image.frames.push_back(std::move(f));
  }
  if (gif->ImageCount > 0)
    ReadLooping(gif->SavedImages[0], out.image);
  DGifCloseFile(gif, &error);
  return out;
}

} // namespace artgen::testing
