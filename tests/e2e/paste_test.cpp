// Keys and activation of the X11 platform layer against a real editor
// window under openbox. The Alt+Tab back to the editor is the paste window test's.
#include "actions/key_sequence.h"
#include "tests/e2e/support/editor_process.h"

#include <QThread>

// Last: Xlib's macros (Status, None...) break Qt headers that follow them.
#include "tests/e2e/support/x11_test.h"

namespace {

using e2e::WaitUntil;

class Paste : public e2e::X11Test {
protected:
    void SetUp() override
    {
        X11Test::SetUp();
        if (HasFatalFailure())
            return;
        editor_window = editor.Start(x).toULong();
        ASSERT_NE(editor_window, 0u);
        ASSERT_TRUE(Activate(editor_window));
    }
    void Play(const key_sequence& keys)
    {
        PlayKeys(keys, *platform, [](int ms) { QThread::msleep(static_cast<unsigned long>(ms)); });
    }
    bool EditorShows(const QString& text)
    {
        return WaitUntil([&] { return editor.Text() == text; }, 10000);
    }

    e2e::EditorProcess editor;
    Window editor_window = 0;
};

TEST_F(Paste, CtrlVReachesTheEditorModifiersAndTheFocusedChildAreReadBack)
{
    ASSERT_TRUE(x.Copy("from xclip"));
    Play(AutoPasteKeys(false, false));
    EXPECT_TRUE(EditorShows(QStringLiteral("from xclip"))) << editor.Text().toStdString();
    Play(AutoPasteKeys(false, true));
    EXPECT_TRUE(EditorShows(QStringLiteral("from xclipfrom xclip\n")))
        << editor.Text().toStdString();

    // The modifiers held are read back from the server.
    EXPECT_EQ(platform->HeldModifiers(), 0);
    platform->SendKey(platform::vk::ctrl, true);
    platform->SendKey(platform::vk::shift, true);
    EXPECT_TRUE(WaitUntil(
        [&] { return platform->HeldModifiers() == (platform::mod::ctrl | platform::mod::shift); },
        10000));
    platform->SendKey(platform::vk::shift, false);
    platform->SendKey(platform::vk::ctrl, false);
    EXPECT_TRUE(WaitUntil([&] { return platform->HeldModifiers() == 0; }, 10000));

    // Another window in front, the editor the one before it: where the user
    // stands when pasting from the history list.
    const Window history = MakeWindow(true);
    ASSERT_TRUE(Activate(history));
    ASSERT_TRUE(Activate(editor_window));
    EXPECT_EQ(platform->FocusedChild(editor_window), editor_window);
    EXPECT_EQ(platform->FocusedChild(history), 0u);

    EXPECT_FALSE(platform->BringToFront(0));
}

} // namespace
