#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "core/catalog/records.h"
#include "core/planner/planner.h"

// Checks that hold for every plan a user can reach. The arithmetic here is
// written independently of planner/points.cpp (closed forms, integers), so a
// fault in the planner's own arithmetic cannot hide behind the same fault here.
namespace vantrell::property {

// 2 + 3 + ... + level, in closed form.
long CostOf(int level);

// The total points of a class at a character level, in whole numbers.
long TotalAt(catalog::PointsRule rule, int characterLevel);

// The highest level a line at `level` can be raised to with `pointsLeft` points.
int HighestAffordable(int level, long pointsLeft);

// How many steps the slider of a line at `level` is given: each step is
// charged one point less than it costs, so the maximum may lie one level above
// what the points pay for.
int CountedSteps(int level, long pointsLeft);

// The highest slider maximum a line's cap allows, or a number above every level for an uncapped line.
int CapOf(const catalog::SpecLineDefinition& line, int characterLevel);

bool ClosedAt(const catalog::SpecLineDefinition& line, int characterLevel);

// What one line shows and holds, copied so that a plan can be compared with a later one.
struct LineSnapshot {
    int level = 0;
    int maximum = 0;
    bool enabled = false;
};

struct PlanSnapshot {
    int characterLevel = 0;
    long pointsLeft = 0;
    std::vector<LineSnapshot> lines;
};

PlanSnapshot SnapshotOf(const planner::Planner& planner);

// Every rule the plan breaks, one sentence each; empty when the plan is sound.
// `characterLevel` is the level the user picked last.
std::vector<std::string> BrokenInvariants(const planner::Planner& planner, int characterLevel);

// What a slider move may change: only the moved line, and that line lands on
// the position the user chose, or one below it when that position was one
// level too expensive. `value` is the position asked for, before clamping.
std::vector<std::string> BrokenSliderMove(const planner::Planner& planner, const PlanSnapshot& before, std::size_t line,
                                          int value);

// What a level pick may change: no line rises, and when no cap or closed line
// is involved, lines give up levels strictly in the class's refresh order,
// each only as far as needed.
std::vector<std::string> BrokenLevelPick(const planner::Planner& planner, const PlanSnapshot& before);

}  // namespace vantrell::property
