#pragma once

#include <algorithm>
#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/planner/plan_formats.h"

// What each of vantrell-cli's commands writes, worked out from the core alone.
namespace vantrell::cli {

// What a command writes on standard output, or why it wrote nothing.
struct Outcome {
    std::string text;
    std::string fault;
};

// Every copy's form, and the driver's JSON line.
inline constexpr auto kOutputFormats = [] {
    std::array<std::string_view, planner::kFormatNames.size() + 1> names{};
    std::copy(planner::kFormatNames.begin(), planner::kFormatNames.end(), names.begin());
    names.back() = "json";
    return names;
}();

Outcome Show(std::string_view codeOrLink, std::string_view format);
Outcome Path(std::string_view codeOrLink, const std::vector<std::string>& priority, std::string_view format);
Outcome Compare(std::string_view codeA, std::string_view codeB, std::string_view format);
// Every realm's classes and lines, or one realm's; `format` is "text" or "json".
Outcome Classes(const std::optional<std::string>& realm, std::string_view format);

}  // namespace vantrell::cli
