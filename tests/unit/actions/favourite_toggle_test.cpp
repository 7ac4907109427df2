// The favourite toggle: counts and notice, the names handed to sync in
// batches, and where the list scrolls afterwards.
#include "actions/favourite_toggle.h"
#include "tests/unit/history/history_fixture.h"

namespace {

using history_test::batch;

class FavouriteToggle : public history_test::HistoryFixture {
protected:
    void SetUp() override
    {
        HistoryFixture::SetUp();
        for (int i = 4; i >= 0; --i) {
            AddText(QString::number(i) + ".txt", "", false, i % 3);
            rows[i] = i;
        }
    }
    std::map<std::int64_t, std::int64_t> rows;
};

TEST_F(FavouriteToggle, TwoRemovalsAndThreeAdditionsInOneNotice)
{
    for (int i : { 1, 3 })
        history->records[i].collect = history->items[i].collect = favourite_mark;
    const favourite_changes changes = ToggleFavouriteRows(*history, { 0, 1, 2, 3, 4, 99 }, rows);
    EXPECT_EQ(FavouriteNoticeText(changes), QStringLiteral("移除2,增加3条收藏"));
    for (int i = 0; i < 5; ++i) {
        const std::int64_t expected = (i == 1 || i == 3) ? 0 : favourite_mark;
        EXPECT_EQ(history->records[i].collect, expected) << i;
        EXPECT_EQ(history->items[i].collect, expected) << i;
    }
    // Largest row first; "1"/"0" for the new state, then the type digit.
    EXPECT_EQ(Posts(msg_records_collected),
        (std::vector<batch> { { "114.txt,003.txt,122.txt,011.txt,100.txt,", 1 } }));
    EXPECT_TRUE(collected_names.empty());
    history->LoadContent(); // saved: the marks are read back
    EXPECT_EQ(history->records.at(0).collect, favourite_mark);
    EXPECT_EQ(history->records.at(1).collect, 0);
}

TEST(FavouriteNotice, ScrollingAfterAChange)
{
    EXPECT_EQ(ScrollRowAfterChange(0, 10), -1);
    EXPECT_EQ(ScrollRowAfterChange(3, 10), 5);
    EXPECT_EQ(ScrollRowAfterChange(8, 10), 7);
    EXPECT_EQ(ScrollRowAfterChange(5, 3), -1);
}

} // namespace
