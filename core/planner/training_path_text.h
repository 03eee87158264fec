#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/catalog/records.h"
#include "core/planner/planner.h"
#include "core/planner/training_path.h"

namespace vantrell::planner {

// The abilities a step brings, "Caption: text" for each changed line in screen order.
std::vector<std::string> NewAbilities(const catalog::ClassDefinition& definition, const TrainingStep& step);
// One of them, for the line's abilities text at its new level.
std::string NewAbilityText(const catalog::SpecLineDefinition& line, std::string_view abilities);

// What the path's view says above it, for a plan at `characterLevel`.
std::string TrainingPathIntro(std::int16_t characterLevel);
// What a page says beside the path's heading while the path is folded away.
std::string TrainingPathNote();

// The path as plain text for a monospaced forum post: a heading block, then
// one aligned row per character level, a marker beside every level that rose
// and one further row for each further new ability.
std::string TrainingPathAsText(const Planner& planner, std::span<const std::size_t> priority,
                               std::span<const TrainingStep> path);

}  // namespace vantrell::planner
