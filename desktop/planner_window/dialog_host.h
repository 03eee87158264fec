#pragma once

#include <QList>

#include "core/planner/planner.h"
#include "core/planner/session.h"

class QAction;
class QWidget;

namespace vantrell::planner_window {

class CompareDialog;
class TrainingPathDialog;

// A planner window's Training Path and Compare dialogs: one of each per window,
// made on first use, following the window's plan while they are shown.
class DialogHost {
public:
    DialogHost(QWidget& window, planner::Session& session, planner::Planner& planner);

    // Opens the dialog, or brings it to the front.
    TrainingPathDialog* ShowTrainingPath();
    CompareDialog* ShowCompare();
    // The plan changed: the dialogs shown say so.
    void Follow();
    QList<QAction*> actions() const;

private:
    QWidget& window_;
    planner::Session& session_;
    planner::Planner& planner_;
    QAction* trainingPathAction_;
    QAction* compareAction_;
    TrainingPathDialog* trainingPath_ = nullptr;
    CompareDialog* compare_ = nullptr;
};

}  // namespace vantrell::planner_window
