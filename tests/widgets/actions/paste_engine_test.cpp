// The paste engine on the fake platform: the exact keys and waits of each
// road, the multi-row queue, and which clipboard changes get captured.
#include "actions/paste_engine.h"
#include "app/settings_record.h"
#include "history/clipboard_capture.h"
#include "tests/widgets/actions/paste_log.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <QClipboard>
#include <QGuiApplication>

namespace {

using lines = std::vector<std::string>;

const lines kAltTab = { "Sleep 10", "SendKey 18 down", "Sleep 10", "SendKey 9 down", "Sleep 150",
    "SendKey 18 up", "Sleep 10", "SendKey 9 up", "Sleep 10" };
const lines kShiftTap = { "Sleep 150", "SendKey 16 down", "Sleep 10", "SendKey 16 up", "Sleep 10" };
const lines kCtrlV = { "SendKey 17 down", "Sleep 10", "SendKey 86 down", "Sleep 150",
    "SendKey 17 up", "Sleep 10", "SendKey 86 up", "Sleep 10" };

lines Join(std::initializer_list<lines> parts)
{
    lines all;
    for (const lines& part : parts)
        all.insert(all.end(), part.begin(), part.end());
    return all;
}

int SleptMs(const lines& log)
{
    int total = 0;
    for (const std::string& line : log)
        if (line.rfind("Sleep ", 0) == 0)
            total += std::stoi(line.substr(6));
    return total;
}

int Count(const lines& log, const std::string& line)
{
    return static_cast<int>(std::count(log.begin(), log.end(), line));
}

class PasteEngine : public ::testing::Test {
protected:
    void SetUp() override
    {
        Settings() = settings_record {};
        skip_clipboard_change = false;
        for (int i = 0; i < 10; ++i) {
            content_item item;
            item.text = "row" + std::to_string(i);
            view.push_back(item);
        }
        paste_engine::hooks hooks;
        hooks.view = [this] { return &view; };
        hooks.selected_rows = [this] { return selected; };
        hooks.current_row = [this] { return current; };
        hooks.report = [this](const action_report& r) { notices.push_back(r.notice); };
        hooks.hide_window = [this] { ++hidden; };
        hooks.hide_preview = [this] { ++preview_hidden; };
        hooks.own_window = [] { return platform::WindowId(77); };
        log.fake().foreground = 0;
        engine = std::make_unique<paste_engine>(target, hooks, [this](int ms) { log.Sleep(ms); });
    }

    QString Clipboard() const { return QGuiApplication::clipboard()->text(); }

    paste_log log;
    std::vector<content_item> view;
    std::vector<std::int64_t> selected;
    std::int64_t current = -1;
    std::vector<QString> notices;
    int hidden = 0;
    int preview_hidden = 0;
    platform::WindowId target = 0;
    std::unique_ptr<paste_engine> engine;
};

TEST_F(PasteEngine, AutoPasteSwitchesTapsShiftPastesAndReturns)
{
    Settings().auto_return = true;
    engine->AutoPasteContent(true, true);
    const lines keys = log.Take();
    EXPECT_EQ(keys,
        Join({ kAltTab, kShiftTap, kCtrlV,
            { "SendKey 13 down", "Sleep 10", "SendKey 13 up", "Sleep 10" } }));
    EXPECT_EQ(SleptMs(keys), 560);

    Settings().auto_return = false;
    engine->AutoPasteContent(true, false);
    EXPECT_EQ(log.Take(), Join({ kShiftTap, kCtrlV }));
}

TEST_F(PasteEngine, AutoPasteOffSendsNothingUnlessForced)
{
    Settings().auto_paste = false;
    engine->AutoPasteContent();
    EXPECT_TRUE(log.Take().empty());
    engine->AutoPasteContent(true, true);
    EXPECT_EQ(log.Take(), Join({ kAltTab, kShiftTap, kCtrlV }));
}

TEST_F(PasteEngine, DoubleClickCopiesAndPastesOnlyWithAutoPaste)
{
    engine->ItemDoubleClicked(3);
    EXPECT_EQ(Clipboard(), QStringLiteral("row3"));
    EXPECT_EQ(preview_hidden, 1);
    EXPECT_EQ(log.Take(), Join({ kAltTab, kShiftTap, kCtrlV }));

    Settings().auto_paste = false;
    engine->ItemDoubleClicked(4);
    EXPECT_EQ(Clipboard(), QStringLiteral("row4"));
    EXPECT_TRUE(log.Take().empty());

    engine->ItemDoubleClicked(10); // beyond the list: nothing at all
    EXPECT_EQ(Clipboard(), QStringLiteral("row4"));
}

TEST_F(PasteEngine, OneSelectedRowPastesTheCurrentRowAtOnce)
{
    Settings().auto_paste = false; // the menu's paste is forced
    selected = { 6 };
    current = 6;
    engine->reverse_text = true;
    view[6].text = "abc\xF0\x9F\x98\x80";
    engine->PasteNowSelectContent();
    EXPECT_EQ(Clipboard(),
        QString::fromUtf8("\xF0\x9F\x98\x80"
                          "cba"));
    EXPECT_EQ(log.Take(), Join({ kAltTab, kShiftTap, kCtrlV }));
    EXPECT_FALSE(engine->reverse_text);
    EXPECT_FALSE(engine->paste_timer.isActive());
    EXPECT_EQ(notices, std::vector<QString> { QStringLiteral("文本已经复制到剪贴板") });
}

TEST_F(PasteEngine, SeveralRowsGoTopDownOneATickWithOneAltTab)
{
    selected = { 5, 2, 7 };
    engine->PasteNowSelectContent();
    EXPECT_TRUE(log.Take().empty()); // nothing at once
    ASSERT_TRUE(engine->paste_timer.isActive());
    EXPECT_EQ(engine->paste_timer.interval(), 800);

    std::vector<QString> pasted;
    std::vector<int> alt_tabs;
    for (int tick = 0; tick < 3; ++tick) {
        engine->PasteQueueTick(true);
        pasted.push_back(Clipboard());
        alt_tabs.push_back(Count(log.Take(), "SendKey 18 down"));
    }
    EXPECT_EQ(pasted, (std::vector<QString> { "row2", "row5", "row7" }));
    EXPECT_EQ(alt_tabs, (std::vector<int> { 1, 0, 0 }));
    EXPECT_TRUE(engine->paste_timer.isActive());

    engine->PasteQueueTick(true); // finds the queue empty: the run ends
    EXPECT_TRUE(log.Take().empty());
    EXPECT_FALSE(engine->paste_timer.isActive());
    EXPECT_EQ(engine->paste_count, 0);
}

TEST_F(PasteEngine, ReverseGoesBottomUpAndAutoReturnFollowsEachRow)
{
    Settings().auto_return = true;
    selected = { 2, 7, 5 };
    engine->PasteNowReverseSelectContent();
    std::vector<QString> pasted;
    int enters = 0;
    while (!engine->paste_queue.empty()) {
        engine->PasteQueueTick(true);
        pasted.push_back(Clipboard());
        enters += Count(log.Take(), "SendKey 13 down");
    }
    EXPECT_EQ(pasted, (std::vector<QString> { "row7", "row5", "row2" }));
    EXPECT_EQ(enters, 3);
}

TEST_F(PasteEngine, ASecondRunJoinsTheFirstWithoutAnotherAltTab)
{
    selected = { 1, 2 };
    engine->PasteNowSelectContent();
    engine->PasteQueueTick(true);
    EXPECT_EQ(Count(log.Take(), "SendKey 18 down"), 1);
    selected = { 8, 9 };
    engine->PasteNowSelectContent();
    std::vector<QString> pasted;
    lines keys;
    while (!engine->paste_queue.empty()) {
        engine->PasteQueueTick(true);
        pasted.push_back(Clipboard());
        const lines tick = log.Take();
        keys.insert(keys.end(), tick.begin(), tick.end());
    }
    // The queue was [2] + [9, 8]: the newer rows come first, from its back.
    EXPECT_EQ(pasted, (std::vector<QString> { "row8", "row9", "row2" }));
    EXPECT_EQ(Count(keys, "SendKey 18 down"), 0);
}

// Regression: a paste started after the last row went out but before the
// closing tick joined the finished run, sent no Alt+Tab and so typed its
// keys into our own window.
TEST_F(PasteEngine, ARunWhoseRowsAreAllOutIsOverForTheNextPaste)
{
    selected = { 0, 1 };
    engine->FlipPasteSelectContent();
    engine->PasteQueueTick(true);
    engine->PasteQueueTick(true);
    ASSERT_TRUE(engine->paste_timer.isActive());
    log.Take();
    selected = { 2, 3 };
    engine->PasteNowSelectContent();
    EXPECT_FALSE(engine->reverse_text);
    engine->PasteQueueTick(true);
    EXPECT_EQ(Clipboard(), QStringLiteral("row2"));
    EXPECT_EQ(Count(log.Take(), "SendKey 18 down"), 1);
}

TEST_F(PasteEngine, OwnKeysComingBackAreRecognisedOnceEach)
{
    engine->AutoPasteContent(true, false);
    EXPECT_FALSE(engine->TakeOwnKeyEcho(platform::vk::v, false)) << "sent to another window";
    log.fake().foreground = 77;
    engine->AutoPasteContent(true, false);
    EXPECT_TRUE(engine->TakeOwnKeyEcho(VirtualKeyOf(Qt::Key_V), false));
    EXPECT_FALSE(engine->TakeOwnKeyEcho(platform::vk::v, false));
    EXPECT_TRUE(engine->TakeOwnKeyEcho(platform::vk::v, true));
    // Enter only follows with auto_return; 0 (a key no paste sends) never matches.
    EXPECT_FALSE(engine->TakeOwnKeyEcho(VirtualKeyOf(Qt::Key_Return), false));
    EXPECT_FALSE(engine->TakeOwnKeyEcho(VirtualKeyOf(Qt::Key_X), false));
}

TEST_F(PasteEngine, FlippedRunFlipsEveryTextRowUntilItEnds)
{
    selected = { 0, 1 };
    engine->FlipPasteSelectContent();
    engine->PasteQueueTick(true);
    EXPECT_EQ(Clipboard(), QStringLiteral("0wor"));
    engine->PasteQueueTick(true);
    EXPECT_EQ(Clipboard(), QStringLiteral("1wor"));
    EXPECT_TRUE(engine->reverse_text);
    engine->PasteQueueTick(true);
    EXPECT_FALSE(engine->reverse_text);
}

TEST_F(PasteEngine, NoChangeIsCapturedWhileARunIsOnAndOwnWritesNever)
{
    EXPECT_TRUE(engine->AcceptClipboardChange());
    skip_clipboard_change = true;
    EXPECT_FALSE(engine->AcceptClipboardChange());
    EXPECT_FALSE(skip_clipboard_change);
    EXPECT_TRUE(engine->AcceptClipboardChange());

    selected = { 3, 4 };
    engine->PasteNowSelectContent();
    EXPECT_FALSE(engine->AcceptClipboardChange()); // another program's copy
    engine->PasteQueueTick(true);
    EXPECT_TRUE(skip_clipboard_change); // our own write
    EXPECT_FALSE(engine->AcceptClipboardChange());
    engine->PasteQueueTick(true);
    engine->PasteQueueTick(true); // the run ends
    EXPECT_FALSE(engine->AcceptClipboardChange()); // the last own write
    EXPECT_TRUE(engine->AcceptClipboardChange());
}

TEST_F(PasteEngine, CyclingHotkeyAbortsARunAndKeepsTheFirstTarget)
{
    selected = { 3, 4, 5 };
    engine->reverse_text = true;
    engine->PasteNowSelectContent();
    engine->PasteQueueTick(true);
    log.Take();

    log.fake().foreground = 42;
    engine->BeginHotkeyCycle();
    EXPECT_TRUE(engine->paste_queue.empty());
    EXPECT_EQ(engine->paste_count, 0);
    EXPECT_FALSE(engine->paste_timer.isActive());
    EXPECT_FALSE(engine->reverse_text);
    EXPECT_EQ(target, 42u);
    engine->ArmHotkeyRelease();
    ASSERT_TRUE(engine->release_timer);
    EXPECT_EQ(engine->release_timer->interval(), 100);
    EXPECT_TRUE(engine->release_timer->isActive());

    // A further press while armed: the main window is in front now.
    log.fake().foreground = 7;
    engine->BeginHotkeyCycle();
    engine->ArmHotkeyRelease();
    EXPECT_EQ(target, 42u);
}

TEST_F(PasteEngine, ReleasePastesOnlyWhenCtrlAltAndShiftAreUp)
{
    Settings().auto_return = true;
    log.fake().foreground = 42;
    engine->BeginHotkeyCycle();
    engine->ArmHotkeyRelease();
    log.Take();

    for (int held : { platform::mod::ctrl, platform::mod::alt, platform::mod::shift }) {
        log.fake().held_modifiers = held | platform::mod::meta;
        engine->PasteOnHotkeyRelease();
        EXPECT_TRUE(log.Take().empty());
        EXPECT_TRUE(engine->release_timer->isActive());
    }

    log.fake().held_modifiers = platform::mod::meta; // the Windows key does not count
    engine->PasteOnHotkeyRelease();
    const lines keys = log.Take();
    EXPECT_EQ(keys,
        Join({ { "BringToFront 42", "Sleep 100" }, kCtrlV,
            { "SendKey 13 down", "Sleep 150", "SendKey 13 up", "Sleep 10" } }));
    EXPECT_EQ(SleptMs(keys), 440);
    EXPECT_FALSE(engine->hotkey_cycling);
    EXPECT_FALSE(engine->release_timer->isActive());
    EXPECT_EQ(hidden, 1);
}

TEST_F(PasteEngine, ReleaseWithoutAutoPasteOnlyBringsTheTargetBack)
{
    Settings().auto_paste = false;
    Settings().auto_hide_window = false;
    log.fake().foreground = 9;
    engine->BeginHotkeyCycle();
    engine->ArmHotkeyRelease();
    log.Take();
    engine->PasteOnHotkeyRelease();
    EXPECT_EQ(log.Take(), (lines { "BringToFront 9", "Sleep 100" }));
    EXPECT_EQ(hidden, 0);

    // Disarmed: a stray tick sends nothing.
    engine->PasteOnHotkeyRelease();
    EXPECT_TRUE(log.Take().empty());
}

} // namespace
