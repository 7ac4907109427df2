// The real main window on a 1920x1080 display: where it appears, hiding with
// Escape, showing again on a second start, and a copy reaching the list.
#include "tests/e2e/support/program_copy.h"
#include "tests/e2e/support/wait.h"
#include "tests/e2e/support/x_session.h"

#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRect>

namespace {

using e2e::ProgramCopy;
using e2e::WaitUntil;

class Window : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(x.Start(QSize(1920, 1080))) << x.error().toStdString(); }

    QRect Geometry(const QString& window) const
    {
        QRect rect;
        const QByteArray out = x.Run(QStringLiteral("xdotool"),
            { QStringLiteral("getwindowgeometry"), QStringLiteral("--shell"), window });
        for (const QByteArray& line : out.split('\n')) {
            const QList<QByteArray> pair = line.split('=');
            if (pair.size() != 2)
                continue;
            const int value = pair[1].toInt();
            if (pair[0] == "X")
                rect.moveLeft(value);
            else if (pair[0] == "Y")
                rect.moveTop(value);
            else if (pair[0] == "WIDTH")
                rect.setWidth(value);
            else if (pair[0] == "HEIGHT")
                rect.setHeight(value);
        }
        return rect;
    }

    e2e::XSession x;
};

TEST_F(Window, CentredEscapeHidesSecondStartShowsAndCopiesListAtTheTop)
{
    ProgramCopy copy(x);
    copy.Launch();
    ASSERT_TRUE(WaitUntil([&] { return !copy.VisibleWindows().isEmpty(); }, 20000));
    const QString window = copy.VisibleWindows().front();
    // Default size on 1920x1080, centred, once the slide has ended.
    const QRect expected((1920 - 900) / 2, (1080 - 700) / 2, 900, 700);
    EXPECT_TRUE(WaitUntil([&] { return Geometry(window) == expected; }, 5000))
        << Geometry(window).x() << "," << Geometry(window).y() << " " << Geometry(window).width()
        << "x" << Geometry(window).height();

    // Escape hides it to the tray after writing its place.
    x.Run(QStringLiteral("xdotool"),
        { QStringLiteral("windowactivate"), QStringLiteral("--sync"), window });
    x.Run(QStringLiteral("xdotool"), { QStringLiteral("key"), QStringLiteral("Escape") });
    ASSERT_TRUE(WaitUntil([&] { return copy.VisibleWindows().isEmpty(); }, 5000));
    const QJsonObject config
        = QJsonDocument::fromJson(copy.ReadFile(QStringLiteral("config.json"))).object();
    EXPECT_EQ(
        config.value(QLatin1String("position")).toString(), QStringLiteral("510,190,900,700,"));
    EXPECT_TRUE(config.value(QLatin1String("flag")).toBool());

    // A second start wakes the first, whose window comes back in its place.
    QProcess& second = copy.Launch();
    EXPECT_EQ(e2e::WaitForExit(second, 10000), 0);
    ASSERT_TRUE(WaitUntil([&] { return !copy.VisibleWindows().isEmpty(); }, 10000));
    EXPECT_EQ(Geometry(copy.VisibleWindows().front()).topLeft(), expected.topLeft());

    // A copy becomes the newest entry.
    int status = -1;
    x.Run(QStringLiteral("xclip"), { QStringLiteral("-selection"), QStringLiteral("clipboard") },
        &status, 10000, QByteArray("copied in the window test"));
    ASSERT_EQ(status, 0);
    QJsonArray contents;
    ASSERT_TRUE(WaitUntil(
        [&] {
            contents
                = QJsonDocument::fromJson(copy.ReadFile(QStringLiteral("content/content.json")))
                      .object()
                      .value(QLatin1String("content"))
                      .toArray();
            return !contents.isEmpty();
        },
        10000));
    EXPECT_EQ(copy.ReadFile(QStringLiteral("content/") + contents.first().toString()),
        QByteArray("copied in the window test"));
}

} // namespace
