#include "actions/flip_text.h"

#include <gtest/gtest.h>

namespace {

// Regression: reversing UTF-16 units split every emoji into two unpaired halves.
TEST(FlipText, KeepsSurrogatePairsTogether)
{
    EXPECT_EQ(FlipText(QString::fromUtf8("abc\xF0\x9F\x98\x80")),
        QString::fromUtf8("\xF0\x9F\x98\x80"
                          "cba"));
    EXPECT_EQ(FlipText(QString::fromUtf8("\xF0\x9F\x98\x80\xF0\x9F\x8E\x89")),
        QString::fromUtf8("\xF0\x9F\x8E\x89\xF0\x9F\x98\x80"));
    EXPECT_EQ(FlipText(QStringLiteral("中文abc")), QStringLiteral("cba文中"));
}

TEST(FlipText, EmptyAndLoneSurrogatesSurvive)
{
    EXPECT_EQ(FlipText(QString()), QString());
    // A lone high surrogate at the end, a lone low one at the start: each moves as one unit.
    QString odd;
    odd.append(QChar(0xDC00));
    odd.append(QLatin1Char('x'));
    odd.append(QChar(0xD83D));
    QString expected;
    expected.append(QChar(0xD83D));
    expected.append(QLatin1Char('x'));
    expected.append(QChar(0xDC00));
    EXPECT_EQ(FlipText(odd), expected);
    EXPECT_EQ(FlipText(FlipText(QString::fromUtf8("a\xF0\x9F\x98\x80z"))),
        QString::fromUtf8("a\xF0\x9F\x98\x80z"));
}

} // namespace
