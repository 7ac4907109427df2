// Starting the real program: first start, crash, a second copy, options and SIGTERM.
#include "tests/e2e/support/program_copy.h"
#include "tests/e2e/support/wait.h"
#include "tests/e2e/support/x_session.h"

#include <gtest/gtest.h>

#include <csignal>
#include <QFile>
#include <QJsonObject>
#include <QRegularExpression>

namespace {

using e2e::ProgramCopy;
using e2e::WaitUntil;

TEST(Startup, FirstStartCrashAndRestartAndTwoRuntimeFolders)
{
    e2e::XSession x;
    ASSERT_TRUE(x.Start()) << x.error().toStdString();
    ProgramCopy copy(x);
    QProcess& crashed = copy.Launch();
    ASSERT_TRUE(copy.WaitForWindows());

    // The first start writes the defaults.
    ASSERT_TRUE(WaitUntil(
        [&] { return QFile::exists(copy.FilePath(QStringLiteral("config.json"))); }, 5000));
    const QJsonObject json = copy.Json(QStringLiteral("config.json"));
    EXPECT_TRUE(json.value(QLatin1String("flag")).toBool());
    EXPECT_EQ(json.value(QLatin1String("hotkey_collect_extra")).toString(),
        QStringLiteral("Alt+Shift+1~9"));
    EXPECT_TRUE(QRegularExpression(QStringLiteral("^(-?\\d+,){4}$"))
                    .match(json.value(QLatin1String("position")).toString())
                    .hasMatch())
        << json.value(QLatin1String("position")).toString().toStdString();

    // kill -9 leaves the endpoint behind; the next start takes it over, with
    // the login argument still showing its window.
    ::kill(static_cast<pid_t>(crashed.processId()), SIGKILL);
    crashed.waitForFinished(5000);
    ASSERT_TRUE(QFile::exists(copy.runtimeDir() + QStringLiteral("/quillbox_server")));
    ASSERT_TRUE(WaitUntil([&] { return copy.VisibleWindows().isEmpty(); }, 5000));
    QProcess& next = copy.Launch({ QStringLiteral("-startup") });
    ASSERT_TRUE(copy.WaitForWindows());
    QProcess& later = copy.Launch();
    EXPECT_EQ(e2e::WaitForExit(later, 3000), 0);
    EXPECT_EQ(next.state(), QProcess::Running);

    // --help and --version answer while a copy holds the endpoint: a probe
    // would have handed over silently, a second instance would not exit.
    for (const char* option : { "--help", "--version" }) {
        QProcess& asked = copy.Launch({ QLatin1String(option) }, QProcess::SeparateChannels);
        EXPECT_EQ(e2e::WaitForExit(asked, 3000), 0) << option;
        const QByteArray said = asked.readAllStandardOutput();
        EXPECT_TRUE(
            said.startsWith(option[2] == 'h' ? "Usage: quillbox" : "quillbox " QUILLBOX_VERSION))
            << said.toStdString();
    }

    // A copy with its own runtime folder runs beside it: two windows of the
    // same title.
    ProgramCopy other(x);
    other.Launch();
    EXPECT_TRUE(copy.WaitForWindows(2));

    // A logout sends SIGTERM: the program quits as from its tray menu.
    next.terminate();
    EXPECT_EQ(e2e::WaitForExit(next, 5000), 0);
}

} // namespace
