// kill -9 at random moments during a stream of copies never damages the
// history: content.json always parses, names files that exist with the
// digests it records, and keeps every entry an earlier run had saved. A
// quick run of copies ended by SIGTERM loses none of them.
#include "tests/e2e/support/program_copy.h"
#include "tests/e2e/support/x_session.h"

#include <gtest/gtest.h>

#include <csignal>
#include <QColor>
#include <QCryptographicHash>
#include <QImage>
#include <QThread>
#include <random>
#include <set>

namespace {

using e2e::ProgramCopy;

// The entries of the index on disk, by text; fails the test on any damage.
std::set<QByteArray> SavedEntries(const ProgramCopy& copy)
{
    const e2e::HistoryIndex index = copy.Index();
    EXPECT_FALSE(index.damaged)
        << copy.ReadFile(QStringLiteral("content/content.json")).left(200).toStdString();
    EXPECT_EQ(index.type.size(), index.size());
    EXPECT_EQ(index.md5.size(), index.size());
    std::set<QByteArray> texts;
    for (int i = 0; i < index.size() && i < index.md5.size(); ++i) {
        const QByteArray text = copy.Entry(index.content[i]);
        EXPECT_TRUE(text.startsWith("entry ")) << index.content[i].toStdString();
        EXPECT_EQ(QCryptographicHash::hash(text, QCryptographicHash::Md5).toHex(),
            index.md5[i].toLatin1());
        texts.insert(text);
    }
    return texts;
}

TEST(Durability, KillDuringTwoHundredCopiesNeverLosesASavedEntry)
{
    e2e::XSession x;
    ASSERT_TRUE(x.Start()) << x.error().toStdString();
    ProgramCopy copy(x);
    const unsigned seed = std::random_device {}();
    SCOPED_TRACE("seed " + std::to_string(seed));
    std::mt19937 random(seed);

    std::set<QByteArray> saved;
    int copies = 0, kills = 0;
    while (copies < 200) {
        QProcess& program = copy.Launch();
        ASSERT_TRUE(copy.WaitForWindows());
        // A run of copies, then a kill at a random moment of the last one.
        const int run = std::uniform_int_distribution<int>(5, 30)(random);
        for (int i = 0; i < run && copies < 200; ++i, ++copies) {
            ASSERT_TRUE(x.Copy("entry " + QByteArray::number(copies)));
            QThread::msleep(std::uniform_int_distribution<int>(0, 120)(random));
        }
        ::kill(static_cast<pid_t>(program.processId()), SIGKILL);
        program.waitForFinished(5000);
        ++kills;

        const std::set<QByteArray> now = SavedEntries(copy);
        for (const QByteArray& text : saved)
            EXPECT_EQ(now.count(text), 1u) << "lost " << text.toStdString();
        saved = now;
        if (::testing::Test::HasFailure())
            return;
    }

    // Enough was saved for the checks to mean something.
    EXPECT_GT(saved.size(), 20u) << kills << " kills";
}

// A picture of its own for each image copy, so that none replaces another.
QColor Colour(int n)
{
    return QColor(10 * n, 255 - 10 * n, 128);
}

TEST(Durability, TwentyQuickCopiesLandInOrderAndATermRightAfterTheLastKeepsThemAll)
{
    e2e::XSession x;
    ASSERT_TRUE(x.Start()) << x.error().toStdString();
    ProgramCopy copy(x);
    QProcess& program = copy.Launch();
    ASSERT_TRUE(copy.WaitForWindows());

    constexpr int kCopies = 20;
    const auto is_image = [](int n) { return n % 3 == 1; };
    for (int n = 0; n < kCopies; ++n) {
        if (is_image(n))
            ASSERT_TRUE(
                x.Copy(e2e::Png(Colour(n), QSize(160 + n, 90)), QStringLiteral("image/png")));
        else
            ASSERT_TRUE(x.Copy("burst " + QByteArray::number(n)));
        if (n + 1 < kCopies)
            QThread::msleep(200);
    }
    ::kill(static_cast<pid_t>(program.processId()), SIGTERM);
    // Handled, not killed by it (the exit code may carry a sanitizer's report).
    ASSERT_GE(e2e::WaitForExit(program, 10000), 0);

    // Started again, the program finds them all, newest first.
    copy.Launch();
    ASSERT_TRUE(copy.WaitForWindows());
    const e2e::HistoryIndex index = copy.Index();
    ASSERT_FALSE(index.damaged);
    ASSERT_EQ(index.size(), kCopies);
    for (int n = 0; n < kCopies; ++n) {
        const int row = kCopies - 1 - n;
        const QByteArray file = copy.Entry(index.content[row]);
        EXPECT_EQ(QCryptographicHash::hash(file, QCryptographicHash::Md5).toHex(),
            index.md5[row].toLatin1())
            << n;
        if (is_image(n)) {
            const QImage image = QImage::fromData(file, "PNG");
            EXPECT_EQ(index.type[row], QStringLiteral("1")) << n;
            EXPECT_EQ(image.size(), QSize(160 + n, 90)) << n;
            EXPECT_EQ(image.pixelColor(0, 0), Colour(n)) << n;
        } else {
            EXPECT_EQ(index.type[row], QStringLiteral("0")) << n;
            EXPECT_EQ(file, "burst " + QByteArray::number(n)) << n;
        }
    }
}

} // namespace
