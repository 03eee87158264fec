#pragma once

#include <QList>
#include <functional>
#include <vector>

#include "core/planner/plan_code.h"
#include "core/planner/plan_library.h"
#include "core/planner/session.h"

class QAction;
class QWidget;

namespace vantrell::planner_window {

class ClassPlannerWindow;

// A planner window's Save Plan and Plans. The program keeps the saved plans:
// the window offers them only once it is given commands that keep them.
class SavedPlanCommands {
public:
    struct Commands {
        std::function<void(ClassPlannerWindow& window)> savePlan;
        std::function<void()> showPlans;
    };

    SavedPlanCommands(ClassPlannerWindow& window, planner::Session& session, std::function<void()> changed);

    void SetCommands(Commands commands);
    // Sets the class's priority from a saved plan and applies its code, as one step; the lines it had to lower.
    std::vector<planner::LoweredLine> Load(const planner::SavedPlan& plan);
    QList<QAction*> actions() const;

private:
    planner::Session& session_;
    std::function<void()> changed_;
    Commands commands_;
    QAction* save_;
    QAction* plans_;
};

}  // namespace vantrell::planner_window
