#include "core/texts/unicode.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace vantrell::texts {
namespace {

std::string Utf8Of(char32_t point) {
    std::string text;
    if (point < 0x80) return std::string(1, static_cast<char>(point));
    const int trailing = point < 0x800 ? 1 : point < 0x10000 ? 2 : 3;
    const unsigned char leads[] = {0, 0xC0, 0xE0, 0xF0};
    text += static_cast<char>(leads[trailing] | (point >> (6 * trailing)));
    for (int shift = 6 * (trailing - 1); shift >= 0; shift -= 6) text += static_cast<char>(0x80 | ((point >> shift) & 0x3F));
    return text;
}

TEST(CaseFolded, FoldsLettersOfEveryScriptAlike) {
    const std::pair<const char*, const char*> alike[] = {
        {"ÄRMSMAN", "ärmsman"}, {"Ω", "ω"}, {"ΣΊΣΥΦΟΣ", "σίσυφος"}, {"ς", "σ"}, {"Ǆ", "ǆ"}, {"ǅ", "ǆ"},
        {"ẞ", "ß"}, {"ДРУЖИНА", "дружина"}, {"Ա", "ա"}, {"Ꭰ", "ꭰ"}, {"𐐀", "𐐨"}, {"Ａ", "ａ"}};
    for (const auto& [upper, lower] : alike) EXPECT_EQ(CaseFolded(upper), CaseFolded(lower)) << upper;
    for (const auto& [one, other] : {std::pair{"a", "b"}, std::pair{"ß", "ss"}, std::pair{"i", "ı"}}) {
        EXPECT_NE(CaseFolded(one), CaseFolded(other)) << one << " " << other;
    }
    EXPECT_EQ(CaseFolded("\xff" "A"), "\xff" "a") << "bytes that are no UTF-8 stay";
}

TEST(CaseFolded, FoldingTwiceChangesNothingForAnyCodePoint) {
    for (char32_t point = 1; point <= 0x10FFFF; ++point) {
        if (point >= 0xD800 && point <= 0xDFFF) continue;
        const std::string once = CaseFolded(Utf8Of(point));
        ASSERT_EQ(CaseFolded(once), once) << std::hex << static_cast<unsigned long>(point);
    }
}

TEST(SortsBefore, IgnoresCaseAndReadsNumbersByValue) {
    const std::vector<std::string> ordered = {"alpha", "plan 2", "Plan 9", "PLAN 10", "plan 011", "Plan 100",
                                              "plan 100 b", "Zulu", "Ω 3", "ω 20"};
    for (std::size_t at = 0; at + 1 < ordered.size(); ++at) {
        EXPECT_TRUE(SortsBefore(ordered[at], ordered[at + 1])) << ordered[at] << " before " << ordered[at + 1];
        EXPECT_FALSE(SortsBefore(ordered[at + 1], ordered[at])) << ordered[at + 1] << " after " << ordered[at];
    }
}

TEST(Excerpt, CutsLongTextAtACodePointAndKeepsEveryNameWhole) {
    EXPECT_EQ(Excerpt(std::string(80, 'x')), std::string(80, 'x'));
    EXPECT_EQ(Excerpt(std::string(81, 'x')), std::string(80, 'x') + "\u2026");
    const std::string emoji = "😀";
    std::string many;
    for (int at = 0; at < 100; ++at) many += emoji;
    const std::string cut = Excerpt(many);
    EXPECT_EQ(cut.substr(0, cut.size() - 3), std::string(many, 0, 80 * emoji.size()));
}

}  // namespace
}  // namespace vantrell::texts
