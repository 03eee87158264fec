#pragma once

#include <cstddef>
#include <nlohmann/json.hpp>
#include <string_view>
#include <variant>

#include "core/planner/document_limits.h"

namespace vantrell::planner {

enum class JsonRefusal { kTooLarge, kTooDeep, kCutShort, kNotJson };

// The document, keys in the order read; or why it was refused. Depth and size
// are checked while it is read, before anything deeper or larger is built.
std::variant<nlohmann::ordered_json, JsonRefusal> ParseBoundedJson(std::string_view document);

}  // namespace vantrell::planner
