// The built context menu: "钉住" by entry kind, and the signal of each action.
#include "actions/list_context_menu.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QMenu>
#include <QWidget>

namespace {

QStringList Texts(const QMenu* menu)
{
    QStringList texts;
    for (const QAction* action : menu->actions())
        texts << action->text();
    return texts;
}

class ListContextMenu : public ::testing::Test {
protected:
    QWidget window;
    list_context_menu builder { &window, false };
};

TEST_F(ListContextMenu, FileRowHasNoPinAndTextOrImageRowsGetItBackBeforeCollect)
{
    builder.PrepareFor(2);
    builder.PrepareFor(2);
    EXPECT_FALSE(Texts(builder.menu()).contains(QStringLiteral("钉住")));
    for (std::int64_t type : { 0, 1 }) {
        builder.PrepareFor(type);
        const QStringList texts = Texts(builder.menu());
        EXPECT_EQ(texts.count(QStringLiteral("钉住")), 1);
        EXPECT_EQ(texts.indexOf(QStringLiteral("钉住")) + 1, texts.indexOf(QStringLiteral("收藏")));
    }
}

TEST_F(ListContextMenu, EveryActionReportsItselfAndBelongsToTheWindow)
{
    std::vector<list_action> seen;
    QObject::connect(&builder, &list_context_menu::triggered,
        [&seen](list_action action) { seen.push_back(action); });
    for (const list_menu_entry& entry : list_menu_entries::Entries()) {
        QAction* action = builder.action(entry.action);
        ASSERT_NE(action, nullptr);
        EXPECT_EQ(action->parent(), &window);
        action->trigger();
        ASSERT_FALSE(seen.empty());
        EXPECT_EQ(seen.back(), entry.action);
    }
    EXPECT_EQ(seen.size(), list_menu_entries::Entries().size());
}

} // namespace
