// Copies made by real X clients reach the real program and end up in
// content/ and content.json. Three copies of the program watch the same
// clipboard: one recording, one paused and one whose history is full.
#include "tests/e2e/support/program_copy.h"
#include "tests/e2e/support/wait.h"
#include "tests/e2e/support/x_session.h"

#include <gtest/gtest.h>

#include <QCryptographicHash>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>

#ifndef QUILLBOX_CLIPBOARD_OWNER
#error "QUILLBOX_CLIPBOARD_OWNER must name the helper"
#endif

namespace {

using e2e::HistoryIndex;
using e2e::WaitUntil;

QByteArray Md5(const QByteArray& bytes)
{
    return QCryptographicHash::hash(bytes, QCryptographicHash::Md5).toHex();
}

QByteArray FileBytes(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

TEST(Capture, EveryKindOfCopyPausedRecordingSecretsAndAFullHistory)
{
    e2e::XSession x;
    ASSERT_TRUE(x.Start()) << x.error().toStdString();
    QTemporaryDir files;
    QImage picture(120, 80, QImage::Format_RGB32);
    picture.fill(QColor(200, 30, 90));
    const QString photo = files.filePath(QStringLiteral("photo.png"));
    const QString upper = files.filePath(QStringLiteral("photo.PNG"));
    const QString other = files.filePath(QStringLiteral("other.png"));
    ASSERT_TRUE(picture.save(photo, "PNG") && picture.save(upper, "PNG"));
    ASSERT_TRUE(picture.scaled(300, 200).save(other, "PNG"));

    e2e::ProgramCopy copy(x);
    e2e::ProgramCopy paused(x);
    ASSERT_TRUE(paused.WriteFile(QStringLiteral("config.json"), R"({"start_paster": false})"));
    // Full at three entries, the oldest a favourite; each file holds its name.
    e2e::ProgramCopy full(x);
    const QString favourite = QStringLiteral("1000000000000000001.txt");
    for (const QString& name : { QStringLiteral("1000000000000000003.txt"),
             QStringLiteral("1000000000000000002.txt"), favourite })
        ASSERT_TRUE(full.WriteFile(QStringLiteral("content/") + name, name.toUtf8()));
    ASSERT_TRUE(full.WriteFile(QStringLiteral("config.json"), R"({"max_save_count": 3})"));
    ASSERT_TRUE(full.WriteFile(QStringLiteral("content/content.json"),
        R"({"type": ["0", "0", "10"], "content": ["1000000000000000003.txt",)"
        R"( "1000000000000000002.txt", "1000000000000000001.txt"]})"));
    for (e2e::ProgramCopy* p : { &copy, &paused, &full })
        p->Launch();
    ASSERT_TRUE(copy.WaitForWindows(3));

    HistoryIndex index;
    // Waits for the recording copy to hold n entries.
    const auto holds = [&](int n) {
        index = copy.WaitForIndex([n](const HistoryIndex& i) { return i.size() == n; });
        return index.size() == n;
    };

    // A text: a "0" entry whose file holds it, with its digest, from the
    // window in front (one of ours).
    ASSERT_TRUE(x.Copy("hello from xclip"));
    ASSERT_TRUE(holds(1));
    EXPECT_EQ(index.type[0], "0");
    EXPECT_EQ(copy.Entry(index.content[0]), "hello from xclip");
    EXPECT_EQ(index.md5[0].toLatin1(), Md5("hello from xclip"));
    EXPECT_EQ(index.exe_title.value(0), "quillbox");

    // The same text again: still one entry, under a new name.
    const QString first = index.content[0];
    ASSERT_TRUE(x.Copy("hello from xclip"));
    index = copy.WaitForIndex(
        [&](const HistoryIndex& i) { return i.size() == 1 && i.content[0] != first; });
    ASSERT_EQ(index.size(), 1);
    EXPECT_NE(index.content[0], first);
    EXPECT_FALSE(QFile::exists(copy.FilePath(QStringLiteral("content/") + first)));
    EXPECT_EQ(copy.Entry(index.content[0]), "hello from xclip");

    // A file list, then a PNG image.
    ASSERT_TRUE(x.Copy("file://" + upper.toUtf8() + "\nfile://" + photo.toUtf8() + "\n",
        QStringLiteral("text/uri-list")));
    ASSERT_TRUE(holds(2));
    EXPECT_EQ(index.type[0], "2");
    EXPECT_TRUE(copy.Entry(index.content[0]).contains("photo.png"));
    ASSERT_TRUE(x.Copy(FileBytes(other), QStringLiteral("image/png")));
    ASSERT_TRUE(holds(3));
    EXPECT_EQ(index.type[0], "1");
    EXPECT_TRUE(index.content[0].endsWith(".png"));
    EXPECT_EQ(QImage(copy.FilePath(QStringLiteral("content/") + index.content[0])).size(),
        QSize(300, 200));

    // One copied image file: an image entry with the source file's digest;
    // the extension must be lower-case for that.
    ASSERT_TRUE(x.Copy("file://" + photo.toUtf8(), QStringLiteral("text/uri-list")));
    ASSERT_TRUE(holds(4));
    EXPECT_EQ(index.type[0], "1");
    EXPECT_EQ(index.md5[0].toLatin1(), Md5(FileBytes(photo)));
    EXPECT_TRUE(index.content[0].endsWith(".png"));
    ASSERT_TRUE(x.Copy("file://" + upper.toUtf8(), QStringLiteral("text/uri-list")));
    ASSERT_TRUE(holds(5));
    EXPECT_EQ(index.type[0], "2");

    // A copy marked secret: the two recording copies read the hint and keep
    // nothing, as the next ordinary copy shows.
    QProcess owner;
    owner.setProcessEnvironment(x.Environment());
    owner.start(QStringLiteral(QUILLBOX_CLIPBOARD_OWNER),
        { QStringLiteral("my password"), QStringLiteral("secret") });
    QByteArray said;
    EXPECT_TRUE(WaitUntil(
        [&] {
            owner.waitForReadyRead(50);
            said += owner.readAllStandardOutput();
            return said.count("served x-kde-passwordManagerHint") >= 2;
        },
        10000))
        << said.toStdString();
    ASSERT_TRUE(x.Copy("after the secret"));
    ASSERT_TRUE(holds(6));
    owner.kill();
    owner.waitForFinished(5000);
    EXPECT_EQ(copy.Entry(index.content[0]), "after the secret");
    EXPECT_EQ(index.type[1], "2");

    // The full history trimmed the others and kept its favourite.
    index = full.WaitForIndex([&](const HistoryIndex& i) {
        return full.Entry(i.content.value(0)) == "after the secret";
    });
    EXPECT_EQ(index.size(), 3);
    EXPECT_EQ(index.type.value(2), "10");
    EXPECT_EQ(index.content.value(2), favourite);
    EXPECT_EQ(full.Entry(favourite), favourite.toUtf8());

    // The paused copy saw every change and kept none.
    EXPECT_EQ(paused.Index().size(), 0);
}

} // namespace
