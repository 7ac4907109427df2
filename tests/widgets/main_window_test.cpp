// The bare main window: settings and autorun at start, where it is placed,
// Escape and close hiding it to the tray, the tray's way back.
#include "actions/prompt_widget.h"
#include "core/message_bus.h"
#include "core/message_ids.h"
#include "platform/fake/fake_layer.h"
#include "tests/widgets/support/main_window_fixture.h"
#include "widgets/login_widget.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
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

TEST_F(MainWindowTest, ConstructionLoadsSettingsAndAppliedSettingsAreStoredAndDriveAutorun)
{
    WriteConfig(R"({"position": "30,40,600,500,", "dark_mode": true, "auto_run": true})");
    main_window& window = Open();
    EXPECT_TRUE(window.isVisible());
    EXPECT_TRUE(Settings().dark_mode);
    EXPECT_EQ(window.geometry(), QRect(30, 40, 600, 500));
    ASSERT_EQ(AutorunEntries(), 1u);
    EXPECT_NE(fake.autorun.begin()->second.find("-startup"), std::string::npos);
    EXPECT_TRUE(QDir::current() == QDir(ProgramFolder()));

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

    this->window.reset();
    bus::Post(msg_show_window, 0, 0); // must not reach the destroyed window (ASan run)
}

// The slides only look: the saved place and the place on the next show are
// where the window was, whether it closes during its slide in or later.
// Closing only hides; the bus or the tray bring it back.
TEST_F(MainWindowTest, EscapeAndCloseHideSavingThePlaceAndTheBusOrTrayBringItBackThere)
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
    EXPECT_TRUE(window.HoverTicking());
    window.close();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !window.isVisible(); }, 2000));
    EXPECT_FALSE(window.HoverTicking()) << "nothing wakes a hidden window";
    bus::Post(msg_show_window, 0, 0);
    EXPECT_TRUE(window.isVisible());
    EXPECT_TRUE(window.HoverTicking());
    EXPECT_DOUBLE_EQ(window.windowOpacity(), 1.0);
    EXPECT_EQ(window.pos(), QPoint(100, 200));

    window.hide();
    window.SystemTrayIconClicked(QSystemTrayIcon::Context);
    EXPECT_FALSE(window.isVisible());
    window.SystemTrayIconClicked(QSystemTrayIcon::DoubleClick);
    EXPECT_TRUE(window.isVisible());
}

// The server's "Quit client!" offers the update; the tray's "登录" shows the account page.
TEST_F(MainWindowTest, TheUpdatePromptAndTheAccountPageShow)
{
    Open();
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
