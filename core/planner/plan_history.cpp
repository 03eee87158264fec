#include "core/planner/plan_history.h"

#include <utility>

namespace vantrell::planner {

void PlanHistory::KeepIfChanged(const Planner& planner, PlannerSnapshot before) {
    if (SamePlan(before.state, planner.state())) return;
    undo_.push_back(std::move(before));
    if (undo_.size() > kDepth) undo_.pop_front();
    redo_.clear();
}

bool PlanHistory::Undo(Planner& planner) {
    if (undo_.empty()) return false;
    redo_.push_back(planner.Snapshot());
    planner.Restore(std::move(undo_.back()));
    undo_.pop_back();
    return true;
}

bool PlanHistory::Redo(Planner& planner) {
    if (redo_.empty()) return false;
    undo_.push_back(planner.Snapshot());
    planner.Restore(std::move(redo_.back()));
    redo_.pop_back();
    return true;
}

}  // namespace vantrell::planner
