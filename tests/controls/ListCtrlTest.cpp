// The player list: headings from their column text, the sort comparison and sorting by
// heading clicks with the pinned row first, cell operations, the double-click report,
// and the painting of cells and headings.
#include "controls/SWHeadCtrl.h"
#include "controls/SWListCtrl.h"

#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>
#include <set>
#include <vector>

namespace {

QPixmap Solid(const QColor& colour)
{
    QPixmap pixmap(137, 17);
    pixmap.fill(colour);
    return pixmap;
}

const QColor kNormalHeading(20, 40, 60);
const QColor kPressedHeading(60, 40, 20);

class ListCtrlTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        top = std::make_unique<QWidget>();
        top->resize(300, 300);
        list = new CSWListCtrl(top.get());
        list->setGeometry(0, 0, 300, 300);
        list->SetHeadings(QStringLiteral("用户名称,100;积分,110;"));
        list->HeadCtrl()->SetBitmaps(Solid(kNormalHeading), Solid(kPressedHeading));
        list->SetDblClkColumn(0);
        top->show();
    }
    void AddPlayers(const std::vector<std::pair<const char*, const char*>>& players)
    {
        for (const auto& [name, points] : players)
            list->AddItem({QString::fromUtf8(name), QString::fromUtf8(points)});
    }
    QStringList Column(int column) const
    {
        QStringList texts;
        for (int row = 0; row < list->RowCount(); ++row)
            texts << list->ItemText(row, column);
        return texts;
    }
    QPoint HeadingCentre(int column) const
    {
        const CSWHeadCtrl* head = list->HeadCtrl();
        return {head->sectionViewportPosition(column) + head->sectionSize(column) / 2, head->height() / 2};
    }
    void ClickHeading(int column) { QTest::mouseClick(list->HeadCtrl()->viewport(), Qt::LeftButton, {}, HeadingCentre(column)); }
    QRect CellRect(int row, int column) const { return list->visualRect(list->model()->index(row, column)); }
    QColor CellPixel(int row, int column) const
    {
        const QRect cell = CellRect(row, column);
        // Near the right edge of the cell, away from its text.
        return list->viewport()->grab().toImage().pixelColor(cell.right() - 2, cell.center().y());
    }

    std::unique_ptr<QWidget> top;
    CSWListCtrl* list = nullptr;
};

TEST(ListHeadings, ParsedFromTheirColumnText)
{
    struct Case {
        const char* name;
        QString columns;
        QStringList headings;
        std::vector<int> widths;
    };
    const Case cases[] = {
        {"room window's columns", QStringLiteral("用户名称,100;积分,110;"), {QStringLiteral("用户名称"), QStringLiteral("积分")}, {100, 110}},
        {"last width without ';'", QStringLiteral("a,30;b,40"), {QStringLiteral("a"), QStringLiteral("b")}, {30, 40}},
        {"no ',' makes no column", QStringLiteral("name;100;"), {}, {}},
        {"width that is no number", QStringLiteral("x,wide;"), {QStringLiteral("x")}, {0}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        CSWListCtrl list;
        EXPECT_TRUE(list.SetHeadings(c.columns));
        ASSERT_EQ(list.ColumnCount(), c.headings.size());
        for (int column = 0; column < list.ColumnCount(); ++column) {
            EXPECT_EQ(list.headerItem()->text(column), c.headings[column]);
            EXPECT_EQ(list.columnWidth(column), c.widths[column]);
        }
    }
}

TEST(ListCompare, TheFirstTextsFormChoosesTheComparison)
{
    struct Case {
        const char* name;
        QString a;
        QString b;
        int sign;
    };
    const Case cases[] = {
        {"numbers by value", QStringLiteral("9"), QStringLiteral("10"), -1},
        {"numbers equal", QStringLiteral("007"), QStringLiteral("7"), 0},
        {"empty counts as digits", QString(), QStringLiteral("0"), 0},
        {"digits against a word: the word is 0", QStringLiteral("5"), QStringLiteral("abc"), 1},
        {"digits beyond int stop at its bound", QStringLiteral("99999999999"), QStringLiteral("2147483647"), 0},
        {"dates: the year first", QStringLiteral("31/12/2002"), QStringLiteral("01/01/2003"), -1},
        {"dates: then the month", QStringLiteral("01/04/2003"), QStringLiteral("31/03/2003"), 1},
        {"dates: then the day", QStringLiteral("02/04/2003"), QStringLiteral("03/04/2003"), -1},
        {"a date against a short text reads no further", QStringLiteral("01/01/2003"), QStringLiteral("x"), 1},
        {"words in text order", QStringLiteral("apple"), QStringLiteral("banana"), -1},
        {"a word against digits is compared as text", QStringLiteral("x9"), QStringLiteral("x10"), 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const int result = CSWListCtrl::CompareTexts(c.a, c.b);
        EXPECT_EQ((result > 0) - (result < 0), c.sign);
    }
}

TEST_F(ListCtrlTest, PointsSortByValueBothWays)
{
    AddPlayers({{"ann", "10"}, {"bob", "9"}, {"cy", "100"}, {"dee", "2"}});
    list->Sort(1, true);
    EXPECT_EQ(Column(1), (QStringList{"2", "9", "10", "100"}));
    list->Sort(1, false);
    EXPECT_EQ(Column(1), (QStringList{"100", "10", "9", "2"}));
    EXPECT_EQ(Column(0), (QStringList{"cy", "ann", "bob", "dee"}));
}

TEST_F(ListCtrlTest, HeadingClicksAlternateAndANewHeadingStartsAscending)
{
    AddPlayers({{"bob", "9"}, {"ann", "10"}, {"cy", "1"}});
    struct Step {
        int column;
        QStringList names;
        bool ascending;
    };
    const Step steps[] = {
        {1, {"cy", "bob", "ann"}, true},
        {1, {"ann", "bob", "cy"}, false},
        {0, {"ann", "bob", "cy"}, true},
        {0, {"cy", "bob", "ann"}, false},
        {1, {"cy", "bob", "ann"}, true},
    };
    int n = 0;
    for (const Step& step : steps) {
        SCOPED_TRACE(++n);
        ClickHeading(step.column);
        EXPECT_EQ(Column(0), step.names);
        EXPECT_EQ(list->SortColumn(), step.column);
        EXPECT_EQ(list->SortAscending(), step.ascending);
        EXPECT_EQ(list->HeadCtrl()->SortColumn(), step.column);
        EXPECT_EQ(list->HeadCtrl()->SortAscending(), step.ascending);
    }
}

TEST_F(ListCtrlTest, PinnedRowStaysFirstInEverySort)
{
    AddPlayers({{"bob", "9"}, {"me", "50"}, {"ann", "10"}, {"zed", "1"}});
    list->HighlightItem(0, QStringLiteral("me"));
    EXPECT_EQ(Column(0), (QStringList{"me", "ann", "bob", "zed"}));
    for (int column : {0, 1}) {
        for (bool ascending : {true, false}) {
            SCOPED_TRACE(testing::Message() << "column " << column << (ascending ? " up" : " down"));
            list->Sort(column, ascending);
            EXPECT_EQ(list->ItemText(0, 0), QStringLiteral("me"));
        }
    }
    EXPECT_EQ(CellPixel(0, 1), CSWListCtrl::kPinnedBackColour);
    EXPECT_EQ(CellPixel(1, 1), CSWListCtrl::kBackColour);
}

TEST_F(ListCtrlTest, MixedFormsSortWithoutLosingRows)
{
    // Texts of every form in one column: the comparison is no strict order here.
    const QStringList points = {"10", "abc", "", "01/02/2003", "x", "9", "31/12/1999", "-5", "zz", "0"};
    QStringList names;
    for (int i = 0; i < 40; ++i) {
        names << QStringLiteral("p%1").arg(i);
        list->AddItem({names.last(), points[i % points.size()]});
    }
    list->HighlightItem(0, QStringLiteral("p17"));
    for (bool ascending : {true, false}) {
        SCOPED_TRACE(ascending ? "up" : "down");
        list->Sort(1, ascending);
        EXPECT_EQ(list->ItemText(0, 0), QStringLiteral("p17"));
        QStringList sorted = Column(0);
        sorted.sort();
        QStringList expected = names;
        expected.sort();
        EXPECT_EQ(sorted, expected);
    }
}

TEST_F(ListCtrlTest, CellOperationsKeepToTheList)
{
    AddPlayers({{"ann", "10"}, {"bob", "9"}});
    EXPECT_TRUE(list->SetItemText(1, 1, QStringLiteral("77")));
    EXPECT_EQ(list->ItemText(1, 1), QStringLiteral("77"));
    EXPECT_EQ(list->FindItem(1, QStringLiteral("77")), 1);
    EXPECT_EQ(list->FindItem(1, QStringLiteral("9")), -1);
    for (const auto& [row, column] : std::vector<std::pair<int, int>>{{2, 0}, {-1, 0}, {0, 2}, {0, -1}})
        EXPECT_FALSE(list->SetItemText(row, column, QStringLiteral("x"))) << row << "," << column;
    EXPECT_EQ(list->FindItem(5, QStringLiteral("ann")), -1);
    EXPECT_EQ(list->FindItem(0, QStringLiteral("an")), -1);

    list->DeleteItemByText(0, QStringLiteral("nobody"));
    list->HighlightItem(0, QStringLiteral("nobody"));
    EXPECT_EQ(Column(0), (QStringList{"ann", "bob"}));
    list->DeleteItemByText(0, QStringLiteral("ann"));
    EXPECT_EQ(Column(0), QStringList{"bob"});
}

TEST_F(ListCtrlTest, AddItemTakesOneTextPerColumn)
{
    EXPECT_EQ(list->AddItem({QStringLiteral("solo")}), 0);
    EXPECT_EQ(list->AddItem({QStringLiteral("a"), QStringLiteral("1"), QStringLiteral("extra")}), 1);
    EXPECT_EQ(list->ItemText(0, 1), QString());
    EXPECT_EQ(list->FindItem(1, QString()), 0);
    EXPECT_EQ(list->ItemText(1, 1), QStringLiteral("1"));
}

TEST_F(ListCtrlTest, DoubleClickReportsTheChosenColumn)
{
    struct Case {
        const char* name;
        int selectedRow;  // -1: none
        int column;
        QStringList reported;
    };
    const Case cases[] = {
        {"selected row's name", 1, 0, {QStringLiteral("bob")}},
        {"another column", 1, 1, {QStringLiteral("9")}},
        {"no selected row", -1, 0, {}},
        {"no column chosen", 1, -1, {}},
        {"empty text", 2, 1, {}},
    };
    AddPlayers({{"ann", "10"}, {"bob", "9"}, {"cy", ""}});
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        list->clearSelection();
        if (c.selectedRow >= 0)
            list->topLevelItem(c.selectedRow)->setSelected(true);
        list->SetDblClkColumn(c.column);
        QSignalSpy spy(list, &CSWListCtrl::ItemDoubleClicked);
        // Below the rows: the report is the selected row's, wherever the click is.
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, QPoint(50, 250));
        QStringList reported;
        for (const QList<QVariant>& arguments : spy)
            reported << arguments.at(0).toString();
        EXPECT_EQ(reported, c.reported);
    }
}

TEST_F(ListCtrlTest, CellsPaintTheirColoursAndTheSelection)
{
    AddPlayers({{"ann", "10"}, {"bob", "9"}});
    list->topLevelItem(1)->setSelected(true);
    EXPECT_EQ(CellPixel(0, 0), CSWListCtrl::kBackColour);
    EXPECT_EQ(CellPixel(1, 0), list->palette().color(QPalette::Highlight));
}

TEST_F(ListCtrlTest, HeadingsShowPressAndSortMark)
{
    CSWHeadCtrl* head = list->HeadCtrl();
    const auto pixel = [head](int x, int y) { return head->viewport()->grab().toImage().pixelColor(x, y); };
    EXPECT_EQ(pixel(HeadingCentre(0).x(), 2), kNormalHeading);
    EXPECT_EQ(pixel(280, 2), kNormalHeading);  // right of the last heading

    QTest::mousePress(head->viewport(), Qt::LeftButton, {}, HeadingCentre(0));
    EXPECT_EQ(pixel(HeadingCentre(0).x(), 2), kPressedHeading);
    EXPECT_EQ(pixel(HeadingCentre(1).x(), 2), kNormalHeading);
    QTest::mouseRelease(head->viewport(), Qt::LeftButton, {}, HeadingCentre(0));
    EXPECT_EQ(pixel(HeadingCentre(0).x(), 2), kNormalHeading);

    // The mark sits in a square at the sorted heading's right end.
    const auto markColours = [&](int column) {
        const QImage image = head->viewport()->grab().toImage();
        const int side = head->height();
        const int right = head->sectionViewportPosition(column) + head->sectionSize(column);
        std::set<QRgb> colours;
        for (int y = 0; y < side; ++y)
            for (int x = right - side; x < right - 1; ++x)
                colours.insert(image.pixel(x, y));
        return colours;
    };
    list->Sort(1, true);
    EXPECT_TRUE(markColours(1).count(QColor(Qt::white).rgb()));
    EXPECT_TRUE(markColours(1).count(QColor(Qt::black).rgb()));
    EXPECT_FALSE(markColours(0).count(QColor(Qt::black).rgb()));
}

} // namespace
