// Copying rows and pasting them on the fake platform: the exact keys and waits of each paste.
#include "actions/paste_engine.h"
#include "core/settings_record.h"
#include "history/clipboard_capture.h"
#include "platform/fake/fake_layer.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <QClipboard>
#include <QGuiApplication>
#include <QImage>
#include <QMimeData>
#include <QTemporaryDir>
#include <QUrl>
#include <utility>

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

int AltTabs(const lines& log)
{
    return static_cast<int>(std::count(log.begin(), log.end(), "SendKey 18 down"));
}

class PasteEngine : public ::testing::Test {
protected:
    void SetUp() override
    {
        Settings() = settings_record {};
        own_write = own_clipboard_write {};
        for (int i = 0; i < 10; ++i) {
            view.emplace_back();
            view.back().text = "row" + std::to_string(i);
        }
        const paste_engine::hooks hooks { [this] { return &view; }, [this] { return selected; },
            [this] { return current; },
            [this](const action_report& r) { notices.push_back(r.notice); }, [this] { ++hidden; },
            [this] { ++preview_hidden; }, [] { return platform::WindowId(77); } };
        fake.foreground = 0;
        fake.ClearCalls();
        // Each wait is logged and over at once: the log is the exact sequence
        // of keys and waits the timers would play.
        engine = std::make_unique<paste_engine>(
            target, own_write, hooks, [this](int ms, const std::function<void()>& resume) {
                Flush();
                log.push_back("Sleep " + std::to_string(ms));
                if (hold)
                    held.push_back(resume);
                else
                    resume();
            });
    }

    // The keys sent and the waits between them, in one list, since the last take.
    lines Take()
    {
        Flush();
        return std::exchange(log, {});
    }
    void Flush()
    {
        for (const std::string& call : fake.Calls())
            if (call != "ForegroundWindow") // queries are not what was sent
                log.push_back(call);
        fake.ClearCalls();
    }
    // Ticks until the queue is empty: the clipboard after each tick; the
    // keys of all ticks stay in the log. A run is reported (so another
    // program's copy is not captured) until its last row, and each of its
    // writes is marked as the program's own.
    std::vector<QString> Drain()
    {
        std::vector<QString> pasted;
        while (!engine->paste_queue.empty()) {
            EXPECT_TRUE(engine->Running());
            engine->PasteQueueTick(true);
            EXPECT_TRUE(own_write.Take());
            pasted.push_back(Clipboard());
            Flush();
        }
        return pasted;
    }
    static QString Clipboard() { return QGuiApplication::clipboard()->text(); }

    platform::fake_layer& fake = dynamic_cast<platform::fake_layer&>(platform::Current());
    lines log;
    std::vector<content_item> view;
    std::vector<std::int64_t> selected;
    std::int64_t current = -1;
    std::vector<QString> notices;
    int hidden = 0;
    int preview_hidden = 0;
    platform::WindowId target = 0;
    own_clipboard_write own_write;
    std::unique_ptr<paste_engine> engine;
    // While set, waits do not end until the test resumes them.
    bool hold = false;
    std::vector<std::function<void()>> held;
};

TEST_F(PasteEngine, AutoPasteSwitchesTapsShiftPastesAndReturnsUnlessOff)
{
    Settings().auto_return = true;
    engine->AutoPasteContent(true, true);
    EXPECT_EQ(Take(),
        Join({ kAltTab, kShiftTap, kCtrlV,
            { "SendKey 13 down", "Sleep 10", "SendKey 13 up", "Sleep 10" } }));
    Settings().auto_return = false;
    engine->AutoPasteContent(true, false);
    EXPECT_EQ(Take(), Join({ kShiftTap, kCtrlV }));

    Settings().auto_paste = false;
    engine->AutoPasteContent();
    EXPECT_TRUE(Take().empty());
    engine->AutoPasteContent(true, true); // forced
    EXPECT_EQ(Take(), Join({ kAltTab, kShiftTap, kCtrlV }));
}

// The waits run on timers: a paste returns at once, and a second paste
// started meanwhile puts its row on the clipboard only after the first's
// Ctrl+V is out, each with its own flip.
TEST_F(PasteEngine, APasteDuringTheKeysOfAnotherWaitsForThemAndKeepsItsOwnFlip)
{
    hold = true;
    engine->ItemDoubleClicked(10); // beyond the list: nothing at all
    EXPECT_TRUE(Take().empty());
    engine->ItemDoubleClicked(1);
    EXPECT_EQ(Clipboard(), QStringLiteral("row1"));
    EXPECT_EQ(preview_hidden, 1);
    EXPECT_EQ(held.size(), 1u) << "returned at the first wait";
    selected = { 2 };
    current = 2;
    engine->reverse_text = true;
    engine->PasteNowSelectContent();
    EXPECT_FALSE(engine->reverse_text);
    EXPECT_EQ(Clipboard(), QStringLiteral("row1")) << "the first paste's Ctrl+V is still to come";
    Take();
    while (Clipboard() == QStringLiteral("row1") && !held.empty())
        std::exchange(held, {}).front()();
    const lines before_copy = Take();
    EXPECT_EQ(std::count(before_copy.begin(), before_copy.end(), "SendKey 86 up"), 1);
    EXPECT_EQ(Clipboard(), QStringLiteral("2wor"));
    while (!held.empty())
        std::exchange(held, {}).front()();
    const lines after = Take();
    EXPECT_EQ(std::count(after.begin(), after.end(), "SendKey 86 down"), 1);
}

TEST_F(PasteEngine, RunsGoOneRowATickInTheirOrderWithOneAltTabAndEnterAfterEachRow)
{
    Settings().auto_return = true;
    const struct {
        void (paste_engine::*start)();
        std::vector<std::int64_t> rows;
        std::vector<QString> pasted;
    } cases[] = { { &paste_engine::PasteNowSelectContent, { 5, 2, 7 }, { "row2", "row5", "row7" } },
        { &paste_engine::PasteNowReverseSelectContent, { 2, 7, 5 }, { "row7", "row5", "row2" } },
        { &paste_engine::FlipPasteSelectContent, { 0, 1 }, { "0wor", "1wor" } } };
    for (const auto& c : cases) {
        selected = c.rows;
        (engine.get()->*c.start)();
        EXPECT_TRUE(Take().empty()); // nothing at once
        ASSERT_TRUE(engine->paste_timer.isActive());
        EXPECT_EQ(Drain(), c.pasted);
        EXPECT_FALSE(engine->Running());
        const lines keys = Take();
        EXPECT_EQ(AltTabs(keys), 1);
        EXPECT_EQ(std::count(keys.begin(), keys.end(), "SendKey 13 down"),
            static_cast<long>(c.pasted.size()));
        engine->PasteQueueTick(true); // finds the queue empty: the run ends
        EXPECT_TRUE(Take().empty());
        EXPECT_FALSE(own_write.pending());
        EXPECT_FALSE(engine->paste_timer.isActive());
        EXPECT_EQ(engine->paste_count, 0);
    }
}

// Regression: a paste started after the last row went out but before the
// closing tick joined the finished run, sent no Alt+Tab and so typed its
// keys into our own window.
TEST_F(PasteEngine, ASecondRunJoinsTheFirstWithoutAnotherAltTabButNotOnceAllAreOut)
{
    selected = { 1, 2 };
    engine->PasteNowSelectContent();
    engine->PasteQueueTick(true);
    EXPECT_EQ(AltTabs(Take()), 1);
    selected = { 8, 9 };
    engine->PasteNowSelectContent();
    // The queue was [2] + [9, 8]: the newer rows come first, from its back.
    EXPECT_EQ(Drain(), (std::vector<QString> { "row8", "row9", "row2" }));
    EXPECT_EQ(AltTabs(Take()), 0);

    ASSERT_TRUE(engine->paste_timer.isActive());
    selected = { 3, 4 };
    engine->PasteNowSelectContent();
    engine->PasteQueueTick(true);
    EXPECT_EQ(Clipboard(), QStringLiteral("row3"));
    EXPECT_EQ(AltTabs(Take()), 1);
}

TEST_F(PasteEngine, OwnKeysComingBackAreRecognisedOnceEach)
{
    engine->AutoPasteContent(true, false);
    EXPECT_FALSE(engine->TakeOwnKeyEcho(platform::vk::v, false)) << "sent to another window";
    fake.foreground = 77;
    engine->AutoPasteContent(true, false);
    EXPECT_TRUE(engine->TakeOwnKeyEcho(VirtualKeyOf(Qt::Key_V), false));
    EXPECT_FALSE(engine->TakeOwnKeyEcho(platform::vk::v, false));
    EXPECT_TRUE(engine->TakeOwnKeyEcho(platform::vk::v, true));
    // Enter only follows with auto_return; 0 (a key no paste sends) never matches.
    EXPECT_FALSE(engine->TakeOwnKeyEcho(VirtualKeyOf(Qt::Key_Return), false));
    EXPECT_FALSE(engine->TakeOwnKeyEcho(VirtualKeyOf(Qt::Key_X), false));

    // The window takes events during the waits: a key is known as ours from
    // the moment it goes out, not only once the whole paste is out.
    hold = true;
    engine->AutoPasteContent(true, false);
    while (Take() != lines { "SendKey 16 down", "Sleep 10" } && !held.empty())
        std::exchange(held, {}).front()();
    EXPECT_TRUE(engine->TakeOwnKeyEcho(platform::vk::shift, true));
}

TEST_F(PasteEngine, CyclingHotkeyAbortsARunAndOnReleasePastesIntoTheFirstTargetOnce)
{
    selected = { 3, 4, 5 };
    engine->reverse_text = true;
    engine->PasteNowSelectContent();
    engine->PasteQueueTick(true);

    fake.foreground = 42;
    fake.focused_children[42] = 43;
    engine->BeginHotkeyCycle();
    EXPECT_TRUE(engine->paste_queue.empty());
    EXPECT_FALSE(engine->paste_timer.isActive());
    EXPECT_FALSE(engine->reverse_text);
    engine->ArmHotkeyRelease();
    ASSERT_TRUE(engine->release_timer);

    // A further press while armed: the main window is in front now.
    fake.foreground = 7;
    engine->BeginHotkeyCycle();
    engine->ArmHotkeyRelease();
    EXPECT_EQ(target, 42u);
    EXPECT_EQ(engine->target_focus, 43u);

    // The paste waits for Ctrl to be up, then goes to the target.
    Settings().auto_return = true;
    Take();
    fake.held_modifiers = platform::mod::ctrl | platform::mod::meta;
    engine->PasteOnHotkeyRelease();
    EXPECT_TRUE(Take().empty());
    EXPECT_TRUE(engine->release_timer->isActive());
    fake.held_modifiers = platform::mod::meta; // the Windows key does not count
    engine->PasteOnHotkeyRelease();
    EXPECT_EQ(Take(),
        Join({ { "BringToFront 42", "Sleep 100" }, kCtrlV,
            { "SendKey 13 down", "Sleep 150", "SendKey 13 up", "Sleep 10" } }));
    EXPECT_FALSE(engine->hotkey_cycling);
    EXPECT_EQ(hidden, 1);
    engine->PasteOnHotkeyRelease(); // disarmed: a stray tick sends nothing
    EXPECT_TRUE(Take().empty());
}

TEST_F(PasteEngine, CopyPutsEachKindOnTheClipboardAndSkipsItsCaptureButNotForRowsOutOfReach)
{
    QGuiApplication::clipboard()->setText(QStringLiteral("before"));
    view[3].type = 7; // a kind this version does not know
    for (std::int64_t row : { -1, 10, 3 }) {
        engine->CopyRowContent(row);
        EXPECT_FALSE(own_write.pending());
        EXPECT_EQ(Clipboard(), QStringLiteral("before"));
    }
    EXPECT_TRUE(notices.empty());

    view[0].text = "abc";
    view[1].type = content_file;
    view[1].text = "file:///tmp/a b.txt\nfile:///tmp/c.txt";
    QTemporaryDir dir;
    QImage image(900, 300, QImage::Format_RGB32);
    image.fill(Qt::red);
    const QString path = dir.filePath(QStringLiteral("big.png"));
    ASSERT_TRUE(image.save(path));
    view[2].type = content_image;
    view[2].text = path.toStdString();
    view[2].pixmap = std::make_shared<entry_image>(path);

    engine->reverse_text = true; // file lists are never flipped
    engine->CopyRowContent(0);
    EXPECT_EQ(Clipboard(), QStringLiteral("cba"));
    EXPECT_TRUE(own_write.pending());
    engine->CopyRowContent(1);
    const QList<QUrl> urls = QGuiApplication::clipboard()->mimeData()->urls();
    ASSERT_EQ(urls.size(), 2);
    EXPECT_EQ(urls[0].toLocalFile(), QStringLiteral("/tmp/a b.txt"));
    // The whole picture, not the row's.
    engine->CopyRowContent(2);
    EXPECT_EQ(QGuiApplication::clipboard()->image().size(), QSize(900, 300));
    EXPECT_EQ(notices,
        (std::vector<QString> { QStringLiteral("文本已经复制到剪贴板"),
            QStringLiteral("文件已经复制到剪贴板"), QStringLiteral("图片已经复制到剪贴板") }));
}

} // namespace
