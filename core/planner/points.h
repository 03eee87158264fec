#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "core/catalog/records.h"

namespace vantrell::planner {

inline constexpr double kPointsAtLevelFive = 14.0;
inline constexpr std::int16_t kFirstPointsLevel = 6;
inline constexpr std::int16_t kLowestCharacterLevel = 6;
inline constexpr std::int16_t kHighestCharacterLevel = 50;
// No line level goes beyond this, whatever the points.
inline constexpr std::int16_t kHighestLineLevel = 101;

struct LinePlan {
    std::int16_t level = 1;
    std::int16_t pointsSpent = 0;
    std::int16_t sliderMaximum = 1;
};

struct PlannerState {
    std::int16_t characterLevel = 0;
    double totalPoints = 0;
    double pointsLeft = kPointsAtLevelFive;
    std::vector<LinePlan> lines;
};

double TotalPointsAtLevel(catalog::PointsRule rule, std::int16_t characterLevel);

// 2 + 3 + ... + level; a line at level 1 costs nothing.
std::int16_t LineCost(std::int16_t level);

double PercentOfTotal(std::int16_t pointsSpent, double totalPoints);

double PointsLeft(double totalPoints, std::span<const LinePlan> lines);

// Steps a slider at `level` may be raised with `pointsLeft`. The test charges
// the current level for the first step, so the result may allow one level more
// than the points pay for; the over-budget rule takes the slider back.
std::int16_t AffordableSteps(std::int16_t level, double pointsLeft);

// The highest slider position a cap allows at a character level; none for LineCap::None.
std::int16_t CappedMaximum(catalog::LineCap cap, std::int16_t characterLevel, std::int16_t maximum);

}  // namespace vantrell::planner
