// The yes/no prompt: the ids each way of answering posts, its look, and the
// restyle on a theme switch.
#include "actions/promptwidget.h"
#include "app/message_ids.h"
#include "app/settings_record.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <vector>

namespace {

constexpr std::int64_t confirm_id = 10003;
constexpr std::int64_t cancel_id = 10004;

// Records the two ids while alive.
class Posted {
public:
    Posted()
    {
        for (std::int64_t id : { confirm_id, cancel_id })
            tokens_.push_back(
                bus::Register(id, [this](std::int64_t id, std::int64_t a, std::int64_t b) {
                    ids.push_back(id);
                    EXPECT_EQ(a, 0);
                    EXPECT_EQ(b, 0);
                    return std::int64_t { 0 };
                }));
    }
    ~Posted()
    {
        for (bus::Token token : tokens_)
            bus::Unregister(token);
    }
    std::vector<std::int64_t> ids;

private:
    std::vector<bus::Token> tokens_;
};

class PromptWidget : public ::testing::Test {
protected:
    void SetUp() override { Settings().dark_mode = false; }
    void TearDown() override { Settings().dark_mode = false; }
    bool Settle() const
    {
        return QTest::qWaitFor([this] { return !prompt.animating(); }, 5000);
    }
    QWidget anchor;
    promptwidget prompt { &anchor, QStringLiteral("确定删除？"), confirm_id, cancel_id };
    Posted posted;
};

TEST_F(PromptWidget, YesPostsOnlyTheConfirmIdAndFadesOut)
{
    prompt.ShowPopup();
    ASSERT_TRUE(Settle());
    QTest::mouseClick(prompt.yes_button(), Qt::LeftButton);
    EXPECT_EQ(posted.ids, std::vector<std::int64_t>({ confirm_id }));
    ASSERT_TRUE(Settle());
    EXPECT_FALSE(prompt.isVisible());
}

TEST_F(PromptWidget, NoEscAndWindowCloseEachPostTheCancelId)
{
    prompt.ShowPopup();
    QTest::mouseClick(prompt.no_button(), Qt::LeftButton);
    EXPECT_EQ(posted.ids, std::vector<std::int64_t>({ cancel_id }));

    prompt.ShowPopup();
    ASSERT_TRUE(Settle());
    prompt.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&prompt));
    QTest::keyClick(prompt.windowHandle(), Qt::Key_Escape);
    // A shortcut clicks its button a moment later.
    EXPECT_TRUE(QTest::qWaitFor([this] { return posted.ids.size() == 2; }, 5000));
    EXPECT_EQ(posted.ids, std::vector<std::int64_t>({ cancel_id, cancel_id }));

    prompt.ShowPopup();
    prompt.close();
    EXPECT_EQ(posted.ids, std::vector<std::int64_t>({ cancel_id, cancel_id, cancel_id }));
}

TEST_F(PromptWidget, ReturnAnswersYes)
{
    EXPECT_EQ(prompt.yes_button()->shortcut(), QKeySequence(Qt::Key_Return));
    prompt.ShowPopup();
    ASSERT_TRUE(Settle());
    prompt.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&prompt));
    QTest::keyClick(prompt.windowHandle(), Qt::Key_Return);
    EXPECT_TRUE(QTest::qWaitFor([this] { return !posted.ids.empty(); }, 5000));
    EXPECT_EQ(posted.ids, std::vector<std::int64_t>({ confirm_id }));
}

TEST_F(PromptWidget, ThemeSwitchesRestyleTheButtonsOtherControlsDoNot)
{
    EXPECT_TRUE(prompt.no_button()->styleSheet().contains(QStringLiteral("#E4E4E4")));
    bus::Post(msg_control_toggled, control_day_night_button, 1);
    EXPECT_TRUE(prompt.no_button()->styleSheet().contains(QStringLiteral("#989898")));
    EXPECT_TRUE(prompt.no_button()->styleSheet().contains(QStringLiteral("#717171")));
    EXPECT_TRUE(prompt.yes_button()->styleSheet().contains(QStringLiteral("#FF4081")));
    bus::Post(msg_control_toggled, control_recording_button, 0);
    EXPECT_TRUE(prompt.no_button()->styleSheet().contains(QStringLiteral("#989898")));
    bus::Post(msg_control_toggled, control_dark_mode_switch, 0);
    EXPECT_TRUE(prompt.no_button()->styleSheet().contains(QStringLiteral("#AAAAAA")));
}

TEST(PromptWidgetLife, DeletedPromptNoLongerAnswersThemeSwitches)
{
    QWidget anchor;
    {
        promptwidget prompt(&anchor, QStringLiteral("?"), confirm_id, cancel_id);
    }
    EXPECT_EQ(bus::Post(msg_control_toggled, control_dark_mode_switch, 1), 0);
}

} // namespace
