// The search on patterns with and without borders.
#include "sync/kmp_search.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

const unsigned char* bytes(const std::string& s)
{
    return reinterpret_cast<const unsigned char*>(s.data());
}

std::size_t find(const std::string& pattern, const std::string& text)
{
    return text_search::kmp_search(bytes(pattern), pattern.size()).find(bytes(text), text.size());
}

TEST(KmpSearch, MatchMustLieInsideTheRange)
{
    EXPECT_EQ(find("abcabd", "abcabcabd"), 3u);
    for (const char* text : { "xxabc", "abc", "" })
        EXPECT_EQ(find("abcd", text), text_search::kmp_search::npos) << text;
    EXPECT_EQ(
        text_search::kmp_search(bytes("ab"), 2).find(nullptr, 5), text_search::kmp_search::npos);
    // Empty and over-long patterns find nothing.
    EXPECT_EQ(find("", "abc"), text_search::kmp_search::npos);
    const std::string longer(text_search::kmp_search::max_pattern + 1, 'a');
    EXPECT_EQ(text_search::kmp_search(bytes(longer), longer.size()).pattern_length(), 0u);
}

TEST(KmpSearch, AgreesWithPlainSearchOnEveryShortText)
{
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
                    expected == std::string::npos ? text_search::kmp_search::npos : expected)
                    << pattern << " in " << text;
            }
    }
}

} // namespace
