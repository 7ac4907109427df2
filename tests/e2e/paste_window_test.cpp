// The real program pasting into a real editor under openbox: texts copied
// with xclip, the editor in use, the main window brought up over it, rows
// pasted by double-click and by the list's keys.
#include "tests/e2e/support/editor_process.h"
#include "tests/e2e/support/program_copy.h"
#include "tests/e2e/support/wait.h"
#include "tests/e2e/support/x_session.h"

#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QPoint>

namespace {

using e2e::ProgramCopy;
using e2e::WaitUntil;

// Where the centre of list row N lies in a main window of the default size
// (one-line text rows, 48 pixels high, the first at 98).
QPoint RowCentre(int row)
{
    return { 300, 122 + 48 * row };
}

class PasteWindow : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(x.Start(QSize(1920, 1080))) << x.error().toStdString(); }

    void StartProgram(ProgramCopy& copy, const QByteArray& config)
    {
        ASSERT_TRUE(copy.WriteFile(QStringLiteral("config.json"), config));
        copy.Launch();
        ASSERT_TRUE(copy.WaitForWindows());
        main_window = copy.VisibleWindows().front();
    }
    void StartEditor()
    {
        editor_window = editor.Start(x);
        ASSERT_FALSE(editor_window.isEmpty());
    }
    // The editor in use, then the main window brought up over it, as a
    // second start of the program does.
    void BringUpOverEditor(ProgramCopy& copy)
    {
        x.Xdotool(QStringLiteral("windowactivate --sync ") + editor_window);
        ASSERT_TRUE(WaitUntil([&] { return x.Active(editor_window); }, 5000));
        QProcess& second = copy.Launch();
        ASSERT_EQ(e2e::WaitForExit(second, 10000), 0);
        ASSERT_TRUE(WaitUntil([&] { return x.Active(main_window); }, 5000));
        // openbox reports the new active window before its focus order has
        // caught up; an Alt+Tab right then may find the old order.
        WaitUntil([] { return false; }, 300);
    }
    void DoubleClickRow(int row)
    {
        const QPoint at = RowCentre(row);
        x.Xdotool(
            QStringLiteral("mousemove --window %1 %2 %3").arg(main_window).arg(at.x()).arg(at.y()));
        x.Xdotool(QStringLiteral("click --repeat 2 --delay 80 1"));
    }
    void Key(const QString& key) { x.Xdotool(QStringLiteral("key ") + key); }
    QString EditorText() const { return editor.Text(); }
    bool EditorShows(const QString& text, int timeout_ms = 10000) const
    {
        return WaitUntil([&] { return EditorText() == text; }, timeout_ms);
    }
    // Waits for the editor to show each text in turn and returns the
    // milliseconds between successive arrivals.
    std::vector<qint64> Arrivals(const QStringList& texts) const
    {
        std::vector<qint64> gaps;
        QElapsedTimer clock;
        clock.start();
        qint64 last = -1;
        for (const QString& text : texts) {
            if (!EditorShows(text))
                return gaps;
            if (last >= 0)
                gaps.push_back(clock.elapsed() - last);
            last = clock.elapsed();
        }
        return gaps;
    }

    e2e::XSession x;
    e2e::EditorProcess editor;
    QString editor_window;
    QString main_window;
};

TEST_F(PasteWindow, DoubleClickAndListKeysPasteIntoThePreviousWindow)
{
    ProgramCopy copy(x);
    StartProgram(copy, R"({"auto_return": true})");
    for (const char* text : { "first", "second", "third" })
        ASSERT_TRUE(copy.Record(text));
    StartEditor();

    // Rows are newest first: third, second, first. Under load, openbox now
    // and then lets the first Alt+Tab after the editor started through to
    // our window, which swallows its own keys; the paste is then tried again.
    for (int attempt = 0; attempt < 3 && EditorText().isEmpty(); ++attempt) {
        BringUpOverEditor(copy);
        DoubleClickRow(1);
        EditorShows(QStringLiteral("second\n"), 5000);
    }
    ASSERT_EQ(EditorText(), QStringLiteral("second\n"));

    // All three top-down, one per 800 ms tick, then bottom-up.
    BringUpOverEditor(copy);
    Key(QStringLiteral("ctrl+a"));
    Key(QStringLiteral("v"));
    QString expected = QStringLiteral("second\n");
    QStringList steps;
    for (const char* row : { "third\n", "second\n", "first\n" })
        steps << (expected += QLatin1String(row));
    const std::vector<qint64> gaps = Arrivals(steps);
    ASSERT_EQ(gaps.size(), 2u) << EditorText().toStdString();
    for (qint64 gap : gaps)
        EXPECT_GT(gap, 400) << "rows must arrive one tick apart";

    BringUpOverEditor(copy);
    Key(QStringLiteral("r"));
    steps.clear();
    for (const char* row : { "first\n", "second\n", "third\n" })
        steps << (expected += QLatin1String(row));
    EXPECT_EQ(Arrivals(steps).size(), 2u) << EditorText().toStdString();

    // The flip keeps the emoji whole.
    ASSERT_TRUE(copy.Record("abc\xF0\x9F\x98\x80"));
    BringUpOverEditor(copy);
    Key(QStringLiteral("b"));
    EXPECT_TRUE(EditorShows(expected
        + QString::fromUtf8("\xF0\x9F\x98\x80"
                            "cba\n")))
        << EditorText().toStdString();
}

TEST_F(PasteWindow, WithoutAutoPasteADoubleClickOnlyCopies)
{
    ProgramCopy copy(x);
    StartProgram(copy, R"({"auto_paste": false})");
    ASSERT_TRUE(copy.Record("older"));
    ASSERT_TRUE(copy.Record("newer"));
    StartEditor();
    BringUpOverEditor(copy);
    DoubleClickRow(1);
    EXPECT_TRUE(WaitUntil(
        [&] {
            return x.Run(QStringLiteral("xclip"),
                       { QStringLiteral("-selection"), QStringLiteral("clipboard"),
                           QStringLiteral("-o") })
                == "older";
        },
        5000));
    WaitUntil([] { return false; }, 1000);
    EXPECT_EQ(EditorText(), QString());
    EXPECT_TRUE(x.Active(main_window));
}

} // namespace
