#include "widgets/fold_rule.h"

#include <gtest/gtest.h>

namespace {

TEST(FoldRule, NarrowerThan500FoldsWiderUnfoldsExactly500KeepsAndOffNeverChanges)
{
    EXPECT_EQ(fold_rule::NextFolded(499, false, true), true);
    EXPECT_EQ(fold_rule::NextFolded(500, false, true), std::nullopt);
    EXPECT_EQ(fold_rule::NextFolded(500, true, true), std::nullopt);
    EXPECT_EQ(fold_rule::NextFolded(501, true, true), false);
    EXPECT_EQ(fold_rule::NextFolded(400, true, true), std::nullopt); // already there
    EXPECT_EQ(fold_rule::NextFolded(900, false, true), std::nullopt);
    EXPECT_EQ(fold_rule::NextFolded(400, false, false), std::nullopt);
    EXPECT_EQ(fold_rule::NextFolded(900, true, false), std::nullopt);
}

TEST(FoldRule, ChangedSettingsFoldBelow500OnlyWithAutoFold)
{
    EXPECT_TRUE(fold_rule::FoldedAfterSettings(499, true));
    EXPECT_FALSE(fold_rule::FoldedAfterSettings(500, true));
    EXPECT_FALSE(fold_rule::FoldedAfterSettings(499, false));
}

} // namespace
