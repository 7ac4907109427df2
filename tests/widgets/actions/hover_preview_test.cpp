// The hover preview window: made on first show, placed beside the pointer
// at the previewed size, topmost without activation, hidden again.
#include "actions/hover_preview.h"
#include "actions/imagepreview.h"
#include "platform/fake/fake_platform.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QListView>
#include <QStringListModel>
#include <QTemporaryDir>

namespace {

platform::FakePlatform& Fake()
{
    return static_cast<platform::FakePlatform&>(platform::Current());
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

class HoverPreview : public ::testing::Test {
protected:
    void SetUp() override
    {
        QImage image(1000, 500, QImage::Format_RGB32);
        image.fill(Qt::blue);
        path = dir.filePath("wide.png");
        image.save(path, "PNG");
        Fake().ClearCalls();
    }
    QTemporaryDir dir;
    QString path;
    QWidget anchor;
    hover_preview preview { &anchor };
    const QSize screen { 1920, 1080 };
};

TEST_F(HoverPreview, ShowsBesideThePointerAtTheScaledSizeWithoutTitleOrButton)
{
    preview.Tick(ImageRow(), path, 3, QPoint(100, 100), screen);
    ASSERT_NE(preview.window(), nullptr);
    EXPECT_TRUE(preview.visible());
    EXPECT_EQ(preview.window()->geometry(), QRect(110, 100, 400, 200));
    EXPECT_EQ(preview.window()->pixmap().size(), QSize(1000, 500));
    EXPECT_EQ(preview.window()->close_button(), nullptr);
    EXPECT_TRUE(preview.window()->testAttribute(Qt::WA_ShowWithoutActivating));
    const auto calls = Fake().Calls();
    ASSERT_FALSE(calls.empty());
    EXPECT_EQ(calls.back().rfind("SetTopmost", 0), 0u) << calls.back();

    // Full size on the pointer's left when it is in the right half.
    preview.Tick(ImageRow(), path, 0, QPoint(1500, 100), screen);
    EXPECT_EQ(preview.window()->geometry(), QRect(490, 100, 1000, 500));
}

TEST_F(HoverPreview, SameWindowIsKeptAndHiddenOffImageRowsOrUnderTheMenu)
{
    preview.Tick(ImageRow(), path, 1, QPoint(100, 100), screen);
    imagepreview* first = preview.window();
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
    EXPECT_TRUE(hidden_by([](hover_state& s) { s.image_preview = false; }));
    EXPECT_TRUE(hidden_by([](hover_state& s) { s.row_is_image = false; }));
    EXPECT_EQ(preview.window(), first);
}

TEST_F(HoverPreview, InactiveWindowNeitherShowsNorHides)
{
    hover_state state = ImageRow();
    state.window_active = false;
    preview.Tick(state, path, 1, QPoint(100, 100), screen);
    EXPECT_EQ(preview.window(), nullptr);
    preview.Tick(ImageRow(), path, 1, QPoint(100, 100), screen);
    preview.Tick(state, path, 1, QPoint(120, 130), screen);
    EXPECT_TRUE(preview.visible());
    EXPECT_EQ(preview.window()->pos(), QPoint(130, 130));
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
    const QRect first = list.visualRect(model.index(0, 0));
    const QRect second = list.visualRect(model.index(1, 0));
    const QPoint on_first = list.viewport()->mapToGlobal(first.center());

    preview.TickOver(&list, &view, false, true, on_first, screen);
    EXPECT_TRUE(preview.visible());
    preview.TickOver(
        &list, &view, false, true, list.viewport()->mapToGlobal(second.center()), screen);
    EXPECT_FALSE(preview.visible());
    preview.TickOver(&list, &view, false, true, on_first, screen);
    preview.TickOver(&list, &view, false, true, list.mapToGlobal(QPoint(400, 10)), screen);
    EXPECT_FALSE(preview.visible());
    preview.TickOver(&list, nullptr, false, true, on_first, screen);
    EXPECT_FALSE(preview.visible());
}

} // namespace
