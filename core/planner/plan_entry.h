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
// The plan of an entry of a plan's own fields alone, each of its own type, in the order written.
SavedPlan PlanOfPlainEntry(std::string name, std::string code, std::vector<std::string> priority);
// The entry as the document keeps it: what was read, with the plan's own fields as they are now.
LibraryJson EntryOfPlan(const SavedPlan& plan);

// Appends the entry as the library's document writes it, indented as an entry of its list.
// The document is written as the JSON library dumps it with an indent of two, but
// without building a tree for the plans that hold their own fields alone.
void AppendEntry(std::string& document, const SavedPlan& plan);
// Appends `text`, written as the JSON library dumps it, with every line after its first indented by `indent`.
void AppendIndented(std::string& document, std::string_view text, std::size_t indent);

}  // namespace vantrell::planner
