#include "tools/scenario/session_json.h"

#include <nlohmann/json.hpp>

namespace vantrell::scenario {
namespace {

// Keys in the order the driver's readers expect them.
using Json = nlohmann::ordered_json;

// A reason may quote what the user gave, which need not be UTF-8.
std::string Line(const Json& json) { return json.dump(-1, ' ', false, Json::error_handler_t::replace); }

}  // namespace

std::string AppliedJson(std::string_view listName, const std::vector<planner::LoweredLine>& lowered) {
    Json lines = Json::array();
    for (const planner::LoweredLine& line : lowered) {
        lines.push_back({{"caption", line.caption}, {"requested", line.requested}, {"applied", line.applied}});
    }
    return Line({{"applied", listName}, {"lowered", std::move(lines)}});
}

std::string ErrorJson(std::string_view reason) { return Line({{"error", reason}}); }

std::string HistoryJson(std::size_t undo, std::size_t redo) { return Line({{"undo", undo}, {"redo", redo}}); }

}  // namespace vantrell::scenario
