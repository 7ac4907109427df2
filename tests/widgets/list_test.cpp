#include "history/history_item_delegate.h"
#include "history/history_list.h"
#include "history/history_list_model.h"

#include <gtest/gtest.h>

#include <QAbstractItemModelTester>
#include <QSignalSpy>

namespace {

content_item Text(std::string text, std::int64_t type = content_text)
{
    static int serial = 0;
    content_item item;
    item.type = type;
    item.text = std::move(text);
    item.content = "/nowhere/" + std::to_string(++serial) + ".txt";
    return item;
}

class ListTest : public ::testing::Test {
protected:
    void Show(const std::vector<content_item>& rows, bool compact)
    {
        list.resize(900, 600);
        list.Rebuild(&rows, 500, compact);
        list.show();
    }
    int RowHeight(int row) { return list.visualRect(list.listModel()->index(row, 0)).height(); }

    history_list list;
};

TEST_F(ListTest, RowHeightsFollowTheShownLinesFoldedOrNot)
{
    QAbstractItemModelTester tester(list.listModel());
    const std::vector<content_item> rows = { Text("a\nb\nc"), Text("one") };
    const int spacing = list.delegate()->line_spacing();
    Show(rows, false);
    EXPECT_EQ(RowHeight(0), spacing * 3 + 50);
    EXPECT_EQ(RowHeight(1), spacing + 28);
    // Compact: every text is one line, its lines joined.
    Show(rows, true);
    EXPECT_EQ(RowHeight(0), spacing + 28);
    EXPECT_EQ(
        list.listModel()->data(list.listModel()->index(0, 0)).toString(), QStringLiteral("a b c "));
}

TEST_F(ListTest, RebuildShowsAtMostMaxRowsSelectsTheFirstAndAnnouncesIt)
{
    QSignalSpy changed(&list, &history_list::itemSelectionChanged);
    std::vector<content_item> rows = { Text("x"), Text("y"), Text("z") };
    Show(rows, false);
    EXPECT_EQ(list.currentRow(), 0);
    EXPECT_EQ(list.SelectedRows(), std::vector<int> { 0 });

    list.Rebuild(&rows, 2, false);
    EXPECT_EQ(list.count(), 2);
    // The vector shrank without a rebuild (a deletion's first filtering).
    rows.resize(1);
    EXPECT_EQ(list.listModel()->Item(1), nullptr);
    EXPECT_FALSE(list.listModel()->data(list.listModel()->index(1, 0)).isValid());

    // An empty view still tells the window that nothing is selected now.
    changed.clear();
    const std::vector<content_item> none;
    list.Rebuild(&none, 500, false);
    EXPECT_EQ(list.count(), 0);
    EXPECT_EQ(changed.count(), 1);
    list.Rebuild(nullptr, 500, false);
    EXPECT_EQ(list.count(), 0);
}

} // namespace
