#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "core/planner/plan_compare.h"
#include "core/planner/planner.h"
#include "core/planner/table_rendering.h"

namespace vantrell::planner {

// The names of the forms a plan, its path or a comparison can be copied in: the aligned text, then each rendering.
inline constexpr auto kFormatNames = [] {
    std::array<std::string_view, 1 + kTableFormats.size()> names{"text"};
    for (std::size_t format = 0; format < kTableFormats.size(); ++format) names[format + 1] = kTableFormats[format].first;
    return names;
}();

// The plan in the form of that name: the aligned text of Copy Plan as Text, or a
// rendering of its table; nothing for a name that is not one of them.
// A saved plan's note follows the plan in every form.
std::optional<std::string> PlanInFormat(const Planner& planner, std::string_view format, std::string_view note = {});
// The plan's training path in that priority, likewise.
std::optional<std::string> PathInFormat(const Planner& planner, std::span<const std::size_t> priority,
                                        std::string_view format, std::string_view note = {});
std::optional<std::string> ComparisonInFormat(const PlanComparison& comparison, std::string_view format);

}  // namespace vantrell::planner
