#pragma once
// Dialog units to pixels: a horizontal unit is a quarter of the font's average
// character width, a vertical unit an eighth of its height (as Windows measures the
// dialog font: the width of "A".."Z" "a".."z" over 52, rounded, and the cell height).
#include <QFont>
#include <QRect>
#include <QSize>

namespace platform {

class DialogUnits {
public:
    explicit DialogUnits(const QFont& font);
    DialogUnits(int baseX, int baseY) : baseX_(baseX), baseY_(baseY) {}

    int BaseX() const { return baseX_; }
    int BaseY() const { return baseY_; }
    int X(int units) const { return Scale(units, baseX_, 4); }
    int Y(int units) const { return Scale(units, baseY_, 8); }
    QRect Rect(int x, int y, int width, int height) const { return {X(x), Y(y), X(width), Y(height)}; }
    QSize Size(int width, int height) const { return {X(width), Y(height)}; }

private:
    // MulDiv: rounded to the nearest pixel.
    static int Scale(int value, int base, int divisor);

    int baseX_;
    int baseY_;
};

} // namespace platform
