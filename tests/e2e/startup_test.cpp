// Starting the real program: placement, hiding and waking, crash, a second
// copy, options and SIGTERM.
#include "tests/e2e/support/program_copy.h"
#include "tests/e2e/support/wait.h"
#include "tests/e2e/support/x_session.h"

#include <gtest/gtest.h>

#include <csignal>
#include <QFile>

namespace {

using e2e::ProgramCopy;
using e2e::WaitUntil;

TEST(Startup, PlacementWakingCrashRestartOptionsAndTwoRuntimeFolders)
{
    e2e::XSession x;
    ASSERT_TRUE(x.Start()) << x.error().toStdString();
    ProgramCopy copy(x);
    QProcess& crashed = copy.Launch();
    ASSERT_TRUE(copy.WaitForWindows());
    const QString window = copy.VisibleWindows().front();
    const auto geometry = [&] { return x.Geometry(window); };
    // The default 900x700, centred, once the slide has ended.
    EXPECT_TRUE(WaitUntil(
        [&] { return geometry().contains("\nX=510\nY=190\nWIDTH=900\nHEIGHT=700\n"); }, 5000))
        << geometry().toStdString();

    // Escape hides it after writing its place; a second start ends within
    // 2 s and wakes the first, whose window comes back in place, in front.
    x.Activate(window);
    x.Xdotool(QStringLiteral("key Escape"));
    ASSERT_TRUE(WaitUntil([&] { return copy.VisibleWindows().isEmpty(); }, 5000));
    EXPECT_EQ(copy.Json(QStringLiteral("config.json")).value(QLatin1String("position")).toString(),
        QStringLiteral("510,190,900,700,"));
    EXPECT_EQ(e2e::WaitForExit(copy.Launch(), 2000), 0);
    ASSERT_TRUE(WaitUntil([&] { return copy.VisibleWindows() == QStringList { window }; }, 5000));
    EXPECT_TRUE(WaitUntil(
        [&] { return x.Xdotool(QStringLiteral("getactivewindow")).trimmed() == window.toLatin1(); },
        5000));
    EXPECT_TRUE(geometry().contains("\nX=510\nY=190\n")) << geometry().toStdString();

    // kill -9 leaves the endpoint behind; the next start takes it over, with
    // the login argument still showing its window.
    ::kill(static_cast<pid_t>(crashed.processId()), SIGKILL);
    crashed.waitForFinished(5000);
    ASSERT_TRUE(QFile::exists(copy.runtimeDir() + QStringLiteral("/quillbox_server")));
    ASSERT_TRUE(WaitUntil([&] { return copy.VisibleWindows().isEmpty(); }, 5000));
    QProcess& next = copy.Launch({ QStringLiteral("-startup") });
    ASSERT_TRUE(copy.WaitForWindows());
    EXPECT_EQ(e2e::WaitForExit(copy.Launch(), 3000), 0);
    EXPECT_EQ(next.state(), QProcess::Running);

    // --help and --version answer while a copy holds the endpoint.
    for (const char* option : { "--help", "--version" }) {
        QProcess& asked = copy.Launch({ QLatin1String(option) }, QProcess::SeparateChannels);
        EXPECT_EQ(e2e::WaitForExit(asked, 3000), 0) << option;
        const QByteArray said = asked.readAllStandardOutput();
        EXPECT_TRUE(
            said.startsWith(option[2] == 'h' ? "Usage: quillbox" : "quillbox " QUILLBOX_VERSION))
            << said.toStdString();
    }

    // A copy with its own runtime folder runs beside it.
    ProgramCopy other(x);
    other.Launch();
    EXPECT_TRUE(copy.WaitForWindows(2));

    // A logout sends SIGTERM: the program quits as from its tray menu.
    next.terminate();
    EXPECT_EQ(e2e::WaitForExit(next, 5000), 0);
}

} // namespace
