#include "core/planner/planner_view.h"

#include "core/planner/next_unlock.h"

namespace vantrell::planner {

LineView LineViewOf(const Planner& planner, std::size_t line) {
    const LineDisplay& shown = planner.display().lines[line];
    const LinePlan& plan = planner.state().lines[line];
    return {
        .stem = planner.definition().lines[line].stem,
        .sliderValue = shown.sliderValue,
        .sliderMinimum = kSliderMinimum,
        .sliderMaximum = plan.sliderMaximum,
        .sliderEnabled = planner.SliderEnabled(line),
        .lineOpen = shown.enabled,
        .level = shown.level,
        .points = shown.points,
        .percent = shown.percent,
        .abilities = shown.abilities,
        .tooltip = AbilitiesTooltip(planner.definition().lines[line], plan.level, shown.enabled),
    };
}

PlannerView ViewOf(const Planner& planner) {
    const PlannerDisplay& display = planner.display();
    PlannerView view{
        .definition = &planner.definition(),
        .characterLevel = planner.state().characterLevel,
        .totalPoints = display.totalPoints,
        .pointsLeft = display.pointsLeft,
        .statsEnabled = display.statsFrameEnabled,
        .lines = {},
    };
    view.lines.reserve(display.lines.size());
    for (std::size_t line = 0; line < display.lines.size(); ++line) view.lines.push_back(LineViewOf(planner, line));
    return view;
}

}  // namespace vantrell::planner
