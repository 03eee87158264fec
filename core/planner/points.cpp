#include "core/planner/points.h"

#include <algorithm>
#include <cmath>

#include "core/planner/checked.h"

namespace vantrell::planner {

double TotalPointsAtLevel(catalog::PointsRule rule, std::int16_t characterLevel) {
    double total = kPointsAtLevelFive;
    for (std::int16_t level = kFirstPointsLevel; level <= characterLevel; level = CheckedAdd(level, 1)) {
        total = std::floor(total + rule.multiplier * level);
    }
    return total;
}

std::int16_t LineCost(std::int16_t level) {
    std::int16_t cost = 0;
    for (std::int16_t step = 2; step <= level; step = CheckedAdd(step, 1)) cost = CheckedAdd(cost, step);
    return cost;
}

double PercentOfTotal(std::int16_t pointsSpent, double totalPoints) {
    return std::floor(pointsSpent / totalPoints * 100.0);
}

double PointsLeft(double totalPoints, std::span<const LinePlan> lines) {
    double left = totalPoints;
    for (const LinePlan& line : lines) left -= line.pointsSpent;
    return left;
}

std::int16_t AffordableSteps(std::int16_t level, double pointsLeft) {
    // A step from level v reaches v + 1, so the last step counted starts one below the highest line level.
    constexpr std::int16_t kLastCountedLevel = kHighestLineLevel - 1;
    std::int16_t count = 0;
    std::int16_t sum = 0;
    for (std::int16_t step = level; step <= kLastCountedLevel; step = CheckedAdd(step, 1)) {
        sum = CheckedAdd(sum, step);
        if (static_cast<double>(sum) < pointsLeft) count = CheckedAdd(count, 1);
    }
    return count;
}

std::int16_t CappedMaximum(catalog::LineCap cap, std::int16_t characterLevel, std::int16_t maximum) {
    switch (cap) {
    case catalog::LineCap::None: return maximum;
    case catalog::LineCap::CharacterLevel: return std::min(maximum, characterLevel);
    case catalog::LineCap::HalfCharacterLevel: return std::min<std::int16_t>(maximum, characterLevel / 2);
    }
    return maximum;
}

}  // namespace vantrell::planner
