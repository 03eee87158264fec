// The window's comparison: one dialog per planner window, made on first use.
#include <QAction>

#include "core/texts/captions.h"
#include "desktop/planner_window/class_planner_window.h"
#include "desktop/planner_window/compare_dialog.h"
#include "desktop/toolkit/qt_text.h"

namespace vantrell::planner_window {

void ClassPlannerWindow::BuildCompareAction() {
    compareAction_ = new QAction(toolkit::ToQString(texts::captions::kCompareCommand), this);
    compareAction_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_K));
    compareAction_->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    addAction(compareAction_);
    connect(compareAction_, &QAction::triggered, this, &ClassPlannerWindow::ShowCompare);
}

CompareDialog* ClassPlannerWindow::ShowCompare() {
    if (compare_ == nullptr) compare_ = new CompareDialog(session_, planner_, this);
    compare_->show();
    compare_->raise();
    compare_->activateWindow();
    return compare_;
}

}  // namespace vantrell::planner_window
