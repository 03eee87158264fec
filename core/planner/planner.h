#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/catalog/records.h"
#include "core/planner/points.h"

namespace vantrell::planner {

// What one line's controls show: the slider's position and state and the
// captions the handlers wrote.
struct LineDisplay {
    std::int16_t sliderValue = 1;
    bool enabled = true;
    std::string level = "1";
    std::string points = "0";
    std::string percent = "0";
    std::string abilities;
};

struct PlannerDisplay {
    std::string pointsLeft;
    std::string totalPoints;
    bool statsFrameEnabled = true;
    std::vector<LineDisplay> lines;
};

inline constexpr std::int16_t kSliderMinimum = 1;

// Everything a user's actions change in a planner, so that it can be put back
// exactly as it was shown.
struct PlannerSnapshot {
    PlannerState state;
    PlannerDisplay display;
};

// Whether two snapshots hold the same plan: the character level and every line's level.
bool SamePlan(const PlannerState& one, const PlannerState& other);

// The whole behaviour of one class's planner window without a display. The
// sliders are modelled as the window relies on them: lowering a maximum below
// the value moves the value there and runs that line's change handling at once.
class Planner {
public:
    // Loads the planner: every line at 1, planned for level 50.
    explicit Planner(const catalog::ClassDefinition& definition);

    const catalog::ClassDefinition& definition() const { return definition_; }
    const PlannerState& state() const { return state_; }
    const PlannerDisplay& display() const { return display_; }

    PlannerSnapshot Snapshot() const { return {state_, display_}; }
    // Puts back a snapshot this class's planner took.
    void Restore(PlannerSnapshot snapshot);

    // The user picks a character level (6 to 50) in the level list.
    void ApplyLevelChange(std::int16_t characterLevel);

    // The user moves a line's slider to `value`, clamped to its range. A
    // disabled slider ignores it; returns whether the line's handling ran.
    bool MoveSlider(std::size_t line, int value);

    // What clicking the line's abilities label shows; nothing for a line without an explanation.
    const catalog::DescriptionMessage* ExplanationFor(std::size_t line) const;

    std::optional<std::size_t> LineIndexOf(std::string_view stem) const;
    bool SliderEnabled(std::size_t line) const;

private:
    void ApplyLineChange(std::size_t line);
    void UpdateLineMaximums();
    void UpdateLineMaximum(std::size_t line);
    void CloseLine(std::size_t line);
    void SetSliderMaximum(std::size_t line, std::int16_t maximum);
    void RecomputePointsLeft();
    std::vector<std::size_t> ResolveOrder(std::span<const std::string_view> stems) const;

    const catalog::ClassDefinition& definition_;
    std::vector<std::size_t> levelRefreshOrder_;
    std::vector<std::size_t> maximaOrder_;
    PlannerState state_;
    PlannerDisplay display_;
};

}  // namespace vantrell::planner
