// Copies made by real X clients reach the real program and end up in
// content/ and content.json.
#include "tests/e2e/support/program_copy.h"
#include "tests/e2e/support/wait.h"
#include "tests/e2e/support/x_session.h"

#include <gtest/gtest.h>

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QThread>

#ifndef QUILLBOX_CLIPBOARD_OWNER
#error "QUILLBOX_CLIPBOARD_OWNER must name the helper"
#endif

namespace {

using e2e::ProgramCopy;
using e2e::WaitUntil;

struct index_file {
    QStringList type, content, md5, icons, exe_title;
    int size() const { return content.size(); }
};

QStringList Strings(const QJsonObject& object, const char* key)
{
    QStringList out;
    for (const QJsonValue& v : object.value(QLatin1String(key)).toArray())
        out << v.toString();
    return out;
}

QByteArray Md5(const QByteArray& bytes)
{
    return QCryptographicHash::hash(bytes, QCryptographicHash::Md5).toHex();
}

class Capture : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(x.Start()) << x.error().toStdString(); }

    void Launch(ProgramCopy& copy)
    {
        copy.Launch();
        ASSERT_TRUE(WaitUntil([&] { return !copy.VisibleWindows().isEmpty(); }, 20000));
    }
    static index_file Index(const ProgramCopy& copy)
    {
        const QJsonObject o
            = QJsonDocument::fromJson(copy.ReadFile(QStringLiteral("content/content.json")))
                  .object();
        return { Strings(o, "type"), Strings(o, "content"), Strings(o, "md5"), Strings(o, "icons"),
            Strings(o, "exe_title") };
    }
    // Waits until the index satisfies the condition; returns it.
    static index_file WaitForIndex(
        const ProgramCopy& copy, const std::function<bool(const index_file&)>& condition)
    {
        index_file index;
        WaitUntil(
            [&] {
                index = Index(copy);
                return condition(index);
            },
            10000);
        return index;
    }
    void Copy(const QByteArray& bytes, const QString& target = QString())
    {
        QStringList args { QStringLiteral("-selection"), QStringLiteral("clipboard") };
        if (!target.isEmpty())
            args << QStringLiteral("-t") << target;
        int code = -1;
        x.Run(QStringLiteral("xclip"), args, &code, 10000, bytes);
        ASSERT_EQ(code, 0);
    }
    static QByteArray ReadEntry(const ProgramCopy& copy, const QString& name)
    {
        return copy.ReadFile(QStringLiteral("content/") + name);
    }
    static void WriteFile(const QString& path, const QByteArray& bytes)
    {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly)) << path.toStdString();
        f.write(bytes);
    }

    e2e::XSession x;
};

TEST_F(Capture, TextCopiesMakeOneTextEntryPerContent)
{
    ProgramCopy copy(x);
    Launch(copy);
    Copy("hello from xclip");
    index_file index = WaitForIndex(copy, [](const index_file& i) { return i.size() == 1; });
    ASSERT_EQ(index.size(), 1);
    EXPECT_EQ(index.type[0], "0");
    EXPECT_TRUE(
        QRegularExpression(QStringLiteral("^\\d{19}c*\\.txt$")).match(index.content[0]).hasMatch())
        << index.content[0].toStdString();
    EXPECT_EQ(ReadEntry(copy, index.content[0]), "hello from xclip");
    EXPECT_EQ(index.md5[0].toLatin1(), Md5("hello from xclip"));
    EXPECT_EQ(index.icons[0],
        copy.FilePath(QStringLiteral("content/") + index.content[0].chopped(4) + "icon.png"));
    // The program's own window was in front.
    EXPECT_EQ(index.exe_title[0], "quillbox");

    const QString first = index.content[0];
    Copy("hello from xclip");
    index = WaitForIndex(
        copy, [&](const index_file& i) { return i.size() == 1 && i.content[0] != first; });
    ASSERT_EQ(index.size(), 1);
    EXPECT_NE(index.content[0], first);
    EXPECT_FALSE(QFile::exists(copy.FilePath(QStringLiteral("content/") + first)));
    EXPECT_EQ(ReadEntry(copy, index.content[0]), "hello from xclip");
}

TEST_F(Capture, FileListsImagesAndImageFiles)
{
    QTemporaryDir files;
    QImage picture(120, 80, QImage::Format_RGB32);
    picture.fill(QColor(200, 30, 90));
    const QString photo = files.filePath(QStringLiteral("photo.png"));
    const QString upper = files.filePath(QStringLiteral("photo.PNG"));
    ASSERT_TRUE(picture.save(photo, "PNG"));
    ASSERT_TRUE(picture.save(upper, "PNG"));
    WriteFile(files.filePath(QStringLiteral("a.txt")), "a");

    ProgramCopy copy(x);
    Launch(copy);

    const QByteArray list = "file://" + files.filePath(QStringLiteral("a.txt")).toUtf8()
        + "\nfile://" + photo.toUtf8() + "\n";
    Copy(list, QStringLiteral("text/uri-list"));
    index_file index = WaitForIndex(copy, [](const index_file& i) { return i.size() == 1; });
    ASSERT_EQ(index.size(), 1);
    EXPECT_EQ(index.type[0], "2");
    EXPECT_TRUE(ReadEntry(copy, index.content[0]).contains("photo.png"));

    QFile png(photo);
    ASSERT_TRUE(png.open(QIODevice::ReadOnly));
    QImage other(300, 200, QImage::Format_RGB32);
    other.fill(Qt::darkCyan);
    const QString other_path = files.filePath(QStringLiteral("other.png"));
    ASSERT_TRUE(other.save(other_path, "PNG"));
    QFile other_file(other_path);
    ASSERT_TRUE(other_file.open(QIODevice::ReadOnly));
    Copy(other_file.readAll(), QStringLiteral("image/png"));
    index = WaitForIndex(copy, [](const index_file& i) { return i.size() == 2; });
    ASSERT_EQ(index.size(), 2);
    EXPECT_EQ(index.type[0], "1");
    EXPECT_TRUE(index.content[0].endsWith(".png"));
    EXPECT_EQ(QImage(copy.FilePath(QStringLiteral("content/") + index.content[0])).size(),
        QSize(300, 200));

    // One copied image file: an image entry with the source file's digest.
    Copy("file://" + photo.toUtf8(), QStringLiteral("text/uri-list"));
    index = WaitForIndex(copy, [](const index_file& i) { return i.size() == 3; });
    ASSERT_EQ(index.size(), 3);
    EXPECT_EQ(index.type[0], "1");
    EXPECT_EQ(index.md5[0].toLatin1(), Md5(png.readAll()));
    EXPECT_TRUE(index.content[0].endsWith(".png"));

    // The extension test is case-sensitive.
    Copy("file://" + upper.toUtf8(), QStringLiteral("text/uri-list"));
    index = WaitForIndex(copy, [](const index_file& i) { return i.size() == 4; });
    ASSERT_EQ(index.size(), 4);
    EXPECT_EQ(index.type[0], "2");
    // No text file was left behind by the image-file road.
    QStringList txt = QDir(copy.FilePath(QStringLiteral("content")))
                          .entryList({ QStringLiteral("*.txt") }, QDir::Files);
    EXPECT_EQ(txt.size(), 2);
}

TEST_F(Capture, PausedRecordingAndSecretsLeaveNoEntry)
{
    ProgramCopy copy(x);
    WriteFile(copy.FilePath(QStringLiteral("config.json")), R"({"start_paster": false})");
    QProcess& paused = copy.Launch();
    ASSERT_TRUE(WaitUntil([&] { return !copy.VisibleWindows().isEmpty(); }, 20000));
    Copy("copied while paused");
    // Nothing to wait for: give the capture time to run if it were going to.
    QThread::msleep(1500);
    EXPECT_EQ(Index(copy).size(), 0);
    paused.kill();
    paused.waitForFinished(5000);

    ProgramCopy recording(x);
    Launch(recording);
    QProcess owner;
    owner.setProcessEnvironment(x.Environment());
    owner.start(QStringLiteral(QUILLBOX_CLIPBOARD_OWNER),
        { QStringLiteral("my password"), QStringLiteral("secret") });
    ASSERT_TRUE(owner.waitForStarted(5000));
    ASSERT_TRUE(WaitUntil(
        [&] {
            owner.waitForReadyRead(50);
            return owner.readAllStandardOutput().contains("ready");
        },
        10000));
    // A later ordinary copy shows that the secret one was handled before it.
    QThread::msleep(300);
    Copy("after the secret");
    const index_file index
        = WaitForIndex(recording, [](const index_file& i) { return i.size() >= 1; });
    owner.kill();
    owner.waitForFinished(5000);
    ASSERT_EQ(index.size(), 1);
    EXPECT_EQ(ReadEntry(recording, index.content[0]), "after the secret");
}

TEST_F(Capture, AFavouriteSurvivesTheTrimWhenTheHistoryIsFull)
{
    ProgramCopy copy(x);
    QDir().mkpath(copy.FilePath(QStringLiteral("content")));
    WriteFile(copy.FilePath(QStringLiteral("config.json")), R"({"max_save_count": 3})");
    const char* names[]
        = { "1000000000000000003.txt", "1000000000000000002.txt", "1000000000000000001.txt" };
    for (const char* name : names)
        WriteFile(copy.FilePath(QStringLiteral("content/") + name), QByteArray("old ") + name);
    WriteFile(copy.FilePath(QStringLiteral("content/content.json")),
        QByteArray(R"({"type": ["0", "0", "10"], "content": [")") + names[0] + "\", \"" + names[1]
            + "\", \"" + names[2] + "\"]}");
    Launch(copy);
    Copy("new one");
    WaitForIndex(copy, [&](const index_file& i) {
        return i.size() == 3 && ReadEntry(copy, i.content[0]) == "new one";
    });
    Copy("new two");
    const index_file index = WaitForIndex(copy, [&](const index_file& i) {
        return i.size() == 3 && ReadEntry(copy, i.content[0]) == "new two";
    });
    ASSERT_EQ(index.size(), 3);
    EXPECT_EQ(index.type, (QStringList { "0", "0", "10" }));
    EXPECT_EQ(index.content[2], names[2]);
    EXPECT_EQ(ReadEntry(copy, index.content[1]), "new one");
    // The trimmed entries' files are gone.
    EXPECT_FALSE(QFile::exists(copy.FilePath(QStringLiteral("content/") + names[0])));
    EXPECT_FALSE(QFile::exists(copy.FilePath(QStringLiteral("content/") + names[1])));
}

} // namespace
