#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "core/planner/planner.h"

namespace vantrell::planner {

// The names of the forms a plan can be copied in.
inline constexpr std::string_view kPlanFormatNames[] = {"text", "markdown", "bbcode", "html", "svg"};

// The plan in the form of that name: the aligned text of Copy Plan as Text, or a
// rendering of its table; nothing for a name that is not one of them.
std::optional<std::string> PlanInFormat(const Planner& planner, std::string_view format);

}  // namespace vantrell::planner
