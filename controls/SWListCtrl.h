#pragma once
// The player list of a room: a report list that keeps its own copy of every cell's
// text with a text and background colour per cell, sorts by a clicked heading
// (numbers, dates and text each in their own way), can pin rows to the top in their
// own colours, and reports a double-clicked row by the text of one chosen column.
#include <QColor>
#include <QString>
#include <QStringList>
#include <QTreeWidget>

class CSWHeadCtrl;

class CSWListCtrl : public QTreeWidget {
    Q_OBJECT
public:
    explicit CSWListCtrl(QWidget* parent = nullptr);
    ~CSWListCtrl() override;

    // Columns from "name,width;name,width;...": each entry up to the next ',' is a
    // name, the number up to the next ';' (or the end) its width.
    bool SetHeadings(const QString& columns);
    // Appends a row with one text per column; returns its index.
    int AddItem(const QStringList& texts);
    // False for a row or column outside the list.
    bool SetItemText(int row, int column, const QString& text);
    // The first row whose text in `column` is exactly `text`; -1 for none.
    int FindItem(int column, const QString& text) const;
    void DeleteItemByText(int column, const QString& text);
    // Pins the row with that text first, in the pinned colours, and sorts by column 0.
    void HighlightItem(int column, const QString& text);
    // The column whose text a double-click reports; -1 reports nothing.
    void SetDblClkColumn(int column) { dblClkColumn_ = column; }
    void Sort(int column, bool ascending);
    // Colour of the list's empty area, and of a row right of its last column.
    void SetBkColor(const QColor& colour);
    void SetTextBkColor(const QColor& colour);

    int RowCount() const { return topLevelItemCount(); }
    int ColumnCount() const { return columnCount_; }
    QString ItemText(int row, int column) const;
    int SortColumn() const { return sortColumn_; }
    bool SortAscending() const { return ascending_; }
    CSWHeadCtrl* HeadCtrl() const { return head_; }

    // Order of two sort texts: below 0 when `a` goes first. The form of `a` chooses the
    // comparison: digits only by value, nn/nn/nnnn as a date, anything else as text.
    static int CompareTexts(const QString& a, const QString& b);

    static const QColor kTextColour;
    static const QColor kBackColour;
    static const QColor kPinnedTextColour;
    static const QColor kPinnedBackColour;

signals:
    // A double-clicked row's text in the double-click column (WM_USER+201).
    void ItemDoubleClicked(const QString& text);

protected:
    void drawRow(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    class Row;

    Row* RowAt(int row) const;
    void OnColumnClick(int column);
    // Below 0 when `first` goes before `second` in the current sort.
    int CompareRows(const Row& first, const Row& second) const;

    CSWHeadCtrl* head_;
    int columnCount_ = 0;
    int sortColumn_ = -1;
    bool ascending_ = true;
    int dblClkColumn_ = -1;
    QColor textBackColour_;
};
