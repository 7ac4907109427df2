// The client's history synchronisation without a network: downloads, uploads, the server's
// instruction files applied to a history on disk, user.json and the page's news timers.
#include "core/message_ids.h"
#include "history/content_index.h"
#include "sync/account_file.h"
#include "sync/account_session.h"
#include "sync/anonymous_account.h"
#include "sync/download_writer.h"
#include "sync/history_instructions.h"
#include "sync/history_upload.h"
#include "sync/md5.h"
#include "sync/sync_link.h"
#include "sync/wire_kinds.h"
#include "tests/sync/wire_test_support.h"
#include "tests/unit/history/history_fixture.h"

#include <cstring>
#include <mutex>
#include <QDir>
#include <tuple>

namespace {

using namespace history_test;

// Frames an upload hands over, in order: payload, tag, kind.
struct sent_frames {
    std::mutex mutex;
    std::vector<std::tuple<std::string, std::string, std::uint8_t>> frames;
    history_upload::send_function sender()
    {
        return [this](const char* payload, std::size_t n, std::string_view tag, std::uint8_t kind) {
            std::lock_guard<std::mutex> lock(mutex);
            frames.emplace_back(std::string(payload ? payload : "", n), std::string(tag), kind);
            return true;
        };
    }
};

QString FolderFile(const QTemporaryDir& dir, const QString& name)
{
    return dir.path() + "/" + name;
}

TEST(DownloadWriter, UnsafeNamesAreDroppedAndAFileLandsWholeAtItsEndOneAtATime)
{
    QTemporaryDir root;
    ASSERT_TRUE(QDir(root.path()).mkdir("content"));
    const QString dir = root.path() + "/content/";
    download_writer writer(dir);
    const std::string refused[] = { "", "1", "1..", "1.", "1../x.txt", "1sub/x.txt", "1a\\b",
        "1C:x", "1" + std::string(34, 'n'), std::string("1a\x01") };
    for (const std::string& tag : refused) {
        captured_log log;
        writer.Write(tag, "x");
        writer.Write(tag.empty() ? tag : "4" + tag.substr(1), "");
        EXPECT_FALSE(log.lines.empty()) << tag;
    }
    EXPECT_EQ(QDir(root.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
        QStringList { "content" });
    EXPECT_TRUE(QDir(dir).isEmpty());
    const std::string longest(32, 'n'); // the longest name a tag can carry
    writer.Write("5" + longest, "x");
    EXPECT_TRUE(QFile::exists(dir + QString::fromStdString(longest)));

    writer.Write("1a.txt", "hello ");
    writer.Write("2a.txt", "world");
    EXPECT_FALSE(QFile::exists(dir + "a.txt")); // nothing half-written to be read
    writer.Write("4a.txt", "");
    EXPECT_EQ(ReadFile(dir + "a.txt"), "hello world");
    // Another file's chunk drops the unfinished one; its late chunks go nowhere.
    writer.Write("1b.txt", "part");
    writer.Write("1c.txt", "c");
    writer.Write("2b.txt", "late");
    writer.Write("4b.txt", "");
    writer.Write("5c.txt", "whole"); // bits 0 and 2: opened anew, written, ended at once
    EXPECT_FALSE(QFile::exists(dir + "b.txt"));
    EXPECT_EQ(ReadFile(dir + "c.txt"), "whole");
    writer.Write("3d.txt", "once"); // bits 0 and 1 write the payload once
    writer.Write("4d.txt", "ignored");
    EXPECT_EQ(ReadFile(dir + "d.txt"), "once");
    // A file begun anew replaces the old one only at its end.
    writer.Write("1a.txt", "new");
    EXPECT_EQ(ReadFile(dir + "a.txt"), "hello world");
    writer.Write("4a.txt", "");
    EXPECT_EQ(ReadFile(dir + "a.txt"), "new");
}

// Files go in chunks of a payload with step digits then an empty end; with content.json
// present, listed files follow it, then "done", and long batches split between items.
TEST(HistoryUpload, FilesIndexListedFilesAndBatches)
{
    QTemporaryDir dir;
    QByteArray big(2500, '\0');
    for (int i = 0; i < big.size(); ++i)
        big[i] = static_cast<char>(i % 251);
    ASSERT_TRUE(
        WriteFile(FolderFile(dir, "big.png"), big) && WriteFile(FolderFile(dir, "empty.txt"), ""));
    sent_frames sent;
    {
        history_upload upload(dir.path().toStdString(), sent.sender());
        upload.UploadIndex(); // no content.json
        upload.SendFiles(
            { "big.png", "missing.txt", "empty.txt", "../escape" }, wire::kind_file_chunk);
        upload.RecordAdded(FolderFile(dir, "empty.txt").toStdString(), 2);
        upload.Finish();
    }
    const std::string bytes(big.constData(), big.size());
    const decltype(sent.frames) expected = {
        { "", "", wire::kind_index_missing },
        { bytes.substr(0, 1024), "1big.png", wire::kind_file_chunk },
        { bytes.substr(1024, 1024), "2big.png", wire::kind_file_chunk },
        { bytes.substr(2048), "2big.png", wire::kind_file_chunk },
        { "", "4big.png", wire::kind_file_chunk },
        { "", "4empty.txt", wire::kind_file_chunk }, // an empty file: its end alone
        { "", "4empty.txt", wire::kind_file_chunk }, // the record's file, then the record
        { "", "2empty.txt", wire::kind_record_added },
    };
    EXPECT_EQ(sent.frames, expected);

    sent.frames.clear();
    ASSERT_TRUE(WriteFile(FolderFile(dir, "content.json"), "{}")
        && WriteFile(FolderFile(dir, "a.txt"), "a"));
    std::string names;
    for (int i = 0; i < 60; ++i)
        names += "1700000000000000" + std::to_string(100 + i) + ".txt,"; // 24 bytes each
    {
        history_upload upload(dir.path().toStdString(), sent.sender());
        upload.UploadIndex();
        upload.UploadListedFiles(R"({"content": ["/far/away/a.txt", "../b.txt"]})");
        upload.SendBatch(names, true, wire::kind_records_deleted, wire::kind_records_deleted_last);
        upload.SendBatch("", true, wire::kind_records_collected, wire::kind_records_collected_last);
        upload.Finish();
    }
    std::vector<std::pair<std::string, std::uint8_t>> got;
    std::string joined;
    for (const auto& [payload, tag, kind] : sent.frames) {
        got.emplace_back(tag, kind);
        if (kind == wire::kind_records_deleted || kind == wire::kind_records_deleted_last) {
            EXPECT_LE(payload.size(), 1024u);
            EXPECT_EQ(payload.back(), ',');
            joined += payload;
        }
    }
    EXPECT_EQ(joined, names);
    const std::vector<std::pair<std::string, std::uint8_t>> listed = {
        { "1content.json", wire::kind_index_upload },
        { "4content.json", wire::kind_index_upload },
        { "1a.txt", wire::kind_file_chunk },
        { "4a.txt", wire::kind_file_chunk },
        { "", wire::kind_files_done },
        { "", wire::kind_records_deleted },
        { "", wire::kind_records_deleted_last },
        { "", wire::kind_records_collected_last },
    };
    EXPECT_EQ(got, listed);
}

using Instructions = HistoryFixture;

// Delete takes the entry of that name only, collect marks and clears what it can use, content
// adds the new names in front with the first on top.
TEST_F(Instructions, DeleteCollectAndContentAppliedInTurn)
{
    AddText("1.txt", "one");
    AddText("11.txt", "eleven", true);
    AddText("21.txt", "twenty-one");
    history_instructions::ApplyDelete(*history, R"({"content": ["1.txt", "gone.txt"]})");
    history->FinishWrites();
    EXPECT_EQ(Listed(), QStringList({ "21.txt", "11.txt" }));
    EXPECT_TRUE(Posts().empty()); // the server knows already
    EXPECT_EQ(notices, QStringList { "本地列表已与云上同步" });
    history->LoadContent(); // saved, and the file went with it
    EXPECT_EQ(Listed(), QStringList({ "21.txt", "11.txt" }));
    EXPECT_FALSE(QFile::exists(Content("1.txt")));

    // Two types for three names: the shorter list counts; "x" is no number.
    history_instructions::ApplyCollect(
        *history, R"({"content": ["21.txt", "11.txt", "d.txt"], "type": ["11", "1", "x"]})");
    EXPECT_EQ(history->records[0].collect, favourite_mark);
    EXPECT_EQ(history->items[0].collect, favourite_mark);
    EXPECT_EQ(history->records[1].collect, 0);
    for (const char* broken : { R"({"type": ["11"]})", R"({"content": ["21.txt"]})", "not json" })
        history_instructions::ApplyCollect(*history, broken);
    EXPECT_EQ(notices.size(), 2);

    for (const char* name : { "n1.txt", "n2.txt", "n3.txt" })
        ASSERT_TRUE(WriteFile(Content(name), QByteArray("text of ") + name));
    const char* json = R"({"content": ["n1.txt", "n2.txt", "n3.txt", "21.txt", "11.txt"],
        "type": ["0", "10", "0", "0", "0"]})";
    history_instructions::ApplyContent(*history, json);
    EXPECT_EQ(Listed(), QStringList({ "n1.txt", "n2.txt", "n3.txt", "21.txt", "11.txt" }));
    EXPECT_EQ(history->records[1].collect, favourite_mark);
    EXPECT_EQ(history->items[0].text, "text of n1.txt");
    EXPECT_EQ(notices.size(), 3);
    history_instructions::ApplyContent(*history, json); // the first name is the newest: nothing
    EXPECT_EQ(history->records.size(), 5u);
}

TEST(AccountFile, RoundTripsAndKeepsADamagedFileAside)
{
    QTemporaryDir dir;
    const account_file file(FolderFile(dir, "user.json"));
    EXPECT_EQ(file.Read().what, account_file::state::missing);
    EXPECT_FALSE(file.SaveAutoLogin(true)); // nothing to change
    ASSERT_TRUE(file.Save({ "alice", wire::md5_hex("secret"), true }));
    EXPECT_EQ(ReadFile(file.path()),
        "{\"auto\":true,\"pwd\":\"" + QByteArray::fromStdString(wire::md5_hex("secret"))
            + "\",\"user\":\"alice\"}");
    ASSERT_TRUE(file.SaveAutoLogin(false));
    const auto read = file.Read();
    ASSERT_EQ(read.what, account_file::state::ok);
    EXPECT_EQ(read.account.user, "alice");
    EXPECT_EQ(read.account.pwd, wire::md5_hex("secret"));
    EXPECT_FALSE(read.account.auto_login);

    for (const QByteArray& damaged :
        { QByteArray("{\"user\":\"al"), QByteArray(R"({"user":"a","pwd":"p"})") }) {
        ASSERT_TRUE(WriteFile(file.path(), damaged));
        EXPECT_EQ(file.Read().what, account_file::state::damaged);
        EXPECT_EQ(file.Read().what, account_file::state::missing);
        const QStringList aside = QDir(dir.path()).entryList({ "user.json.damaged-*" });
        ASSERT_FALSE(aside.isEmpty());
        EXPECT_EQ(ReadFile(FolderFile(dir, aside.back())), damaged);
        QFile::remove(FolderFile(dir, aside.back()));
    }
}

// The page's logic without a connection: the bus messages are handed to it directly.
class Session : public HistoryFixture {
protected:
    void SetUp() override
    {
        HistoryFixture::SetUp();
        for (std::int64_t id :
            { msg_sync_append, msg_sync_delete, msg_sync_content, msg_cloud_list_synced })
            tokens.push_back(
                bus::Register(id, [this](std::int64_t i, std::int64_t a, std::int64_t) {
                    if (i == msg_cloud_list_synced && a != 0)
                        synced = *reinterpret_cast<const synced_list*>(a);
                    const std::string text = i == msg_cloud_list_synced
                        ? synced.index
                        : (a ? *reinterpret_cast<const std::string*>(a) : "");
                    forwarded.emplace_back(i, a ? text : "");
                    return 0;
                }));
        session = account_session::Create(link, dir.path() + "/user.json", Content(""),
            [this](page_change change) { changes.push_back(change); });
    }
    void TearDown() override
    {
        session.reset();
        for (bus::Token token : tokens)
            bus::Unregister(token);
        HistoryFixture::TearDown();
    }
    void Receive(std::uint8_t kind)
    {
        frame_record record;
        record.kind = kind;
        session->OnMessage(msg_net_received, reinterpret_cast<std::int64_t>(&record), 0);
    }
    void LogIn(const std::string& account)
    {
        frame_record record;
        std::strcpy(record.id, account.c_str());
        std::strcpy(record.pwd, "0123456789abcdef0123456789abcdef");
        session->OnMessage(msg_login_ok, reinterpret_cast<std::int64_t>(&record), 0);
    }

    sync_link link; // never connected
    std::shared_ptr<account_session> session;
    std::vector<page_change> changes;
    std::vector<std::pair<std::int64_t, std::string>> forwarded;
    synced_list synced;
    std::vector<bus::Token> tokens;
};

TEST_F(Session, TwoNewsInOnePeriodAreBothForwardedInOrderWithTheirFiles)
{
    ASSERT_TRUE(WriteFile(Content("append.json"), "A") && WriteFile(Content("delete.json"), "D"));
    Receive(wire::kind_append_ready); // not logged in: ignored
    EXPECT_TRUE(session->logged_in() == false);
    LogIn("alice");
    ASSERT_TRUE(session->logged_in());
    EXPECT_EQ(ReadFile(dir.path() + "/user.json").contains("alice"), true);
    Receive(wire::kind_append_ready);
    // The next append.json may come before the timer runs: this one was taken already.
    EXPECT_FALSE(QFile::exists(Content("append.json")));
    Receive(wire::kind_delete_ready);
    Receive(wire::kind_list_updated);
    session->UploadTick();
    session->ForwardTick();
    session->ForwardTick();
    const std::vector<std::pair<std::int64_t, std::string>> expected
        = { { msg_cloud_list_synced, "" }, { msg_sync_append, "A" }, { msg_sync_delete, "D" } };
    EXPECT_EQ(forwarded, expected);
    ASSERT_FALSE(changes.empty());
    EXPECT_EQ(changes.back().shown, page_change::status::list_updated);

    // The shared anonymous account gets no news and sends nothing.
    LogIn(std::string(wire::anonymous_account));
    EXPECT_FALSE(session->logged_in());
}

// After a login the server's merged index comes back while this machine goes on capturing:
// neither the server's entries nor the captures made since the upload may be lost.
using SyncedIndex = Session;

TEST_F(SyncedIndex, JoinsTheCapturesMadeSinceTheUploadNotWhatTheServerDropped)
{
    AddText("old.txt", "old");
    AddText("gone.txt", "gone"); // deleted on another machine
    history->SaveContent();
    LogIn("alice");
    session->FinishUploads();
    AddText("a.txt", "captured before the download");
    history->SaveContent();
    ASSERT_TRUE(WriteFile(Content("s1.txt"), "from the server"));
    const std::vector<content_record> server
        = { { content_text, 0, ContentPath("s1.txt"), "s1", "", "" },
              { content_text, 0, ContentPath("old.txt"), "old.txt-digest", "", "" } };
    const QByteArray merged = content_index::Serialize(server, 100);
    download_writer writer(Content(""));
    writer.Write("5content.json", merged.toStdString());
    AddText("b.txt", "captured after the download");
    history->SaveContent(); // the live index, not the server's copy
    EXPECT_EQ(ReadFile(Content(synced_index_name)), merged);
    EXPECT_NE(ReadFile(Content("content.json")), merged);

    Receive(wire::kind_list_updated);
    session->UploadTick();
    ASSERT_EQ(forwarded.size(), 1u);
    EXPECT_EQ(synced.index, merged.toStdString());
    EXPECT_EQ(synced.uploaded_names, std::vector<std::string>({ "gone.txt", "old.txt" }));
    std::vector<QString> uploaded;
    for (const std::string& name : synced.uploaded_names)
        uploaded.push_back(QString::fromStdString(name));
    ASSERT_TRUE(history->MergeSyncedIndex(QByteArray::fromStdString(synced.index), uploaded));
    const QStringList expected = { "b.txt", "a.txt", "s1.txt", "old.txt" };
    EXPECT_EQ(Listed(), expected);
    EXPECT_EQ(history->items[2].text, "from the server");
    history->LoadContent(); // saved
    EXPECT_EQ(Listed(), expected);
    EXPECT_FALSE(history->MergeSyncedIndex("not an index", uploaded));
    EXPECT_EQ(Listed(), expected);

    // Later news of the server's index reads the same copy.
    Receive(wire::kind_content_ready);
    session->ForwardTick();
    ASSERT_EQ(forwarded.size(), 2u);
    EXPECT_EQ(forwarded.back(), std::make_pair(msg_sync_content, merged.toStdString()));
}

} // namespace
