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
        for (int i = 39; i >= 0; --i) {
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
    const favourite_changes changes = ToggleFavouriteRows(*history, { 0, 1, 2, 3, 4 }, rows);
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

TEST_F(FavouriteToggle, ThirtyFiveChangesGoInBatchesOfThirtyAndFive)
{
    std::vector<std::int64_t> changed { 99 }; // no such row: skipped
    for (int i = 0; i < 35; ++i)
        changed.push_back(i);
    EXPECT_EQ(ToggleFavouriteRows(*history, changed, rows).added, 35);
    std::string thirty, five;
    for (int r = 34; r >= 0; --r)
        (r >= 5 ? thirty : five) += "1" + std::to_string(r % 3) + std::to_string(r) + ".txt,";
    EXPECT_EQ(Posts(msg_records_collected), (std::vector<batch> { { thirty, 0 }, { five, 1 } }));
}

TEST(FavouriteNotice, TextsAndScrollingAfterAChange)
{
    EXPECT_EQ(FavouriteNoticeText({}), QString());
    EXPECT_EQ(FavouriteNoticeText({ 2, 0 }), QStringLiteral("增加2条收藏"));
    EXPECT_EQ(FavouriteNoticeText({ 0, 1 }), QStringLiteral("移除1条收藏"));
    EXPECT_EQ(ScrollRowAfterChange(0, 10), -1);
    EXPECT_EQ(ScrollRowAfterChange(3, 10), 5);
    EXPECT_EQ(ScrollRowAfterChange(8, 10), 7);
    EXPECT_EQ(ScrollRowAfterChange(5, 3), -1);
}

} // namespace
