// The popup base on the offscreen platform, and the yes/no prompt built on it.
#include "actions/popup_frame.h"
#include "actions/prompt_widget.h"
#include "actions/show_widget.h"
#include "core/message_ids.h"
#include "platform/fake/fake_layer.h"
#include "tests/widgets/support/bus_log.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <tuple>

namespace {

bool Settle(const show_widget& popup)
{
    return QTest::qWaitFor([&popup] { return !popup.animating(); }, 5000);
}

// Shows the popup and types the key into it once the fade-in is over.
void ShowAndPress(show_widget& popup, Qt::Key key)
{
    popup.ShowPopup();
    ASSERT_TRUE(Settle(popup));
    popup.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&popup));
    QTest::keyClick(popup.windowHandle(), key);
}

// A left-button press, move and release, from local to local + by.
void Drag(QWidget& w, const QPoint& local, const QPoint& by)
{
    for (const auto& [type, at, held] :
        { std::tuple { QEvent::MouseButtonPress, local, Qt::MouseButtons(Qt::LeftButton) },
            { QEvent::MouseMove, local + by, Qt::LeftButton },
            { QEvent::MouseButtonRelease, local + by, Qt::NoButton } }) {
        QMouseEvent event(type, at, w.mapToGlobal(at), Qt::LeftButton, held, Qt::NoModifier);
        QApplication::sendEvent(&w, &event);
    }
}

// A shortcut clicks its button a moment later.
bool WaitFor(const bus_log& log, std::size_t posts)
{
    return QTest::qWaitFor([&] { return log.posts.size() == posts; }, 5000);
}

constexpr std::int64_t confirm_id = 10003;
constexpr std::int64_t cancel_id = 10004;
using Posts = std::vector<std::pair<std::int64_t, std::int64_t>>;

class Popups : public ::testing::Test {
protected:
    void SetUp() override
    {
        anchor.setGeometry(100, 50, 900, 700);
        anchor.show();
        static_cast<platform::fake_layer&>(platform::Current()).ClearCalls();
        popup.resize(260, 160);
    }
    QWidget anchor;
    show_widget popup { popup_frame::close, &anchor };
    prompt_widget prompt { &anchor, QStringLiteral("确定删除？"), confirm_id, cancel_id };
    bus_log confirmed { confirm_id };
    bus_log cancelled { cancel_id };
};
using ShowWidget = Popups;
using PromptWidget = Popups;

// The fade-out starts where the fade-in ended, even after a drag.
TEST_F(ShowWidget, ShowFadesInBelowTheCentreEndsTopmostAndFadesOutFromItsShownPosition)
{
    popup.ShowPopup();
    EXPECT_TRUE(popup.isVisible());
    EXPECT_LT(popup.windowOpacity(), 0.5);
    ASSERT_TRUE(Settle(popup));
    // Centred at (420, 290), then 11 ticks of 3 pixels down.
    const QPoint shown(420, 323);
    EXPECT_EQ(popup.pos(), shown);
    EXPECT_DOUBLE_EQ(popup.windowOpacity(), 1.0);
    const auto calls = static_cast<platform::fake_layer&>(platform::Current()).Calls();
    ASSERT_FALSE(calls.empty());
    EXPECT_EQ(calls.back().rfind("SetTopmost", 0), 0u) << calls.back();

    Drag(popup, QPoint(20, 20), QPoint(50, 40));
    EXPECT_EQ(popup.pos(), shown + QPoint(50, 40));
    popup.closeWidget();
    ASSERT_TRUE(Settle(popup));
    EXPECT_FALSE(popup.isVisible());
    EXPECT_EQ(popup.pos(), shown - QPoint(0, 30));
}

TEST(ShowWidgetAlone, PopupWhoseAnchorIsGoneIsCentredOnTheScreen)
{
    auto* gone = new QWidget;
    show_widget popup(1, gone);
    delete gone;
    popup.resize(200, 100);
    popup.ShowPopup();
    ASSERT_TRUE(Settle(popup));
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    EXPECT_EQ(popup.pos(), popup_frame::Centred(screen, QSize(200, 100)) + QPoint(0, 33));
}

TEST_F(PromptWidget, YesAndReturnPostTheConfirmIdNoEscAndWindowCloseTheCancelId)
{
    prompt.ShowPopup();
    ASSERT_TRUE(Settle(prompt));
    QTest::mouseClick(prompt.yes_button(), Qt::LeftButton);
    EXPECT_EQ(confirmed.posts, (Posts { { 0, 0 } }));
    ASSERT_TRUE(Settle(prompt));
    EXPECT_FALSE(prompt.isVisible());
    ShowAndPress(prompt, Qt::Key_Return);
    EXPECT_TRUE(WaitFor(confirmed, 2));

    prompt.ShowPopup();
    QTest::mouseClick(prompt.no_button(), Qt::LeftButton);
    ShowAndPress(prompt, Qt::Key_Escape);
    EXPECT_TRUE(WaitFor(cancelled, 2));
    // Esc closes with the fade-out.
    ASSERT_TRUE(Settle(prompt));
    EXPECT_FALSE(prompt.isVisible());
    prompt.ShowPopup();
    prompt.close();
    EXPECT_EQ(cancelled.posts, (Posts { { 0, 0 }, { 0, 0 }, { 0, 0 } }));
    EXPECT_EQ(confirmed.posts.size(), 2u);
}

TEST_F(PromptWidget, ThemeSwitchesRestyleTheButtonsOtherControlsDoNot)
{
    const QString light = prompt.no_button()->styleSheet();
    bus::Post(msg_control_toggled, control_day_night_button, 1);
    const QString dark = prompt.no_button()->styleSheet();
    EXPECT_NE(dark, light);
    bus::Post(msg_control_toggled, control_recording_button, 0);
    EXPECT_EQ(prompt.no_button()->styleSheet(), dark);
    bus::Post(msg_control_toggled, control_dark_mode_switch, 0);
    EXPECT_EQ(prompt.no_button()->styleSheet(), light);
    // A deleted prompt no longer hears them (ASan run).
    delete new prompt_widget(&anchor, QStringLiteral("?"), confirm_id, cancel_id);
    bus::Post(msg_control_toggled, control_dark_mode_switch, 1);
}

} // namespace
