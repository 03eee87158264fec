#pragma once

#include <string_view>

namespace vantrell::planner {

// What may surround a name or a code the user gave, and what JSON allows between its values.
inline constexpr std::string_view kBlanks = " \t\r\n";

inline bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

// `text` without the blanks around it.
inline std::string_view WithoutBlanks(std::string_view text) {
    const auto first = text.find_first_not_of(kBlanks);
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(kBlanks) - first + 1);
}

}  // namespace vantrell::planner
