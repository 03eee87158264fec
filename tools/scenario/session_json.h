#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "core/planner/plan_code.h"

namespace vantrell::scenario {

// What `apply` prints: the class the code opened and the lines the rules kept lower.
std::string AppliedJson(std::string_view listName, const std::vector<planner::LoweredLine>& lowered);

// What a user's mistake prints, the script going on.
std::string ErrorJson(std::string_view reason);

// What `history` prints: the steps the current planner can undo and redo.
std::string HistoryJson(std::size_t undo, std::size_t redo);

}  // namespace vantrell::scenario
