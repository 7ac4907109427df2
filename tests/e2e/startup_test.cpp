#include "tests/e2e/support/program_copy.h"
#include "tests/e2e/support/wait.h"
#include "tests/e2e/support/x_session.h"

#include <gtest/gtest.h>

#include <csignal>
#include <QElapsedTimer>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>

namespace {

using e2e::ProgramCopy;
using e2e::WaitUntil;

class Startup : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(x.Start()) << x.error().toStdString(); }

    // The running copy is ready once its window shows.
    static bool WaitForWindow(const ProgramCopy& copy)
    {
        return WaitUntil([&] { return !copy.VisibleWindows().isEmpty(); }, 20000);
    }

    e2e::XSession x;
};

TEST_F(Startup, FirstStartWritesConfigWithDefaults)
{
    ProgramCopy copy(x);
    copy.Launch();
    ASSERT_TRUE(WaitForWindow(copy));
    ASSERT_TRUE(WaitUntil(
        [&] { return QFile::exists(copy.FilePath(QStringLiteral("config.json"))); }, 5000));

    const QJsonObject json
        = QJsonDocument::fromJson(copy.ReadFile(QStringLiteral("config.json"))).object();
    EXPECT_TRUE(json.value(QLatin1String("flag")).toBool());
    const char* const hotkeys[][2] = {
        { "hotkey", "Ctrl+Alt+Q" },
        { "hotkey_text", "Ctrl+Alt+W" },
        { "hotkey_image", "Ctrl+Alt+E" },
        { "hotkey_file", "Ctrl+Alt+R" },
        { "hotkey_collect", "Ctrl+Alt+T" },
        { "hotkey_extra", "Alt+1~9" },
        { "hotkey_text_extra", "Ctrl+1~9" },
        { "hotkey_image_extra", "Ctrl+Shift+1~9" },
        { "hotkey_file_extra", "Alt+Ctrl+1~9" },
        { "hotkey_collect_extra", "Alt+Shift+1~9" },
    };
    for (const auto& h : hotkeys)
        EXPECT_EQ(json.value(QLatin1String(h[0])).toString(), QLatin1String(h[1])) << h[0];
    EXPECT_EQ(json.value(QLatin1String("loop_count")).toInt(), 4);
    EXPECT_EQ(json.value(QLatin1String("max_save_count")).toInt(), 500);
    EXPECT_TRUE(QRegularExpression(QStringLiteral("^(-?\\d+,){4}$"))
                    .match(json.value(QLatin1String("position")).toString())
                    .hasMatch())
        << json.value(QLatin1String("position")).toString().toStdString();

    // The autostart entry of this copy, named after its folder.
    const QString entry = copy.home() + QStringLiteral("/.config/autostart/")
        + QFileInfo(copy.folder()).baseName() + QStringLiteral(".desktop");
    QFile desktop(entry);
    ASSERT_TRUE(desktop.open(QIODevice::ReadOnly)) << entry.toStdString();
    EXPECT_TRUE(desktop.readAll().contains((QStringLiteral("Exec=\"")
        + copy.FilePath(QStringLiteral("quillbox")) + QStringLiteral("\" -startup\n"))
                                               .toUtf8()));
}

TEST_F(Startup, SecondStartShowsTheRunningCopyAndExits)
{
    ProgramCopy copy(x);
    QProcess& first = copy.Launch();
    ASSERT_TRUE(WaitForWindow(copy));
    const QString window = copy.VisibleWindows().front();

    // Escape hides the window to the tray.
    x.Run(QStringLiteral("xdotool"),
        { QStringLiteral("windowactivate"), QStringLiteral("--sync"), window, QStringLiteral("key"),
            QStringLiteral("Escape") });
    ASSERT_TRUE(WaitUntil([&] { return copy.VisibleWindows().isEmpty(); }, 5000));

    QElapsedTimer timer;
    timer.start();
    QProcess& second = copy.Launch();
    EXPECT_EQ(e2e::WaitForExit(second, 2000), 0);
    EXPECT_LT(timer.elapsed(), 2000);

    ASSERT_TRUE(WaitUntil([&] { return copy.VisibleWindows() == QStringList { window }; }, 5000));
    EXPECT_TRUE(WaitUntil([&] { return copy.ActiveWindow() == window; }, 5000));
    EXPECT_EQ(first.state(), QProcess::Running);
}

TEST_F(Startup, AStartAfterACrashBecomesTheRunningCopy)
{
    ProgramCopy copy(x);
    QProcess& crashed = copy.Launch();
    ASSERT_TRUE(WaitForWindow(copy));
    ::kill(static_cast<pid_t>(crashed.processId()), SIGKILL);
    crashed.waitForFinished(5000);
    // The endpoint of the dead copy is still there.
    ASSERT_TRUE(QFile::exists(copy.runtimeDir() + QStringLiteral("/quillbox_server")));
    ASSERT_TRUE(WaitUntil([&] { return copy.VisibleWindows().isEmpty(); }, 5000));

    QProcess& next = copy.Launch();
    ASSERT_TRUE(WaitForWindow(copy));
    EXPECT_EQ(next.state(), QProcess::Running);

    // And it is now the one that later starts find.
    QProcess& later = copy.Launch();
    EXPECT_EQ(e2e::WaitForExit(later, 3000), 0);
    EXPECT_EQ(next.state(), QProcess::Running);
}

TEST_F(Startup, CopiesWithTheirOwnRuntimeFoldersBothRun)
{
    ProgramCopy a(x);
    ProgramCopy b(x);
    QProcess& pa = a.Launch();
    ASSERT_TRUE(WaitForWindow(a));
    QProcess& pb = b.Launch();
    // Both windows carry the same title; two of them must be visible.
    EXPECT_TRUE(WaitUntil([&] { return a.VisibleWindows().size() == 2; }, 20000));
    EXPECT_EQ(pa.state(), QProcess::Running);
    EXPECT_EQ(pb.state(), QProcess::Running);
}

TEST_F(Startup, AnArgumentStillShowsTheWindow)
{
    ProgramCopy copy(x);
    QProcess& p = copy.Launch({ QStringLiteral("-startup") });
    EXPECT_TRUE(WaitForWindow(copy));
    EXPECT_EQ(p.state(), QProcess::Running);
}

TEST_F(Startup, TerminationRequestQuitsCleanly)
{
    // A logout sends SIGTERM: the program quits as from its tray menu.
    ProgramCopy copy(x);
    QProcess& p = copy.Launch();
    ASSERT_TRUE(WaitForWindow(copy));
    p.terminate();
    EXPECT_EQ(e2e::WaitForExit(p, 5000), 0);
    EXPECT_EQ(p.exitStatus(), QProcess::NormalExit);
}

} // namespace
