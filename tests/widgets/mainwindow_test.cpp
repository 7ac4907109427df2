#include "app/mainwindow.h"
#include "app/message_bus.h"
#include "app/message_ids.h"
#include "app/program_file.h"
#include "app/settings_record.h"
#include "app/window_placement.h"
#include "platform/fake/fake_platform.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMenu>
#include <QPushButton>
#include <QScreen>
#include <QSystemTrayIcon>
#include <QTest>

namespace {

class MainWindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        Settings() = settings_record();
        QFile::remove(ConfigPath());
        fake().autorun.clear();
    }

    static QString ConfigPath() { return ProgramFolder() + QStringLiteral("/config.json"); }
    static platform::FakePlatform& fake()
    {
        return static_cast<platform::FakePlatform&>(platform::Current());
    }
    static QJsonObject Config()
    {
        QFile f(ConfigPath());
        f.open(QIODevice::ReadOnly);
        return QJsonDocument::fromJson(f.readAll()).object();
    }
    static void WriteConfig(const QByteArray& bytes)
    {
        QFile f(ConfigPath());
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }
};

TEST_F(MainWindowTest, ConstructionLoadsSettingsAppliesAutorunAndShows)
{
    WriteConfig(R"({"position": "30,40,600,500,", "dark_mode": true, "auto_run": true})");
    MainWindow window;
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(window.windowTitle(), QStringLiteral("quillbox"));
    EXPECT_TRUE(Settings().dark_mode);
    EXPECT_EQ(window.geometry(), QRect(30, 40, 600, 500));
    // Hotkeys filled after loading; the autorun entry written.
    EXPECT_EQ(Settings().hotkey_extra, "ALT+1~9");
    const std::string name = QFileInfo(ProgramFolder()).baseName().toStdString();
    ASSERT_EQ(fake().autorun.count(name), 1u);
    EXPECT_NE(fake().autorun[name].find("-startup"), std::string::npos);
    EXPECT_TRUE(QDir::current() == QDir(ProgramFolder()));
}

TEST_F(MainWindowTest, RejectedPositionCentresTheDefaultSize)
{
    WriteConfig(R"({"position": "-10,40,600,500,"})");
    MainWindow window;
    const QSize area = QGuiApplication::primaryScreen()->availableGeometry().size();
    EXPECT_GE(window.x(), 0);
    EXPECT_EQ(window.width(), window_placement::DefaultSize(area).width());
    EXPECT_NEAR(window.geometry().center().x(), area.width() / 2, 4);
}

TEST_F(MainWindowTest, CloseButtonSavesWithFlagAndHides)
{
    MainWindow window;
    ASSERT_TRUE(window.isVisible());
    QFile::remove(ConfigPath());
    auto* close = window.findChild<QPushButton*>(QStringLiteral("close_button"));
    ASSERT_NE(close, nullptr);
    EXPECT_EQ(close->shortcut(), QKeySequence(Qt::Key_Escape));
    close->click();
    // Settings are written before the fade-out starts; the hide ends it.
    EXPECT_TRUE(QFile::exists(ConfigPath()));
    EXPECT_TRUE(QTest::qWaitFor([&] { return !window.isVisible(); }, 2000));
    const QJsonObject json = Config();
    EXPECT_TRUE(json.value(QLatin1String("flag")).toBool());
    // The place of the window, not where the slide left it.
    window.ShowMainWindow();
    EXPECT_EQ(json.value(QLatin1String("position")).toString().toStdString(),
        std::to_string(window.frameGeometry().x()) + ","
            + std::to_string(window.frameGeometry().y()) + ","
            + std::to_string(window.frameGeometry().width()) + ","
            + std::to_string(window.frameGeometry().height()) + ",");
}

TEST_F(MainWindowTest, ClosingOnlyHidesAndShowMessageBringsItBack)
{
    MainWindow window;
    window.close();
    EXPECT_TRUE(QTest::qWaitFor([&] { return !window.isVisible(); }, 2000));
    bus::Post(msg_show_window, 0, 0);
    EXPECT_TRUE(window.isVisible());
    EXPECT_DOUBLE_EQ(window.windowOpacity(), 1.0);

    window.hide();
    window.SystemTrayIconClicked(QSystemTrayIcon::Context);
    EXPECT_FALSE(window.isVisible());
    window.SystemTrayIconClicked(QSystemTrayIcon::DoubleClick);
    EXPECT_TRUE(window.isVisible());
}

TEST_F(MainWindowTest, TrayMenuHasLoginSettingsAndQuit)
{
    MainWindow window;
    auto menus = window.findChildren<QMenu*>();
    ASSERT_FALSE(menus.isEmpty());
    const QList<QAction*> actions = menus.front()->actions();
    ASSERT_EQ(actions.size(), 3);
    EXPECT_EQ(actions[0]->text(), QStringLiteral("登录"));
    EXPECT_EQ(actions[0]->toolTip(), QStringLiteral("开启剪贴板纪录全平台同步"));
    EXPECT_EQ(actions[1]->text(), QStringLiteral("设定"));
    EXPECT_EQ(actions[1]->toolTip(), QStringLiteral("设置程序的相关功能"));
    EXPECT_EQ(actions[2]->text(), QStringLiteral("退出"));
    EXPECT_EQ(actions[2]->toolTip(), QStringLiteral("退出程序"));
}

TEST_F(MainWindowTest, AppliedSettingsAreStoredAndDriveTheAutorunEntry)
{
    MainWindow window;
    const std::string name = QFileInfo(ProgramFolder()).baseName().toStdString();
    ASSERT_EQ(fake().autorun.count(name), 1u);

    settings_record edited = Settings();
    edited.auto_run = false;
    edited.auto_return = true;
    bus::Post(msg_settings_applied, reinterpret_cast<std::int64_t>(&edited), 0);
    EXPECT_EQ(fake().autorun.count(name), 0u);
    EXPECT_TRUE(Settings().auto_return);
    EXPECT_FALSE(Config().value(QLatin1String("auto_run")).toBool(true));
    EXPECT_TRUE(Config().value(QLatin1String("flag")).toBool());

    bus::Post(msg_settings_applied, 0, 0); // a null record is ignored
    EXPECT_TRUE(Settings().auto_return);
}

TEST_F(MainWindowTest, DestroyedWindowNoLongerAnswersTheBus)
{
    {
        MainWindow window;
    }
    bus::Post(msg_show_window, 0, 0); // must not reach the destroyed window
    SUCCEED();
}

} // namespace
