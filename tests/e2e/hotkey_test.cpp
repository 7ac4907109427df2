// Global hotkeys as the user meets them: real key presses (xdotool) with the
// tiny editor in front, under openbox, also after a keyboard layout change;
// silenced by a full-screen window; and the search box's keys.
#include "tests/e2e/support/editor_process.h"
#include "tests/e2e/support/program_copy.h"
#include "tests/e2e/support/wait.h"
#include "tests/e2e/support/x_session.h"

#include <gtest/gtest.h>

#include <QBuffer>
#include <QByteArray>
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
        ASSERT_TRUE(x.Start(QSize(1920, 1080))) << x.error().toStdString();
    }

    // Starts the program with the config and three text entries, oldest
    // first, then the editor in front; the program's output is kept.
    void StartWithTexts(ProgramCopy& copy, const QByteArray& config)
    {
        ASSERT_TRUE(copy.WriteFile(QStringLiteral("config.json"), config));
        program = &copy.Launch({}, QProcess::MergedChannels);
        ASSERT_TRUE(copy.WaitForWindows());
        main_window = copy.VisibleWindows().front();
        for (const char* text : { "alpha", "beta", "gamma" })
            ASSERT_TRUE(copy.Record(text));
        editor_window = editor.Start(x);
        ASSERT_FALSE(editor_window.isEmpty());
        ASSERT_TRUE(Activate(editor_window));
    }
    bool Activate(const QString& window, int timeout_ms = 5000) const
    {
        x.Xdotool(QStringLiteral("windowactivate --sync ") + window);
        return WaitUntil([&] { return x.Active(window); }, timeout_ms);
    }
    void Xdotool(const char* words) { x.Xdotool(QLatin1String(words)); }
    bool EditorShows(const QString& text, int timeout_ms = 10000) const
    {
        return WaitUntil([&] { return editor.Text() == text; }, timeout_ms);
    }
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
    QString main_window;
    QString editor_window;
};

TEST_F(Hotkeys, CyclingFixedSlotAndSearchBoxKeysPasteIntoTheEditor)
{
    ProgramCopy copy(x);
    StartWithTexts(copy, "{}");

    // Ctrl and Alt held through three presses of the text hotkey: the
    // third-newest text, pasted on the release.
    Xdotool("keydown ctrl+alt");
    for (int press = 0; press < 3; ++press)
        Xdotool("key w");
    Xdotool("keyup ctrl+alt");
    ASSERT_TRUE(EditorShows(QStringLiteral("alpha"))) << editor.Text().toStdString();
    EXPECT_TRUE(x.Active(editor_window));

    // The first fixed slot of the text family: the newest text.
    Xdotool("key ctrl+1");
    ASSERT_TRUE(EditorShows(QStringLiteral("alphagamma"))) << editor.Text().toStdString();

    // The window brought up over the editor, as a second start does; the
    // search box holds the focus.
    QProcess& second = copy.Launch();
    ASSERT_EQ(e2e::WaitForExit(second, 10000), 0);
    ASSERT_TRUE(WaitUntil([&] { return x.Active(main_window); }, 5000));
    Xdotool("type gam");
    Xdotool("key Down");
    Xdotool("key Return");
    EXPECT_TRUE(EditorShows(QStringLiteral("alphagammagamma"))) << editor.Text().toStdString();

    // Two pictures: the third image slot is beyond the image view's end, so
    // Ctrl+Shift+3 acts as a cycling press and takes the newest picture.
    for (int width : { 20, 30 }) {
        QImage image(width, 10, QImage::Format_RGB32);
        image.fill(Qt::blue);
        QByteArray png;
        QBuffer buffer(&png);
        ASSERT_TRUE(image.save(&buffer, "PNG"));
        ASSERT_TRUE(copy.Record(png, QStringLiteral("image/png")));
    }
    ASSERT_TRUE(Activate(editor_window));
    Xdotool("key ctrl+shift+3");
    EXPECT_TRUE(WaitUntil(
        [&] {
            const QByteArray png = x.Run(QStringLiteral("xclip"),
                { QStringLiteral("-selection"), QStringLiteral("clipboard"), QStringLiteral("-o"),
                    QStringLiteral("-t"), QStringLiteral("image/png") });
            return QImage::fromData(png).width() == 30;
        },
        10000));
}

TEST_F(Hotkeys, AGrabbedCombinationStaysUnregisteredAndTheConfigNamesTheKeys)
{
    // Another client holds the image hotkey before the program starts.
    Display* other = XOpenDisplay(x.display().toLatin1().constData());
    ASSERT_NE(other, nullptr);
    XGrabKey(other, XKeysymToKeycode(other, XK_e), ControlMask | Mod1Mask, DefaultRootWindow(other),
        False, GrabModeAsync, GrabModeAsync);
    XSync(other, False);

    ProgramCopy copy(x);
    StartWithTexts(copy, R"({"hotkey_text": "Ctrl+Alt+Y"})");
    EXPECT_TRUE(Said("hotkey Ctrl+Alt+E false")) << output.toStdString();
    EXPECT_TRUE(Said("hotkey Ctrl+Alt+Y true")) << output.toStdString();

    // The default text hotkey is nobody's now: the press goes to the editor
    // as a plain key, which types nothing.
    Xdotool("key ctrl+alt+w");
    EXPECT_FALSE(Said("hotkey pressed: view 0 slot -1", 1000)) << output.toStdString();
    EXPECT_TRUE(x.Active(editor_window));
    Xdotool("key ctrl+alt+y");
    EXPECT_TRUE(Said("hotkey pressed: view 0 slot -1")) << output.toStdString();
    ASSERT_TRUE(EditorShows(QStringLiteral("gamma"))) << editor.Text().toStdString();
    XCloseDisplay(other);

    // A German layout puts Y on the key that was Z: the hotkey follows it.
    // The view is the text view now, so the press starts below row 0.
    int status = -1;
    x.Run(QStringLiteral("setxkbmap"), { QStringLiteral("de") }, &status);
    ASSERT_EQ(status, 0);
    // setxkbmap changes the mapping in several steps and the program grabs
    // again after each; a press that falls between two steps is not seen.
    for (int attempt = 0; attempt < 3 && editor.Text() == QStringLiteral("gamma"); ++attempt) {
        Xdotool("key ctrl+alt+y");
        EditorShows(QStringLiteral("gammabeta"), 3000);
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
    // The window manager may place it a moment after it shows.
    ASSERT_TRUE(WaitUntil(
        [&] {
            const QByteArray shape = x.Geometry(cover_window);
            return shape.contains("X=0\n") && shape.contains("Y=0\n")
                && shape.contains("WIDTH=1920\n") && shape.contains("HEIGHT=1080\n");
        },
        5000));

    // A press right after a new window took the focus is now and then lost
    // on a loaded machine before it reaches any grab; it is tried again.
    EXPECT_TRUE(PressUntilSaid("ctrl+alt+w", "hotkey ignored: a full-screen window is shown"))
        << output.toStdString();
    EXPECT_FALSE(output.contains("hotkey pressed")) << output.toStdString();

    // The setting off, after a restart: the press acts, the newest text is
    // on the clipboard.
    program->kill();
    program->waitForFinished(5000);
    ASSERT_TRUE(copy.WriteFile(QStringLiteral("config.json"), R"({"full_screen_disable": false})"));
    output.clear();
    program = &copy.Launch({}, QProcess::MergedChannels);
    ASSERT_TRUE(Said("hotkey Ctrl+Alt+W true")) << output.toStdString();
    // The restarted window shows and takes the focus a moment later; the
    // cover window is brought back in front after that.
    ASSERT_TRUE(copy.WaitForWindows());
    bool in_front = false;
    for (int attempt = 0; attempt < 3 && !in_front; ++attempt)
        in_front = Activate(cover_window, 3000);
    ASSERT_TRUE(in_front);
    EXPECT_TRUE(PressUntilSaid("ctrl+alt+w", "hotkey pressed: view 0 slot -1"))
        << output.toStdString();
    EXPECT_TRUE(WaitUntil(
        [&] {
            return x.Run(QStringLiteral("xclip"),
                       { QStringLiteral("-o"), QStringLiteral("-selection"),
                           QStringLiteral("clipboard") })
                == "gamma";
        },
        10000));
}

} // namespace
