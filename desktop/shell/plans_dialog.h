#pragma once

#include <QDialog>
#include <functional>
#include <string>

#include "core/planner/plan_library.h"
#include "desktop/shell/shell_seams.h"

class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

namespace vantrell::shell {

class PlanStore;

// The saved plans of every class, one row each, sortable by any column; it
// follows the store, whichever program changed it.
class PlansDialog : public QDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(PlansDialog)

public:
    // Opens a saved plan in its class's planner window.
    using PlanOpener = std::function<void(const planner::SavedPlan& plan)>;

    PlansDialog(PlanStore& store, ShellSeams seams, PlanOpener opener, QWidget* parent = nullptr);
    ~PlansDialog() override;

    QTreeWidget* list() const { return list_; }
    // The commands on the selected plan and on the whole library.
    void OpenSelected();
    void RenameSelected();
    void DeleteSelected();
    void EditSelectedNote();
    void ImportFile();
    void ExportFile();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Refresh();
    void UpdateButtons();
    void ShowNote(QTreeWidgetItem& item, const planner::SavedPlan& plan) const;
    // The selected plan's name; empty when none is selected.
    std::string SelectedName() const;
    void Select(const std::string& name);
    std::string NeighbourOfSelected() const;
    void Say(const std::string& text);

    PlanStore& store_;
    ShellSeams seams_;
    PlanOpener opener_;
    QTreeWidget* list_ = nullptr;
    QPushButton* open_ = nullptr;
    QPushButton* rename_ = nullptr;
    QPushButton* delete_ = nullptr;
    QPushButton* editNote_ = nullptr;
};

}  // namespace vantrell::shell
