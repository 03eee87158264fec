#pragma once

#include <string_view>
#include <variant>
#include <vector>

#include "core/planner/plan_entry.h"

namespace vantrell::planner {

enum class JsonRefusal { kTooLarge, kTooDeep, kCutShort, kNotJson };

// A library's document as read: its own fields, with "plans" as an empty list
// when it was one, and the plan each of that list's entries holds, in order.
struct LibraryDocument {
    LibraryJson fields;
    std::vector<SavedPlan> plans;
};

// Reads a library's document, or says why not. Depth and size are checked while
// it is read, before anything deeper or larger is built. An entry of a plan's own
// fields alone becomes a plan without a tree being built for it: that is the
// entry the program writes, and a library may hold a hundred thousand.
std::variant<LibraryDocument, JsonRefusal> ReadLibraryDocument(std::string_view document);

}  // namespace vantrell::planner
