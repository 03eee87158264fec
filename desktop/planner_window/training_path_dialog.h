#pragma once

#include <QDialog>
#include <vector>

#include "core/planner/planner.h"
#include "core/planner/session.h"
#include "core/planner/training_path.h"
#include "core/planner/training_path_view.h"

class QLabel;
class QListWidget;
class QPushButton;

namespace vantrell::toolkit {
class ReadingTable;
}

namespace vantrell::planner_window {

// How to train from level 6 to one class's plan, in the priority the session
// keeps for the class. It follows its planner: the planner window calls Follow
// after every change.
class TrainingPathDialog : public QDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TrainingPathDialog)

public:
    // `session` and `planner` must outlive the dialog; the planner window sees to that.
    TrainingPathDialog(planner::Session& session, const planner::Planner& planner, QWidget* parent = nullptr);
    ~TrainingPathDialog() override;

    planner::TrainingPriority priority() const;
    const std::vector<planner::TrainingStep>& path() const { return path_; }

    void Follow();
    // Moves the selected line of the priority list by `offset` places, if it can go there.
    void MoveSelected(int offset);
    void CopyAsText() const;

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* BuildPriorityPanel();
    QWidget* BuildTable();
    void RenderPriority(std::size_t selectedRow);
    void RenderTable();
    void FillStepRow(int row, const planner::PathRowView& shown);
    void UpdateMoveButtons();
    QSize FittingSize() const;

    planner::Session& session_;
    const planner::Planner& planner_;
    std::vector<planner::TrainingStep> path_;
    QLabel* heading_ = nullptr;
    QLabel* completeFrom_ = nullptr;
    QListWidget* priorityList_ = nullptr;
    QPushButton* moveUp_ = nullptr;
    QPushButton* moveDown_ = nullptr;
    toolkit::ReadingTable* table_ = nullptr;
};

}  // namespace vantrell::planner_window
