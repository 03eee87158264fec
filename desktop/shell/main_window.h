#pragma once

#include <QMainWindow>
#include <map>
#include <memory>
#include <string_view>

#include "core/catalog/records.h"
#include "core/planner/session.h"
#include "desktop/shell/shell_seams.h"

class QMdiArea;

namespace vantrell::planner_window {
class ClassPlannerWindow;
}

namespace vantrell::shell {

class FixedChildWindow;
class PlanStore;
class PlansDialog;
class SelectorPanel;

// The fixed-size main window holding the selector, the introduction and the
// planner windows as children.
class MainWindow : public QMainWindow {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(MainWindow)

public:
    explicit MainWindow(ShellSeams seams = DesktopSeams(), QWidget* parent = nullptr);
    ~MainWindow() override;

    QMdiArea* area() const { return area_; }
    // The planner window of a class, opening it on first use, placed right of the selector and brought to the front.
    FixedChildWindow* OpenPlanner(const catalog::ClassDefinition& definition);
    void ShowAbout();
    // Saves the window's plan under a name the user gives, asking before replacing one.
    void SavePlan(planner_window::ClassPlannerWindow& window);
    // The saved plans, made on first use and brought to the front.
    PlansDialog* ShowPlans();
    PlanStore& plans() const { return *store_; }

signals:
    // Every window is to be shown in the language of `code`: the program makes its main window again in it.
    void languageChosen(const QString& code);

protected:
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void HoldFixedSize();
    void BringToFront(FixedChildWindow* child);
    void OpenSavedPlan(const planner::SavedPlan& plan);

    ShellSeams seams_;
    // The planner windows show the session's planners, so it outlives them: see the destructor.
    planner::Session session_;
    std::unique_ptr<PlanStore> store_;
    PlansDialog* plansDialog_ = nullptr;
    SelectorPanel* selector_ = nullptr;
    QMdiArea* area_ = nullptr;
    std::map<std::string_view, FixedChildWindow*> planners_;
};

}  // namespace vantrell::shell
