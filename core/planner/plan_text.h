#pragma once

#include <string>

#include "core/planner/planner.h"

namespace vantrell::planner {

// The plan as plain text for a monospaced forum post: a heading block, then
// one aligned row per line.
std::string PlanAsText(const Planner& planner);

}  // namespace vantrell::planner
