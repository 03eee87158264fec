#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/planner/planner.h"

namespace vantrell::planner {

// Everything one line of a planner shows, as every front end renders it.
struct LineView {
    std::string_view stem;
    std::int16_t sliderValue = kSliderMinimum;
    std::int16_t sliderMinimum = kSliderMinimum;
    // As the planner holds it, which for a moment may lie below the minimum; a
    // widget that cannot take that shows the minimum instead.
    std::int16_t sliderMaximum = kSliderMinimum;
    bool sliderEnabled = true;  // the line is open and so is the frame around it
    bool lineOpen = true;
    std::string level;
    std::string points;
    std::string percent;
    std::string abilities;
    std::string tooltip;  // the abilities text's hint
};

// Everything a planner shows apart from its fixed layout.
struct PlannerView {
    const catalog::ClassDefinition* definition = nullptr;
    std::int16_t characterLevel = 0;
    std::string totalPoints;
    std::string pointsLeft;
    bool statsEnabled = true;
    std::vector<LineView> lines;
};

LineView LineViewOf(const Planner& planner, std::size_t line);
PlannerView ViewOf(const Planner& planner);

}  // namespace vantrell::planner
