// Copies made by real X clients reach the real program and end up in
// content/ and content.json; a paused copy of the program keeps none.
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

QByteArray Md5(const QByteArray& bytes)
{
    return QCryptographicHash::hash(bytes, QCryptographicHash::Md5).toHex();
}

TEST(Capture, EveryKindOfCopyPausedRecordingAndSecrets)
{
    e2e::XSession x;
    ASSERT_TRUE(x.Start()) << x.error().toStdString();
    QTemporaryDir files;
    const QByteArray png = e2e::Png(QColor(200, 30, 90), QSize(120, 80));
    const QString photo = files.filePath(QStringLiteral("photo.png"));
    const QString upper = files.filePath(QStringLiteral("photo.PNG"));
    for (const QString& path : { photo, upper }) {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly) && f.write(png) == png.size());
    }

    e2e::ProgramCopy copy(x);
    e2e::ProgramCopy paused(x);
    ASSERT_TRUE(paused.WriteFile(QStringLiteral("config.json"), R"({"start_paster": false})"));
    copy.Launch();
    paused.Launch();
    ASSERT_TRUE(copy.WaitForWindows(2));

    HistoryIndex index;
    const auto holds = [&](int n) {
        index = copy.WaitForIndex([n](const HistoryIndex& i) { return i.size() == n; });
        return index.size() == n;
    };

    // A text, with its digest, from the window in front (one of ours).
    ASSERT_TRUE(x.Copy("hello from xclip"));
    ASSERT_TRUE(holds(1));
    EXPECT_EQ(index.type[0], "0");
    EXPECT_EQ(copy.Entry(index.content[0]), "hello from xclip");
    EXPECT_EQ(index.md5[0].toLatin1(), Md5("hello from xclip"));
    EXPECT_EQ(index.exe_title.value(0), "quillbox");

    // A file list, a PNG image, and one copied image file (with the file's digest).
    ASSERT_TRUE(x.Copy("file://" + photo.toUtf8() + "\nfile://" + upper.toUtf8() + "\n",
        QStringLiteral("text/uri-list")));
    ASSERT_TRUE(holds(2));
    EXPECT_EQ(index.type[0], "2");
    EXPECT_TRUE(copy.Entry(index.content[0]).contains("photo.png"));
    ASSERT_TRUE(x.Copy(e2e::Png(Qt::blue, QSize(300, 200)), QStringLiteral("image/png")));
    ASSERT_TRUE(holds(3));
    EXPECT_EQ(index.type[0], "1");
    EXPECT_EQ(QImage(copy.FilePath(QStringLiteral("content/") + index.content[0])).size(),
        QSize(300, 200));
    ASSERT_TRUE(x.Copy("file://" + photo.toUtf8(), QStringLiteral("text/uri-list")));
    ASSERT_TRUE(holds(4));
    EXPECT_EQ(index.type[0], "1");
    EXPECT_EQ(index.md5[0].toLatin1(), Md5(png));
    EXPECT_TRUE(index.content[0].endsWith(".png"));

    // A copy marked secret: the recording copy reads the hint and keeps
    // nothing, as the next ordinary copy shows.
    QProcess owner;
    owner.setProcessEnvironment(x.Environment());
    owner.start(QStringLiteral(QUILLBOX_CLIPBOARD_OWNER),
        { QStringLiteral("my password"), QStringLiteral("secret") });
    QByteArray said;
    EXPECT_TRUE(e2e::WaitUntil(
        [&] {
            owner.waitForReadyRead(50);
            said += owner.readAllStandardOutput();
            return said.contains("served x-kde-passwordManagerHint");
        },
        10000))
        << said.toStdString();
    ASSERT_TRUE(x.Copy("after the secret"));
    ASSERT_TRUE(holds(5));
    owner.kill();
    owner.waitForFinished(5000);
    EXPECT_EQ(copy.Entry(index.content[0]), "after the secret");

    // The paused copy saw every change and kept none.
    EXPECT_EQ(paused.Index().size(), 0);
}

} // namespace
