#pragma once

#include <cstdint>
#include <limits>
#include <stdexcept>

namespace vantrell::planner {

// Levels and costs are 16-bit; an overflow is a program error and must never wrap.
constexpr std::int16_t CheckedInt16(int value) {
    if (value < std::numeric_limits<std::int16_t>::min() || value > std::numeric_limits<std::int16_t>::max()) {
        throw std::overflow_error("16-bit overflow");
    }
    return static_cast<std::int16_t>(value);
}

constexpr std::int16_t CheckedAdd(std::int16_t a, std::int16_t b) { return CheckedInt16(int{a} + int{b}); }

}  // namespace vantrell::planner
