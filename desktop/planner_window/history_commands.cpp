#include "desktop/planner_window/history_commands.h"

#include <QAction>
#include <QWidget>

#include "core/texts/desktop_texts.h"
#include "desktop/toolkit/window_action.h"

namespace vantrell::planner_window {

HistoryCommands::HistoryCommands(QWidget& window, planner::Session& session, planner::Planner& planner,
                                 std::function<void()> changed)
    : session_(session),
      planner_(planner),
      changed_(std::move(changed)),
      undo_(toolkit::AddWindowAction(window, texts::desktop::kUndo, QKeySequence(Qt::CTRL | Qt::Key_Z))),
      // Both are taken on every desktop, whichever the platform's own convention is.
      redo_(toolkit::AddWindowAction(window, texts::desktop::kRedo, QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z))) {
    redo_->setShortcuts({QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
    QObject::connect(undo_, &QAction::triggered, &window, [this] { Undo(); });
    QObject::connect(redo_, &QAction::triggered, &window, [this] { Redo(); });
    Refresh();
}

void HistoryCommands::Undo() {
    if (session_.Undo(planner_)) changed_();
}

void HistoryCommands::Redo() {
    if (session_.Redo(planner_)) changed_();
}

void HistoryCommands::Refresh() {
    const planner::PlanHistory& history = session_.HistoryOf(planner_);
    undo_->setEnabled(history.undoCount() > 0);
    redo_->setEnabled(history.redoCount() > 0);
}

QList<QAction*> HistoryCommands::actions() const { return {undo_, redo_}; }

}  // namespace vantrell::planner_window
