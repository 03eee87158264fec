#pragma once

#include <span>
#include <string>

#include "core/catalog/records.h"
#include "core/planner/training_path.h"

namespace vantrell::scenario {

// A training path as the `path` line of a scenario.
std::string TrainingPathJson(const catalog::ClassDefinition& definition, std::span<const planner::TrainingStep> path);

}  // namespace vantrell::scenario
