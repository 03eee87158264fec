#pragma once

#include <optional>
#include <string_view>
#include <vector>

#include "core/planner/plan_entry.h"

namespace vantrell::planner {

// The plans of a document in the one shape the program writes: `format`, version
// 1 and a list of plain entries, no text escaped; nothing for any other document,
// which the general reader takes. What it reads is what the general reader would,
// several times sooner: a library of a hundred thousand plans is read in this shape.
std::optional<std::vector<SavedPlan>> ReadPlainLibrary(std::string_view document, std::string_view format);

}  // namespace vantrell::planner
