#include "app/atomic_file.h"
#include "history/file_digest.h"
#include "history/view_filter.h"
#include "tests/unit/history/history_fixture.h"

#include <QCryptographicHash>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QThread>
#include <unistd.h>

namespace {

using history_test::HistoryFixture;

class Store : public HistoryFixture {
protected:
    QJsonObject Index() const
    {
        return QJsonDocument::fromJson(ReadFile(history->IndexPath())).object();
    }
    QStringList DamagedFiles() const
    {
        return QDir(dir.path() + "/content").entryList({ "content.json.damaged-*" }, QDir::Files);
    }
};

TEST_F(Store, LoadBuildsItemsUpToTheMaximumAndTheNextSaveDropsTheRest)
{
    Settings().max_save_count = 3;
    for (int i = 0; i < 5; ++i)
        AddText(QString::number(i) + ".txt", "text " + QByteArray::number(i));
    Settings().max_save_count = 500;
    // All five on disk, as with 600 records and a maximum of 500.
    ASSERT_TRUE(history->SaveContent());
    Settings().max_save_count = 3;
    history->LoadContent();
    EXPECT_EQ(history->records.size(), 5u);
    ASSERT_EQ(history->items.size(), 3u);
    EXPECT_EQ(history->items[0].text, "text 4");
    EXPECT_EQ(history->items[2].text, "text 2");
    ASSERT_TRUE(history->SaveContent());
    EXPECT_EQ(Index()["type"].toArray().size(), 3);
}

TEST_F(Store, LoadKeepsRecordsPairedWithItemsWhateverTheirFiles)
{
    WriteFile(Content("a.txt"), "line one\nline two");
    WriteFile(Content("content.json"), R"({"type": ["0", "17", "11", "2"],
        "content": ["a.txt", "gone.txt", "gone.png", "../../etc/passwd"]})");
    history->LoadContent();
    ASSERT_EQ(history->records.size(), 4u);
    ASSERT_EQ(history->items.size(), 4u);
    EXPECT_EQ(history->items[0].text, "line one\nline two");
    // An unknown type shows as text; its record keeps the stored code.
    EXPECT_EQ(history->items[1].type, content_text);
    EXPECT_EQ(history->records[1].type, 7);
    EXPECT_EQ(history->records[1].collect, collect_mark);
    EXPECT_EQ(history->items[1].text, "");
    // A missing image: the entry stays, with nothing to show.
    EXPECT_EQ(history->items[2].type, content_image);
    EXPECT_EQ(history->items[2].text, history->records[2].content);
    ASSERT_TRUE(history->items[2].pixmap);
    EXPECT_TRUE(history->items[2].pixmap->Size().isEmpty());
    // A name that leads out of the folder is never read.
    EXPECT_EQ(history->items[3].text, "");
}

TEST_F(Store, MissingIndexGivesAnEmptyHistoryAndTheFirstSaveCreatesIt)
{
    history->LoadContent();
    EXPECT_TRUE(history->records.empty());
    EXPECT_TRUE(history->SaveContent());
    EXPECT_EQ(Index().size(), 5);
    EXPECT_EQ(saves, 1); // config.json follows each save
}

TEST_F(Store, DamagedIndexIsKeptAsideBeforeTheNextSave)
{
    const QByteArray damaged = R"({"type": ["0", "1"], "content": ["a.txt"], "md5": ["x", "y"]})";
    for (const QByteArray& bytes : { QByteArray("{\"type\": [\"0\"], \"conte"), damaged }) {
        WriteFile(history->IndexPath(), bytes);
        history->LoadContent();
        EXPECT_TRUE(history->records.empty());
        AddText("new.txt", "new");
        ASSERT_TRUE(history->SaveContent());
        EXPECT_EQ(Index()["content"].toArray().at(0).toString(), "new.txt");
        // The damaged bytes are still there, whole, beside the new index.
        bool found = false;
        for (const QString& name : DamagedFiles())
            found = found || ReadFile(Content(name)) == bytes;
        EXPECT_TRUE(found) << bytes.toStdString();
        history->records.clear();
        history->items.clear();
        QThread::msleep(2); // distinct keep-aside names
    }
    EXPECT_EQ(DamagedFiles().size(), 2);
}

TEST_F(Store, InterruptedSaveLeavesThePreviousIndex)
{
    AddText("a.txt", "a");
    ASSERT_TRUE(history->SaveContent());
    const QByteArray before = ReadFile(history->IndexPath());
    EXPECT_EXIT(
        {
            atomic_file::SetBeforeCommitHookForTest([] { _exit(3); });
            for (int i = 0; i < 400; ++i)
                AddText(QString::number(i) + ".txt", "b");
            history->SaveContent();
        },
        ::testing::ExitedWithCode(3), "");
    EXPECT_EQ(ReadFile(history->IndexPath()), before);
    history->LoadContent();
    ASSERT_EQ(history->records.size(), 1u);
    EXPECT_EQ(history->items[0].text, "a");
}

TEST_F(Store, DigestOfEmptyUnreadableAndLargeFiles)
{
    WriteFile(Content("empty"), "");
    EXPECT_EQ(GetFileMd5(Content("empty")), "d41d8cd98f00b204e9800998ecf8427e");
    WriteFile(Content("abc"), "abc");
    EXPECT_EQ(GetFileMd5(Content("abc")), "900150983cd24fb0d6963f7d28e17f72");
    EXPECT_EQ(GetFileMd5(Content("missing")), "");
    ASSERT_TRUE(QDir().mkpath(Content("folder")));
    EXPECT_EQ(GetFileMd5(Content("folder")), "");
    // Several blocks of 10240 bytes and a remainder.
    QByteArray large(10240 * 3 + 17, '\0');
    for (int i = 0; i < large.size(); ++i)
        large[i] = static_cast<char>(i * 7);
    WriteFile(Content("large"), large);
    EXPECT_EQ(GetFileMd5(Content("large")),
        QCryptographicHash::hash(large, QCryptographicHash::Md5).toHex());
}

TEST_F(Store, FindRecordByMd5SearchesEveryRecordFromTheNewest)
{
    EXPECT_EQ(history->FindRecordByMd5("a.txt-digest"), -1);
    AddText("a.txt", "a");
    AddText("b.txt", "b");
    history->items.pop_back(); // a record without item is searched too
    EXPECT_EQ(history->FindRecordByMd5("a.txt-digest"), 1);
    EXPECT_EQ(history->FindRecordByMd5("b.txt-digest"), 0);
    EXPECT_EQ(history->FindRecordByMd5(""), -1);
}

class Deletion : public HistoryFixture { };

TEST_F(Deletion, ThirtyFiveDeletionsArePostedAsThirtyThenFive)
{
    for (int i = 0; i < 40; ++i)
        AddText(QString::number(i) + ".txt", "t");
    std::vector<std::int64_t> indexes;
    for (std::int64_t k = 0; k < 35; ++k)
        indexes.push_back(k);
    EXPECT_EQ(history->DeleteRecords(indexes, false), 35);
    const auto batches = Posts(msg_records_deleted);
    ASSERT_EQ(batches.size(), 2u);
    EXPECT_EQ(std::count(batches[0].text.begin(), batches[0].text.end(), ','), 30);
    EXPECT_EQ(batches[0].b, 0);
    EXPECT_EQ(std::count(batches[1].text.begin(), batches[1].text.end(), ','), 5);
    EXPECT_EQ(batches[1].b, 1);
    // Largest index first: the oldest of the deleted entries goes first.
    EXPECT_EQ(batches[0].text.substr(0, 6), "5.txt,");
    EXPECT_EQ(history->records.size(), 5u);
    EXPECT_EQ(history->items.size(), 5u);
    EXPECT_EQ(notices, QStringList { "已删除35条内容" });
    // Content and icon files of the deleted entries are gone, the others stay.
    EXPECT_FALSE(QFile::exists(Content("39.txt")));
    EXPECT_FALSE(QFile::exists(Content("39.txticon.png")));
    EXPECT_TRUE(QFile::exists(Content("4.txt")));
    EXPECT_EQ(rebuilds, 1);
}

TEST_F(Deletion, OneEntryPostsItsNameOnceAsTheLastBatch)
{
    AddText("1700000000000000001.txt", "a");
    const std::map<std::int64_t, std::int64_t> rows { { 0, 0 } };
    EXPECT_EQ(history->DeleteSelectIndex({ 0, 5 }, rows, false), 1);
    const auto batches = Posts(msg_records_deleted);
    ASSERT_EQ(batches.size(), 1u);
    EXPECT_EQ(batches[0].text, "1700000000000000001.txt,");
    EXPECT_EQ(batches[0].b, 1);
}

TEST_F(Deletion, AFavouriteGoesOnlyFromTheFavouritesView)
{
    AddText("fav.txt", "f", true);
    EXPECT_EQ(history->DeleteRecords({ 0 }, false), 0);
    EXPECT_EQ(history->records.size(), 1u);
    EXPECT_TRUE(QFile::exists(Content("fav.txt")));
    EXPECT_TRUE(notices.isEmpty());
    ASSERT_EQ(Posts(msg_records_deleted).size(), 1u); // the final, empty batch
    EXPECT_EQ(Posts(msg_records_deleted)[0].text, "");

    EXPECT_EQ(history->DeleteRecords({ 0 }, true), 1);
    EXPECT_TRUE(history->records.empty());
    EXPECT_FALSE(QFile::exists(Content("fav.txt")));
}

TEST_F(Deletion, RowsOfAGroupedFavouritesViewDeleteTheirOwnEntries)
{
    // Favourites grouped images first: row order is not index order.
    AddText("file.txt", "f", true, content_file);
    AddText("img.png", "i", true, content_image);
    AddText("text.txt", "t", true, content_text);
    AddText("other.txt", "o", false);
    const view_rows view = FilterItems(history->items, content_collect, 3, 500);
    ASSERT_EQ(view.filtered_items.size(), 3u);
    EXPECT_EQ(view.filtered_items[0].content, Content("img.png").toStdString());
    EXPECT_EQ(history->DeleteSelectIndex({ 0, 1 }, view.row_to_record, true), 2);
    ASSERT_EQ(history->records.size(), 2u);
    EXPECT_EQ(history->records[0].content, Content("other.txt").toStdString());
    EXPECT_EQ(history->records[1].content, Content("file.txt").toStdString());
}

TEST_F(Deletion, FilesGoOnlyAfterTheIndexWithoutThemIsSaved)
{
    AddText("a.txt", "a");
    ASSERT_TRUE(history->SaveContent());
    // A folder in the index's place: the index cannot be replaced.
    ASSERT_TRUE(QFile::remove(history->IndexPath()));
    ASSERT_TRUE(QDir().mkpath(history->IndexPath()));
    history->DeleteRecords({ 0 }, false);
    EXPECT_TRUE(QFile::exists(Content("a.txt")));
    ASSERT_TRUE(QDir().rmdir(history->IndexPath()));
    ASSERT_TRUE(history->SaveContent());
    EXPECT_FALSE(QFile::exists(Content("a.txt")));
}

class Trimming : public HistoryFixture { };

TEST_F(Trimming, TheOldestEntryGoesSilentlyWithItsFiles)
{
    Settings().max_save_count = 2;
    AddText("a.txt", "a");
    AddText("b.txt", "b");
    AddText("c.txt", "c");
    history->ReplaceDeleteCollect();
    ASSERT_EQ(history->items.size(), 2u);
    EXPECT_EQ(history->records.size(), 2u);
    EXPECT_EQ(history->records[1].content, Content("b.txt").toStdString());
    EXPECT_TRUE(Posts(msg_records_deleted).empty());
    history->SaveContent();
    EXPECT_FALSE(QFile::exists(Content("a.txt")));
    EXPECT_FALSE(QFile::exists(Content("a.txticon.png")));
}

TEST_F(Trimming, FavouritesAtTheEndAreSparedAndTheOldestOtherGoes)
{
    Settings().max_save_count = 3;
    AddText("fav1.txt", "1", true);
    AddText("fav2.txt", "2", true);
    AddText("plain.txt", "p");
    AddText("new.txt", "n");
    history->ReplaceDeleteCollect();
    ASSERT_EQ(history->items.size(), 3u);
    ASSERT_EQ(history->records.size(), 3u);
    for (size_t i = 0; i < 3; ++i)
        EXPECT_EQ(history->items[i].content, history->records[i].content);
    EXPECT_EQ(history->items[0].content, Content("new.txt").toStdString());
    EXPECT_EQ(history->items[2].content, Content("fav1.txt").toStdString());
    const auto batches = Posts(msg_records_deleted);
    ASSERT_EQ(batches.size(), 2u);
    EXPECT_EQ(batches[0].text, "plain.txt,");
    EXPECT_EQ(batches[0].b, 0);
    EXPECT_EQ(batches[1].text, "");
    EXPECT_EQ(batches[1].b, 1);
}

TEST_F(Trimming, NothingGoesWhenOnlyFavouritesAreLeftOrTheMaximumIsOne)
{
    Settings().max_save_count = 2;
    for (const char* name : { "a.txt", "b.txt", "c.txt" })
        AddText(name, "x", true);
    history->ReplaceDeleteCollect();
    EXPECT_EQ(history->items.size(), 3u);
    Settings().max_save_count = 1;
    AddText("d.txt", "x");
    history->ReplaceDeleteCollect();
    EXPECT_EQ(history->items.size(), 4u);
    EXPECT_TRUE(Posts(msg_records_deleted).empty());
}

class Synced : public HistoryFixture { };

TEST_F(Synced, TextEntryIsInsertedOnceAndPutOnTheClipboard)
{
    Settings().paste_by_cloud = true;
    WriteFile(Content("s1.txt"), "from the cloud");
    history->InsertSyncedRecords({ "s1.txt" }, { "10" });
    ASSERT_EQ(history->records.size(), 1u);
    EXPECT_EQ(history->records[0].collect, collect_mark);
    EXPECT_EQ(history->records[0].type, content_text);
    EXPECT_EQ(history->records[0].md5, GetFileMd5(Content("s1.txt")).toStdString());
    EXPECT_EQ(history->items[0].text, "from the cloud");
    EXPECT_EQ(notices, QStringList { "本地列表已与云上同步" });
    EXPECT_EQ(row_copies, 1);
    EXPECT_EQ(ReadFile(history->IndexPath()).count("s1.txt"), 1);

    // The same content under another name: not again, nothing copied.
    WriteFile(Content("s2.txt"), "from the cloud");
    history->InsertSyncedRecords({ "s2.txt" }, { "0" });
    EXPECT_EQ(history->records.size(), 1u);
    EXPECT_EQ(row_copies, 1);
}

TEST_F(Synced, ImageEntryAndAnExistingImageStillCopied)
{
    Settings().paste_by_cloud = true;
    QImage image(40, 20, QImage::Format_RGB32);
    image.fill(Qt::red);
    ASSERT_TRUE(image.save(Content("p.png")));
    history->InsertSyncedRecords({ "p.png" }, { "1" });
    ASSERT_EQ(history->records.size(), 1u);
    EXPECT_EQ(history->items[0].type, content_image);
    ASSERT_TRUE(history->items[0].pixmap);
    EXPECT_EQ(history->items[0].pixmap->Size(), QSize(40, 20));
    EXPECT_EQ(history->records[0].icons, "");
    ASSERT_TRUE(QFile::copy(Content("p.png"), Content("q.png")));
    history->InsertSyncedRecords({ "q.png" }, { "1" });
    EXPECT_EQ(history->records.size(), 1u);
    EXPECT_EQ(row_copies, 2);
}

TEST_F(Synced, BadNamesTypesAndEmptyListsAreRefused)
{
    WriteFile(Content("ok.txt"), "x");
    WriteFile(dir.path() + "/config.txt", "outside");
    history->InsertSyncedRecords({}, { "0" });
    EXPECT_TRUE(notices.isEmpty());
    history->InsertSyncedRecords({ "../config.txt" }, { "0" });
    history->InsertSyncedRecords({ "ok.txt" }, { "zero" });
    history->InsertSyncedRecords({ "missing.png" }, { "1" });
    history->InsertSyncedRecords({ "ok.txt" }, { "5" });
    EXPECT_TRUE(history->records.empty());
    WriteFile(Content("blank.txt"), " \n\t");
    history->InsertSyncedRecords({ "blank.txt" }, { "0" });
    EXPECT_TRUE(history->records.empty());
}

} // namespace
