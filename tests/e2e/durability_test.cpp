// kill -9 at random moments during a stream of copies never damages the
// history: content.json always parses, names files that exist with the
// digests it records, and keeps every entry an earlier run had saved.
#include "tests/e2e/support/program_copy.h"
#include "tests/e2e/support/wait.h"
#include "tests/e2e/support/x_session.h"

#include <gtest/gtest.h>

#include <csignal>
#include <QCryptographicHash>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QThread>
#include <random>
#include <set>

namespace {

using e2e::ProgramCopy;

// The entries of the index on disk, by text; fails the test on any damage.
std::set<QByteArray> SavedEntries(const ProgramCopy& copy)
{
    std::set<QByteArray> texts;
    const QByteArray bytes = copy.ReadFile(QStringLiteral("content/content.json"));
    if (bytes.isEmpty() && !QFile::exists(copy.FilePath(QStringLiteral("content/content.json"))))
        return texts;
    QJsonParseError error;
    const QJsonObject index = QJsonDocument::fromJson(bytes, &error).object();
    EXPECT_EQ(error.error, QJsonParseError::NoError) << bytes.left(200).toStdString();
    const QJsonArray names = index.value(QLatin1String("content")).toArray();
    const QJsonArray md5s = index.value(QLatin1String("md5")).toArray();
    EXPECT_EQ(index.value(QLatin1String("type")).toArray().size(), names.size());
    EXPECT_EQ(md5s.size(), names.size());
    for (int i = 0; i < names.size() && i < md5s.size(); ++i) {
        const QByteArray text = copy.ReadFile(QStringLiteral("content/") + names.at(i).toString());
        EXPECT_TRUE(text.startsWith("entry ")) << names.at(i).toString().toStdString();
        EXPECT_EQ(QCryptographicHash::hash(text, QCryptographicHash::Md5).toHex(),
            md5s.at(i).toString().toLatin1());
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
    int copies = 0;
    int kills = 0;
    while (copies < 200) {
        QProcess& program = copy.Launch();
        ASSERT_TRUE(e2e::WaitUntil([&] { return !copy.VisibleWindows().isEmpty(); }, 20000));
        // A run of copies, then a kill at a random moment of the last one.
        const int run = std::uniform_int_distribution<int>(5, 30)(random);
        for (int i = 0; i < run && copies < 200; ++i, ++copies) {
            int code = -1;
            x.Run(QStringLiteral("xclip"),
                { QStringLiteral("-selection"), QStringLiteral("clipboard") }, &code, 10000,
                "entry " + QByteArray::number(copies));
            ASSERT_EQ(code, 0);
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

    // A last start keeps them all and adds the next copy to them.
    copy.Launch();
    ASSERT_TRUE(e2e::WaitUntil([&] { return !copy.VisibleWindows().isEmpty(); }, 20000));
    x.Run(QStringLiteral("xclip"), { QStringLiteral("-selection"), QStringLiteral("clipboard") },
        nullptr, 10000, "entry final");
    ASSERT_TRUE(
        e2e::WaitUntil([&] { return SavedEntries(copy).count("entry final") == 1; }, 10000));
    const std::set<QByteArray> last = SavedEntries(copy);
    for (const QByteArray& text : saved)
        EXPECT_EQ(last.count(text), 1u) << "lost " << text.toStdString();
    EXPECT_GT(saved.size(), 20u) << kills << " kills";
}

} // namespace
