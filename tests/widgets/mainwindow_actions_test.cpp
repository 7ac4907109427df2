// The main window's item actions as the user reaches them: letter keys on
// the list, the delete prompt, favourites, encodings and file copies, and
// the keys held while copying.
#include "actions/promptwidget.h"
#include "actions/textpreview.h"
#include "app/mainwindow.h"
#include "app/message_bus.h"
#include "app/message_ids.h"
#include "app/program_file.h"
#include "app/settings_record.h"
#include "history/clipboard_capture.h"
#include "history/history_list.h"
#include "hotkeys/alertwidget.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QCryptographicHash>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QLineEdit>
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

class MainWindowActions : public ::testing::Test {
protected:
    void SetUp() override
    {
        Settings() = settings_record();
        QFile::remove(ProgramFolder() + QStringLiteral("/config.json"));
        QDir(ProgramFolder() + QStringLiteral("/content")).removeRecursively();
        window = std::make_unique<MainWindow>();
        QDesktopServices::setUrlHandler(QStringLiteral("https"), &catcher, "open");
    }
    void TearDown() override
    {
        QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
        for (QWidget* widget : QApplication::topLevelWidgets())
            if (qobject_cast<textpreview*>(widget))
                delete widget;
        window.reset();
        skip_clipboard_change = false;
    }

    // Texts with content files, newest first; favourites marked by *.
    void AddTexts(std::initializer_list<const char*> texts)
    {
        content_history& history = window->history();
        QDir().mkpath(history.ContentFolder());
        int serial = 0;
        for (const char* text : texts) {
            std::string body = text;
            content_record record;
            record.collect = body[0] == '*' ? collect_mark : 0;
            if (record.collect)
                body.erase(0, 1);
            const QString path = history.ContentFolder() + QStringLiteral("/%1.txt").arg(++serial);
            QFile file(path);
            ASSERT_TRUE(file.open(QIODevice::WriteOnly));
            file.write(body.c_str());
            record.content = path.toStdString();
            content_item item;
            item.collect = record.collect;
            item.content = record.content;
            item.text = body;
            window->records.push_back(record);
            window->items.push_back(item);
        }
        window->ApplyViewFilter(true);
    }
    std::vector<std::string> Rows() const
    {
        std::vector<std::string> rows;
        for (const content_item& item : *window->view)
            rows.push_back(item.text);
        return rows;
    }
    void Select(std::initializer_list<int> rows)
    {
        window->list()->clearSelection();
        for (int row : rows)
            window->list()->selectionModel()->select(
                window->list()->model()->index(row, 0), QItemSelectionModel::Select);
    }
    QString Notice() const
    {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        const auto notices = window->findChildren<alertwidget*>();
        return notices.isEmpty() ? QString() : notices.back()->text();
    }
    static textpreview* PinnedText()
    {
        for (QWidget* widget : QApplication::topLevelWidgets())
            if (auto* pin = qobject_cast<textpreview*>(widget))
                return pin;
        return nullptr;
    }
    // A copy made elsewhere, captured after its 50 ms wait.
    void CopyElsewhere(const QString& text)
    {
        const std::size_t before = window->records.size();
        QGuiApplication::clipboard()->setText(text);
        ASSERT_TRUE(QTest::qWaitFor([&] { return window->records.size() > before; }, 2000));
    }

    url_catcher catcher;
    std::unique_ptr<MainWindow> window;
};

using rows = std::vector<std::string>;

TEST_F(MainWindowActions, LetterKeysActOnReleaseExceptInTheSearchBox)
{
    AddTexts({ "one", "two", "three" });
    history_list* list = window->list();
    list->setCurrentRow(1);
    // Ctrl+C is also the menu entry's shortcut; the release copies.
    QTest::keyRelease(list, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("two"));
    EXPECT_EQ(Notice(), QStringLiteral("文本已经复制到剪贴板"));
    // The press alone neither copies nor moves to a row starting with the letter.
    list->setCurrentRow(0);
    QTest::keyPress(list, Qt::Key_T);
    EXPECT_EQ(list->currentRow(), 0);

    QTest::keyRelease(list, Qt::Key_X);
    EXPECT_EQ(window->records[0].collect, collect_mark);
    window->search_box()->setFocus();
    QTest::keyRelease(window->search_box(), Qt::Key_X);
    EXPECT_EQ(window->records[0].collect, collect_mark);
}

TEST_F(MainWindowActions, DeleteAsksFirstAndSparesFavouritesOnTheAllPage)
{
    AddTexts({ "a", "*fav", "b", "c" });
    const QString fav_file = QString::fromStdString(window->records[1].content);
    const QString a_file = QString::fromStdString(window->records[0].content);
    window->list()->selectAll();
    QTest::keyPress(window->list(), Qt::Key_Delete);
    auto* prompt = window->findChild<promptwidget*>();
    if (!prompt)
        for (QWidget* widget : QApplication::topLevelWidgets())
            prompt = prompt ? prompt : qobject_cast<promptwidget*>(widget);
    ASSERT_NE(prompt, nullptr);
    EXPECT_EQ(Rows().size(), 4u); // nothing goes before the answer

    prompt->yes_button()->click();
    EXPECT_EQ(Rows(), (rows { "fav" }));
    EXPECT_TRUE(QFile::exists(fav_file));
    EXPECT_FALSE(QFile::exists(a_file));
    EXPECT_EQ(Notice(), QStringLiteral("已删除3条内容"));

    // A second request shows the same prompt; "否" deletes nothing.
    window->list()->selectAll();
    window->DelectNowSelectContent();
    prompt->no_button()->click();
    EXPECT_EQ(Rows(), (rows { "fav" }));
}

TEST_F(MainWindowActions, FavouriteToggleReportsRemovalsAndAdditionsAtOnce)
{
    AddTexts({ "*f1", "t1", "*f2", "t2", "t3", "t4" });
    Select({ 0, 1, 2, 3, 4 });
    window->CollectNowSelectContent();
    EXPECT_EQ(Notice(), QStringLiteral("移除2,增加3条收藏"));
    EXPECT_EQ(window->records[0].collect, 0);
    EXPECT_EQ(window->records[1].collect, collect_mark);
    EXPECT_EQ(window->records[5].collect, 0);
}

TEST_F(MainWindowActions, EncodingsAndFileCopiesReachTheClipboardUnrecorded)
{
    AddTexts({ "hello", "world" });
    window->list()->setCurrentRow(0);
    window->EncodingOperate(0);
    EXPECT_EQ(QGuiApplication::clipboard()->text(),
        QString::fromLatin1(QCryptographicHash::hash("hello", QCryptographicHash::Md5).toHex()));
    EXPECT_EQ(Notice(), QStringLiteral("md5编码已复制"));
    window->EncodingOperate(1);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("aGVsbG8="));

    Select({ 0, 1 });
    window->CopyNowSelectFile();
    const QList<QUrl> urls = QGuiApplication::clipboard()->mimeData()->urls();
    ASSERT_EQ(urls.size(), 2);
    EXPECT_EQ(urls[0].toLocalFile(), QString::fromStdString(window->records[1].content));
    EXPECT_EQ(urls[1].toLocalFile(), QString::fromStdString(window->records[0].content));
    EXPECT_EQ(Notice(), QStringLiteral("文件已经复制到剪贴板"));
    QTest::qWait(150);
    EXPECT_EQ(window->records.size(), 2u);
}

TEST_F(MainWindowActions, ShiftWhileCopyingPinsTheTextAndCtrlShiftSearchesForIt)
{
    Settings().even_search = true;
    QTest::keyPress(window.get(), Qt::Key_Shift, Qt::ShiftModifier);
    CopyElsewhere(QStringLiteral("thirty characters of copied tx"));
    textpreview* pin = PinnedText();
    ASSERT_NE(pin, nullptr);
    EXPECT_EQ(pin->text_edit()->toPlainText(), QStringLiteral("thirty characters of copied tx"));
    EXPECT_TRUE(catcher.urls.isEmpty());
    delete pin;

    QTest::keyPress(window.get(), Qt::Key_Control, Qt::ShiftModifier | Qt::ControlModifier);
    CopyElsewhere(QStringLiteral("search me"));
    EXPECT_EQ(PinnedText(), nullptr);
    ASSERT_EQ(catcher.urls.size(), 1);
    EXPECT_EQ(catcher.urls[0].host(), QStringLiteral("www.google.com"));
    EXPECT_EQ(catcher.urls[0].query(QUrl::FullyDecoded), QStringLiteral("q=search me"));

    // Nothing held, nothing extra.
    QTest::keyRelease(window.get(), Qt::Key_Control, Qt::ShiftModifier);
    QTest::keyRelease(window.get(), Qt::Key_Shift, Qt::NoModifier);
    CopyElsewhere(QStringLiteral("plain"));
    EXPECT_EQ(PinnedText(), nullptr);
    EXPECT_EQ(catcher.urls.size(), 1);
}

} // namespace

#include "mainwindow_actions_test.moc"
