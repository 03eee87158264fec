#pragma once

#include <string>

#include "core/planner/training_path_view.h"

namespace vantrell::scenario {

// A training path as the `path` line of a scenario.
std::string TrainingPathJson(const planner::TrainingPathView& view);

}  // namespace vantrell::scenario
