#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/planner/training_path.h"

namespace vantrell::planner {

// One line's cell at one character level.
struct PathCellView {
    std::int16_t level = 0;
    std::string text;  // the level, after the rose marker where it rose
    bool rose = false;
    bool open = true;  // the line is open at this character level
};

// A line whose abilities changed at this level.
struct NewAbilityView {
    std::string_view stem;
    std::string abilities;  // the abilities text
    std::string text;       // "Caption: abilities"
};

struct PathRowView {
    std::int16_t characterLevel = 0;
    std::vector<PathCellView> cells;  // screen order
    std::string pointsLeft;
    long long wholePointsLeft = 0;  // the same, which is always a whole number
    std::vector<NewAbilityView> newAbilities;  // screen order
};

struct TrainingPathView {
    std::string intro;
    std::vector<PathRowView> rows;
};

TrainingPathView ViewOf(const Planner& planner, std::span<const TrainingStep> path);

// What hovering a cell tells: how far its line rose, or what opens a line not
// yet open; empty otherwise. Apart from the view, as only a pointer can hover.
std::string PathCellTooltip(const catalog::ClassDefinition& definition, std::span<const TrainingStep> path,
                            std::size_t step, std::size_t line);

}  // namespace vantrell::planner
