// The hover preview and the pinned image and text windows.
#include "actions/hover_preview.h"
#include "actions/image_preview.h"
#include "actions/pin_entry.h"
#include "actions/popup_frame.h"
#include "actions/text_preview.h"
#include "core/message_ids.h"
#include "core/settings_record.h"
#include "platform/fake/fake_layer.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <QApplication>
#include <QFile>
#include <QHoverEvent>
#include <QImage>
#include <QListView>
#include <QMouseEvent>
#include <QPushButton>
#include <QStringListModel>
#include <QTemporaryDir>
#include <QTest>
#include <QTextEdit>

namespace {

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

void Mouse(QWidget& w, QEvent::Type type, const QPoint& local)
{
    const Qt::MouseButtons held
        = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent event(type, local, w.mapToGlobal(local), Qt::LeftButton, held, Qt::NoModifier);
    QApplication::sendEvent(&w, &event);
}

hover_state ImageRow()
{
    hover_state state;
    state.over_list = true;
    state.on_row = true;
    state.window_active = true;
    state.row_is_image = true;
    return state;
}

class Previews : public ::testing::Test {
protected:
    void SetUp() override
    {
        Settings().dark_mode = false;
        anchor.setGeometry(0, 0, 900, 700);
        fake.ClearCalls();
    }
    void TearDown() override { Settings().dark_mode = false; }
    platform::fake_layer& fake = static_cast<platform::fake_layer&>(platform::Current());
    QTemporaryDir dir;
    const QString path = Picture(dir, "wide.png", { 1000, 500 });
    QWidget anchor;
    hover_preview preview { &anchor };
    const QSize screen { 1920, 1080 };
};
using HoverPreview = Previews;
using PinnedWindows = Previews;

TEST_F(HoverPreview, OneTopmostWindowBesideThePointerThatHidesOffImageRowsOrUnderTheMenu)
{
    // Another program in front: no preview shows, a shown one follows the pointer.
    hover_state inactive = ImageRow();
    inactive.window_active = false;
    preview.Tick(inactive, path, 1, QPoint(100, 100), screen);
    EXPECT_EQ(preview.window(), nullptr);
    preview.Tick(ImageRow(), path, 3, QPoint(100, 100), screen);
    image_preview* first = preview.window();
    ASSERT_NE(first, nullptr);
    EXPECT_TRUE(preview.visible());
    EXPECT_EQ(first->geometry(), QRect(110, 100, 400, 200));
    ASSERT_FALSE(fake.Calls().empty());
    EXPECT_EQ(fake.Calls().back().rfind("SetTopmost", 0), 0u) << fake.Calls().back();
    preview.Tick(inactive, path, 1, QPoint(120, 130), screen);
    EXPECT_TRUE(preview.visible());
    EXPECT_EQ(first->pos(), QPoint(130, 130));

    auto hidden_by = [&](auto change) {
        preview.Tick(ImageRow(), path, 1, QPoint(100, 100), screen);
        hover_state state = ImageRow();
        change(state);
        preview.Tick(state, path, 1, QPoint(100, 100), screen);
        return !preview.visible();
    };
    EXPECT_TRUE(hidden_by([](hover_state& s) { s.over_list = false; }));
    EXPECT_TRUE(hidden_by([](hover_state& s) { s.on_row = false; }));
    EXPECT_TRUE(hidden_by([](hover_state& s) {
        s.menu_showing = true;
        s.window_active = false;
    }));
    EXPECT_TRUE(hidden_by([](hover_state& s) { s.row_is_image = false; }));
    EXPECT_EQ(preview.window(), first);
}

TEST_F(HoverPreview, TickOverFindsTheImageRowUnderThePointer)
{
    QStringListModel model({ QStringLiteral("image"), QStringLiteral("beyond the view") });
    QListView list;
    list.setModel(&model);
    list.setGeometry(0, 0, 300, 300);
    list.show();
    content_item image;
    image.type = content_image;
    image.content = path.toStdString();
    const std::vector<content_item> view = { image };
    auto on_row = [&](int row) {
        return list.viewport()->mapToGlobal(list.visualRect(model.index(row, 0)).center());
    };
    auto shown_at = [&](const std::vector<content_item>* rows, const QPoint& pointer) {
        preview.TickOver(&list, &view, false, true, on_row(0), screen);
        preview.TickOver(&list, rows, false, true, pointer, screen);
        return preview.visible();
    };
    EXPECT_TRUE(shown_at(&view, on_row(0)));
    EXPECT_FALSE(shown_at(&view, on_row(1)));
    EXPECT_FALSE(shown_at(&view, list.mapToGlobal(QPoint(400, 10))));
    EXPECT_FALSE(shown_at(nullptr, on_row(0)));
}

TEST_F(PinnedWindows, PinnedImageIsSizedToItsPictureNeverActivatesAndClosesByButtonOrSystem)
{
    image_preview* image = image_preview::Pin(&anchor, Picture(dir, "a.png", { 120, 30 }));
    QPointer<QWidget> pin = image;
    EXPECT_EQ(image->size(), QSize(352, 88));
    const auto calls = fake.Calls();
    EXPECT_NE(
        std::find(calls.begin(), calls.end(), "SetNoActivate " + std::to_string(image->winId())),
        calls.end());
    ASSERT_TRUE(QTest::qWaitFor([image] { return !image->animating(); }, 5000));
    QTest::mouseClick(image->close_button(), Qt::LeftButton);
    EXPECT_TRUE(pin->isVisible()); // fading out first
    EXPECT_TRUE(WaitDeleted(pin));

    pin = text_preview::Pin(&anchor, QStringLiteral("hello"));
    EXPECT_TRUE(pin->close());
    EXPECT_TRUE(WaitDeleted(pin));
    // Its theme handler went with it.
    EXPECT_EQ(bus::Post(msg_control_toggled, control_recording_button, 1), 0);
}

TEST_F(PinnedWindows, TheTopStripDragsACornerResizesDownTo44By44AndTheCloseButtonFollows)
{
    image_preview pin(&anchor, popup_frame::no_title_bar);
    pin.setGeometry(100, 100, 300, 200);
    pin.show();
    // In the top 44 pixels, below the border, the press drags.
    Mouse(pin, QEvent::MouseButtonPress, QPoint(150, 30));
    Mouse(pin, QEvent::MouseMove, QPoint(160, 50));
    Mouse(pin, QEvent::MouseButtonRelease, QPoint(160, 50));
    EXPECT_EQ(pin.geometry(), QRect(110, 120, 300, 200));

    // The bottom-right corner far up and left.
    Mouse(pin, QEvent::MouseButtonPress, QPoint(296, 196));
    QHoverEvent hover(QEvent::HoverMove, QPoint(-400, -400), QPoint(-400, -400));
    QApplication::sendEvent(&pin, &hover);
    EXPECT_EQ(pin.size(), QSize(44, 44));
    EXPECT_EQ(pin.close_button()->pos(), QPoint(44 - 42, 14));
}

TEST_F(PinnedWindows, PinEntryPinsTextsShownAsTextInTheThemeButNotFiles)
{
    content_item entry;
    entry.type = content_file;
    entry.content = dir.filePath("files").toStdString();
    EXPECT_EQ(PinEntry(&anchor, entry), nullptr);

    QFile file(dir.filePath("text"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(QStringLiteral("<b>你好</b> 😀").toUtf8());
    file.close();
    entry.type = content_text;
    entry.content = file.fileName().toStdString();
    std::unique_ptr<QWidget> text(PinEntry(&anchor, entry));
    auto* pinned_text = qobject_cast<text_preview*>(text.get());
    ASSERT_NE(pinned_text, nullptr);
    QTextEdit* edit = pinned_text->text_edit();
    EXPECT_EQ(edit->toPlainText(), QStringLiteral("<b>你好</b> 😀"));
    Settings().dark_mode = true;
    bus::Post(msg_control_toggled, control_recording_button, 0);
    // White text on the painted dark body, not on a white editor background.
    EXPECT_TRUE(edit->styleSheet().contains(QStringLiteral("color: white")));
    EXPECT_TRUE(edit->styleSheet().contains(QStringLiteral("background: transparent")));
}

} // namespace
