// The favourite toggle: counts and notice, the names handed to sync in
// batches, and where the list scrolls afterwards.
#include "actions/favourite_toggle.h"
#include "actions/web_search.h"
#include "app/message_bus.h"
#include "app/message_ids.h"
#include "app/settings_record.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

namespace {

class FavouriteToggle : public ::testing::Test {
protected:
    void SetUp() override
    {
        Settings() = settings_record();
        Settings().max_save_count = 500;
        token = bus::Register(
            msg_records_collected, [this](std::int64_t, std::int64_t a, std::int64_t b) {
                posts.emplace_back(reinterpret_cast<const char*>(a), b);
                return 0;
            });
        history.MakeFolder();
        for (int i = 0; i < 40; ++i) {
            content_record record;
            record.type = i % 3;
            record.content = folder.path().toStdString() + "/content/" + std::to_string(i) + ".txt";
            QFile(QString::fromStdString(record.content)).open(QIODevice::WriteOnly);
            history.records.push_back(record);
            content_item item;
            item.type = record.type;
            item.content = record.content;
            history.items.push_back(item);
            row_to_record[i] = i;
        }
    }
    void TearDown() override { bus::Unregister(token); }

    QTemporaryDir folder;
    content_history history { folder.path() };
    std::map<std::int64_t, std::int64_t> row_to_record;
    std::vector<std::pair<std::string, std::int64_t>> posts;
    bus::Token token = 0;
};

TEST_F(FavouriteToggle, TwoRemovalsAndThreeAdditionsInOneNotice)
{
    for (int i : { 1, 3 })
        history.records[i].collect = history.items[i].collect = collect_mark;
    const favourite_changes changes = CollectRows(history, { 0, 1, 2, 3, 4 }, row_to_record);
    EXPECT_EQ(changes.removed, 2);
    EXPECT_EQ(changes.added, 3);
    EXPECT_EQ(FavouriteNoticeText(changes), QStringLiteral("移除2,增加3条收藏"));
    for (int i = 0; i < 5; ++i) {
        const std::int64_t expected = (i == 1 || i == 3) ? 0 : collect_mark;
        EXPECT_EQ(history.records[i].collect, expected) << i;
        EXPECT_EQ(history.items[i].collect, expected) << i;
    }
    // Largest row first; "1"/"0" for the new state, then the type digit.
    ASSERT_EQ(posts.size(), 1u);
    EXPECT_EQ(posts[0].first, "114.txt,003.txt,122.txt,011.txt,100.txt,");
    EXPECT_EQ(posts[0].second, 1);
    EXPECT_TRUE(collected_names.empty());
    // Saved: a fresh history reads the marks back.
    content_history again(folder.path());
    again.LoadContent();
    ASSERT_EQ(again.records.size(), 40u);
    EXPECT_EQ(again.records[0].collect, collect_mark);
}

TEST_F(FavouriteToggle, ThirtyFiveChangesGoInBatchesOfThirtyAndFive)
{
    std::vector<std::int64_t> rows;
    for (int i = 0; i < 35; ++i)
        rows.push_back(i);
    rows.push_back(99); // no such row: skipped
    EXPECT_EQ(CollectRows(history, rows, row_to_record).added, 35);
    ASSERT_EQ(posts.size(), 2u);
    EXPECT_EQ(std::count(posts[0].first.begin(), posts[0].first.end(), ','), 30);
    EXPECT_EQ(posts[0].second, 0);
    EXPECT_EQ(std::count(posts[1].first.begin(), posts[1].first.end(), ','), 5);
    EXPECT_EQ(posts[1].second, 1);
}

TEST_F(FavouriteToggle, NoticeTextsAndScrolling)
{
    EXPECT_EQ(FavouriteNoticeText({}), QString());
    EXPECT_EQ(FavouriteNoticeText({ 2, 0 }), QStringLiteral("增加2条收藏"));
    EXPECT_EQ(FavouriteNoticeText({ 0, 1 }), QStringLiteral("移除1条收藏"));

    EXPECT_EQ(ScrollRowAfterChange(0, 10), -1);
    EXPECT_EQ(ScrollRowAfterChange(3, 10), 5);
    EXPECT_EQ(ScrollRowAfterChange(8, 10), 7);
    EXPECT_EQ(ScrollRowAfterChange(5, 3), -1);
}

TEST(WebSearch, EachEngineItsAddressWithTheTextAsItIs)
{
    EXPECT_EQ(WebSearchUrl(QStringLiteral("qt 5"), 1).toString(),
        QStringLiteral("https://www.google.com/search?q=qt 5"));
    EXPECT_EQ(WebSearchUrl(QStringLiteral("剪贴板"), 0).host(), QStringLiteral("www.baidu.com"));
    EXPECT_EQ(WebSearchUrl(QStringLiteral("剪贴板"), 2).path(), QStringLiteral("/s"));
    EXPECT_EQ(WebSearchUrl(QStringLiteral("剪贴板"), 0).query(QUrl::FullyDecoded),
        QStringLiteral("wd=剪贴板"));
}

} // namespace
