// The main window's list as the user meets it, and the actions on its rows.
#include "actions/prompt_widget.h"
#include "actions/text_preview.h"
#include "core/message_bus.h"
#include "core/message_ids.h"
#include "history/clipboard_capture.h"
#include "tests/widgets/support/main_window_fixture.h"
#include "widgets/image_tab_widget.h"
#include "widgets/switch_button.h"

#include <QApplication>
#include <QClipboard>
#include <QDesktopServices>
#include <QMimeData>
#include <QPushButton>
#include <QTest>
#include <QTextEdit>

namespace {

// Takes the addresses the window opens instead of the desktop.
class url_catcher : public QObject {
    Q_OBJECT
public:
    QList<QUrl> urls;
public slots:
    void open(const QUrl& url) { urls.append(url); }
};

// Each test starts with a main window of its own.
class MainWindowList : public main_window_test {
protected:
    void SetUp() override
    {
        main_window_test::SetUp();
        Open();
        QDesktopServices::setUrlHandler(QStringLiteral("https"), &catcher, "open");
    }
    void TearDown() override
    {
        QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
        while (text_preview* pin = TopLevel<text_preview>())
            delete pin;
        window.reset();
    }
    // A copy made elsewhere, captured after its 50 ms wait.
    void CopyElsewhere(const QString& text)
    {
        const std::size_t before = window->history().records.size();
        QGuiApplication::clipboard()->setText(text);
        ASSERT_TRUE(
            QTest::qWaitFor([&] { return window->history().records.size() > before; }, 2000));
    }

    url_catcher catcher;
};

// A click on the tab strip's area, 0 (all) to 4 (favourites).
void ClickTab(main_window& window, int area)
{
    image_tab_widget* strip = window.tab_strip();
    ASSERT_GT(strip->width(), 0);
    const int x = strip->width() * (2 * area + 1) / 10;
    QTest::mouseClick(strip, Qt::LeftButton, Qt::NoModifier, QPoint(x, strip->height() / 2));
}

const std::initializer_list<const char*> kHistory = { "*alpha abc", "file:///home/u/abc/doc.txt",
    "*beta", "ABC", "*file:///home/u/fav.txt", "xabc" };

TEST_F(MainWindowList, AutoFoldStartsFoldedAt500AndWideningUnfoldsTheRows)
{
    WriteConfig(R"({"position": "10,10,500,600,", "auto_fold": true})");
    EXPECT_TRUE(Open().list()->listModel()->compact());
    EXPECT_TRUE(Settings().folded_now);
    window->resize(501, 600);
    EXPECT_FALSE(window->list()->listModel()->compact());
    EXPECT_FALSE(Settings().folded_now);
}

TEST_F(MainWindowList, FavouritesTabWalksOrdersBackToTheDefaultWithOneNotice)
{
    Add(kHistory);
    ClickTab(*window, 4);
    EXPECT_EQ(Notice(), QStringLiteral("已选择显示收藏 - 默认"));
    EXPECT_EQ(Rows(), (rows { "alpha abc", "beta", "file:///home/u/fav.txt" }));
    for (int i = 0; i < 5; ++i)
        ClickTab(*window, 4);
    EXPECT_EQ(Settings().collect_sort_type, 5);
    EXPECT_EQ(Rows(), (rows { "file:///home/u/fav.txt", "alpha abc", "beta" }));
    ClickTab(*window, 4);
    ClickTab(*window, 4);
    EXPECT_EQ(Notice(), QStringLiteral("已选择显示收藏 - 默认"));
    EXPECT_EQ(window->findChildren<alert_widget*>().size(), 1);

    ClickTab(*window, 3);
    EXPECT_EQ(Notice(), QStringLiteral("已选择显示文件"));
    EXPECT_EQ(Rows(), (rows { "file:///home/u/abc/doc.txt", "file:///home/u/fav.txt" }));
    EXPECT_EQ(window->shown().row_to_record().at(1), 4);
}

TEST_F(MainWindowList, DayNightAndRecordingButtonsSwitchAndTellTheUser)
{
    switch_button* day_night = TitleSwitch(QStringLiteral("点按此处开启夜间模式"));
    ASSERT_NE(day_night, nullptr);
    day_night->click();
    EXPECT_TRUE(Settings().dark_mode);
    EXPECT_EQ(Notice(), QStringLiteral("夜间模式已开启"));
    // Shown before the switch took effect, the notice still fades out dark.
    EXPECT_TRUE(window->findChildren<alert_widget*>().back()->dark());
    bus::Post(msg_control_toggled, control_dark_mode_switch, 0);
    EXPECT_EQ(day_night->state(), 0);
    TitleSwitch(QStringLiteral("点按此处暂停剪贴板记录"))->click();
    EXPECT_FALSE(Settings().start_paster);
    EXPECT_EQ(Notice(), QStringLiteral("剪贴板记录已暂停"));
    bus::Post(msg_control_toggled, control_recording_button, 1);
    EXPECT_TRUE(Settings().start_paster);
    EXPECT_EQ(Notice(), QStringLiteral("剪贴板记录已恢复"));
}

TEST_F(MainWindowList, DeleteAsksFirstAndSparesFavouritesOnTheAllPage)
{
    Add({ "a", "*fav", "b", "c" });
    const QString fav_file = QString::fromStdString(window->history().records[1].content);
    const QString a_file = QString::fromStdString(window->history().records[0].content);
    window->list()->selectAll();
    QTest::keyPress(window->list(), Qt::Key_Delete);
    auto* prompt = TopLevel<prompt_widget>();
    ASSERT_NE(prompt, nullptr);
    EXPECT_EQ(Rows().size(), 4u); // nothing goes before the answer

    prompt->yes_button()->click();
    EXPECT_EQ(Rows(), (rows { "fav" }));
    EXPECT_EQ(Notice(), QStringLiteral("已删除3条内容"));
    // The files go on the history's writer, once the index no longer names them.
    EXPECT_TRUE(QTest::qWaitFor([&] { return !QFile::exists(a_file); }, 5000));
    EXPECT_TRUE(QFile::exists(fav_file));

    // A second request shows the same prompt; "否" deletes nothing.
    window->list()->selectAll();
    window->DeleteNowSelectContent();
    prompt->no_button()->click();
    EXPECT_EQ(Rows(), (rows { "fav" }));
}

TEST_F(MainWindowList, FileCopiesReachTheClipboardUnrecorded)
{
    Add({ "hello", "world" });
    window->list()->selectAll();
    window->CopyNowSelectFile();
    const QList<QUrl> urls = QGuiApplication::clipboard()->mimeData()->urls();
    ASSERT_EQ(urls.size(), 2);
    EXPECT_EQ(urls[0].toLocalFile(), QString::fromStdString(window->history().records[1].content));
    EXPECT_EQ(urls[1].toLocalFile(), QString::fromStdString(window->history().records[0].content));
    EXPECT_EQ(Notice(), QStringLiteral("文件已经复制到剪贴板"));
    // A copy made elsewhere is captured after the program's own writes would have been.
    CopyElsewhere(QStringLiteral("later"));
    ASSERT_EQ(window->history().records.size(), 3u);
    EXPECT_EQ(window->history().items.front().text, "later");
}

TEST_F(MainWindowList, ShiftWhileCopyingPinsTheTextAndCtrlShiftSearchesForIt)
{
    Settings().even_search = true;
    QTest::keyPress(window.get(), Qt::Key_Shift, Qt::ShiftModifier);
    CopyElsewhere(QStringLiteral("thirty characters of copied tx"));
    text_preview* pin = TopLevel<text_preview>();
    ASSERT_NE(pin, nullptr);
    EXPECT_EQ(pin->text_edit()->toPlainText(), QStringLiteral("thirty characters of copied tx"));
    EXPECT_TRUE(catcher.urls.isEmpty());
    delete pin;

    QTest::keyPress(window.get(), Qt::Key_Control, Qt::ShiftModifier | Qt::ControlModifier);
    CopyElsewhere(QStringLiteral("search me"));
    EXPECT_EQ(TopLevel<text_preview>(), nullptr);
    ASSERT_EQ(catcher.urls.size(), 1);
    EXPECT_EQ(catcher.urls[0].host(), QStringLiteral("www.google.com"));
    EXPECT_EQ(catcher.urls[0].query(QUrl::FullyDecoded), QStringLiteral("q=search me"));

    // Nothing held, nothing extra.
    QTest::keyRelease(window.get(), Qt::Key_Control, Qt::ShiftModifier);
    QTest::keyRelease(window.get(), Qt::Key_Shift, Qt::NoModifier);
    CopyElsewhere(QStringLiteral("plain"));
    EXPECT_EQ(TopLevel<text_preview>(), nullptr);
    EXPECT_EQ(catcher.urls.size(), 1);
}

} // namespace

#include "main_window_list_test.moc"
