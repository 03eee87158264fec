#pragma once

#include <string>

#include "core/planner/record_json.h"

namespace vantrell::scenario {

// Keys in the order the driver's readers expect them.
using Json = planner::records::Json;

// One output line, written as every record's JSON is.
std::string JsonLine(const Json& json);

}  // namespace vantrell::scenario
