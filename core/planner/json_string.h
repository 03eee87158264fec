#pragma once

#include <string>
#include <string_view>

namespace vantrell::planner {

// Appends `text` as a JSON string, escaped exactly as the JSON library dumps UTF-8 text.
void AppendJsonString(std::string& document, std::string_view text);

}  // namespace vantrell::planner
