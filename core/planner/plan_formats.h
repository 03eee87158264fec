#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "core/planner/plan_compare.h"
#include "core/planner/planner.h"

namespace vantrell::planner {

// The names of the forms a plan, its path or a comparison can be copied in.
inline constexpr std::string_view kFormatNames[] = {"text", "markdown", "bbcode", "html", "svg"};

// The plan in the form of that name: the aligned text of Copy Plan as Text, or a
// rendering of its table; nothing for a name that is not one of them.
// A saved plan's note follows the plan in every form.
std::optional<std::string> PlanInFormat(const Planner& planner, std::string_view format, std::string_view note = {});
// The plan's training path in that priority, likewise.
std::optional<std::string> PathInFormat(const Planner& planner, std::span<const std::size_t> priority,
                                        std::string_view format, std::string_view note = {});
std::optional<std::string> ComparisonInFormat(const PlanComparison& comparison, std::string_view format);

}  // namespace vantrell::planner
