#include "app/mainwindow.h"
#include "app/message_bus.h"
#include "app/message_ids.h"
#include "app/program_file.h"
#include "app/settings_record.h"
#include "app/window_placement.h"
#include "history/history_list.h"
#include "history/history_list_model.h"
#include "hotkeys/alertwidget.h"
#include "widgets/imagetabwidget.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QScreen>
#include <QTest>

namespace {

class MainWindowListTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        Settings() = settings_record();
        QFile::remove(ProgramFolder() + QStringLiteral("/config.json"));
        QDir(ProgramFolder() + QStringLiteral("/content")).removeRecursively();
    }
    static void WriteConfig(const QByteArray& bytes)
    {
        QFile f(ProgramFolder() + QStringLiteral("/config.json"));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }
    // A history of texts, files and one image, favourites marked by *.
    static void AddEntries(MainWindow& window)
    {
        const char* texts[] = { "*alpha abc", "file:///home/u/abc/doc.txt", "*beta", "ABC",
            "*file:///home/u/fav.txt", "xabc" };
        content_history& history = window.history();
        QDir().mkpath(history.ContentFolder());
        int serial = 0;
        for (const char* text : texts) {
            std::string body = text;
            content_record record;
            record.collect = body[0] == '*' ? collect_mark : 0;
            if (record.collect)
                body.erase(0, 1);
            record.type = body.rfind("file:", 0) == 0 ? content_file : content_text;
            record.content
                = (history.ContentFolder() + QStringLiteral("/%1.txt").arg(++serial)).toStdString();
            content_item item;
            item.type = record.type;
            item.collect = record.collect;
            item.content = record.content;
            item.text = body;
            window.records.push_back(record);
            window.items.push_back(item);
        }
        window.ApplyViewFilter(true);
    }
    static std::vector<std::string> Rows(MainWindow& window)
    {
        std::vector<std::string> rows;
        for (int row = 0; row < window.list()->count(); ++row)
            rows.push_back(window.list()->listModel()->Item(row)->text);
        return rows;
    }
    static QString Notice(MainWindow& window)
    {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        const auto notices = window.findChildren<alertwidget*>();
        return notices.isEmpty() ? QString() : notices.back()->text();
    }
};

using rows = std::vector<std::string>;

TEST_F(MainWindowListTest, SavedPositionLimits)
{
    const QSize area = QGuiApplication::primaryScreen()->availableGeometry().size();
    WriteConfig(R"({"position": "40,-44,600,500,"})");
    {
        MainWindow window;
        EXPECT_EQ(window.geometry(), QRect(40, -44, 600, 500));
    }
    WriteConfig(R"({"position": "40,-45,600,500,"})");
    {
        MainWindow window;
        EXPECT_EQ(window.geometry().topLeft(),
            QPoint((area.width() - window_placement::DefaultSize(area).width()) / 2,
                (area.height() - window_placement::DefaultSize(area).height()) / 2));
    }
}

TEST_F(MainWindowListTest, AutoFoldStartsFoldedBelow501)
{
    WriteConfig(R"({"position": "10,10,500,600,", "auto_fold": true})");
    {
        MainWindow window;
        EXPECT_TRUE(Settings().folded_now);
        EXPECT_TRUE(window.list()->listModel()->compact());
    }
    WriteConfig(R"({"position": "10,10,501,600,", "auto_fold": true})");
    MainWindow window;
    EXPECT_FALSE(Settings().folded_now);
    EXPECT_FALSE(window.list()->listModel()->compact());
    // Narrowing to 499 folds the rows at once; 500 changes nothing.
    window.resize(499, 600);
    EXPECT_TRUE(window.list()->listModel()->compact());
    window.resize(500, 600);
    EXPECT_TRUE(window.list()->listModel()->compact());
    window.resize(501, 600);
    EXPECT_FALSE(window.list()->listModel()->compact());
}

TEST_F(MainWindowListTest, FavouritesTabWalksOrdersWithNotices)
{
    MainWindow window;
    AddEntries(window);
    bus::Post(msg_type_tab_chosen, 4, 0);
    EXPECT_EQ(Notice(window), QStringLiteral("已选择显示收藏 - 默认"));
    EXPECT_EQ(Rows(window), (rows { "alpha abc", "beta", "file:///home/u/fav.txt" }));
    bus::Post(msg_type_tab_chosen, 4, 0);
    EXPECT_EQ(Notice(window), QStringLiteral("已选择显示收藏 - [文本、图片、文件]"));
    for (int i = 0; i < 4; ++i)
        bus::Post(msg_type_tab_chosen, 4, 0);
    EXPECT_EQ(Settings().collect_sort_type, 5);
    EXPECT_EQ(Rows(window), (rows { "file:///home/u/fav.txt", "alpha abc", "beta" }));
    bus::Post(msg_type_tab_chosen, 4, 0);
    bus::Post(msg_type_tab_chosen, 4, 0);
    EXPECT_EQ(Settings().collect_sort_type, 0);
    EXPECT_EQ(Notice(window), QStringLiteral("已选择显示收藏 - 默认"));
    // Only one notice at a time.
    EXPECT_EQ(window.findChildren<alertwidget*>().size(), 1);

    bus::Post(msg_type_tab_chosen, 2, 0);
    EXPECT_EQ(Notice(window), QStringLiteral("已选择显示文件"));
    EXPECT_EQ(Rows(window), (rows { "file:///home/u/abc/doc.txt", "file:///home/u/fav.txt" }));
    EXPECT_EQ(window.row_to_record.at(1), 4);
}

TEST_F(MainWindowListTest, TypingInTheSearchBoxNarrowsTheList)
{
    MainWindow window;
    AddEntries(window);
    QLineEdit* search = window.search_box();
    EXPECT_EQ(search->placeholderText(), QStringLiteral("请输入搜索内容"));
    QTest::keyClicks(search, QStringLiteral("abc"));
    EXPECT_EQ(Rows(window), (rows { "alpha abc", "file:///home/u/abc/doc.txt", "xabc" }));
    EXPECT_EQ(window.list()->currentRow(), 0);
    search->setText(QStringLiteral("a.c"));
    EXPECT_EQ(Rows(window), (rows { "alpha abc", "file:///home/u/abc/doc.txt", "xabc" }));
    // The search stays in force when the tab changes.
    bus::Post(msg_type_tab_chosen, 4, 0);
    EXPECT_EQ(Rows(window), (rows { "alpha abc" }));
    search->clear();
    EXPECT_EQ(Rows(window), (rows { "alpha abc", "beta", "file:///home/u/fav.txt" }));
}

TEST_F(MainWindowListTest, StatusLineCountsTheSelection)
{
    MainWindow window;
    AddEntries(window);
    auto* status = window.findChild<QLabel*>(QStringLiteral("status_label"));
    ASSERT_NE(status, nullptr);
    EXPECT_EQ(status->text(), QStringLiteral("  当前已选中 1 项内容 ，今天已复制 0 次"));
    window.list()->selectAll();
    EXPECT_EQ(status->text(), QStringLiteral("  当前已选中 6 项内容 ，今天已复制 0 次"));
}

TEST_F(MainWindowListTest, DayNightAndRecordingButtonsSwitchAndTellTheUser)
{
    MainWindow window;
    bus::Post(msg_control_toggled, control_day_night_button, 1);
    EXPECT_TRUE(Settings().dark_mode);
    EXPECT_EQ(Notice(window), QStringLiteral("夜间模式已开启"));
    bus::Post(msg_control_toggled, control_dark_mode_switch, 0);
    EXPECT_FALSE(Settings().dark_mode);
    bus::Post(msg_control_toggled, control_recording_button, 0);
    EXPECT_FALSE(Settings().start_paster);
    EXPECT_EQ(Notice(window), QStringLiteral("剪贴板记录已暂停"));
    bus::Post(msg_control_toggled, control_recording_button, 1);
    EXPECT_TRUE(Settings().start_paster);
    EXPECT_EQ(Notice(window), QStringLiteral("剪贴板记录已恢复"));
}

TEST_F(MainWindowListTest, TabStripStartsOnTheSavedType)
{
    WriteConfig(R"({"show_content_type": 1, "collect_sort_type": 9})");
    MainWindow window;
    EXPECT_EQ(window.tab_strip()->currentIndex(), 2u);
    EXPECT_EQ(Settings().collect_sort_type, 0);
}

TEST_F(MainWindowListTest, HidingLeavesTheWindowWhereItWas)
{
    WriteConfig(R"({"position": "100,200,600,500,"})");
    MainWindow window;
    ASSERT_TRUE(QTest::qWaitFor([&] { return window.windowOpacity() == 1.0; }, 2000));
    QTest::qWait(300);
    window.close();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !window.isVisible(); }, 2000));
    window.ShowMainWindow();
    EXPECT_EQ(window.pos(), QPoint(100, 200));
}

} // namespace
