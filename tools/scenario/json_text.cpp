#include "tools/scenario/json_text.h"

namespace vantrell::scenario {

std::string JsonLine(const Json& json) { return json.dump(-1, ' ', false, Json::error_handler_t::replace); }

}  // namespace vantrell::scenario
