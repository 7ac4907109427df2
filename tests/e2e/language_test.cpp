// Interface languages on the real program: English, then Japanese chosen
// from the menu, which restarts it.
#include "tests/e2e/support/program_copy.h"
#include "tests/e2e/support/wait.h"
#include "tests/e2e/support/x_session.h"

#include <gtest/gtest.h>

#include <csignal>
#include <QFile>

namespace {

using e2e::WaitUntil;

// Gone, or a zombie nobody has reaped yet: a restarted copy is no child of ours.
bool Ended(qint64 pid)
{
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
    return !stat.open(QIODevice::ReadOnly) || stat.readAll().contains(") Z ");
}

TEST(Language, EnglishThenJapaneseByTheMenu)
{
    e2e::XSession x;
    ASSERT_TRUE(x.Start()) << x.error().toStdString();
    e2e::ProgramCopy copy(x);
    const auto key = [&](const char* k) { x.Xdotool(QStringLiteral("key ") + QLatin1String(k)); };
    // The one main window shown, once its slide has ended where it stays.
    const auto settled_window = [&] {
        if (!copy.WaitForWindows())
            return QString();
        const QString window = copy.VisibleWindows().front();
        QByteArray last;
        WaitUntil(
            [&] {
                const QByteArray now = x.Geometry(window);
                const bool still = now == last;
                last = now;
                return still && now.contains("\nY=190\n");
            },
            5000);
        return window;
    };
    // The first row pinned (the pinned window's title) and copied (the notice, in the log).
    const auto pin_and_copy_first_row = [&](const QString& window, const QString& pin_title) {
        x.Click(window, 300, 120);
        key("h");
        key("c");
        return WaitUntil([&] { return x.WindowsNamed(pin_title).size() == 1; }, 5000);
    };
    const auto notice = [&](const char* text) {
        return copy.LogHas(QByteArray("notice: \"") + text + '"', 5000);
    };

    ASSERT_TRUE(copy.WriteFile(
        QStringLiteral("config.json"), R"({"position": "510,190,900,700,", "language": 0})"));
    QProcess& english = copy.LaunchLogged(QStringLiteral("quillbox.ui.debug=true"));
    const QString window = settled_window();
    ASSERT_FALSE(window.isEmpty());
    ASSERT_TRUE(copy.Record("kept over the restart"));
    EXPECT_TRUE(pin_and_copy_first_row(window, QStringLiteral("Preview")));
    EXPECT_TRUE(notice("Text copied to the clipboard"));

    // The language button opens the menu; its fourth entry is Japanese.
    x.Click(window, 540, 23);
    for (int i = 0; i < 4; ++i)
        key("Down");
    key("Return");
    EXPECT_EQ(e2e::WaitForExit(english, 10000), 0);
    const QString restarted = settled_window();
    ASSERT_FALSE(restarted.isEmpty());
    const qint64 pid
        = x.Xdotool(QStringLiteral("getwindowpid ") + restarted).trimmed().toLongLong();
    ASSERT_GT(pid, 0);
    EXPECT_EQ(copy.Json(QStringLiteral("config.json")).value(QLatin1String("language")), 3);
    EXPECT_EQ(copy.Index().content.size(), 1);
    EXPECT_TRUE(pin_and_copy_first_row(restarted, QStringLiteral("プレビュー")));
    EXPECT_TRUE(notice("テキストをコピーしました"));
    // It kept this copy's environment: a second start finds it and wakes it.
    EXPECT_EQ(e2e::WaitForExit(copy.Launch(), 5000), 0);
    ::kill(static_cast<pid_t>(pid), SIGTERM);
    ASSERT_TRUE(WaitUntil([&] { return Ended(pid); }, 10000));
}

} // namespace
