#pragma once

#include <string>
#include <string_view>

#include "core/texts/unicode.h"

namespace vantrell::planner {

// A name as messages quote it: 'Mending', cut short when it is long. Built by appending,
// which GCC 12's -O3 overlap check accepts where "'" + std::string(...) trips a false positive.
inline std::string Quoted(std::string_view text) {
    std::string quoted(1, '\'');
    quoted.append(texts::Excerpt(text)) += '\'';
    return quoted;
}

}  // namespace vantrell::planner
