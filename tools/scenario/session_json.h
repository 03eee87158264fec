#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "core/planner/plan_compare.h"
#include "core/planner/plan_library.h"
#include "core/planner/session.h"

namespace vantrell::scenario {

// What `apply` prints: the class the code opened and the lines the rules kept lower.
std::string AppliedJson(std::string_view listName, const planner::Session::Applied& applied);

// What `load` prints: the plan, its class and the lines the rules kept lower.
std::string LoadedJson(std::string_view name, std::string_view listName, const planner::Session::Applied& applied);

// What `compare` prints: both plans, their lines side by side, and the lines B's code could not reach.
std::string ComparisonJson(const planner::PlanComparison& comparison);

// What `plans` prints: every saved plan in the order saved, with why it cannot be opened.
std::string PlansJson(const planner::PlanLibrary& library);

// What `import` prints.
std::string ImportedJson(std::size_t plans, std::size_t unusable);

// A one-field answer, such as {"saved":"<name>"} or {"exported":3}.
std::string FieldJson(std::string_view key, std::string_view text);
std::string FieldJson(std::string_view key, std::size_t number);

// What `format` prints: the current plan in that form.
std::string FormatJson(std::string_view format, std::string_view text);
// What a user's mistake prints, the script going on.
std::string ErrorJson(std::string_view reason);

// What `history` prints: the steps the current planner can undo and redo.
std::string HistoryJson(std::size_t undo, std::size_t redo);

}  // namespace vantrell::scenario
