#include "history/base_name.h"
#include "history/clipboard_capture.h"
#include "history/file_digest.h"
#include "platform/fake/fake_layer.h"
#include "tests/unit/history/history_fixture.h"

#include <QFileInfo>
#include <QImage>
#include <QUrl>

namespace {

using namespace history_test;
using outcome = clipboard_capture::outcome;

clipboard_snapshot Text(const QString& text)
{
    clipboard_snapshot s;
    s.data = [](const QString&) { return QByteArray(); };
    s.has_text = !text.isNull();
    s.text = text;
    return s;
}

clipboard_snapshot Files(const QStringList& paths)
{
    clipboard_snapshot s = Text(QString());
    s.has_urls = true;
    for (const QString& path : paths)
        s.url_text += (s.url_text.isEmpty() ? "" : "\n") + QUrl::fromLocalFile(path).toString();
    return s;
}

class Capture : public HistoryFixture {
protected:
    void SetUp() override
    {
        HistoryFixture::SetUp();
        auto fake = std::make_unique<platform::fake_layer>();
        fake->titles[42] = "编辑器 — notes.txt";
        fake->icon_png[42] = "PNGBYTES";
        platform::Install(std::move(fake));
        capture = std::make_unique<clipboard_capture>(*history);
    }
    void TearDown() override
    {
        capture.reset();
        platform::Install(std::make_unique<platform::fake_layer>());
        HistoryFixture::TearDown();
    }
    outcome Copy(const clipboard_snapshot& s) { return capture->Capture(s, 42); }
    outcome CopyImage(const QImage& image)
    {
        clipboard_snapshot s = Text(QString());
        s.has_image = true;
        s.image = [image] { return image; };
        return Copy(s);
    }
    QString Photo(const QString& name)
    {
        QImage image(64, 32, QImage::Format_RGB32);
        image.fill(Qt::green);
        const QString path = dir.path() + "/" + name;
        return image.save(path, "PNG") ? path : QString();
    }
    void MarkFavourite()
    {
        history->records[0].collect = history->items[0].collect = favourite_mark;
    }
    const content_record& First() const { return history->records.at(0); }

    std::unique_ptr<clipboard_capture> capture;
};

TEST_F(Capture, TextUpToItsFirstNulMakesATextEntryWithItsIcon)
{
    EXPECT_EQ(Copy(Text(QString("hello\nworld") + QChar(0) + "junk")), outcome::text);
    EXPECT_EQ(ReadFile(QString::fromStdString(First().content)), "hello\nworld");
    EXPECT_EQ(history->items[0].text, "hello\nworld");
    EXPECT_EQ(First().exe_title, "编辑器 — notes.txt");
    EXPECT_EQ(ReadFile(QString::fromStdString(First().icons)), "PNGBYTES");
    EXPECT_EQ(
        Posts(msg_record_captured), (std::vector<batch> { { First().content, content_text } }));
}

TEST_F(Capture, TheSameTextAgainReplacesItsEntryUnlessAFavouriteOutsideTheFavouritesView)
{
    Copy(Text("same"));
    const QString first = QString::fromStdString(First().content);
    Copy(Text("same"));
    ASSERT_EQ(history->records.size(), 1u);
    EXPECT_EQ(
        Posts(), (std::vector<batch> { { QFileInfo(first).fileName().toStdString() + ",", 1 } }));
    EXPECT_EQ(ContentFiles().size(), 3); // only the index and the new entry's text and icon

    MarkFavourite();
    Copy(Text("same"));
    ASSERT_EQ(history->records.size(), 2u);
    EXPECT_EQ(history->records[1].collect, favourite_mark);
    Settings().show_content_type = content_favourite;
    Copy(Text("same"));
    ASSERT_EQ(history->records.size(), 1u);
    EXPECT_EQ(First().collect, 0);
}

// Regression: the removal of the plain twins was not saved when a favourite stayed.
TEST_F(Capture, AFavouriteImageFileStaysAndItsPlainTwinGoes)
{
    const QString photo = Photo("photo.png");
    Copy(Files({ photo }));
    MarkFavourite();
    // A plain twin beside the favourite (as a synced copy could be).
    ASSERT_TRUE(QFile::copy(QString::fromStdString(First().content), Content("twin.png")));
    content_record twin = First();
    content_item twin_item = history->items[0];
    twin.collect = twin_item.collect = 0;
    twin.content = twin_item.content = twin_item.text = ContentPath("twin.png");
    history->InsertFront(twin, twin_item);

    EXPECT_EQ(Copy(Files({ photo })), outcome::kept_favourite);
    ASSERT_EQ(history->records.size(), 1u);
    EXPECT_EQ(First().collect, favourite_mark);
    EXPECT_FALSE(QFile::exists(Content("twin.png")));
    EXPECT_FALSE(ReadFile(history->IndexPath()).contains("twin.png"));
}

TEST_F(Capture, FileUrlsMakeAFileListUnlessOneFileWithAnExactImageExtension)
{
    EXPECT_EQ(Copy(Files({ "/tmp/a b.txt", Photo("photo.png") })), outcome::file_list);
    EXPECT_EQ(history->items[0].text,
        "file:///tmp/a b.txt\nfile://" + dir.path().toStdString() + "/photo.png");
    for (const char* text : { "https://example.com/a.png", "c.png", "file:///nowhere/missing.png" })
        EXPECT_EQ(Copy(Text(QString::fromUtf8(text))), outcome::text) << text;
    EXPECT_EQ(Copy(Files({ Photo("x.png"), Photo("y.png") })), outcome::file_list);
    Settings().save_file_type = false; // not even as the text that comes with the URLs
    clipboard_snapshot both = Files({ "/tmp/d.txt" });
    both.has_text = true;
    both.text = "/tmp/d.txt";
    EXPECT_EQ(Copy(both), outcome::nothing);
}

TEST_F(Capture, SecretAndEmptyCopiesAreCountedButNeverRecorded)
{
    const QString windows = "application/x-qt-windows-mime;value=\"%1\"";
    auto marked = [](const QString& format, const QByteArray& value) {
        clipboard_snapshot s = Text("hunter2");
        s.formats = QStringList { "text/plain", format };
        s.data = [format, value](const QString& f) { return f == format ? value : QByteArray(); };
        return s;
    };
    EXPECT_EQ(Copy(marked(windows.arg("CanIncludeInClipboardHistory"), QByteArray(4, 0))),
        outcome::secret);
    EXPECT_EQ(Copy(marked(windows.arg("Clipboard Viewer Ignore"), "")), outcome::secret);
    EXPECT_EQ(Copy(Text(" \n\t ")), outcome::nothing);
    EXPECT_EQ(CopyImage(QImage()), outcome::nothing);
    EXPECT_TRUE(posts.empty());
    EXPECT_EQ(ContentFiles(), QStringList());
    // Allowed into histories (1), or a hint with another value: recorded.
    EXPECT_EQ(Copy(marked(windows.arg("CanIncludeInClipboardHistory"), QByteArray("\1\0\0\0", 4))),
        outcome::text);
    EXPECT_EQ(Copy(marked("x-kde-passwordManagerHint", "public")), outcome::text);
    EXPECT_EQ(capture->today().StatusText(), "今天已复制 6 次");
    today_counter counter; // a new day starts again at 1
    counter.Count(QDate(2026, 3, 1));
    EXPECT_EQ(counter.Count(QDate(2026, 3, 2)), 1u);
}

TEST(BaseName, EqualStampsGetCSuffixesPerSuffix)
{
    QTemporaryDir dir;
    const QString first = dir.path() + "/1700000000000000000";
    for (const QString& name : { first, first + "c", first + "cc" }) {
        EXPECT_EQ(base_name::Unique(dir.path(), ".txt", 1700000000000000000), name);
        ASSERT_TRUE(WriteFile(name + ".txt", ""));
    }
    EXPECT_EQ(base_name::Unique(dir.path(), ".png", 1700000000000000000), first);
    EXPECT_EQ(QString::number(base_name::NowStamp()).size(), 19);
}

TEST_F(Capture, FailedWritesAreShownOnceRecordNothingAndLandWithTheNextCapture)
{
    // content/ refuses writes; for root, a plain file in its place does.
    const QString folder = dir.path() + "/content";
    QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner);
    QFile probe(folder + "/probe");
    if (probe.open(QIODevice::WriteOnly)) {
        probe.close();
        ASSERT_TRUE(QDir(folder).removeRecursively() && WriteFile(folder, "not a folder"));
    }
    Copy(Text("first"));
    QImage red(40, 20, QImage::Format_RGB32);
    red.fill(Qt::red);
    CopyImage(red);
    EXPECT_EQ(notices, QStringList { "历史记录无法保存" }) << "once, not per capture";
    EXPECT_TRUE(history->records.empty());
    EXPECT_EQ(history->unwritten_count(), 2u);

    if (QFileInfo(folder).isFile())
        QFile::remove(folder);
    QDir().mkpath(folder);
    QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    Copy(Text("third"));
    ASSERT_EQ(history->records.size(), 3u);
    EXPECT_EQ(history->items[2].text, "first");
    EXPECT_TRUE(history->records[2].icons.empty()) << "never written, so not named";
    for (const content_record& record : history->records) {
        EXPECT_TRUE(QFile::exists(QString::fromStdString(record.content))) << record.content;
    }
    EXPECT_EQ(history->unwritten_count(), 0u);
    content_history reloaded(dir.path());
    reloaded.LoadContent();
    EXPECT_EQ(reloaded.records.size(), 3u);
}

TEST_F(Capture, AnotherProgramsPngIsKeptAsItCameAndGarbageRecordsNothing)
{
    const QByteArray png = ReadFile(Photo("offered.png"));
    const auto offered = [](const QByteArray& bytes) {
        clipboard_snapshot s = Text(QString());
        s.formats = QStringList { "image/png" };
        s.data = [bytes](const QString& format) {
            return format == "image/png" ? bytes : QByteArray();
        };
        s.has_image = true;
        s.image = [] { return QImage(); }; // never needed
        return s;
    };
    EXPECT_EQ(Copy(offered(png)), outcome::image);
    ASSERT_EQ(history->records.size(), 1u);
    EXPECT_EQ(ReadFile(QString::fromStdString(First().content)), png);

    Copy(offered("not a picture"));
    EXPECT_EQ(history->records.size(), 1u);
    EXPECT_TRUE(notices.isEmpty()) << "not a disk failure";
    EXPECT_EQ(ContentFiles().filter(".png").size(), 2) << "the entry and its icon only";
}

} // namespace
