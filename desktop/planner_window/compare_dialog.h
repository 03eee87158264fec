#pragma once

#include <QDialog>
#include <string>
#include <variant>
#include <vector>

#include "core/planner/plan_code.h"
#include "core/planner/plan_compare.h"
#include "core/planner/planner.h"
#include "core/planner/session.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace vantrell::toolkit {
class ReadingTable;
}

namespace vantrell::planner_window {

// One class's plan weighed against another of the same class: A is the planner
// window's plan, B a saved plan or a pasted code or link. It follows its
// planner: the planner window calls Follow after every change.
class CompareDialog : public QDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(CompareDialog)

public:
    // `session` and `planner` must outlive the dialog; the planner window sees to that.
    CompareDialog(const planner::Session& session, const planner::Planner& planner, QWidget* parent = nullptr);
    ~CompareDialog() override;

    // Plan B as a code or a link; a saved plan picked in the list puts its code here.
    void SetOtherPlan(const QString& codeOrLink);
    // Whether B is shown as the first side.
    bool swapped() const { return swapped_; }
    void Swap();
    void CopyAsText() const;
    void Follow();

protected:
    void showEvent(QShowEvent* event) override;

private:
    QWidget* BuildChooser();
    QWidget* BuildTable();
    void FillSavedPlans();
    void OnSavedPlanPicked(int index);
    std::variant<planner::PlanComparison, std::string> Compare() const;
    void SetHeadings(const planner::PlanComparison& comparison);
    void Render(const planner::PlanComparison& comparison);
    void FillRow(int row, const QStringList& cells, bool differs);
    QSize FittingSize() const;

    const planner::Session& session_;
    const planner::Planner& planner_;
    bool swapped_ = false;
    std::variant<planner::PlanComparison, std::string> shown_;
    QComboBox* savedPlans_ = nullptr;
    QLineEdit* otherPlan_ = nullptr;
    QLabel* note_ = nullptr;
    QPushButton* copy_ = nullptr;
    QPushButton* copyAs_ = nullptr;
    QPushButton* swap_ = nullptr;
    toolkit::ReadingTable* table_ = nullptr;
};

}  // namespace vantrell::planner_window
