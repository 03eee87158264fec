#include "core/planner/plain_decimal.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <version>

namespace vantrell::planner {
namespace {

#if defined(__cpp_lib_to_chars)
std::string ShortestDecimal(double value, bool whole) {
    std::array<char, 64> buffer{};
    const auto result =
        whole ? std::to_chars(buffer.data(), buffer.data() + buffer.size(), value, std::chars_format::fixed, 0)
              : std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
    return std::string(buffer.data(), result.ptr);
}
#else
// Standard libraries without floating-point to_chars (the WebAssembly build's):
// the fewest significant digits that read back as the same value, which is
// what to_chars gives for the numbers a planner shows.
std::string ShortestDecimal(double value, bool whole) {
    std::array<char, 64> buffer{};
    if (whole) {
        const int length = std::snprintf(buffer.data(), buffer.size(), "%.0f", value);
        return std::string(buffer.data(), static_cast<std::size_t>(length));
    }
    int length = 0;
    for (int digits = 1; digits <= 17; ++digits) {
        length = std::snprintf(buffer.data(), buffer.size(), "%.*g", digits, value);
        if (std::strtod(buffer.data(), nullptr) == value) break;
    }
    return std::string(buffer.data(), static_cast<std::size_t>(length));
}
#endif

}  // namespace

std::string PlainDecimal(double value) {
    const bool whole = std::isfinite(value) && std::trunc(value) == value;
    const std::string text = ShortestDecimal(value, whole);
    return text == "-0" ? "0" : text;
}

// Integer to_chars rather than to_string, which some standard libraries (the
// WebAssembly build's) route through snprintf: a path's table formats hundreds.
std::string PlainDecimal(std::int16_t value) {
    std::array<char, 8> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
    return std::string(buffer.data(), result.ptr);
}

}  // namespace vantrell::planner
