#include "history/file_digest.h"
#include "history/view_filter.h"
#include "tests/unit/history/history_fixture.h"

#include <QCryptographicHash>
#include <QImage>

namespace {

using namespace history_test;
using Store = HistoryFixture;

TEST_F(Store, LoadBuildsItemsUpToTheMaximumAndTheNextSaveDropsTheRest)
{
    for (int i = 0; i < 5; ++i)
        AddText(QString::number(i) + ".txt", "text " + QByteArray::number(i));
    // Five on disk and a maximum of three, as after lowering the maximum.
    ASSERT_TRUE(history->SaveContent());
    Settings().max_save_count = 3;
    history->LoadContent();
    EXPECT_EQ(Listed(), QStringList({ "4.txt", "3.txt", "2.txt", "1.txt", "0.txt" }));
    ASSERT_EQ(history->items.size(), 3u);
    EXPECT_EQ(history->items[2].text, "text 2");
    EXPECT_EQ(history->FindRecordByMd5("0.txt-digest"), 4); // records without items count too
    ASSERT_TRUE(history->SaveContent()); // no more than the maximum is written
    history->LoadContent();
    EXPECT_EQ(history->records.size(), 3u);
}

TEST_F(Store, LoadKeepsRecordsPairedWithItemsWhateverTheirFiles)
{
    ASSERT_TRUE(WriteFile(Content("a.txt"), "line one\nline two"));
    ASSERT_TRUE(WriteFile(history->IndexPath(), R"({"type": ["0", "17", "11", "2"],
        "content": ["a.txt", "gone.txt", "gone.png", "../../etc/passwd"]})"));
    history->LoadContent();
    ASSERT_EQ(history->items.size(), 4u);
    EXPECT_EQ(history->items[0].text, "line one\nline two");
    // An unknown type shows as text; its record keeps the stored code.
    EXPECT_EQ(history->items[1].type, content_text);
    EXPECT_EQ(history->records[1].type, 7);
    EXPECT_EQ(history->records[1].collect, favourite_mark);
    // A missing image: the entry stays, with nothing to show.
    ASSERT_TRUE(history->items[2].pixmap);
    EXPECT_TRUE(history->items[2].pixmap->Size().isEmpty());
    EXPECT_EQ(history->items[3].text, ""); // a name that leads out of the folder is never read
}

TEST_F(Store, MissingIndexIsCreatedADamagedOneKeptAsideBeforeTheNextSave)
{
    history->LoadContent();
    EXPECT_TRUE(history->records.empty());
    EXPECT_TRUE(history->SaveContent());
    EXPECT_EQ(saves, 1); // config.json follows each save
    const QByteArray damaged = "{\"type\": [\"0\"], \"conte";
    ASSERT_TRUE(WriteFile(history->IndexPath(), damaged));
    history->LoadContent();
    EXPECT_TRUE(history->records.empty());
    AddText("new.txt", "new");
    ASSERT_TRUE(history->SaveContent());
    history->LoadContent();
    EXPECT_EQ(Listed(), QStringList { "new.txt" });
    // The damaged bytes are still there, whole, beside the new index.
    const QStringList kept = ContentFiles().filter("content.json.damaged-");
    ASSERT_EQ(kept.size(), 1);
    EXPECT_EQ(ReadFile(Content(kept[0])), damaged);
}

// Regression: an empty digest (a file that could not be read) matched every
// entry stored without one, and a capture then deleted them all.
TEST_F(Store, DigestOfLargeFilesAndAnEmptyDigestOfAMissingOneThatEqualsNothing)
{
    QByteArray large(10240 * 3 + 17, '\0'); // several blocks of 10240 bytes and a remainder
    for (int i = 0; i < large.size(); ++i)
        large[i] = static_cast<char>(i * 7);
    ASSERT_TRUE(WriteFile(Content("large"), large));
    EXPECT_EQ(GetFileMd5(Content("large")),
        QCryptographicHash::hash(large, QCryptographicHash::Md5).toHex());
    EXPECT_EQ(GetFileMd5(Content("missing")), "");
    AddText("a.txt", "a");
    AddText("b.txt", "b");
    for (content_record& record : history->records)
        record.md5.clear();
    EXPECT_EQ(history->FindRecordByMd5(QString()), -1);
    EXPECT_EQ(history->RemoveDuplicates(QString(), true), 0);
    EXPECT_EQ(history->records.size(), 2u);
}

TEST_F(Store, ThirtyFiveDeletionsArePostedAsThirtyThenFive)
{
    for (int i = 0; i < 40; ++i)
        AddText(QString::number(i) + ".txt", "t");
    std::vector<std::int64_t> indexes { 3 }; // twice, still one deletion
    for (std::int64_t k = 34; k >= 0; --k)
        indexes.push_back(k);
    EXPECT_EQ(history->DeleteRecords(indexes, false), 35);
    std::string thirty, five; // largest index first: the oldest of the deleted entries first
    for (int n = 5; n < 40; ++n)
        (n < 35 ? thirty : five) += std::to_string(n) + ".txt,";
    EXPECT_EQ(Posts(), (std::vector<batch> { { thirty, 0 }, { five, 1 } }));
    EXPECT_EQ(Listed(), QStringList({ "4.txt", "3.txt", "2.txt", "1.txt", "0.txt" }));
    EXPECT_EQ(notices, QStringList { "已删除35条内容" });
    EXPECT_EQ(rebuilds, 1);
    EXPECT_EQ(ContentFiles().size(), 11) << "the others' texts and icons and the index";
}

TEST_F(Store, FavouritesGoOnlyFromTheirViewWhereRowsOfGroupsFindTheirOwnEntries)
{
    AddText("file.txt", "f", true, content_file);
    AddText("img.png", "i", true, content_image);
    AddText("text.txt", "t", true, content_text);
    AddText("other.txt", "o", false);
    // Favourites grouped images first: row order is not index order; row 7 is not in the view.
    const view_rows view = FilterItems(history->items, content_favourite, 3, 500);
    EXPECT_EQ(history->DeleteSelectIndex({ 0, 1, 7 }, view.row_to_record, true), 2);
    EXPECT_EQ(Listed(), QStringList({ "other.txt", "file.txt" }));
    EXPECT_EQ(Posts(), (std::vector<batch> { { "img.png,text.txt,", 1 } }));
    EXPECT_FALSE(QFile::exists(Content("img.png")));
}

TEST_F(Store, FilesGoOnlyAfterTheIndexWithoutThemIsSavedWhichFailsOnce)
{
    AddText("a.txt", "a");
    ASSERT_TRUE(history->SaveContent());
    // A folder in the index's place: the index cannot be replaced.
    ASSERT_TRUE(QFile::remove(history->IndexPath()) && QDir().mkpath(history->IndexPath()));
    history->DeleteRecords({ 0 }, false);
    history->SaveContent();
    EXPECT_EQ(notices.count("历史记录无法保存"), 1) << "shown once";
    EXPECT_TRUE(QFile::exists(Content("a.txt")));
    ASSERT_TRUE(QDir().rmdir(history->IndexPath()) && history->SaveContent());
    EXPECT_FALSE(QFile::exists(Content("a.txt")));
}

TEST_F(Store, TheOldestOtherEntryGoesWithItsFilesButNeverAFavourite)
{
    Settings().max_save_count = 3;
    AddText("fav1.txt", "1", true);
    AddText("fav2.txt", "2", true);
    AddText("plain.txt", "p");
    AddText("new.txt", "n");
    history->TrimToMaxSparingFavourites();
    EXPECT_EQ(Listed(), QStringList({ "new.txt", "fav2.txt", "fav1.txt" }));
    EXPECT_EQ(Posts(), (std::vector<batch> { { "plain.txt,", 0 }, { "", 1 } }));
    history->SaveContent();
    EXPECT_FALSE(QFile::exists(Content("plain.txt")));
    EXPECT_FALSE(QFile::exists(Content("plain.txticon.png")));
    // Only favourites beside the newest: nothing goes.
    Settings().max_save_count = 1;
    history->TrimToMaxSparingFavourites();
    EXPECT_EQ(history->items.size(), 3u);
}

// Regression: an image that was already held put some other entry (row 0) on the clipboard.
TEST_F(Store, EntriesAreInsertedOnceAndOnlyANewOneGoesOnTheClipboard)
{
    QImage image(40, 20, QImage::Format_RGB32);
    image.fill(Qt::red);
    ASSERT_TRUE(image.save(Content("p.png")) && QFile::copy(Content("p.png"), Content("q.png")));
    ASSERT_TRUE(WriteFile(Content("s1.txt"), "from the cloud"));
    ASSERT_TRUE(WriteFile(Content("s2.txt"), "from the cloud"));
    history->InsertSyncedRecords({ "p.png" }, { "1" });
    history->InsertSyncedRecords({ "s1.txt" }, { "10" });
    EXPECT_EQ(history->records.at(0).collect, favourite_mark);
    ASSERT_TRUE(history->items.at(1).pixmap);
    EXPECT_EQ(history->items[1].pixmap->Size(), QSize(40, 20));
    EXPECT_EQ(notices, QStringList({ "本地列表已与云上同步", "本地列表已与云上同步" }));
    EXPECT_EQ(row_copies, 2);
    // The same contents under other names: not again, no notice, nothing copied.
    history->InsertSyncedRecords({ "q.png" }, { "1" });
    history->InsertSyncedRecords({ "s2.txt" }, { "0" });
    EXPECT_EQ(Listed(), QStringList({ "s1.txt", "p.png" }));
    EXPECT_EQ(row_copies, 2);
    EXPECT_EQ(notices.size(), 2);
}

TEST_F(Store, BadNamesTypesAndEmptyListsAreRefused)
{
    ASSERT_TRUE(WriteFile(Content("ok.txt"), "x") && WriteFile(Content("blank.txt"), " \n\t"));
    ASSERT_TRUE(WriteFile(dir.path() + "/config.txt", "outside"));
    history->InsertSyncedRecords({}, { "0" });
    EXPECT_TRUE(notices.isEmpty());
    const std::pair<const char*, const char*> refused[] = { { "../config.txt", "0" },
        { "ok.txt", "zero" }, { "missing.png", "1" }, { "ok.txt", "5" }, { "blank.txt", "0" } };
    for (const auto& [name, type] : refused)
        history->InsertSyncedRecords({ name }, { type });
    EXPECT_TRUE(history->records.empty());
    EXPECT_EQ(row_copies, 0);
    EXPECT_TRUE(notices.isEmpty());
}

} // namespace
