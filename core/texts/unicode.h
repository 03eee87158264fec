#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// What the program needs of Unicode to compare, cut and quote what users type.
namespace vantrell::texts {

// The code points of UTF-8 text; nothing for text that is not UTF-8.
std::optional<std::vector<char32_t>> CodePoints(std::string_view text);

// Whether `text` is UTF-8 throughout: no stray, overlong or surrogate sequence, nothing beyond U+10FFFF.
bool IsUtf8(std::string_view text);

// How many code points UTF-8 `text` holds: the places it takes in a monospaced font in the scripts shown here.
std::size_t CodePointCount(std::string_view text);

// The first bytes of UTF-8 `text` that hold at most `points` code points.
std::string_view FirstCodePoints(std::string_view text, std::size_t points);

// `text` with every letter Unicode folds simply folded, so that two names that
// differ only by case, in any script, fold alike: "ÄRMSMAN" and "ärmsman".
// Bytes that are not UTF-8 are kept as they are.
std::string CaseFolded(std::string_view text);
// A hash of `text` as CaseFolded gives it, and whether two texts fold alike,
// both worked out as they are read, with nothing allocated: a library finds a
// name among a hundred thousand this way.
std::size_t FoldedHash(std::string_view text);
bool FoldsAlike(std::string_view one, std::string_view other);

// Whether name `one` sorts before `other` as a reader expects: case aside in
// any script, and runs of digits by their value, so "Plan 9" before "plan 10".
bool SortsBefore(std::string_view one, std::string_view other);

// The most of what a user typed or pasted that a message quotes: every name and
// code part the program accepts fits whole.
inline constexpr std::size_t kLongestExcerpt = 80;
// `text` as a message quotes it, cut after kLongestExcerpt code points with "…".
std::string Excerpt(std::string_view text);
// A name as messages quote it: 'Mending', cut short like an excerpt.
std::string Quoted(std::string_view text);

}  // namespace vantrell::texts
