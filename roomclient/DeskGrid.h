#pragma once
// The grid in which a ground view lays out its 100 desks: as many columns of the cell
// width as the view's width holds, the columns widened to share the width evenly and
// each cell centred in its column.
#include <QRect>

#include <optional>

class CDeskGrid {
public:
    static constexpr int kDesks = 100;

    // Nothing when not even one cell fits (the view then keeps what it had).
    static std::optional<CDeskGrid> FromWidth(int width, int cellWidth, int cellHeight);

    int Columns() const { return columns_; }
    int ColumnWidth() const { return columnWidth_; }
    int Rows() const { return rows_; }
    int Margin() const { return margin_; }
    int Height() const { return rows_ * cellHeight_; }

    // Cell of desk n (1 to 100).
    QRect Cell(int desk) const;
    // The desk whose column band holds the point, 0 in the margins or below the last desk.
    int DeskAt(int x, int y) const;

    bool operator==(const CDeskGrid&) const = default;

private:
    CDeskGrid(int columns, int columnWidth, int cellWidth, int cellHeight);

    int columns_;
    int columnWidth_;
    int cellWidth_;
    int cellHeight_;
    int rows_;
    int margin_;
};
