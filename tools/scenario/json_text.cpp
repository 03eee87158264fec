#include "tools/scenario/json_text.h"

#include "core/planner/record_json.h"

namespace vantrell::scenario {

std::string JsonLine(const Json& json) { return planner::records::JsonText(json); }

}  // namespace vantrell::scenario
