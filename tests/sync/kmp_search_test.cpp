// The shift table and the search on patterns with and without borders.
#include "sync/kmp_search.h"
#include "sync/wire_format.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

const unsigned char* bytes(const std::string& s)
{
    return reinterpret_cast<const unsigned char*>(s.data());
}

std::vector<std::uint64_t> shifts(const std::string& pattern)
{
    wstd::kmp_search search(bytes(pattern), pattern.size());
    std::vector<std::uint64_t> out;
    for (std::size_t j = 0; j < pattern.size(); ++j)
        out.push_back(search.shift(j));
    return out;
}

std::size_t find(const std::string& pattern, const std::string& text)
{
    wstd::kmp_search search(bytes(pattern), pattern.size());
    return search.find(bytes(text), text.size());
}

TEST(KmpSearch, ShiftTableOfMarkersWithDistinctBytes)
{
    wstd::kmp_search head(wire::head_magic_bytes, wire::head_size);
    EXPECT_EQ(head.shift(0), 1u);
    for (std::size_t j = 1; j < wire::head_size; ++j)
        EXPECT_EQ(head.shift(j), j);
}

TEST(KmpSearch, ShiftTableOfPatternsWithBorders)
{
    // Borders of prefixes of "aabaaab": a:0 aa:1 aab:0 aaba:1 aabaa:2 aabaaa:2
    EXPECT_EQ(shifts("aabaaab"), (std::vector<std::uint64_t> { 1, 1, 1, 3, 3, 3, 4 }));
    EXPECT_EQ(shifts("abab"), (std::vector<std::uint64_t> { 1, 1, 2, 2 }));
    EXPECT_EQ(shifts("aaaa"), (std::vector<std::uint64_t> { 1, 1, 1, 1 }));
    EXPECT_EQ(shifts("abcabd"), (std::vector<std::uint64_t> { 1, 1, 2, 3, 3, 3 }));
}

TEST(KmpSearch, FindsFirstOccurrenceWhereBordersOverlap)
{
    EXPECT_EQ(find("aabaaab", "aabaabaaab"), 3u);
    EXPECT_EQ(find("abab", "abaababab"), 3u);
    EXPECT_EQ(find("aaab", "aaaaaaab"), 4u);
    EXPECT_EQ(find("abcabd", "abcabcabd"), 3u);
    EXPECT_EQ(find("abc", "abc"), 0u);
    EXPECT_EQ(find("a", "bbba"), 3u);
}

TEST(KmpSearch, MatchMustLieInsideTheRange)
{
    EXPECT_EQ(find("abcd", "xxabc"), wstd::kmp_search::npos);
    EXPECT_EQ(find("abcd", "abc"), wstd::kmp_search::npos);
    EXPECT_EQ(find("abcd", ""), wstd::kmp_search::npos);
    wstd::kmp_search search(bytes("ab"), 2);
    EXPECT_EQ(search.find(nullptr, 5), wstd::kmp_search::npos);
}

TEST(KmpSearch, AgreesWithPlainSearchOnEveryShortText)
{
    // All texts over {a,b} up to length 10 against patterns with borders.
    for (const std::string pattern : { "aba", "abaab", "aab", "bbab" }) {
        wstd::kmp_search search(bytes(pattern), pattern.size());
        for (int length = 0; length <= 10; ++length)
            for (int bits = 0; bits < (1 << length); ++bits) {
                std::string text;
                for (int i = 0; i < length; ++i)
                    text += (bits >> i) & 1 ? 'b' : 'a';
                const auto expected = text.find(pattern);
                const auto got = search.find(bytes(text), text.size());
                ASSERT_EQ(got, expected == std::string::npos ? wstd::kmp_search::npos : expected)
                    << pattern << " in " << text;
            }
    }
}

TEST(KmpSearch, RejectsEmptyAndOverlongPatterns)
{
    wstd::kmp_search empty(bytes(""), 0);
    EXPECT_EQ(empty.find(bytes("abc"), 3), wstd::kmp_search::npos);
    const std::string longer(wstd::kmp_search::max_pattern + 1, 'a');
    wstd::kmp_search too_long(bytes(longer), longer.size());
    EXPECT_EQ(too_long.pattern_length(), 0u);
}

} // namespace
