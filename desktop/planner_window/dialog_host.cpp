#include "desktop/planner_window/dialog_host.h"

#include <QAction>
#include <QWidget>

#include "core/texts/captions.h"
#include "desktop/planner_window/compare_dialog.h"
#include "desktop/planner_window/training_path_dialog.h"
#include "desktop/toolkit/window_action.h"

namespace vantrell::planner_window {
namespace {

template <class Dialog>
Dialog* Shown(Dialog*& dialog, QWidget& window, planner::Session& session, planner::Planner& planner) {
    if (dialog == nullptr) dialog = new Dialog(session, planner, &window);
    dialog->show();
    dialog->raise();
    dialog->activateWindow();
    return dialog;
}

}  // namespace

DialogHost::DialogHost(QWidget& window, planner::Session& session, planner::Planner& planner)
    : window_(window),
      session_(session),
      planner_(planner),
      trainingPathAction_(toolkit::AddWindowAction(window, texts::captions::kTrainingPathCommand,
                                                   QKeySequence(Qt::CTRL | Qt::Key_T))),
      compareAction_(toolkit::AddWindowAction(window, texts::captions::kCompareCommand, QKeySequence(Qt::CTRL | Qt::Key_K))) {
    QObject::connect(trainingPathAction_, &QAction::triggered, &window, [this] { ShowTrainingPath(); });
    QObject::connect(compareAction_, &QAction::triggered, &window, [this] { ShowCompare(); });
}

TrainingPathDialog* DialogHost::ShowTrainingPath() { return Shown(trainingPath_, window_, session_, planner_); }

CompareDialog* DialogHost::ShowCompare() { return Shown(compare_, window_, session_, planner_); }

void DialogHost::Follow() {
    if (trainingPath_ != nullptr && trainingPath_->isVisible()) trainingPath_->Follow();
    if (compare_ != nullptr && compare_->isVisible()) compare_->Follow();
}

QList<QAction*> DialogHost::actions() const { return {trainingPathAction_, compareAction_}; }

}  // namespace vantrell::planner_window
