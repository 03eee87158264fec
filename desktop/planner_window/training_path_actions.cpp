// The window's training path: one dialog per planner window, made on first use.
#include <QAction>

#include "core/texts/captions.h"
#include "desktop/planner_window/class_planner_window.h"
#include "desktop/planner_window/training_path_dialog.h"
#include "desktop/toolkit/qt_text.h"

namespace vantrell::planner_window {

void ClassPlannerWindow::BuildTrainingPathAction() {
    trainingPathAction_ = new QAction(toolkit::ToQString(texts::captions::kTrainingPathCommand), this);
    trainingPathAction_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_T));
    trainingPathAction_->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    addAction(trainingPathAction_);
    connect(trainingPathAction_, &QAction::triggered, this, &ClassPlannerWindow::ShowTrainingPath);
}

TrainingPathDialog* ClassPlannerWindow::ShowTrainingPath() {
    if (trainingPath_ == nullptr) trainingPath_ = new TrainingPathDialog(session_, planner_, this);
    trainingPath_->show();
    trainingPath_->raise();
    trainingPath_->activateWindow();
    return trainingPath_;
}

}  // namespace vantrell::planner_window
