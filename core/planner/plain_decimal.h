#pragma once

#include <cstdint>
#include <string>

namespace vantrell::planner {

// Numbers as the window shows them: plain decimal, no decimal point for whole values.
std::string PlainDecimal(double value);
std::string PlainDecimal(std::int16_t value);

}  // namespace vantrell::planner
