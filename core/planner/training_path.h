#pragma once

#include <cstddef>
#include <cstdint>
#include <map>
#include <span>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "core/catalog/records.h"
#include "core/planner/planner.h"

namespace vantrell::planner {

// The order in which a player trains a class's lines: line indexes, the line
// trained first first. A valid order names every line exactly once.
using TrainingPriority = std::vector<std::size_t>;

TrainingPriority ScreenOrderPriority(const catalog::ClassDefinition& definition);

// The priority each class was given while the program runs; screen order until then.
class TrainingPriorities {
public:
    TrainingPriority Of(const catalog::ClassDefinition& definition) const;
    void Set(const catalog::ClassDefinition& definition, TrainingPriority priority);

private:
    std::map<const catalog::ClassDefinition*, TrainingPriority> chosen_;
};

// Why `priority` is not an order of every line of the class; empty when it is.
std::string PriorityFault(const catalog::ClassDefinition& definition, std::span<const std::size_t> priority);

// The priority a list of stems names, or why it is not a valid one.
std::variant<TrainingPriority, std::string> PriorityFromStems(const catalog::ClassDefinition& definition,
                                                              std::span<const std::string_view> stems);

// Where the training stands at one character level.
struct TrainingStep {
    std::int16_t characterLevel = 0;
    std::vector<std::int16_t> lineLevels;  // in screen order
    double pointsLeft = 0;
    // Lines whose abilities text changed at this level, in screen order.
    std::vector<std::size_t> changedLines;
};

// How to train from character level 6 up to the planner's level so that the
// planner's plan is reached there: at every level each line, in priority
// order, is raised as far as its opening, its plan, its cap and the points
// allow; nothing is ever untrained. One step per character level. Throws
// std::invalid_argument for an order PriorityFault rejects.
std::vector<TrainingStep> TrainingPath(const Planner& planner, std::span<const std::size_t> priority);

// A line's level one step before `step` (1 before the first step).
std::int16_t LevelBefore(std::span<const TrainingStep> path, std::size_t step, std::size_t line);

// Whether the line rose at `step`.
bool RoseAt(std::span<const TrainingStep> path, std::size_t step, std::size_t line);

}  // namespace vantrell::planner
