#pragma once

#include <string>
#include <string_view>

namespace vantrell::scenario {

// `text` as a JSON string literal, quotes included; UTF-8 passes through.
std::string JsonString(std::string_view text);

}  // namespace vantrell::scenario
