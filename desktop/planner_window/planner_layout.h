#pragma once

#include <span>
#include <vector>

#include "core/catalog/records.h"
#include "desktop/toolkit/twips.h"

namespace vantrell::planner_window {

using toolkit::TwipRect;

// Where a planner window puts its abilities texts and its rows, in twips.
// The three-line window is the reference; more lines are spaced evenly, and
// abilities texts that need more than one row of text push the frame down.
struct PlannerLayout {
    std::vector<TwipRect> abilities;
    TwipRect frame;
    std::vector<int> rowTops;  // within the frame
    int rowHeight = 0;
};

inline constexpr int kAbilitiesLeft = 2280;
inline constexpr int kAbilitiesTop = 480;
inline constexpr int kAbilitiesWidth = 5055;
inline constexpr int kPlannerClientHeight = 4770;

PlannerLayout LayoutPlanner(std::span<const int> abilitiesHeightsNeeded, int clientHeight = kPlannerClientHeight);
// The layout of a class's window at `dpi`, each abilities text as tall as the longest text its line can show.
PlannerLayout MeasuredLayout(const catalog::ClassDefinition& definition, int dpi);

}  // namespace vantrell::planner_window
