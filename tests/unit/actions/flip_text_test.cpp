#include "actions/flip_text.h"

#include <gtest/gtest.h>

namespace {

// Regression: reversing UTF-16 units split every emoji into two unpaired halves.
TEST(FlipText, ByCodePointKeepingSurrogatePairsTogether)
{
    const QString smile = QString::fromUtf8("\xF0\x9F\x98\x80");
    const QString party = QString::fromUtf8("\xF0\x9F\x8E\x89");
    EXPECT_EQ(FlipText("abc" + smile), smile + "cba");
    EXPECT_EQ(FlipText(smile + party), party + smile);
    EXPECT_EQ(FlipText(QStringLiteral("中文abc")), QStringLiteral("cba文中"));
    EXPECT_EQ(FlipText(QString()), QString());
    // A lone low surrogate at the start, a lone high one at the end: each moves as one unit.
    const QChar low(0xDC00), high(0xD83D);
    EXPECT_EQ(FlipText(QString(low) + 'x' + high), QString(high) + 'x' + low);
}

} // namespace
