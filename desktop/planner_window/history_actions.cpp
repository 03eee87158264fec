// The window's undo and redo, every gesture being a step of the session's history for this planner.
#include <QAction>

#include "core/texts/desktop_texts.h"
#include "desktop/planner_window/class_planner_window.h"
#include "desktop/toolkit/qt_text.h"

namespace vantrell::planner_window {

void ClassPlannerWindow::BuildHistoryActions() {
    undoAction_ = new QAction(toolkit::ToQString(texts::desktop::kUndo), this);
    undoAction_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    redoAction_ = new QAction(toolkit::ToQString(texts::desktop::kRedo), this);
    // Both are taken on every desktop, whichever the platform's own convention is.
    redoAction_->setShortcuts({QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
    for (QAction* action : {undoAction_, redoAction_}) {
        action->setShortcutContext(Qt::WidgetWithChildrenShortcut);
        action->setEnabled(false);
        addAction(action);
    }
    connect(undoAction_, &QAction::triggered, this, &ClassPlannerWindow::Undo);
    connect(redoAction_, &QAction::triggered, this, &ClassPlannerWindow::Redo);
}

void ClassPlannerWindow::Undo() {
    if (session_.Undo(planner_)) Render();
}

void ClassPlannerWindow::Redo() {
    if (session_.Redo(planner_)) Render();
}

}  // namespace vantrell::planner_window
