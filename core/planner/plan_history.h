#pragma once

#include <cstddef>
#include <deque>
#include <utility>
#include <vector>

#include "core/planner/planner.h"

namespace vantrell::planner {

// One planner's undo and redo. A step is one user action that changed the
// plan; an action that left it as it was is no step.
class PlanHistory {
public:
    static constexpr std::size_t kDepth = 200;

    // Runs `action` on the planner as one step, however many lines it moves.
    template <typename Action>
    auto Record(Planner& planner, Action&& action) {
        PlannerSnapshot before = planner.Snapshot();
        auto result = action();
        KeepIfChanged(planner, std::move(before));
        return result;
    }

    // Puts the plan back as it was before the last step; false when there is none.
    bool Undo(Planner& planner);
    // Puts back the plan the last undone step made; false when there is none.
    bool Redo(Planner& planner);

    std::size_t undoCount() const { return undo_.size(); }
    std::size_t redoCount() const { return redo_.size(); }

private:
    void KeepIfChanged(const Planner& planner, PlannerSnapshot before);

    std::deque<PlannerSnapshot> undo_;
    std::vector<PlannerSnapshot> redo_;
};

}  // namespace vantrell::planner
