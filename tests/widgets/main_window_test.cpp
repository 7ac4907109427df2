// The bare main window: settings and autorun at start, where it is placed,
// Escape and close hiding it to the tray, the tray's way back.
#include "actions/prompt_widget.h"
#include "app/window_placement.h"
#include "core/message_bus.h"
#include "core/message_ids.h"
#include "platform/fake/fake_layer.h"
#include "tests/widgets/support/main_window_fixture.h"
#include "widgets/login_widget.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QScreen>
#include <QSystemTrayIcon>
#include <QTest>

namespace {

class MainWindowTest : public main_window_test {
protected:
    void SetUp() override
    {
        main_window_test::SetUp();
        fake.autorun.clear();
    }
    std::size_t AutorunEntries() const
    {
        return fake.autorun.count(QFileInfo(ProgramFolder()).baseName().toStdString());
    }
    platform::fake_layer& fake = static_cast<platform::fake_layer&>(platform::Current());
};

TEST_F(MainWindowTest, ConstructionLoadsSettingsAppliesAutorunAndShows)
{
    WriteConfig(R"({"position": "30,40,600,500,", "dark_mode": true, "auto_run": true})");
    main_window& window = Open();
    EXPECT_TRUE(window.isVisible());
    EXPECT_TRUE(Settings().dark_mode);
    EXPECT_EQ(window.geometry(), QRect(30, 40, 600, 500));
    // Hotkeys filled after loading; the autorun entry written.
    EXPECT_EQ(Settings().hotkey_extra, "ALT+1~9");
    ASSERT_EQ(AutorunEntries(), 1u);
    EXPECT_NE(fake.autorun.begin()->second.find("-startup"), std::string::npos);
    EXPECT_TRUE(QDir::current() == QDir(ProgramFolder()));
}

TEST_F(MainWindowTest, SavedPositionIsKeptUpTo44AboveTheTopElseTheDefaultIsCentred)
{
    const QSize area = QGuiApplication::primaryScreen()->availableGeometry().size();
    const QSize size = window_placement::DefaultSize(area);
    const QPoint centred((area.width() - size.width()) / 2, (area.height() - size.height()) / 2);
    const struct {
        const char* config;
        QPoint place;
        int width;
    } cases[] = {
        { R"({"position": "40,-44,600,500,"})", QPoint(40, -44), 600 },
        { R"({"position": "40,-45,600,500,"})", centred, size.width() },
        { R"({"position": "-10,40,600,500,"})", centred, size.width() },
    };
    for (const auto& c : cases) {
        WriteConfig(c.config);
        const QRect placed = Open().geometry();
        EXPECT_EQ(placed.topLeft(), c.place) << c.config;
        EXPECT_EQ(placed.width(), c.width) << c.config;
    }
}

// The slides only look: the saved place and the place on the next show are
// where the window was, whether it closes during its slide in or later.
TEST_F(MainWindowTest, EscapeButtonSavesWithFlagAndHidesAndTheWindowComesBackWhereItWas)
{
    WriteConfig(R"({"position": "100,200,600,500,"})");
    main_window& window = Open();
    QFile::remove(ConfigPath());
    auto* close = window.findChild<QPushButton*>(QStringLiteral("close_button"));
    ASSERT_NE(close, nullptr);
    EXPECT_EQ(close->shortcut(), QKeySequence(Qt::Key_Escape));
    close->click();
    // Settings are written before the fade-out starts; the hide ends it.
    EXPECT_TRUE(Config().value(QLatin1String("flag")).toBool());
    EXPECT_EQ(
        Config().value(QLatin1String("position")).toString(), QStringLiteral("100,200,600,500,"));
    EXPECT_TRUE(QTest::qWaitFor([&] { return !window.isVisible(); }, 2000));
    window.ShowMainWindow();
    EXPECT_EQ(window.pos(), QPoint(100, 200));

    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    window.close();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !window.isVisible(); }, 2000));
    window.ShowMainWindow();
    EXPECT_EQ(window.pos(), QPoint(100, 200));
}

TEST_F(MainWindowTest, ClosingOnlyHidesAndTheBusOrTheTrayBringItBack)
{
    main_window& window = Open();
    EXPECT_TRUE(window.HoverTicking());
    window.close();
    EXPECT_TRUE(QTest::qWaitFor([&] { return !window.isVisible(); }, 2000));
    EXPECT_FALSE(window.HoverTicking()) << "nothing wakes a hidden window";
    bus::Post(msg_show_window, 0, 0);
    EXPECT_TRUE(window.isVisible());
    EXPECT_TRUE(window.HoverTicking());
    EXPECT_DOUBLE_EQ(window.windowOpacity(), 1.0);

    window.hide();
    window.SystemTrayIconClicked(QSystemTrayIcon::Context);
    EXPECT_FALSE(window.isVisible());
    window.SystemTrayIconClicked(QSystemTrayIcon::DoubleClick);
    EXPECT_TRUE(window.isVisible());

    QStringList tray;
    for (const QAction* action : window.findChild<QMenu*>()->actions())
        tray << action->text();
    EXPECT_EQ(tray,
        QStringList({ QStringLiteral("登录"), QStringLiteral("设定"), QStringLiteral("退出") }));
}

TEST_F(MainWindowTest, AppliedSettingsAreStoredAndDriveTheAutorunEntry)
{
    Open();
    ASSERT_EQ(AutorunEntries(), 1u);
    settings_record edited = Settings();
    edited.auto_run = false;
    edited.auto_return = true;
    bus::Post(msg_settings_applied, reinterpret_cast<std::int64_t>(&edited), 0);
    EXPECT_EQ(AutorunEntries(), 0u);
    EXPECT_TRUE(Settings().auto_return);
    EXPECT_FALSE(Config().value(QLatin1String("auto_run")).toBool(true));
    EXPECT_TRUE(Config().value(QLatin1String("flag")).toBool());

    bus::Post(msg_settings_applied, 0, 0); // a null record is ignored
    EXPECT_TRUE(Settings().auto_return);

    window.reset();
    bus::Post(msg_show_window, 0, 0); // must not reach the destroyed window (ASan run)
}

TEST_F(MainWindowTest, ADamagedConfigIsKeptAsideAndTheWindowStartsOnDefaults)
{
    WriteConfig("{\"dark_mode\": true, \"max_save_count\": 12");
    Open();
    EXPECT_FALSE(Settings().dark_mode);
    EXPECT_EQ(Settings().max_save_count, 500);
    EXPECT_EQ(Config().value(QLatin1String("max_save_count")).toInt(), 500);
    window.reset();
    for (const QString& kept :
        QDir(ProgramFolder()).entryList({ QStringLiteral("config.json.damaged-*") }, QDir::Files))
        QFile::remove(ProgramFolder() + "/" + kept);
}

// content/ that refuses writes; permissions do not stop root, so then the
// folder is replaced by a plain file, which no one can write into either.
TEST_F(MainWindowTest, CapturesThatCannotBeWrittenAreShownOnceAndLandOnceTheFolderIsBack)
{
    Open();
    const QString folder = window->history().ContentFolder();
    QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner);
    QFile probe(folder + "/probe");
    if (probe.open(QIODevice::WriteOnly)) {
        probe.close();
        ASSERT_TRUE(QDir(folder).removeRecursively());
        QFile blocker(folder);
        ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    }
    const auto failures = [this] {
        int shown = 0;
        for (const alert_widget* notice : window->findChildren<alert_widget*>())
            shown += notice->text() == QStringLiteral("历史记录无法保存");
        return shown;
    };
    QGuiApplication::clipboard()->setText(QStringLiteral("first"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return window->history().unwritten_count() == 1; }, 5000));
    QGuiApplication::clipboard()->setText(QStringLiteral("second"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return window->history().unwritten_count() == 2; }, 5000));
    EXPECT_EQ(failures(), 1);
    EXPECT_TRUE(window->history().records.empty());

    if (QFileInfo(folder).isFile())
        QFile::remove(folder);
    QDir().mkpath(folder);
    QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QGuiApplication::clipboard()->setText(QStringLiteral("third"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return window->history().records.size() == 3; }, 5000));
    EXPECT_EQ(failures(), 1);
}

// The sync service's news reach the history through the window; a synced entry lands on the
// clipboard with paste_by_cloud; the server's "Quit client!" offers the update; the tray's
// "登录" shows the account page.
TEST_F(MainWindowTest, SyncNewsReachTheHistoryTheUpdatePromptAndTheAccountPageShow)
{
    Open();
    Settings().paste_by_cloud = true;
    QFile file(window->history().ContentFolder() + "/1700000000000000001.txt");
    ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write("from machine A") == 14);
    file.close();
    const std::string append = R"({"content": ["1700000000000000001.txt"], "type": ["0"]})";
    bus::Post(msg_sync_append, reinterpret_cast<std::int64_t>(&append), 0);
    ASSERT_TRUE(QTest::qWaitFor([&] { return window->history().records.size() == 1; }, 5000));
    EXPECT_EQ(Rows(), rows { "from machine A" });
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "from machine A");

    bus::Post(msg_update_required, 0, 0);
    const prompt_widget* prompt = TopLevel<prompt_widget>();
    ASSERT_TRUE(prompt && prompt->isVisible());
    EXPECT_EQ(prompt->label()->text(), "需要更新，前往下载？");

    const auto account_page = [] { return TopLevel<login_widget>(); };
    EXPECT_FALSE(account_page() && account_page()->isVisible());
    window->findChild<QMenu*>()->actions().front()->trigger();
    EXPECT_TRUE(account_page() && account_page()->isVisible());
}

} // namespace
