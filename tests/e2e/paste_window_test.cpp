// The real program pasting into a real editor under openbox: the main window
// brought up over the editor in use, rows pasted by double-click and by the
// list's keys.
#include "tests/e2e/support/editor_process.h"
#include "tests/e2e/support/program_copy.h"
#include "tests/e2e/support/wait.h"
#include "tests/e2e/support/x_session.h"

#include <gtest/gtest.h>

#include <QElapsedTimer>

namespace {

using e2e::ProgramCopy;
using e2e::WaitUntil;

class PasteWindow : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(x.Start()) << x.error().toStdString(); }

    // Starts the program with the texts, oldest first, then the editor.
    void Start(ProgramCopy& copy, const QByteArray& config, const QStringList& texts)
    {
        ASSERT_NE(copy.StartWith(config, texts), nullptr);
        main_window = copy.VisibleWindows().front();
        editor_window = editor.Start(x);
        ASSERT_FALSE(editor_window.isEmpty());
    }
    // The editor in use, then the main window brought up over it by a second start.
    void BringUpOverEditor(ProgramCopy& copy)
    {
        ASSERT_TRUE(x.Activate(editor_window));
        ASSERT_EQ(e2e::WaitForExit(copy.Launch(), 10000), 0);
        ASSERT_TRUE(WaitUntil([&] { return x.Active(main_window); }, 5000));
        // openbox reports the new active window before its focus order has
        // caught up; an Alt+Tab right then may find the old order.
        WaitUntil([] { return false; }, 300);
    }
    // Rows of one-line texts are 48 pixels high, the first centred at 122.
    void DoubleClickRow(int row)
    {
        x.Xdotool(
            QStringLiteral("mousemove --window %1 300 %2").arg(main_window).arg(122 + 48 * row));
        x.Xdotool(QStringLiteral("click --repeat 2 --delay 80 1"));
    }
    QString EditorText() const { return editor.Text(); }
    // Waits for the editor to show each text in turn and returns the
    // milliseconds between successive arrivals.
    std::vector<qint64> Arrivals(const QStringList& texts) const
    {
        std::vector<qint64> gaps;
        QElapsedTimer clock;
        clock.start();
        qint64 last = -1;
        for (const QString& text : texts) {
            if (!editor.Shows(text))
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
    Start(copy, R"({"auto_return": true})", { "first", "second", "third" });

    // Rows are newest first: third, second, first. Under load, openbox now
    // and then lets the first Alt+Tab after the editor started through to
    // our window, which swallows its own keys; the paste is then tried again.
    for (int attempt = 0; attempt < 3 && EditorText().isEmpty(); ++attempt) {
        BringUpOverEditor(copy);
        DoubleClickRow(1);
        editor.Shows(QStringLiteral("second\n"), 5000);
    }
    ASSERT_EQ(EditorText(), QStringLiteral("second\n"));

    // All three top-down, one per 800 ms tick.
    BringUpOverEditor(copy);
    x.Xdotool(QStringLiteral("key ctrl+a v"));
    QString expected = QStringLiteral("second\n");
    QStringList steps;
    for (const char* row : { "third\n", "second\n", "first\n" })
        steps << (expected += QLatin1String(row));
    const std::vector<qint64> gaps = Arrivals(steps);
    ASSERT_EQ(gaps.size(), 2u) << EditorText().toStdString();
    for (qint64 gap : gaps)
        EXPECT_GT(gap, 400) << "rows must arrive one tick apart";
}

} // namespace
