// Pinned image and text windows: no activation, the 44 x 44 floor of the
// border resize, the close button in its corner, deletion once closed, the
// size rules of a pinned picture and the text's theme.
#include "actions/imagepreview.h"
#include "actions/pin_entry.h"
#include "actions/popup_frame.h"
#include "actions/textpreview.h"
#include "app/message_ids.h"
#include "app/settings_record.h"
#include "platform/fake/fake_platform.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QHoverEvent>
#include <QImage>
#include <QMouseEvent>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTextEdit>

namespace {

platform::FakePlatform& Fake()
{
    return static_cast<platform::FakePlatform&>(platform::Current());
}

QString Picture(const QTemporaryDir& dir, const QString& name, QSize size)
{
    QImage image(size, QImage::Format_ARGB32);
    image.fill(Qt::red);
    const QString path = dir.filePath(name);
    image.save(path, "PNG");
    return path;
}

bool WaitDeleted(const QPointer<QWidget>& window)
{
    return QTest::qWaitFor([&window] { return window.isNull(); }, 5000);
}

void Mouse(QWidget& w, QEvent::Type type, const QPoint& local, Qt::MouseButtons buttons)
{
    QMouseEvent event(type, local, w.mapToGlobal(local), Qt::LeftButton, buttons, Qt::NoModifier);
    QApplication::sendEvent(&w, &event);
}

void Hover(QWidget& w, const QPoint& local)
{
    QHoverEvent event(QEvent::HoverMove, local, local);
    QApplication::sendEvent(&w, &event);
}

class PinnedWindows : public ::testing::Test {
protected:
    void SetUp() override
    {
        Settings().dark_mode = false;
        anchor.setGeometry(0, 0, 900, 700);
        Fake().ClearCalls();
    }
    void TearDown() override { Settings().dark_mode = false; }
    QTemporaryDir dir;
    QWidget anchor;
};

TEST_F(PinnedWindows, PinnedImageIsSizedToItsPictureAndNeverActivates)
{
    QPointer<imagepreview> pin = imagepreview::Pin(&anchor, Picture(dir, "a.png", { 120, 30 }));
    ASSERT_TRUE(pin);
    EXPECT_EQ(pin->size(), QSize(352, 88));
    EXPECT_EQ(pin->pixmap().size(), QSize(120, 30));
    EXPECT_TRUE(pin->isVisible());
    EXPECT_TRUE(pin->testAttribute(Qt::WA_DeleteOnClose));
    EXPECT_TRUE(pin->windowFlags().testFlag(Qt::Tool));
    EXPECT_EQ(pin->windowTitle(), QStringLiteral("预览"));
    const std::string no_activate = "SetNoActivate " + std::to_string(pin->winId());
    const auto calls = Fake().Calls();
    EXPECT_NE(std::find(calls.begin(), calls.end(), no_activate), calls.end());
    ASSERT_NE(pin->close_button(), nullptr);
    EXPECT_EQ(pin->close_button()->geometry(), QRect(352 - 42, 14, 24, 24));
    delete pin.data();
}

TEST_F(PinnedWindows, UnreadablePictureGivesAnEmptyWindowOfTheMinimumSize)
{
    QPointer<imagepreview> pin = imagepreview::Pin(&anchor, dir.filePath("missing.png"));
    ASSERT_TRUE(pin);
    EXPECT_TRUE(pin->pixmap().isNull());
    EXPECT_EQ(pin->size(), QSize(44, 44));
    delete pin.data();
}

TEST_F(PinnedWindows, BorderResizeStopsAt44By44AndTheCloseButtonFollows)
{
    imagepreview pin(&anchor, popup_frame::no_title_bar);
    pin.setGeometry(100, 100, 300, 200);
    pin.show();
    // Drag the bottom-right corner far up and left.
    Mouse(pin, QEvent::MouseButtonPress, QPoint(296, 196), Qt::LeftButton);
    Hover(pin, QPoint(-400, -400));
    EXPECT_EQ(pin.size(), QSize(44, 44));
    Mouse(pin, QEvent::MouseButtonRelease, QPoint(-400, -400), Qt::NoButton);
    EXPECT_EQ(pin.minimumSize(), QSize(44, 44));
    EXPECT_EQ(pin.close_button()->pos(), QPoint(44 - 42, 14));
}

TEST_F(PinnedWindows, TopBorderPressResizesWithoutDraggingTheWindow)
{
    imagepreview pin(&anchor, popup_frame::no_title_bar);
    pin.setGeometry(100, 100, 300, 200);
    pin.show();
    // The move reaches the border resize as a hover move of its own.
    Mouse(pin, QEvent::MouseButtonPress, QPoint(150, 2), Qt::LeftButton);
    Mouse(pin, QEvent::MouseMove, QPoint(150, -48), Qt::LeftButton);
    Mouse(pin, QEvent::MouseButtonRelease, QPoint(150, -48), Qt::NoButton);
    EXPECT_EQ(pin.geometry(), QRect(100, 50, 300, 250));

    // Lower in the top 44 pixels the press drags.
    Mouse(pin, QEvent::MouseButtonPress, QPoint(150, 30), Qt::LeftButton);
    Mouse(pin, QEvent::MouseMove, QPoint(160, 50), Qt::LeftButton);
    Mouse(pin, QEvent::MouseButtonRelease, QPoint(160, 50), Qt::NoButton);
    EXPECT_EQ(pin.geometry(), QRect(110, 70, 300, 250));
}

TEST_F(PinnedWindows, CloseButtonFadesOutThenDeletesThePin)
{
    QPointer<QWidget> pin = imagepreview::Pin(&anchor, Picture(dir, "b.png", { 200, 100 }));
    ASSERT_TRUE(QTest::qWaitFor(
        [&pin] { return !static_cast<imagepreview*>(pin.data())->animating(); }, 5000));
    QTest::mouseClick(static_cast<imagepreview*>(pin.data())->close_button(), Qt::LeftButton);
    EXPECT_TRUE(pin->isVisible());
    EXPECT_TRUE(WaitDeleted(pin));
}

TEST_F(PinnedWindows, WindowSystemCloseDeletesThePinnedText)
{
    QPointer<QWidget> pin = textpreview::Pin(&anchor, QStringLiteral("hello"));
    EXPECT_EQ(pin->size(), QSize(400, 600));
    EXPECT_TRUE(pin->close());
    EXPECT_TRUE(WaitDeleted(pin));
    // Its theme handler went with it.
    EXPECT_EQ(bus::Post(msg_control_toggled, control_recording_button, 1), 0);
}

TEST_F(PinnedWindows, PinnedTextShowsMarkupAsTextAndFollowsTheTheme)
{
    textpreview pin(&anchor, popup_frame::no_title_bar);
    pin.setText(QStringLiteral("<b>x</b> 😀"));
    EXPECT_EQ(pin.text_edit()->toPlainText(), QStringLiteral("<b>x</b> 😀"));
    EXPECT_TRUE(pin.text_edit()->styleSheet().contains(QStringLiteral("color: black")));

    Settings().dark_mode = true;
    bus::Post(msg_control_toggled, control_recording_button, 0);
    EXPECT_TRUE(pin.text_edit()->styleSheet().contains(QStringLiteral("color: white")));
    // White text on the painted dark body, not on a white editor background.
    EXPECT_TRUE(pin.text_edit()->styleSheet().contains(QStringLiteral("background: transparent")));
}

TEST_F(PinnedWindows, PinEntryPinsTextsAndPicturesButNotFiles)
{
    content_item entry;
    entry.type = content_file;
    entry.content = dir.filePath("files").toStdString();
    EXPECT_EQ(PinEntry(&anchor, entry), nullptr);

    QFile file(dir.filePath("text"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(QStringLiteral("你好 😀").toUtf8());
    file.close();
    entry.type = content_text;
    entry.content = file.fileName().toStdString();
    std::unique_ptr<QWidget> text(PinEntry(&anchor, entry));
    auto* pinned_text = qobject_cast<textpreview*>(text.get());
    ASSERT_NE(pinned_text, nullptr);
    EXPECT_EQ(pinned_text->text_edit()->toPlainText(), QStringLiteral("你好 😀"));

    entry.type = content_image;
    entry.content = Picture(dir, "c.png", { 60, 50 }).toStdString();
    std::unique_ptr<QWidget> image(PinEntry(&anchor, entry));
    auto* pinned_image = qobject_cast<imagepreview*>(image.get());
    ASSERT_NE(pinned_image, nullptr);
    EXPECT_EQ(pinned_image->size(), QSize(60, 50));
}

} // namespace
