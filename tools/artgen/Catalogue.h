#pragma once
// Everything the generator makes, drawn in memory; main() writes it out and the
// tests compare the files with it.
#include "tools/artgen/GifImage.h"

#include <QImage>
#include <QString>

#include <cstdint>
#include <vector>

namespace artgen {

struct DrawnImage {
  int id;
  QImage image;
};

struct DrawnGif {
  QString path;  // relative, with '/' ("gif/horse/horse1.gif")
  GifImage gif;
  QColor shownOver;  // what the game dialog shows behind it, for previews
};

std::vector<DrawnImage> DrawLobbyBitmaps();
std::vector<DrawnImage> DrawDeskBitmaps();
std::vector<DrawnImage> DrawGamePictures();
std::vector<DrawnImage> DrawIcons();
std::vector<DrawnImage> DrawCursors();
std::vector<DrawnGif> DrawGameGifs();
std::vector<std::uint8_t> ClickWav();

} // namespace artgen
