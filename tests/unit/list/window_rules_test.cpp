#include "app/title_drag.h"
#include "app/window_animation.h"
#include "tests/unit/unit_files.h"
#include "widgets/theme_sheets.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

namespace {

TEST(TitleDrag, OnlyLeftOfTheButtonsAndARestoredWindowReAnchors)
{
    title_drag drag;
    EXPECT_FALSE(drag.Press({ 800, 10 }, { 900, 110 }, { 100, 100 }, 900));
    EXPECT_FALSE(drag.dragging());
    ASSERT_TRUE(drag.Press({ 50, 10 }, { 150, 110 }, { 100, 100 }, 900));
    EXPECT_EQ(drag.Target({ 170, 100 }), QPoint(120, 90));
    // Restoring a maximised window under a pointer where the narrower window's
    // buttons would be: its middle goes under the pointer.
    ASSERT_TRUE(drag.Press({ 1500, 10 }, { 1500, 10 }, { 0, 0 }, 1920));
    EXPECT_EQ(drag.Restored(900, { 1500, 12 }), QPoint(450, 12));
    EXPECT_EQ(drag.Target({ 1500, 12 }), QPoint(1050, 0));
    ASSERT_TRUE(drag.Press({ 100, 10 }, { 100, 10 }, { 0, 0 }, 1920));
    EXPECT_FALSE(drag.Restored(900, { 100, 10 }));
}

TEST(WindowAnimation, AHideNeverRisesAboveTheScreenTop)
{
    window_animation animation;
    animation.Start(false, false, { 100, 10 });
    for (int i = 0; i < 11; ++i)
        EXPECT_GE(animation.Next().position.y(), 0);
}

TEST(ThemeSheets, FileIsReadUpToItsFirstZeroByte)
{
    QTemporaryDir folder;
    const QString path = theme_sheets::ThemeFilePath(folder.path(), false);
    EXPECT_FALSE(theme_sheets::ReadThemeFile(path));
    ASSERT_TRUE(unit_test::WriteFile(path, QByteArray("QLabel{color:red;}\0junk", 23)));
    EXPECT_EQ(theme_sheets::ReadThemeFile(path), QStringLiteral("QLabel{color:red;}"));
}

} // namespace
