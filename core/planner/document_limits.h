#pragma once

#include <cstddef>

namespace vantrell::planner {

// Documents that users and other programs hand the program are read within
// these: far beyond any real library, and short of what could exhaust a
// stack, a tab or the memory while the document is built. A library of a
// hundred thousand plans, as the program writes it, takes about 18 MB: it must
// read back.
inline constexpr std::size_t kDeepestDocument = 64;
inline constexpr std::size_t kLargestDocument = std::size_t{64} << 20;

}  // namespace vantrell::planner
