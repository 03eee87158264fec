#pragma once

#include <nlohmann/json.hpp>

#include "core/planner/plan_library.h"

// How one saved plan is kept in a library's document.
namespace vantrell::planner {

// Keys stay in the order they were read, so a document written back reads as it did.
using LibraryJson = nlohmann::ordered_json;

// The text under `key` of a document or entry; empty when there is none.
std::string FieldText(const LibraryJson& document, const std::string& key);

// The plan an entry holds: any entry becomes one, with a name given where it has none that can be shown.
SavedPlan PlanOfEntry(const LibraryJson& entry);
// The entry as the document keeps it: what was read, with the plan's own fields as they are now.
LibraryJson EntryOfPlan(const SavedPlan& plan);

}  // namespace vantrell::planner
