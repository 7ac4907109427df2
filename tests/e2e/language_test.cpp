// Interface languages on the real program.
#include "tests/e2e/support/program_copy.h"
#include "tests/e2e/support/wait.h"
#include "tests/e2e/support/x_session.h"

#include <gtest/gtest.h>

#include <csignal>
#include <memory>
#include <QFile>

namespace {

using e2e::WaitUntil;

class Language : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(x.Start()) << x.error().toStdString();
        copy = std::make_unique<e2e::ProgramCopy>(x);
        // The notices are read from the log.
        copy->SetEnvironment(
            QStringLiteral("QT_LOGGING_RULES"), QStringLiteral("quillbox.ui.debug=true"));
    }

    void Key(const char* key) { x.Xdotool(QStringLiteral("key ") + QLatin1String(key)); }
    void Click(const QString& window, int x_at, int y_at)
    {
        x.Xdotool(
            QStringLiteral("mousemove --window %1 %2 %3 click 1").arg(window).arg(x_at).arg(y_at));
    }

    // The one main window shown, once its slide has ended where it stays.
    QString SettledWindow()
    {
        if (!copy->WaitForWindows())
            return {};
        const QString window = copy->VisibleWindows().front();
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
    }

    // Texts of the main window in the current language: the first row is
    // pinned (the pinned window's title) and copied (the notice, in the log).
    bool PinAndCopyFirstRow(const QString& window, const QString& pin_title)
    {
        Click(window, 300, 120);
        Key("h");
        Key("c");
        return WaitUntil([&] { return x.WindowsNamed(pin_title).size() == 1; }, 5000);
    }

    bool LogHasNotice(const char* text) const
    {
        return WaitUntil(
            [&] {
                return copy->ReadFile(QStringLiteral("program.log"))
                    .contains(QByteArray("notice: \"") + text + '"');
            },
            5000);
    }

    // Placed where SettledWindow waits for it; broken: the file cut short.
    void WriteConfig(const char* language, bool broken = false)
    {
        const QByteArray config = QByteArray(R"({"position": "510,190,900,700,", "language": )")
            + language + (broken ? "," : "}");
        ASSERT_TRUE(copy->WriteFile(QStringLiteral("config.json"), config));
    }

    QProcess& Launch() { return copy->Launch({}, copy->FilePath(QStringLiteral("program.log"))); }

    e2e::XSession x;
    std::unique_ptr<e2e::ProgramCopy> copy;
};

// Gone, or a zombie nobody has reaped yet: a restarted copy is no child of ours.
bool Ended(qint64 pid)
{
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
    return !stat.open(QIODevice::ReadOnly) || stat.readAll().contains(") Z ");
}

TEST_F(Language, EnglishThenJapaneseByTheMenuThenAnUnknownCodeThenABrokenFile)
{
    WriteConfig("0");
    QProcess& english = Launch();
    const QString window = SettledWindow();
    ASSERT_FALSE(window.isEmpty());
    ASSERT_TRUE(copy->Record("kept over the restart"));
    EXPECT_TRUE(PinAndCopyFirstRow(window, QStringLiteral("Preview")));
    EXPECT_TRUE(LogHasNotice("Text copied to the clipboard"));

    // The language button opens the menu; its fourth entry is Japanese.
    Click(window, 540, 23);
    for (int i = 0; i < 4; ++i)
        Key("Down");
    Key("Return");
    EXPECT_EQ(e2e::WaitForExit(english, 10000), 0);
    const QString restarted = SettledWindow();
    ASSERT_FALSE(restarted.isEmpty());
    const qint64 pid
        = x.Xdotool(QStringLiteral("getwindowpid ") + restarted).trimmed().toLongLong();
    ASSERT_GT(pid, 0);
    EXPECT_EQ(copy->Json(QStringLiteral("config.json")).value(QLatin1String("language")), 3);
    EXPECT_EQ(copy->Index().content.size(), 1);
    EXPECT_TRUE(PinAndCopyFirstRow(restarted, QStringLiteral("プレビュー")));
    EXPECT_TRUE(LogHasNotice("テキストをコピーしました"));
    // It kept this copy's environment: a second start finds it and wakes it.
    EXPECT_EQ(e2e::WaitForExit(copy->Launch(), 5000), 0);
    ::kill(static_cast<pid_t>(pid), SIGTERM);
    ASSERT_TRUE(WaitUntil([&] { return Ended(pid); }, 10000));

    WriteConfig("9");
    QProcess& unknown = Launch();
    EXPECT_TRUE(PinAndCopyFirstRow(SettledWindow(), QStringLiteral("Preview")));
    unknown.terminate();
    EXPECT_EQ(e2e::WaitForExit(unknown, 10000), 0);

    // The settings fall back to their defaults; the texts stay untranslated.
    WriteConfig("0", true);
    Launch();
    EXPECT_TRUE(PinAndCopyFirstRow(SettledWindow(), QStringLiteral("预览")));
}

} // namespace
