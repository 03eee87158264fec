#pragma once

#include <QList>
#include <functional>

#include "core/planner/planner.h"
#include "core/planner/session.h"

class QAction;
class QWidget;

namespace vantrell::planner_window {

// A planner window's Undo and Redo: every gesture is a step of the session's history for its planner.
class HistoryCommands {
public:
    HistoryCommands(QWidget& window, planner::Session& session, planner::Planner& planner,
                    std::function<void()> changed);

    // Puts the plan back as it was before the last gesture, or puts that gesture back.
    void Undo();
    void Redo();
    // Offers each command only while there is a step to take.
    void Refresh();
    QList<QAction*> actions() const;

private:
    planner::Session& session_;
    planner::Planner& planner_;
    std::function<void()> changed_;
    QAction* undo_;
    QAction* redo_;
};

}  // namespace vantrell::planner_window
