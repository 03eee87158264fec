// The window's commands on the saved plans, which the program keeps: it offers
// them only when the program gives it a library to keep them in.
#include <QAction>

#include "core/texts/desktop_texts.h"
#include "desktop/planner_window/class_planner_window.h"
#include "desktop/toolkit/qt_text.h"

namespace vantrell::planner_window {

void ClassPlannerWindow::BuildLibraryActions() {
    savePlanAction_ = new QAction(toolkit::ToQString(texts::desktop::kSavePlan), this);
    savePlanAction_->setShortcut(QKeySequence::Save);
    plansAction_ = new QAction(toolkit::ToQString(texts::desktop::kPlans), this);
    plansAction_->setShortcut(QKeySequence::Open);
    for (QAction* action : {savePlanAction_, plansAction_}) {
        action->setShortcutContext(Qt::WidgetWithChildrenShortcut);
        action->setVisible(false);
        addAction(action);
    }
    connect(savePlanAction_, &QAction::triggered, this, [this] {
        if (libraryCommands_.savePlan) libraryCommands_.savePlan(*this);
    });
    connect(plansAction_, &QAction::triggered, this, [this] {
        if (libraryCommands_.showPlans) libraryCommands_.showPlans();
    });
}

void ClassPlannerWindow::SetLibraryCommands(LibraryCommands commands) {
    libraryCommands_ = std::move(commands);
    savePlanAction_->setVisible(static_cast<bool>(libraryCommands_.savePlan));
    plansAction_->setVisible(static_cast<bool>(libraryCommands_.showPlans));
}

std::vector<planner::LoweredLine> ClassPlannerWindow::LoadPlan(const planner::SavedPlan& plan) {
    auto loaded = session_.Load(plan);
    Render();
    return std::move(loaded.lowered);
}

}  // namespace vantrell::planner_window
