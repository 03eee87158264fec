#include "planner/plain_decimal.h"

#include <array>
#include <charconv>
#include <cmath>

namespace vantrell::planner {

std::string PlainDecimal(double value) {
    std::array<char, 64> buffer{};
    const bool whole = std::isfinite(value) && std::trunc(value) == value;
    const auto result =
        whole ? std::to_chars(buffer.data(), buffer.data() + buffer.size(), value, std::chars_format::fixed, 0)
              : std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
    std::string text(buffer.data(), result.ptr);
    return text == "-0" ? "0" : text;
}

std::string PlainDecimal(std::int16_t value) { return std::to_string(value); }

}  // namespace vantrell::planner
