// Global hotkeys as the user meets them: real key presses (xdotool) with the
// tiny editor in front, also after a keyboard layout change; silenced by a
// full-screen window.
#include "tests/e2e/support/editor_process.h"
#include "tests/e2e/support/program_copy.h"
#include "tests/e2e/support/wait.h"
#include "tests/e2e/support/x_session.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QProcess>
#include <X11/keysym.h>
#include <X11/Xlib.h>

namespace {

using e2e::ProgramCopy;
using e2e::WaitUntil;

class Hotkeys : public ::testing::Test {
protected:
    void SetUp() override
    {
        // The program's hotkey lines are debug lines, off unless asked for.
        qputenv("QT_LOGGING_RULES", "quillbox.hotkeys.debug=true");
        ASSERT_TRUE(x.Start()) << x.error().toStdString();
    }

    // The program with three texts, its output kept; then the editor in front.
    void StartWithTexts(ProgramCopy& copy, const QByteArray& config)
    {
        program = copy.StartWith(config, { "alpha", "beta", "gamma" }, QProcess::MergedChannels);
        ASSERT_NE(program, nullptr);
        editor_window = editor.Start(x);
        ASSERT_FALSE(editor_window.isEmpty());
        ASSERT_TRUE(x.Activate(editor_window));
    }
    void Xdotool(const char* words) { x.Xdotool(QLatin1String(words)); }
    // Whether the program said the line, reading its output as it comes.
    bool Said(const QByteArray& line, int timeout_ms = 10000)
    {
        return e2e::Said(*program, output, line, timeout_ms);
    }

    bool PressUntilSaid(const char* keys, const QByteArray& line)
    {
        for (int attempt = 0; attempt < 3; ++attempt) {
            x.Xdotool(QStringLiteral("key ") + QLatin1String(keys));
            if (Said(line, 4000))
                return true;
        }
        return false;
    }

    e2e::XSession x;
    e2e::EditorProcess editor;
    QProcess* program = nullptr;
    QByteArray output;
    QString editor_window;
};

TEST_F(Hotkeys, CyclingAndFixedSlotsPasteIntoTheEditor)
{
    ProgramCopy copy(x);
    StartWithTexts(copy, "{}");

    // Ctrl and Alt held through three presses of the text hotkey: the
    // third-newest text, pasted on the release.
    Xdotool("keydown ctrl+alt");
    for (int press = 0; press < 3; ++press)
        Xdotool("key w");
    Xdotool("keyup ctrl+alt");
    ASSERT_TRUE(editor.Shows(QStringLiteral("alpha"))) << editor.Text().toStdString();
    EXPECT_TRUE(x.Active(editor_window));

    // The first fixed slot: the newest text.
    Xdotool("key ctrl+1");
    ASSERT_TRUE(editor.Shows(QStringLiteral("alphagamma"))) << editor.Text().toStdString();

    // Two pictures: the third image slot is beyond the image view's end, so
    // Ctrl+Shift+3 acts as a cycling press and takes the newest picture.
    for (int width : { 20, 30 })
        ASSERT_TRUE(copy.Record(e2e::Png(Qt::blue, QSize(width, 10)), QStringLiteral("image/png")));
    ASSERT_TRUE(x.Activate(editor_window));
    Xdotool("key ctrl+shift+3");
    EXPECT_TRUE(WaitUntil(
        [&] { return QImage::fromData(x.Clipboard(QStringLiteral("image/png"))).width() == 30; },
        10000));
}

TEST_F(Hotkeys, AGrabbedCombinationStaysUnregisteredAndTheConfigNamesTheKeys)
{
    // Another client holds the image hotkey first.
    Display* other = XOpenDisplay(x.display().toLatin1().constData());
    ASSERT_NE(other, nullptr);
    XGrabKey(other, XKeysymToKeycode(other, XK_e), ControlMask | Mod1Mask, DefaultRootWindow(other),
        False, GrabModeAsync, GrabModeAsync);
    XSync(other, False);

    ProgramCopy copy(x);
    StartWithTexts(copy, R"({"hotkey_text": "Ctrl+Alt+Y"})");
    EXPECT_TRUE(Said("hotkey Ctrl+Alt+E false")) << output.toStdString();
    EXPECT_TRUE(Said("hotkey Ctrl+Alt+Y true")) << output.toStdString();

    // The default text hotkey is nobody's now: the editor gets it and types nothing.
    Xdotool("key ctrl+alt+w");
    EXPECT_FALSE(Said("hotkey pressed: view 0 slot -1", 1000)) << output.toStdString();
    EXPECT_TRUE(x.Active(editor_window));
    Xdotool("key ctrl+alt+y");
    EXPECT_TRUE(Said("hotkey pressed: view 0 slot -1")) << output.toStdString();
    ASSERT_TRUE(editor.Shows(QStringLiteral("gamma"))) << editor.Text().toStdString();
    XCloseDisplay(other);

    // A German layout puts Y on the key that was Z: the hotkey follows it.
    // The view is the text view now, so the press starts below row 0.
    int status = -1;
    x.Run(QStringLiteral("setxkbmap"), { QStringLiteral("de") }, &status);
    ASSERT_EQ(status, 0);
    // setxkbmap changes the mapping in steps, regrabbed after each: a press may fall between.
    for (int attempt = 0; attempt < 3 && editor.Text() == QStringLiteral("gamma"); ++attempt) {
        Xdotool("key ctrl+alt+y");
        editor.Shows(QStringLiteral("gammabeta"), 3000);
    }
    EXPECT_EQ(editor.Text(), QStringLiteral("gammabeta"));
}

TEST_F(Hotkeys, AFullScreenWindowSilencesThemWhileFullScreenDisableIsOn)
{
    ProgramCopy copy(x);
    StartWithTexts(copy, "{}");
    e2e::EditorProcess cover;
    const QString cover_window = cover.Start(x, { QStringLiteral("--cover-screen") });
    ASSERT_FALSE(cover_window.isEmpty());
    ASSERT_TRUE(WaitUntil([&] { return x.Active(cover_window); }, 5000));
    ASSERT_TRUE(WaitUntil(
        [&] {
            const QByteArray shape = x.Geometry(cover_window);
            return shape.contains("X=0\n") && shape.contains("Y=0\n")
                && shape.contains("WIDTH=1920\n") && shape.contains("HEIGHT=1080\n");
        },
        5000));

    // A press right after a focus change is now and then lost under load.
    EXPECT_TRUE(PressUntilSaid("ctrl+alt+w", "hotkey ignored: a full-screen window is shown"))
        << output.toStdString();
    EXPECT_FALSE(output.contains("hotkey pressed")) << output.toStdString();
    EXPECT_EQ(cover.Text(), QString());
}

} // namespace
