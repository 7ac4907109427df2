#include "app/main_window.h"
#include "app/shell_actions.h"
#include "app/single_instance.h"
#include "core/message_bus.h"
#include "core/message_ids.h"
#include "core/program_file.h"
#include "core/settings_record.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>
#include <QThread>
#include <sys/stat.h>

namespace {

QByteArray ReadAll(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void Write(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

// Each test listens in a runtime folder of its own.
class Shell : public ::testing::Test {
protected:
    void SetUp() override { qputenv("XDG_RUNTIME_DIR", runtime.path().toLocal8Bit()); }
    void TearDown() override
    {
        SingleInstance().Close();
        qunsetenv("XDG_RUNTIME_DIR");
    }
    QTemporaryDir runtime;
};

// The restart starts the program file of the program folder; here that file
// is a script that records its arguments.
TEST_F(Shell, RestartSavesGivesUpTheEndpointAndStartsTheProgramWithShowWindow)
{
    const QString record = ProgramFolder() + QStringLiteral("/restart-arguments");
    const QString program = ProgramFilePath(ProgramFolder());
    Write(program, QStringLiteral("#!/bin/sh\necho \"$@\" > '%1'\n").arg(record).toUtf8());
    QFile::setPermissions(program, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    ASSERT_TRUE(SingleInstance().Listen());
    ASSERT_TRUE(single_instance::ProbeRunning(1000));

    bool saved = false;
    shell_actions::Restart([&] { saved = true; });
    EXPECT_TRUE(saved);
    EXPECT_FALSE(SingleInstance().IsListening());
    EXPECT_FALSE(single_instance::ProbeRunning(200));
    for (int i = 0; i < 100 && ReadAll(record).isEmpty(); ++i)
        QThread::msleep(50);
    EXPECT_EQ(ReadAll(record), QByteArray("show_window\n"));
    QFile::remove(program);
    // Qt's own options stay; the start words give way to one "show_window".
    EXPECT_EQ(shell_actions::RestartArguments({ QStringLiteral("-display"), QStringLiteral(":7"),
                  QStringLiteral("-startup"), QStringLiteral("show_window") }),
        QStringList(
            { QStringLiteral("-display"), QStringLiteral(":7"), QStringLiteral("show_window") }));
}

TEST_F(Shell, EndpointIsPrivateReplacesAStaleOneAndAnswersEveryStart)
{
    // A runtime folder others can read is made private before it is used.
    ::chmod(QFile::encodeName(runtime.path()).constData(), 0755);
    const QString endpoint = single_instance::EndpointName();
    EXPECT_EQ(endpoint, runtime.path() + QStringLiteral("/quillbox_server"));
    Write(endpoint, {}); // left behind by a crashed copy
    EXPECT_FALSE(single_instance::ProbeRunning(200));
    ASSERT_TRUE(SingleInstance().Listen());
    EXPECT_EQ(QFile::permissions(runtime.path())
            & (QFileDevice::ReadGroup | QFileDevice::ReadOther | QFileDevice::ExeOther),
        QFileDevice::Permissions());

    // Each connection asks for the window once. Unaccepted connections would
    // fill the queue and the backlog after about 80 starts, and later starts
    // would then take themselves for the only copy.
    int shows = 0;
    auto token = bus::Register(msg_show_window, [&](std::int64_t, std::int64_t, std::int64_t) {
        ++shows;
        return 0;
    });
    for (int i = 0; i < 100; ++i) {
        EXPECT_TRUE(single_instance::ProbeRunning(1000)) << i;
        QCoreApplication::processEvents();
    }
    for (int i = 0; i < 20 && shows < 100; ++i)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    EXPECT_EQ(shows, 100);
    bus::Unregister(token);
}

TEST(UpdatePrompt, DecliningEndsTheProcessWithoutSaving)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    const QString config = ProgramFolder() + QStringLiteral("/config.json");
    Write(config, R"({"language": 4})");
    EXPECT_EXIT(
        {
            main_window window;
            Settings().language = 2; // would show in the file if anything saved
            bus::Post(msg_update_declined, 0, 0);
            std::exit(7);
        },
        ::testing::ExitedWithCode(0), "");
    EXPECT_EQ(ReadAll(config), QByteArray(R"({"language": 4})"));
}

} // namespace
