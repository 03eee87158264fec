#pragma once

#include <QDialog>
#include <vector>

#include "core/planner/planner.h"
#include "core/planner/training_path.h"

class QLabel;
class QListWidget;
class QPushButton;
class QTableWidget;

namespace vantrell::window {

// How to train from level 6 to one class's plan. It keeps the class's priority
// while the program runs and follows its planner: the planner window calls
// Follow after every change.
class TrainingPathDialog : public QDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TrainingPathDialog)

public:
    // `planner` must outlive the dialog; the planner window that owns both sees to that.
    explicit TrainingPathDialog(const planner::Planner& planner, QWidget* parent = nullptr);
    ~TrainingPathDialog() override;

    const planner::TrainingPriority& priority() const { return priority_; }
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
    void FillStepRow(int row);
    void UpdateMoveButtons();
    void FitAbilitiesColumn();
    QSize FittingSize() const;

    const planner::Planner& planner_;
    planner::TrainingPriority priority_;
    std::vector<planner::TrainingStep> path_;
    QLabel* heading_ = nullptr;
    QListWidget* priorityList_ = nullptr;
    QPushButton* moveUp_ = nullptr;
    QPushButton* moveDown_ = nullptr;
    QTableWidget* table_ = nullptr;
};

}  // namespace vantrell::window
