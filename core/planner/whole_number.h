#pragma once

#include <charconv>
#include <optional>
#include <string_view>

namespace vantrell::planner {

// `text` as a decimal int when all of it is one and it fits; nothing otherwise.
inline std::optional<int> ParseWholeNumber(std::string_view text) {
    int value = 0;
    const char* const end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    if (error != std::errc{} || stop != end) return std::nullopt;
    return value;
}

}  // namespace vantrell::planner
