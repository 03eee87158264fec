#pragma once

#include <nlohmann/json.hpp>
#include <string>

namespace vantrell::scenario {

// Keys in the order the driver's readers expect them.
using Json = nlohmann::ordered_json;

// One output line: compact, UTF-8 as it is; a text the user gave that is not
// UTF-8 is shown with replacement characters rather than refused.
std::string JsonLine(const Json& json);

}  // namespace vantrell::scenario
