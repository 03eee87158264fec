#pragma once

#include <string>
#include <string_view>

namespace vantrell::planner {

// A name as messages quote it: 'Mending'. Built by appending, which GCC 12's
// -O3 overlap check accepts where "'" + std::string(...) trips a false positive.
inline std::string Quoted(std::string_view text) {
    std::string quoted(1, '\'');
    quoted.append(text) += '\'';
    return quoted;
}

}  // namespace vantrell::planner
