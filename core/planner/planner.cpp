#include "core/planner/planner.h"

#include <algorithm>
#include <numeric>
#include <stdexcept>

#include "core/catalog/abilities.h"
#include "core/planner/checked.h"
#include "core/planner/plain_decimal.h"
#include "core/planner/points.h"

namespace vantrell::planner {

using catalog::SpecLineDefinition;

Planner::Planner(const catalog::ClassDefinition& definition)
    : definition_(definition),
      levelRefreshOrder_(ResolveOrder(definition.levelRefreshOrder)),
      maximaOrder_(ResolveOrder(definition.maximaOrder)) {
    state_.lines.resize(definition.lines.size());
    display_.lines.resize(definition.lines.size());
    display_.statsFrameEnabled = !definition.statsFrameStartsDisabled;
    display_.pointsLeft = PlainDecimal(state_.pointsLeft);
    // The level list selects its last entry, which runs the level handling,
    // and the load runs it once more; both leave the same plan.
    ApplyLevelChange(kHighestCharacterLevel);
    ApplyLevelChange(kHighestCharacterLevel);
}

bool SamePlan(const PlannerState& one, const PlannerState& other) {
    return one.characterLevel == other.characterLevel &&
           std::equal(one.lines.begin(), one.lines.end(), other.lines.begin(), other.lines.end(),
                      [](const LinePlan& a, const LinePlan& b) { return a.level == b.level; });
}

void Planner::Restore(PlannerSnapshot snapshot) {
    if (snapshot.state.lines.size() != state_.lines.size() || snapshot.display.lines.size() != display_.lines.size()) {
        throw std::invalid_argument("a snapshot of another class's planner");
    }
    state_ = std::move(snapshot.state);
    display_ = std::move(snapshot.display);
}

std::vector<std::size_t> Planner::ResolveOrder(std::span<const std::string_view> stems) const {
    std::vector<std::size_t> order;
    if (stems.empty()) {
        order.resize(definition_.lines.size());
        std::iota(order.begin(), order.end(), std::size_t{0});
        return order;
    }
    for (std::string_view stem : stems) {
        const auto index = LineIndexOf(stem);
        if (!index) throw std::logic_error("line order names an unknown stem: " + std::string(stem));
        order.push_back(*index);
    }
    return order;
}

std::optional<std::size_t> Planner::LineIndexOf(std::string_view stem) const {
    return catalog::LineIndexOf(definition_, stem);
}

bool Planner::SliderEnabled(std::size_t line) const {
    return display_.statsFrameEnabled && display_.lines.at(line).enabled;
}

const catalog::DescriptionMessage* Planner::ExplanationFor(std::size_t line) const {
    return definition_.lines[line].description;
}

void Planner::ApplyLevelChange(std::int16_t characterLevel) {
    if (characterLevel < kLowestCharacterLevel || characterLevel > kHighestCharacterLevel) {
        throw std::invalid_argument("character level outside the level list");
    }
    state_.characterLevel = characterLevel;
    state_.totalPoints = TotalPointsAtLevel(definition_.pointsRule, characterLevel);
    RecomputePointsLeft();
    display_.totalPoints = PlainDecimal(state_.totalPoints);
    display_.statsFrameEnabled = true;
    UpdateLineMaximums();
    for (std::size_t line : levelRefreshOrder_) ApplyLineChange(line);
}

bool Planner::MoveSlider(std::size_t line, int value) {
    if (!SliderEnabled(line)) return false;
    const int maximum = std::max<int>(state_.lines[line].sliderMaximum, kSliderMinimum);
    const auto position = static_cast<std::int16_t>(std::clamp(value, int{kSliderMinimum}, maximum));
    LineDisplay& controls = display_.lines[line];
    if (position == controls.sliderValue) return false;
    controls.sliderValue = position;
    ApplyLineChange(line);
    return true;
}

// Re-entrant: the over-budget step and the maxima update may run this again,
// nested, so every step reads the state afresh instead of keeping copies.
void Planner::ApplyLineChange(std::size_t line) {
    const SpecLineDefinition& definition = definition_.lines[line];
    LinePlan& plan = state_.lines[line];
    LineDisplay& controls = display_.lines[line];

    plan.level = controls.sliderValue;
    plan.pointsSpent = LineCost(plan.level);
    controls.level = PlainDecimal(plan.level);
    controls.points = PlainDecimal(plan.pointsSpent);
    controls.percent = PlainDecimal(PercentOfTotal(plan.pointsSpent, state_.totalPoints));
    RecomputePointsLeft();

    if (state_.pointsLeft < 0) SetSliderMaximum(line, CheckedAdd(plan.sliderMaximum, -1));

    if (definition.abilitiesKind && !definition.availableText) {
        controls.abilities = catalog::AbilitiesTextFor(definition, plan.level);
    }
    UpdateLineMaximums();
}

void Planner::UpdateLineMaximums() {
    for (std::size_t line : maximaOrder_) UpdateLineMaximum(line);
}

void Planner::UpdateLineMaximum(std::size_t line) {
    const SpecLineDefinition& definition = definition_.lines[line];
    if (definition.availableFromLevel > 1) {
        if (state_.characterLevel < definition.availableFromLevel) {
            CloseLine(line);
            return;
        }
        display_.lines[line].enabled = true;
    }
    if (definition.availableText) display_.lines[line].abilities = *definition.availableText;

    const LinePlan& plan = state_.lines[line];
    const std::int16_t affordable = CheckedAdd(plan.level, AffordableSteps(plan.level, state_.pointsLeft));
    SetSliderMaximum(line, CappedMaximum(definition.cap, state_.characterLevel, affordable));
}

// A closed line counts nothing: its slider goes back to 1 without raising its
// handling, and the points left are shown without it at once.
#if defined(__GNUC__) && !defined(__clang__)
#pragma GCC diagnostic push
// GCC 12 at -O3 sees an overlap in the inlined short-string assignments below that cannot happen.
#pragma GCC diagnostic ignored "-Wrestrict"
#endif
void Planner::CloseLine(std::size_t line) {
    LinePlan& plan = state_.lines[line];
    LineDisplay& controls = display_.lines[line];
    controls.enabled = false;
    controls.sliderValue = kSliderMinimum;
    plan.level = kSliderMinimum;
    plan.pointsSpent = 0;
    controls.level = "1";
    controls.points = "0";
    controls.percent = "0";
    controls.abilities.clear();
    RecomputePointsLeft();
}
#if defined(__GNUC__) && !defined(__clang__)
#pragma GCC diagnostic pop
#endif

// Below the minimum the slider stays at 1 and raises nothing.
void Planner::SetSliderMaximum(std::size_t line, std::int16_t maximum) {
    state_.lines[line].sliderMaximum = maximum;
    const std::int16_t reachable = std::max(maximum, kSliderMinimum);
    LineDisplay& controls = display_.lines[line];
    if (controls.sliderValue > reachable) {
        controls.sliderValue = reachable;
        ApplyLineChange(line);
    }
}

void Planner::RecomputePointsLeft() {
    state_.pointsLeft = PointsLeft(state_.totalPoints, state_.lines);
    display_.pointsLeft = PlainDecimal(state_.pointsLeft);
}

}  // namespace vantrell::planner
