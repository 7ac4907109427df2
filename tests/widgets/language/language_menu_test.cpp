// The language menu: which choices ask for a change.
#include "app/language_menu.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QMenu>
#include <QWidget>
#include <vector>

namespace {

TEST(LanguageMenu, AsksOnlyForAnotherLanguage)
{
    QWidget window;
    language_menu menu(&window, 3, false);
    ASSERT_EQ(menu.menu()->actions().size(), 7);

    std::vector<int> asked;
    QObject::connect(
        &menu, &language_menu::changeRequested, [&](int code) { asked.push_back(code); });
    menu.menu()->actions()[3]->trigger(); // Japanese, in use
    menu.menu()->actions()[6]->trigger();
    EXPECT_EQ(asked, std::vector<int> { 6 });

    // A stored code outside 1 to 6 runs in English, which is then in use.
    language_menu unknown(&window, 9, false);
    QObject::connect(
        &unknown, &language_menu::changeRequested, [&](int code) { asked.push_back(code); });
    unknown.menu()->actions()[2]->trigger();
    unknown.menu()->actions()[0]->trigger();
    EXPECT_EQ(asked, (std::vector<int> { 6, 1 }));
}

} // namespace
