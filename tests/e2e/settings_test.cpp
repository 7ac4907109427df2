// The settings window of the real program: the gear opens it, and a kind of
// copy unticked there is no longer recorded once it is closed.
#include "tests/e2e/support/program_copy.h"
#include "tests/e2e/support/wait.h"
#include "tests/e2e/support/x_session.h"

#include <gtest/gtest.h>

#include <QJsonObject>

namespace {

using e2e::HistoryIndex;
using e2e::WaitUntil;

TEST(Settings, GearOpensTheWindowAndAnUntickedKindIsNoLongerRecorded)
{
    e2e::XSession x;
    ASSERT_TRUE(x.Start()) << x.error().toStdString();
    e2e::ProgramCopy copy(x);
    ASSERT_TRUE(
        copy.WriteFile(QStringLiteral("config.json"), R"({"position": "510,190,900,700,"})"));
    // The capture's refusal is read from the log.
    copy.LaunchLogged(QStringLiteral("quillbox.capture.debug=true"));
    ASSERT_TRUE(copy.WaitForWindows());
    const QString window = copy.VisibleWindows().front();
    // Settled where it belongs once the slide is over.
    ASSERT_TRUE(WaitUntil([&] { return x.Geometry(window).contains("\nX=510\nY=190\n"); }, 5000));

    // Pictures are recorded to begin with.
    ASSERT_TRUE(copy.Record(e2e::Png(Qt::red), QStringLiteral("image/png")));
    ASSERT_EQ(copy.Index().type.value(0), QStringLiteral("1"));

    // The gear of a window 900 wide, 245 pixels left of its right edge.
    x.Click(window, 655, 22);
    ASSERT_TRUE(WaitUntil(
        [&] {
            const QStringList settings = x.WindowsNamed(QStringLiteral("设定"));
            return settings.size() == 1
                && x.Xdotool(QStringLiteral("getwindowfocus")).trimmed() == settings[0].toLatin1();
        },
        10000));

    // From the hotkey button: Tab to "文本", Tab to "图片", untick; Esc closes.
    x.Xdotool(QStringLiteral("key --delay 100 Tab Tab space Escape"));
    const auto config = [&] { return copy.Json(QStringLiteral("config.json")); };
    ASSERT_TRUE(WaitUntil(
        [&] { return config().value(QLatin1String("save_image_type")) == QJsonValue(false); },
        10000));
    EXPECT_EQ(config().value(QLatin1String("save_text_type")), QJsonValue(true));

    // A picture, read and left out; then a text, which arrives alone.
    const auto refusals = [&] {
        return copy.ReadFile(QStringLiteral("program.log")).count("clipboard change not recorded");
    };
    const int before = refusals();
    ASSERT_TRUE(x.Copy(e2e::Png(Qt::blue), QStringLiteral("image/png")));
    ASSERT_TRUE(WaitUntil([&] { return refusals() > before; }, 10000));
    ASSERT_TRUE(x.Copy("after the picture"));
    const HistoryIndex index
        = copy.WaitForIndex([](const HistoryIndex& i) { return i.size() >= 2; });
    ASSERT_EQ(index.size(), 2);
    EXPECT_EQ(index.type, QStringList({ QStringLiteral("0"), QStringLiteral("1") }));
    EXPECT_EQ(copy.Entry(index.content[0]), QByteArray("after the picture"));
}

} // namespace
