#include "history/base_name.h"
#include "history/clipboard_capture.h"
#include "history/file_digest.h"
#include "history/full_image_cache.h"
#include "platform/fake/fake_platform.h"
#include "tests/unit/history/history_fixture.h"

#include <QImage>
#include <QRegularExpression>
#include <QUrl>

namespace {

using history_test::HistoryFixture;
using outcome = clipboard_capture::outcome;

clipboard_snapshot Text(const QString& text)
{
    clipboard_snapshot s;
    s.data = [](const QString&) { return QByteArray(); };
    s.has_text = true;
    s.text = text;
    return s;
}

clipboard_snapshot Files(const QStringList& paths)
{
    clipboard_snapshot s = Text(QString());
    s.has_text = false;
    s.has_urls = true;
    QStringList lines;
    for (const QString& path : paths)
        lines << QUrl::fromLocalFile(path).toString();
    s.url_text = lines.join('\n');
    return s;
}

clipboard_snapshot Image(const QImage& image)
{
    clipboard_snapshot s = Text(QString());
    s.has_text = false;
    s.has_image = true;
    s.image = [image] { return image; };
    return s;
}

class Capture : public HistoryFixture {
protected:
    void SetUp() override
    {
        HistoryFixture::SetUp();
        auto fake = std::make_unique<platform::FakePlatform>();
        fake->titles[42] = "编辑器 — notes.txt";
        fake->icon_png[42] = "PNGBYTES";
        platform::Install(std::move(fake));
        capture = std::make_unique<clipboard_capture>(*history);
    }
    void TearDown() override
    {
        capture.reset();
        platform::Install(std::make_unique<platform::FakePlatform>());
        HistoryFixture::TearDown();
    }
    outcome Copy(const clipboard_snapshot& s) { return capture->Capture(s, 42); }
    QString Photo(const QString& name)
    {
        QImage image(64, 32, QImage::Format_RGB32);
        image.fill(QColor(10, 200, 30));
        const QString path = dir.path() + "/" + name;
        EXPECT_TRUE(image.save(path, "PNG"));
        return path;
    }

    std::unique_ptr<clipboard_capture> capture;
};

TEST_F(Capture, TextMakesATextEntryWithFileDigestTitleAndIcon)
{
    EXPECT_EQ(Copy(Text("hello\nworld")), outcome::text);
    ASSERT_EQ(history->records.size(), 1u);
    const content_record& r = history->records[0];
    const QString path = QString::fromStdString(r.content);
    EXPECT_TRUE(QRegularExpression("/content/\\d{19}c*\\.txt$").match(path).hasMatch())
        << r.content;
    EXPECT_EQ(ReadFile(path), "hello\nworld");
    EXPECT_EQ(r.md5, GetFileMd5(path).toStdString());
    EXPECT_EQ(r.exe_title, "编辑器 — notes.txt");
    EXPECT_EQ(r.icons, path.chopped(4).toStdString() + "icon.png");
    EXPECT_EQ(ReadFile(QString::fromStdString(r.icons)), "PNGBYTES");
    EXPECT_EQ(history->items[0].text, "hello\nworld");
    const auto captured = Posts(msg_record_captured);
    ASSERT_EQ(captured.size(), 1u);
    EXPECT_EQ(captured[0].text, r.content);
    EXPECT_EQ(captured[0].b, content_text);
    EXPECT_EQ(ReadFile(history->IndexPath()).count(QFileInfo(path).fileName().toUtf8()), 1);
    EXPECT_EQ(capture->today().today_count(), 1u);
}

TEST_F(Capture, TheSameTextTwiceLeavesOneEntryUnderANewName)
{
    Copy(Text("same"));
    const std::string first = history->records[0].content;
    Copy(Text("same"));
    ASSERT_EQ(history->records.size(), 1u);
    EXPECT_NE(history->records[0].content, first);
    EXPECT_FALSE(QFile::exists(QString::fromStdString(first)));
    const auto deleted = Posts(msg_records_deleted);
    ASSERT_EQ(deleted.size(), 1u);
    EXPECT_EQ(
        deleted[0].text, QFileInfo(QString::fromStdString(first)).fileName().toStdString() + ",");
    EXPECT_EQ(notices, QStringList { "已删除1条内容" });
    // Only the new entry's files are left.
    EXPECT_EQ(ContentFiles().size(), 3); // index, text, icon
}

TEST_F(Capture, AFavouriteWithTheSameTextStaysUnlessTheFavouritesViewIsShown)
{
    Copy(Text("keep me"));
    history->records[0].collect = history->items[0].collect = collect_mark;
    Copy(Text("keep me"));
    ASSERT_EQ(history->records.size(), 2u);
    EXPECT_EQ(history->records[0].collect, 0);
    EXPECT_EQ(history->records[1].collect, collect_mark);

    Settings().show_content_type = content_collect;
    Copy(Text("keep me"));
    ASSERT_EQ(history->records.size(), 1u);
    EXPECT_EQ(history->records[0].collect, 0);
}

TEST_F(Capture, FileUrlsMakeAFileListEntry)
{
    EXPECT_EQ(Copy(Files({ "/tmp/a b.txt", "/tmp/c.txt" })), outcome::file_list);
    ASSERT_EQ(history->records.size(), 1u);
    EXPECT_EQ(history->records[0].type, content_file);
    EXPECT_EQ(history->items[0].text, "file:///tmp/a b.txt\nfile:///tmp/c.txt");
    EXPECT_EQ(Posts(msg_record_captured)[0].b, content_file);

    Settings().save_file_type = false;
    clipboard_snapshot both = Files({ "/tmp/d.txt" });
    both.has_text = true;
    both.text = "/tmp/d.txt";
    EXPECT_EQ(Copy(both), outcome::nothing);
    EXPECT_EQ(history->records.size(), 1u);
}

TEST_F(Capture, ImageMakesAPngEntryWithoutKeepingTheWholeImageInTheItem)
{
    QImage image(1920, 1080, QImage::Format_RGB32);
    image.fill(Qt::blue);
    EXPECT_EQ(Copy(Image(image)), outcome::image);
    ASSERT_EQ(history->records.size(), 1u);
    const content_item& item = history->items[0];
    EXPECT_EQ(item.type, content_image);
    EXPECT_TRUE(item.content.size() > 4 && item.content.substr(item.content.size() - 4) == ".png");
    EXPECT_EQ(item.text, item.content);
    EXPECT_EQ(item.md5, GetFileMd5(QString::fromStdString(item.content)).toStdString());
    ASSERT_TRUE(item.pixmap);
    EXPECT_EQ(item.pixmap->RowImage().size(), QSize(355, 200));
    EXPECT_EQ(item.pixmap->Full().size(), QSize(1920, 1080));
    EXPECT_EQ(Posts(msg_record_captured)[0].b, content_image);
    // The same image again replaces the entry.
    Copy(Image(image));
    EXPECT_EQ(history->records.size(), 1u);
}

TEST_F(Capture, ASingleCopiedImageFileBecomesAnImageEntryWithTheSourceDigest)
{
    const QString photo = Photo("photo.png");
    EXPECT_EQ(Copy(Files({ photo })), outcome::image_file);
    ASSERT_EQ(history->records.size(), 1u);
    const content_record& r = history->records[0];
    EXPECT_EQ(r.type, content_image);
    EXPECT_EQ(r.md5, GetFileMd5(photo).toStdString());
    EXPECT_TRUE(QString::fromStdString(r.content).endsWith(".png"));
    EXPECT_TRUE(QString::fromStdString(r.content).startsWith(dir.path() + "/content/"));
    EXPECT_EQ(QImage(QString::fromStdString(r.content)).size(), QSize(64, 32));
    EXPECT_EQ(r.icons, QString::fromStdString(r.content).chopped(4).toStdString() + "icon.png");
    EXPECT_EQ(Posts(msg_record_captured)[0].b, content_image);
    // No text file was written on the way.
    for (const QString& name : ContentFiles())
        EXPECT_FALSE(name.endsWith(".txt")) << name.toStdString();

    // Copied again (now as a typed file URL): the entry is replaced.
    EXPECT_EQ(Copy(Text(QUrl::fromLocalFile(photo).toString() + "\n")), outcome::image_file);
    EXPECT_EQ(history->records.size(), 1u);
}

TEST_F(Capture, AFavouriteImageFileStaysAndItsPlainTwinGoes)
{
    const QString photo = Photo("photo.png");
    Copy(Files({ photo }));
    history->records[0].collect = history->items[0].collect = collect_mark;
    // A plain twin beside the favourite (as a synced copy could be).
    content_record twin_record = history->records[0];
    twin_record.collect = 0;
    const QString twin = Content("twin.png");
    ASSERT_TRUE(QFile::copy(QString::fromStdString(twin_record.content), twin));
    twin_record.content = twin.toStdString();
    content_item twin_item = history->items[0];
    twin_item.collect = 0;
    twin_item.content = twin_item.text = twin_record.content;
    history->InsertFront(twin_record, twin_item);

    EXPECT_EQ(Copy(Files({ photo })), outcome::kept_favourite);
    ASSERT_EQ(history->records.size(), 1u);
    EXPECT_EQ(history->records[0].collect, collect_mark);
    EXPECT_FALSE(QFile::exists(twin));
    EXPECT_FALSE(ReadFile(history->IndexPath()).contains(QFileInfo(twin).fileName().toUtf8()));
}

TEST_F(Capture, OnlyAFileUrlWithAnExactImageExtensionTakesTheImageRoad)
{
    const QString upper = Photo("photo.PNG");
    EXPECT_EQ(Copy(Files({ upper })), outcome::file_list);
    for (const char* text : { "https://example.com/a.png", "C:/pictures/b.png", "c.png",
             "file:///nowhere/missing.png" })
        EXPECT_EQ(Copy(Text(QString::fromUtf8(text))), outcome::text) << text;
    // Two files, one of them an image: a file list.
    EXPECT_EQ(Copy(Files({ Photo("x.png"), Photo("y.png") })), outcome::file_list);
    for (const char* name : { "scan.jpeg", "pic.webp" }) {
        QImage image(8, 8, QImage::Format_RGB32);
        image.fill(Qt::white);
        const QString path = dir.path() + "/" + name;
        if (!image.save(path))
            continue; // no writer for this format here
        EXPECT_EQ(Copy(Files({ path })), outcome::image_file) << name;
    }
}

TEST_F(Capture, SecretCopiesAreCountedButNeverRecorded)
{
    clipboard_snapshot kde = Text("hunter2");
    kde.formats = QStringList { "text/plain", "x-kde-passwordManagerHint" };
    kde.data = [](const QString& format) {
        return format == "x-kde-passwordManagerHint" ? QByteArray("secret") : QByteArray();
    };
    EXPECT_EQ(Copy(kde), outcome::secret);

    const QString flag = "application/x-qt-windows-mime;value=\"CanIncludeInClipboardHistory\"";
    clipboard_snapshot windows = Text("hunter3");
    windows.formats = QStringList { "text/plain", flag };
    windows.data = [](const QString&) { return QByteArray(4, '\0'); };
    EXPECT_EQ(Copy(windows), outcome::secret);
    windows.formats = QStringList { "text/plain",
        "application/x-qt-windows-mime;value=\"Clipboard Viewer Ignore\"" };
    EXPECT_EQ(Copy(windows), outcome::secret);

    EXPECT_TRUE(history->records.empty());
    EXPECT_TRUE(posts.empty());
    EXPECT_EQ(ContentFiles(), QStringList());
    EXPECT_EQ(capture->today().today_count(), 3u);

    // Allowed into histories (1), or a hint with another value: recorded.
    windows.formats = QStringList { "text/plain", flag };
    windows.data = [](const QString&) { return QByteArray("\1\0\0\0", 4); };
    EXPECT_EQ(Copy(windows), outcome::text);
    kde.data = [](const QString&) { return QByteArray("public"); };
    EXPECT_EQ(Copy(kde), outcome::text);
}

TEST_F(Capture, NothingToRecordStillCounts)
{
    EXPECT_EQ(Copy(Text(" \n\t ")), outcome::nothing);
    EXPECT_EQ(Copy(Image(QImage())), outcome::nothing);
    Settings().save_text_type = false;
    EXPECT_EQ(Copy(Text("off")), outcome::nothing);
    EXPECT_TRUE(history->records.empty());
    EXPECT_EQ(capture->today().today_count(), 3u);
    EXPECT_EQ(capture->today().StatusText(), "今天已复制 3 次");
}

TEST_F(Capture, TextIsStoredUpToItsFirstNul)
{
    Copy(Text(QString("abc") + QChar(0) + "def"));
    ASSERT_EQ(history->records.size(), 1u);
    EXPECT_EQ(ReadFile(QString::fromStdString(history->records[0].content)), "abc");
}

TEST_F(Capture, AFavouriteSurvivesWhenTheHistoryIsFull)
{
    Settings().max_save_count = 3;
    Copy(Text("favourite"));
    history->records[0].collect = history->items[0].collect = collect_mark;
    for (int i = 0; i < 5; ++i)
        Copy(Text(QString("text %1").arg(i)));
    ASSERT_EQ(history->items.size(), 3u);
    EXPECT_EQ(history->items[2].text, "favourite");
    EXPECT_EQ(history->items[0].text, "text 4");
    EXPECT_EQ(history->items[1].text, "text 3");
    // Index, then text and icon of each of the three entries.
    EXPECT_EQ(ContentFiles().size(), 7);
}

TEST(BaseName, EqualStampsGetCSuffixes)
{
    QTemporaryDir dir;
    const QString first = base_name::Unique(dir.path(), ".txt", 1700000000000000000);
    EXPECT_EQ(first, dir.path() + "/1700000000000000000");
    QFile(first + ".txt").open(QIODevice::WriteOnly);
    const QString second = base_name::Unique(dir.path(), ".txt", 1700000000000000000);
    EXPECT_EQ(second, first + "c");
    QFile(second + ".txt").open(QIODevice::WriteOnly);
    EXPECT_EQ(base_name::Unique(dir.path(), ".txt", 1700000000000000000), first + "cc");
    // Only the same suffix counts.
    EXPECT_EQ(base_name::Unique(dir.path(), ".png", 1700000000000000000), first);
    EXPECT_EQ(QString::number(base_name::NowStamp()).size(), 19);
}

TEST(TodayCounter, StartsAgainOnANewDay)
{
    today_counter counter;
    const QDate day(2026, 3, 1);
    EXPECT_EQ(counter.Count(day), 1u);
    EXPECT_EQ(counter.Count(day), 2u);
    EXPECT_EQ(counter.Count(day.addDays(1)), 1u);
}

} // namespace
