// The search on patterns with and without borders.
#include "sync/kmp_search.h"

#include <gtest/gtest.h>

#include <string>

namespace {

const unsigned char* bytes(const std::string& s)
{
    return reinterpret_cast<const unsigned char*>(s.data());
}

TEST(KmpSearch, AgreesWithPlainSearchOnEveryShortText)
{
    constexpr auto npos = text_search::kmp_search::npos;
    EXPECT_EQ(text_search::kmp_search(bytes("ab"), 2).find(nullptr, 5), npos);
    EXPECT_EQ(text_search::kmp_search(bytes(""), 0).find(bytes("abc"), 3), npos);
    // All texts over {a,b} up to length 10 against patterns with borders.
    for (const std::string pattern :
        { "a", "aba", "abab", "abaab", "aab", "aaab", "bbab", "aabaaab" }) {
        text_search::kmp_search search(bytes(pattern), pattern.size());
        for (int length = 0; length <= 10; ++length)
            for (int bits = 0; bits < (1 << length); ++bits) {
                std::string text;
                for (int i = 0; i < length; ++i)
                    text += (bits >> i) & 1 ? 'b' : 'a';
                const auto expected = text.find(pattern);
                ASSERT_EQ(search.find(bytes(text), text.size()),
                    expected == std::string::npos ? npos : expected)
                    << pattern << " in " << text;
            }
    }
}

} // namespace
