#pragma once

#include <optional>
#include <string_view>

#include "core/planner/plan_library.h"

// The records the front ends and the driver show, each described once, field
// by field, in the order shown. Every form a record takes (the driver's JSON,
// the page's objects) is derived from its description, so a field cannot be
// shown in one and forgotten in the other.
namespace vantrell::planner::records {

// A saved plan as a list shows it. Why it cannot be opened is given only when it cannot.
template <typename Fields>
void Describe(Fields& fields, const SavedPlan& plan) {
    fields("name", plan.name);
    fields("class", plan.definition == nullptr ? std::nullopt : std::optional<std::string_view>(plan.definition->listName));
    fields("level", plan.characterLevel);
    fields("code", plan.code);
    fields("usable", plan.usable());
    if (!plan.usable()) fields("reason", plan.fault);
}

// The members of a saved plan its description shows, and those it keeps out on
// purpose: together, every member. A member added to the record must be put in one.
inline constexpr std::string_view kSavedPlanShown[] = {"name", "definition", "characterLevel", "code", "fault"};
inline constexpr std::string_view kSavedPlanKeptOut[] = {"priority", "stored", "foreign"};

}  // namespace vantrell::planner::records
