#pragma once

#include "core/texts/unicode.h"

namespace vantrell::planner {

// Messages quote names as the texts do.
using texts::Quoted;

}  // namespace vantrell::planner
