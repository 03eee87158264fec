#pragma once

#include <nlohmann/json.hpp>
#include <string>

#include "core/planner/plan_library.h"

// The records of record_fields.h as JSON, keys in the order described.
namespace vantrell::planner::records {

using Json = nlohmann::ordered_json;

Json JsonOf(const SavedPlan& plan);
Json JsonOf(const PlanLibrary& library);
// The same list written straight as compact text, as JsonText(JsonOf(library)) writes it,
// without a tree for each of what may be a hundred thousand plans.
std::string JsonTextOf(const PlanLibrary& library);

// Compact text, UTF-8 as it is; text that is not UTF-8 is shown with replacement characters rather than refused.
std::string JsonText(const Json& json);

}  // namespace vantrell::planner::records
