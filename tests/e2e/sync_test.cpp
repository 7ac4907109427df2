// Two real clients on their own displays and folders, one real quillbox-syncd on 127.0.0.1:
// what is copied on one machine reaches the other.
#include "tests/e2e/support/sync_machines.h"
#include "tests/e2e/support/x_session.h"
#include "tests/sync/server_process.h"

#include <gtest/gtest.h>

#include <QBuffer>
#include <QImage>
#include <QSet>

namespace {

using namespace e2e;
using namespace std::chrono_literals;

QByteArray Png(QColor colour)
{
    QImage image(64, 48, QImage::Format_RGB32);
    image.fill(colour);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

// The texts of a machine's entries, newest first; images as "<image>".
QStringList Texts(const ProgramCopy& copy, const HistoryIndex& index)
{
    QStringList texts;
    for (int i = 0; i < index.size(); ++i)
        texts << (index.type[i] == "1" ? QStringLiteral("<image>")
                                       : QString::fromUtf8(copy.Entry(index.content[i])));
    return texts;
}

TEST(SyncEndToEnd, CopiesReachTheOtherMachineAlsoAfterItWasAway)
{
    server_process server;
    ASSERT_TRUE(server.start());
    ASSERT_TRUE(RegisterAccount(server.port(), "twins", "shared secret"));
    XSession xa, xb;
    ASSERT_TRUE(xa.Start()) << xa.error().toStdString();
    ASSERT_TRUE(xb.Start()) << xb.error().toStdString();
    ProgramCopy a(xa), b(xb);
    ASSERT_TRUE(PrepareMachine(a, server.port(), "twins", "shared secret", false));
    ASSERT_TRUE(PrepareMachine(b, server.port(), "twins", "shared secret", true));
    a.Launch();
    QProcess* b_process = &b.Launch();
    ASSERT_TRUE(a.WaitForWindows() && b.WaitForWindows());
    ASSERT_TRUE(server.wait_for_log("login ok account=twins", 2, 15s));

    ASSERT_TRUE(xa.Copy("hello from A"));
    auto index = b.WaitForIndex(
        [&](const HistoryIndex& i) { return Texts(b, i).contains("hello from A"); });
    EXPECT_EQ(Texts(b, index).front(), "hello from A");
    // paste_by_cloud: B's clipboard holds it, ready to paste.
    EXPECT_EQ(xb.Run("xclip", { "-o", "-selection", "clipboard" }), "hello from A");

    ASSERT_TRUE(xa.Copy(Png(Qt::darkCyan), QStringLiteral("image/png")));
    index = b.WaitForIndex(
        [&](const HistoryIndex& i) { return !i.type.isEmpty() && i.type[0] == "1"; });
    ASSERT_FALSE(index.type.isEmpty());
    EXPECT_EQ(index.type[0], "1");

    // B is away while A copies three; back, it holds them in order, once each.
    b_process->terminate();
    ASSERT_NE(WaitForExit(*b_process, 10000), -1000);
    for (const char* text : { "one", "two", "three" }) {
        const int before = a.Index().size();
        ASSERT_TRUE(xa.Copy(text));
        a.WaitForIndex([&](const HistoryIndex& i) { return i.size() > before; });
    }
    b.Launch();
    index = b.WaitForIndex([&](const HistoryIndex& i) { return Texts(b, i).contains("three"); });
    const QStringList texts = Texts(b, index);
    ASSERT_GE(texts.size(), 5);
    EXPECT_EQ(texts.mid(0, 5), QStringList({ "three", "two", "one", "<image>", "hello from A" }));
    EXPECT_EQ(QSet<QString>(texts.begin(), texts.end()).size(), texts.size()); // no duplicate
}

} // namespace
