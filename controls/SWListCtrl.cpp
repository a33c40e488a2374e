#include "controls/SWListCtrl.h"

#include "controls/SWHeadCtrl.h"

#include <QMouseEvent>
#include <QPainter>

#include <algorithm>
#include <climits>
#include <utility>
#include <vector>

const QColor CSWListCtrl::kTextColour(255, 255, 255);
const QColor CSWListCtrl::kBackColour(100, 150, 200);
const QColor CSWListCtrl::kPinnedTextColour(255, 255, 255);
const QColor CSWListCtrl::kPinnedBackColour(100, 120, 100);

// A row's own copies of its texts and its cell colours, owned by the list as its item.
class CSWListCtrl::Row : public QTreeWidgetItem {
public:
    Row(const QStringList& cells, int columns)
        : texts(cells.mid(0, columns)),
          textColours(static_cast<size_t>(columns), kTextColour),
          backColours(static_cast<size_t>(columns), kBackColour)
    {
        while (texts.size() < columns)
            texts.append(QString());
        for (int column = 0; column < columns; ++column)
            setText(column, texts[column]);
    }

    QStringList texts;
    std::vector<QColor> textColours;
    std::vector<QColor> backColours;
    bool pinned = false;
};

namespace {

bool IsDigit(QChar c) { return c >= QLatin1Char('0') && c <= QLatin1Char('9'); }

bool IsDigits(QStringView text) { return std::all_of(text.begin(), text.end(), IsDigit); }

// nn/nn/nnnn
bool IsDate(QStringView text)
{
    if (text.size() != 10)
        return false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const bool slash = i == 2 || i == 5;
        if (slash ? text[i] != QLatin1Char('/') : !IsDigit(text[i]))
            return false;
    }
    return true;
}

// atoi, but a value beyond the int range stops at its bound instead of overflowing.
int Atoi(QStringView text)
{
    qsizetype i = 0;
    while (i < text.size() && (text[i] == QLatin1Char(' ') || (text[i] >= QLatin1Char('\t') && text[i] <= QLatin1Char('\r'))))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == QLatin1Char('+') || text[i] == QLatin1Char('-')))
        negative = text[i++] == QLatin1Char('-');
    long long value = 0;
    for (; i < text.size() && IsDigit(text[i]); ++i)
        value = std::min<long long>(value * 10 + (text[i].unicode() - '0'), 1LL + INT_MAX);
    return static_cast<int>(std::clamp<long long>(negative ? -value : value, INT_MIN, INT_MAX));
}

int Sign(long long difference) { return (difference > 0) - (difference < 0); }

} // namespace

CSWListCtrl::CSWListCtrl(QWidget* parent) : QTreeWidget(parent), head_(new CSWHeadCtrl(this))
{
    setHeader(head_);
    setColumnCount(0);
    // The view resets its header's options when it takes it.
    head_->setSectionsClickable(true);
    head_->setStretchLastSection(false);
    setRootIsDecorated(false);
    setItemsExpandable(false);
    setIndentation(0);
    setUniformRowHeights(true);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setAllColumnsShowFocus(true);
    connect(head_, &QHeaderView::sectionClicked, this, &CSWListCtrl::OnColumnClick);
}

CSWListCtrl::~CSWListCtrl() = default;

bool CSWListCtrl::SetHeadings(const QString& columns)
{
    qsizetype pos = 0;
    for (;;) {
        const qsizetype comma = columns.indexOf(QLatin1Char(','), pos);
        if (comma < 0)
            return true;
        qsizetype semicolon = columns.indexOf(QLatin1Char(';'), comma + 1);
        if (semicolon < 0)
            semicolon = columns.size();
        const int column = columnCount_++;
        setColumnCount(columnCount_);
        QTreeWidgetItem* heading = headerItem();
        heading->setText(column, columns.mid(pos, comma - pos));
        heading->setTextAlignment(column, Qt::AlignLeft | Qt::AlignVCenter);
        setColumnWidth(column, std::max(0, Atoi(QStringView(columns).mid(comma + 1, semicolon - comma - 1))));
        pos = semicolon + 1;
    }
}

int CSWListCtrl::AddItem(const QStringList& texts)
{
    addTopLevelItem(new Row(texts, columnCount_));
    return topLevelItemCount() - 1;
}

CSWListCtrl::Row* CSWListCtrl::RowAt(int row) const
{
    return static_cast<Row*>(topLevelItem(row));
}

bool CSWListCtrl::SetItemText(int row, int column, const QString& text)
{
    Row* item = RowAt(row);
    if (!item || column < 0 || column >= columnCount_)
        return false;
    item->setText(column, text);
    item->texts[column] = text;
    return true;
}

QString CSWListCtrl::ItemText(int row, int column) const
{
    const Row* item = RowAt(row);
    return item ? item->text(column) : QString();
}

int CSWListCtrl::FindItem(int column, const QString& text) const
{
    if (column < 0 || column >= columnCount_)
        return -1;
    for (int row = 0; row < RowCount(); ++row) {
        if (RowAt(row)->texts[column] == text)
            return row;
    }
    return -1;
}

void CSWListCtrl::DeleteItemByText(int column, const QString& text)
{
    const int row = FindItem(column, text);
    if (row >= 0)
        delete takeTopLevelItem(row);
}

void CSWListCtrl::HighlightItem(int column, const QString& text)
{
    const int found = FindItem(column, text);
    if (found < 0)
        return;
    Row* row = RowAt(found);
    row->pinned = true;
    std::fill(row->textColours.begin(), row->textColours.end(), kPinnedTextColour);
    std::fill(row->backColours.begin(), row->backColours.end(), kPinnedBackColour);
    viewport()->update();
    Sort(0, true);
}

void CSWListCtrl::SetBkColor(const QColor& colour)
{
    QPalette colours = palette();
    colours.setColor(QPalette::Base, colour);
    setPalette(colours);
}

void CSWListCtrl::SetTextBkColor(const QColor& colour)
{
    textBackColour_ = colour;
    viewport()->update();
}

void CSWListCtrl::OnColumnClick(int column)
{
    Sort(column, column != sortColumn_ || !ascending_);
}

void CSWListCtrl::Sort(int column, bool ascending)
{
    sortColumn_ = column;
    ascending_ = ascending;
    head_->SetSortMark(column, ascending);

    const QList<QTreeWidgetItem*> selected = selectedItems();
    QList<QTreeWidgetItem*> rows = invisibleRootItem()->takeChildren();
    // The comparison is not a strict order (the first text's form chooses it, and a
    // pinned row goes first even against itself), so a plain insertion sort is used:
    // it stays inside the list whatever the comparison answers.
    for (qsizetype i = 1; i < rows.size(); ++i) {
        QTreeWidgetItem* moving = rows[i];
        qsizetype j = i;
        for (; j > 0 && CompareRows(*static_cast<Row*>(moving), *static_cast<Row*>(rows[j - 1])) < 0; --j)
            rows[j] = rows[j - 1];
        rows[j] = moving;
    }
    addTopLevelItems(rows);
    for (QTreeWidgetItem* item : selected)
        item->setSelected(true);
}

int CSWListCtrl::CompareRows(const Row& first, const Row& second) const
{
    if (first.pinned)
        return -1;
    if (second.pinned)
        return 1;
    QString a = first.texts.value(sortColumn_);
    QString b = second.texts.value(sortColumn_);
    if (!ascending_)
        std::swap(a, b);
    return CompareTexts(a, b);
}

int CSWListCtrl::CompareTexts(const QString& a, const QString& b)
{
    if (IsDigits(a))
        return Sign(static_cast<long long>(Atoi(a)) - Atoi(b));
    if (IsDate(a)) {
        // Year, then month, then day; `b` is read by the same fields whatever its form.
        static constexpr std::pair<int, int> kFields[] = {{6, 4}, {3, 2}, {0, 2}};
        for (const auto& [pos, length] : kFields) {
            const int difference = Sign(static_cast<long long>(Atoi(QStringView(a).mid(pos, length))) -
                                        Atoi(QStringView(b).mid(pos, length)));
            if (difference != 0)
                return difference;
        }
        return 0;
    }
    return Sign(QString::localeAwareCompare(a, b));
}

void CSWListCtrl::drawRow(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    const Row* row = static_cast<const Row*>(itemFromIndex(index));
    if (!row)
        return;
    const bool selected = selectionModel()->isRowSelected(index.row(), index.parent());
    int end = 0;
    painter->save();
    for (int column = 0; column < columnCount_; ++column) {
        if (isColumnHidden(column))
            continue;
        const QRect cell(columnViewportPosition(column), option.rect.y(), columnWidth(column), option.rect.height());
        end = std::max(end, cell.x() + cell.width());
        painter->fillRect(cell, selected ? palette().color(QPalette::Highlight) : row->backColours[column]);
        const QString text = row->text(column);
        if (text.isEmpty())
            continue;
        painter->setPen(selected ? palette().color(QPalette::HighlightedText) : row->textColours[column]);
        const Qt::Alignment align = Qt::Alignment(headerItem()->textAlignment(column)) & Qt::AlignHorizontal_Mask;
        painter->drawText(cell, align | Qt::AlignVCenter | Qt::TextSingleLine, text);
    }
    if (textBackColour_.isValid() && end < viewport()->width())
        painter->fillRect(QRect(end, option.rect.y(), viewport()->width() - end, option.rect.height()), textBackColour_);
    painter->restore();
}

void CSWListCtrl::mouseDoubleClickEvent(QMouseEvent* event)
{
    // Without a chosen column the double-click goes nowhere.
    if (dblClkColumn_ < 0)
        return;
    for (int row = 0; row < RowCount(); ++row) {
        if (!RowAt(row)->isSelected())
            continue;
        const QString text = ItemText(row, dblClkColumn_);
        if (!text.isEmpty())
            emit ItemDoubleClicked(text);
        break;
    }
    QTreeWidget::mouseDoubleClickEvent(event);
}
