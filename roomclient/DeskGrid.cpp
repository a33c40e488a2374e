#include "roomclient/DeskGrid.h"

std::optional<CDeskGrid> CDeskGrid::FromWidth(int width, int cellWidth, int cellHeight)
{
    if (cellWidth <= 0 || cellHeight <= 0 || width < cellWidth)
        return std::nullopt;
    const int columns = width / cellWidth;
    return CDeskGrid(columns, width / columns, cellWidth, cellHeight);
}

CDeskGrid::CDeskGrid(int columns, int columnWidth, int cellWidth, int cellHeight)
    : columns_(columns),
      columnWidth_(columnWidth),
      cellWidth_(cellWidth),
      cellHeight_(cellHeight),
      rows_(kDesks / columns + (kDesks % columns != 0 ? 1 : 0)),
      margin_((columnWidth - cellWidth) / 2)
{
}

QRect CDeskGrid::Cell(int desk) const
{
    const int row = (desk - 1) / columns_;
    const int column = (desk - 1) % columns_;
    return QRect(column * columnWidth_ + margin_, row * cellHeight_, cellWidth_, cellHeight_);
}

int CDeskGrid::DeskAt(int x, int y) const
{
    if (x < 0 || y < 0)
        return 0;
    const int r = x % columnWidth_;
    if (!(margin_ < r && r < columnWidth_ - margin_))
        return 0;
    const int column = x / columnWidth_;
    if (column >= columns_)
        return 0;
    const int desk = column + (y / cellHeight_) * columns_ + 1;
    return desk <= kDesks ? desk : 0;
}
