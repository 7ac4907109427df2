// The real main window on a 1920x1080 display: where it appears, hiding with
// Escape, showing again on a second start.
#include "tests/e2e/support/program_copy.h"
#include "tests/e2e/support/wait.h"
#include "tests/e2e/support/x_session.h"

#include <gtest/gtest.h>

namespace {

using e2e::WaitUntil;

TEST(Window, CentredEscapeHidesAndASecondStartShowsItAgainInFront)
{
    e2e::XSession x;
    ASSERT_TRUE(x.Start(QSize(1920, 1080))) << x.error().toStdString();
    e2e::ProgramCopy copy(x);
    QProcess& first = copy.Launch();
    ASSERT_TRUE(copy.WaitForWindows());
    const QString window = copy.VisibleWindows().front();
    const auto geometry = [&] { return x.Geometry(window); };
    // The default 900x700, centred, once the slide has ended.
    EXPECT_TRUE(WaitUntil(
        [&] { return geometry().contains("\nX=510\nY=190\nWIDTH=900\nHEIGHT=700\n"); }, 5000))
        << geometry().toStdString();

    // Escape hides it to the tray after writing its place.
    x.Xdotool(QStringLiteral("windowactivate --sync ") + window);
    x.Xdotool(QStringLiteral("key Escape"));
    ASSERT_TRUE(WaitUntil([&] { return copy.VisibleWindows().isEmpty(); }, 5000));
    EXPECT_EQ(copy.Json(QStringLiteral("config.json")).value(QLatin1String("position")).toString(),
        QStringLiteral("510,190,900,700,"));

    // A second start ends within 2 s and wakes the first, whose window comes
    // back in its place, in front.
    QProcess& second = copy.Launch();
    EXPECT_EQ(e2e::WaitForExit(second, 2000), 0);
    ASSERT_TRUE(WaitUntil([&] { return copy.VisibleWindows() == QStringList { window }; }, 5000));
    EXPECT_TRUE(WaitUntil(
        [&] { return x.Xdotool(QStringLiteral("getactivewindow")).trimmed() == window.toLatin1(); },
        5000));
    EXPECT_TRUE(geometry().contains("\nX=510\nY=190\n")) << geometry().toStdString();
    EXPECT_EQ(first.state(), QProcess::Running);
}

} // namespace
