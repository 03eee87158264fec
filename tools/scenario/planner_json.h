#pragma once

#include <string>

#include "core/catalog/records.h"
#include "core/planner/planner.h"

namespace vantrell::scenario {

// One planner as the `show` line of a scenario.
std::string PlannerJson(const planner::Planner& planner);

// What clicking an abilities label shows, as the `click` line of a scenario.
std::string MessageJson(const catalog::DescriptionMessage* message);

}  // namespace vantrell::scenario
