// The server's history rules without a network: the merge, the list's rules, names that may
// become files, and the JSON and batch texts clients send.
#include "server/account_files.h"
#include "server/change_batches.h"
#include "server/history_json.h"
#include "server/history_list.h"
#include "sync/file_name_check.h"

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

namespace {

using namespace syncd;

history_entry Entry(std::int64_t stamp, std::string md5 = {}, bool favourite = false)
{
    history_entry e;
    e.name = std::to_string(stamp) + ".txt";
    e.stamp = stamp;
    e.md5 = std::move(md5);
    e.favourite = favourite;
    e.size = 10;
    return e;
}

std::vector<std::string> Names(const std::vector<history_entry>& entries)
{
    std::vector<std::string> names;
    for (const auto& e : entries)
        names.push_back(e.name);
    return names;
}

std::string Digest(char c)
{
    return std::string(32, c);
}

TEST(HistoryMerge, UnionNewestFirstWithoutDeletedNamesOrSecondCopies)
{
    const history_list account({ Entry(30, Digest('a')), Entry(10, Digest('b')) });
    // Disjoint: everything of both, newest first; each side lacks the other's.
    auto result = account.Merge({ Entry(20, Digest('c')), Entry(40, Digest('d')) }, {}, 500);
    EXPECT_EQ(Names(result.merged),
        (std::vector<std::string> { "40.txt", "30.txt", "20.txt", "10.txt" }));
    EXPECT_EQ(result.client_lacks, (std::vector<std::string> { "30.txt", "10.txt" }));
    EXPECT_EQ(Names(result.server_lacks), (std::vector<std::string> { "40.txt", "20.txt" }));

    // Overlapping, one name deleted earlier, and the client's copy of b under a newer name:
    // the newer copy stays, the account's older one goes.
    result
        = account.Merge({ Entry(30, Digest('a')), Entry(25, Digest('x')), Entry(50, Digest('b')) },
            { "25.txt" }, 500);
    EXPECT_EQ(Names(result.merged), (std::vector<std::string> { "50.txt", "30.txt" }));
    EXPECT_TRUE(result.client_lacks.empty());
    EXPECT_EQ(Names(result.server_lacks), (std::vector<std::string> { "50.txt" }));

    // Entries without a digest are never taken for copies of one another.
    result = history_list({ Entry(1), Entry(2) }).Merge({ Entry(3) }, {}, 500);
    EXPECT_EQ(result.merged.size(), 3u);
}

TEST(HistoryMerge, FavouritesFollowTheAccountAndSurviveCopiesAndTheTrim)
{
    const history_list account({ Entry(30, Digest('a'), true), Entry(20, Digest('b')),
        Entry(15, Digest('g')), Entry(5, Digest('f'), true) });
    history_entry client_view = Entry(30, Digest('a'), false);
    client_view.title = "Editor";
    const auto result
        = account.Merge({ client_view, Entry(10, Digest('b'), true), Entry(40) }, {}, 4);
    // The account's mark wins for what it knows; a dropped copy's mark moves to the kept one;
    // the trim to 4 takes the oldest entry that is no favourite and spares an older favourite.
    ASSERT_EQ(
        Names(result.merged), (std::vector<std::string> { "40.txt", "30.txt", "20.txt", "5.txt" }));
    EXPECT_FALSE(result.merged[0].favourite);
    EXPECT_TRUE(result.merged[1].favourite);
    EXPECT_TRUE(result.merged[2].favourite);
    EXPECT_TRUE(result.merged[3].favourite);
    EXPECT_EQ(Names(result.server_lacks), (std::vector<std::string> { "40.txt" }));
    // What the account lacked of a known entry, the client filled in.
    ASSERT_EQ(result.account_updates.size(), 1u);
    EXPECT_EQ(result.account_updates[0].title, "Editor");

    history_list list({ Entry(20, Digest('b'), true) });
    const auto removed = list.Add(Entry(30, Digest('b')), 500);
    EXPECT_EQ(removed, (std::vector<std::string> { "20.txt" }));
    ASSERT_EQ(list.Entries().size(), 1u);
    EXPECT_TRUE(list.Entries()[0].favourite);
}

TEST(HistoryNames, OnlyPlainNamesBecomeFilesAndAccountFoldersStayInside)
{
    for (const std::string& good :
        { std::string("1733550000123456789.txt"), std::string("1733550000123456789cicon.png"),
            std::string("a"), std::string(".hidden"), std::string(32, 'n') })
        EXPECT_TRUE(wire::IsPlainFileName(good)) << good;
    for (const std::string& bad : { std::string(), std::string("."), std::string(".."),
             std::string("../x"), std::string("a/b"), std::string("a\\b"), std::string("c:x"),
             std::string("a\nb"), std::string(33, 'n') })
        EXPECT_FALSE(wire::IsPlainFileName(bad)) << bad;

    EXPECT_EQ(AccountFolderName("grace"), "grace");
    EXPECT_EQ(AccountFolderName("me@x.org"), "me@x.org");
    EXPECT_EQ(AccountFolderName(".."), "%2E.");
    EXPECT_EQ(AccountFolderName("a/b%"), "a%2Fb%25");
    EXPECT_EQ(AccountFolderName(""), "%");
}

TEST(ClientIndex, ReadsWhatItCanAndSkipsTheRest)
{
    const nlohmann::json document = { { "type", { "0", "11", "x", "5", "2", 1 } },
        { "content", { "/home/u/content/1.txt", "2.png", "3.txt", "4.txt", "..", "6.txt" } },
        { "md5", { Digest('a'), "not hex", 7 } },
        { "exe_title", { "Editor", std::string(3000, 'e') } },
        { "icons", { "/home/u/content/1icon.png" } } };
    const auto index = ParseClientIndex(document.dump(), 100);
    ASSERT_TRUE(index.parsed);
    // Bad type texts and a name that is no file name go; the path before a name is cut.
    ASSERT_EQ(Names(index.entries), (std::vector<std::string> { "1.txt", "2.png", "6.txt" }));
    EXPECT_EQ(index.skipped, 3u);
    EXPECT_EQ(index.entries[0].md5, Digest('a'));
    EXPECT_EQ(index.entries[1].md5, "");
    EXPECT_TRUE(index.entries[1].favourite);
    EXPECT_EQ(index.entries[1].type, 1);
    EXPECT_EQ(index.entries[1].title.size(), 1024u);
    EXPECT_EQ(index.entries[2].type, 1);
    EXPECT_EQ(index.icons.at("1.txt"), "/home/u/content/1icon.png");

    // Unequal arrays count the shorter; too many entries stop at the bound.
    const auto shorter = ParseClientIndex(R"({"type":["0","0","0"],"content":["a","b"]})", 1);
    EXPECT_EQ(shorter.entries.size(), 1u);
    EXPECT_EQ(shorter.skipped, 2u);
    // Not an index at all, or nested far too deep: nothing, and no crash.
    EXPECT_FALSE(ParseClientIndex("not json", 100).parsed);
    EXPECT_FALSE(ParseClientIndex(R"({"type":"0","content":["a"]})", 100).parsed);
    const std::string deep = R"({"type":["0"],"content":[)" + std::string(100000, '[')
        + std::string(100000, ']') + "]}";
    EXPECT_TRUE(ParseClientIndex(deep, 100).entries.empty());
}

TEST(ChangeBatches, NamesAndFavouriteCodesAreCheckedOneByOne)
{
    std::size_t bad = 0;
    EXPECT_EQ(ParseDeletedNames("1.txt,../x,,2.png,", bad),
        (std::vector<std::string> { "1.txt", "2.png" }));
    EXPECT_EQ(bad, 1u);
    bad = 0;
    const auto changes = ParseFavouriteChanges("101.txt,012.png,x3.txt,99a,12,", bad);
    ASSERT_EQ(changes.size(), 2u);
    EXPECT_TRUE(changes[0].favourite);
    EXPECT_EQ(changes[0].name, "1.txt");
    EXPECT_FALSE(changes[1].favourite);
    EXPECT_EQ(changes[1].type, 1);
    EXPECT_EQ(bad, 3u);
}

} // namespace
