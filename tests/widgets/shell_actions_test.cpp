#include "app/mainwindow.h"
#include "app/message_bus.h"
#include "app/message_ids.h"
#include "app/program_file.h"
#include "app/settings_record.h"
#include "app/shell_actions.h"
#include "app/single_instance.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>
#include <QThread>

namespace {

QByteArray ReadAll(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// The restart starts the program file of the program folder; here that file
// is a script that records its arguments.
TEST(Restart, SavesGivesUpTheEndpointAndStartsTheProgramWithShowWindow)
{
    const QString folder = ProgramFolder();
    const QString record = folder + QStringLiteral("/restart-arguments");
    QFile script(ProgramFilePath(folder));
    ASSERT_TRUE(script.open(QIODevice::WriteOnly));
    script.write(QStringLiteral("#!/bin/sh\necho \"$@\" > '%1'\n").arg(record).toUtf8());
    script.close();
    script.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);

    QTemporaryDir runtime;
    qputenv("XDG_RUNTIME_DIR", runtime.path().toLocal8Bit());
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
    QFile::remove(ProgramFilePath(folder));
    qunsetenv("XDG_RUNTIME_DIR");
}

// A running copy's endpoint is private to its user.
TEST(SingleInstance, EndpointIsPrivateAndReplacesAStaleOne)
{
    QTemporaryDir runtime;
    qputenv("XDG_RUNTIME_DIR", runtime.path().toLocal8Bit());
    const QString endpoint = single_instance::EndpointName();
    EXPECT_EQ(endpoint, runtime.path() + QStringLiteral("/quillbox_server"));

    // A file left behind by a crashed copy.
    QFile stale(endpoint);
    ASSERT_TRUE(stale.open(QIODevice::WriteOnly));
    stale.close();
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
    SingleInstance().Close();
    qunsetenv("XDG_RUNTIME_DIR");
}

TEST(UpdatePrompt, DecliningEndsTheProcessWithoutSaving)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    const QString config = ProgramFolder() + QStringLiteral("/config.json");
    {
        QFile f(config);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(R"({"language": 4})");
    }
    EXPECT_EXIT(
        {
            MainWindow window;
            Settings().language = 2; // would show in the file if anything saved
            bus::Post(msg_update_declined, 0, 0);
            std::exit(7);
        },
        ::testing::ExitedWithCode(0), "");
    EXPECT_EQ(ReadAll(config), QByteArray(R"({"language": 4})"));
}

} // namespace
