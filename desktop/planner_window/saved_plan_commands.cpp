#include "desktop/planner_window/saved_plan_commands.h"

#include <QAction>

#include "core/texts/desktop_texts.h"
#include "desktop/planner_window/class_planner_window.h"
#include "desktop/toolkit/window_action.h"

namespace vantrell::planner_window {

SavedPlanCommands::SavedPlanCommands(ClassPlannerWindow& window, planner::Session& session,
                                     std::function<void()> changed)
    : session_(session),
      changed_(std::move(changed)),
      save_(toolkit::AddWindowAction(window, texts::desktop::kSavePlan, QKeySequence::Save)),
      plans_(toolkit::AddWindowAction(window, texts::desktop::kPlans, QKeySequence::Open)) {
    save_->setVisible(false);
    plans_->setVisible(false);
    QObject::connect(save_, &QAction::triggered, &window, [this, &window] {
        if (commands_.savePlan) commands_.savePlan(window);
    });
    QObject::connect(plans_, &QAction::triggered, &window, [this] {
        if (commands_.showPlans) commands_.showPlans();
    });
}

void SavedPlanCommands::SetCommands(Commands commands) {
    commands_ = std::move(commands);
    save_->setVisible(static_cast<bool>(commands_.savePlan));
    plans_->setVisible(static_cast<bool>(commands_.showPlans));
}

std::vector<planner::LoweredLine> SavedPlanCommands::Load(const planner::SavedPlan& plan) {
    auto loaded = session_.Load(plan);
    changed_();
    return std::move(loaded.lowered);
}

QList<QAction*> SavedPlanCommands::actions() const { return {save_, plans_}; }

}  // namespace vantrell::planner_window
