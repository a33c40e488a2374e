#pragma once
// The player list's header: headings in light text over stretched bitmaps, the one
// under a pressed mouse button in the pressed bitmap, and a triangle on the heading
// the list is sorted by (pointing down for ascending, up for descending).
#include <QFont>
#include <QHeaderView>
#include <QPixmap>

class CSWHeadCtrl : public QHeaderView {
    Q_OBJECT
public:
    explicit CSWHeadCtrl(QWidget* parent = nullptr);

    void SetBitmaps(const QPixmap& normal, const QPixmap& pressed);
    // The heading that carries the sort mark; -1 for none.
    void SetSortMark(int column, bool ascending);
    int SortColumn() const { return sortColumn_; }
    bool SortAscending() const { return ascending_; }

    static const QColor kTextColour;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    // Draws heading `column` in `rect`; -1 is the empty area right of the last heading.
    void PaintHeading(QPainter& painter, const QRect& rect, int column) const;
    void PaintSortMark(QPainter& painter, const QRect& square) const;

    QPixmap normal_;
    QPixmap pressed_;
    QFont font_;
    bool buttonDown_ = false;
    QPoint mousePos_;
    int sortColumn_ = -1;
    bool ascending_ = true;
};
