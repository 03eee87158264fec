#pragma once

#include <QWidget>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "core/catalog/records.h"
#include "core/planner/plan_code.h"
#include "core/planner/planner.h"
#include "core/planner/planner_view.h"
#include "core/planner/session.h"
#include "desktop/toolkit/message_sink.h"

class QComboBox;
class QFrame;
class QLabel;
class QScrollBar;

namespace vantrell::toolkit {
class ClickableLabel;
}

namespace vantrell::planner_window {

class CompareDialog;
class TrainingPathDialog;
struct PlannerLayout;
using toolkit::ClickableLabel;
using toolkit::MessageIcon;
using toolkit::MessageRequest;
using toolkit::MessageSink;
using toolkit::ModalMessageBox;

// One class's planner window. Every number and text comes from the headless
// planner; the window forwards the user's events to it and renders its state.
class ClassPlannerWindow : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ClassPlannerWindow)

public:
    // Finds, opening it if need be, the window of a class a pasted plan code names.
    using PlannerOpener = std::function<ClassPlannerWindow*(const catalog::ClassDefinition&)>;

    // The class's planner comes from the session, which outlives the window.
    ClassPlannerWindow(planner::Session& session, const catalog::ClassDefinition& definition,
                       MessageSink messages = ModalMessageBox(), QWidget* parent = nullptr);
    // A window on its own keeps a session of its own.
    explicit ClassPlannerWindow(const catalog::ClassDefinition& definition, MessageSink messages = ModalMessageBox(),
                                QWidget* parent = nullptr);
    ~ClassPlannerWindow() override;

    const planner::Planner& planner() const { return planner_; }
    void SetPlannerOpener(PlannerOpener opener) { opener_ = std::move(opener); }

    void CopyPlanAsText() const;
    void CopyPlanCode() const;
    // Copy Link is offered only where the build names the web edition's home, which opens the link anywhere.
    void SetWebHome(std::string_view home);
    void CopyLink() const;
    // Applies the plan code on the clipboard in its class's window; says why when it cannot.
    void PastePlanCode();
    std::vector<planner::LoweredLine> ApplyPlanCode(const planner::PlanCode& code);
    // Save Plan and Plans are offered only where something keeps the saved plans.
    struct LibraryCommands {
        std::function<void(ClassPlannerWindow& window)> savePlan;
        std::function<void()> showPlans;
    };
    void SetLibraryCommands(LibraryCommands commands);
    // Sets the class's priority from a saved plan and applies its code, as one step; the lines it had to lower.
    std::vector<planner::LoweredLine> LoadPlan(const planner::SavedPlan& plan);
    // Puts the plan back as it was before the last gesture, or puts that gesture back.
    void Undo();
    void Redo();
    // Opens the class's training path, or brings it to the front; it follows this window's plan.
    TrainingPathDialog* ShowTrainingPath();
    // Opens the comparison of this window's plan with another, or brings it to the front; it follows this window's plan.
    CompareDialog* ShowCompare();

protected:
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    ClassPlannerWindow(std::unique_ptr<planner::Session> own, planner::Session* shared,
                       const catalog::ClassDefinition& definition, MessageSink messages, QWidget* parent);

    struct LineWidgets {
        QLabel* caption = nullptr;
        QScrollBar* slider = nullptr;
        QLabel* level = nullptr;
        QLabel* points = nullptr;
        QLabel* percent = nullptr;
        ClickableLabel* abilities = nullptr;
    };

    void BuildHistoryActions();
    void BuildLibraryActions();
    void BuildActions();
    void BuildTrainingPathAction();
    void BuildCompareAction();
    void BuildHeader();
    void BuildAbilities(const PlannerLayout& layout);
    void BuildStatsFrame(const PlannerLayout& layout);
    struct RowPlace {
        int top = 0;
        int height = 0;
        int captionWidth = 0;
    };
    void BuildRow(std::size_t line, const RowPlace& place);
    void SetKeyboardOrder();
    PlannerLayout Layout() const;

    void OnLevelPicked(int index);
    void OnSliderChanged(std::size_t line, int value);
    void OnAbilitiesClicked(std::size_t line);
    void Render();
    void RenderLine(std::size_t line, const planner::LineView& shown);

    std::unique_ptr<planner::Session> ownSession_;
    planner::Session& session_;
    planner::Planner& planner_;
    MessageSink messages_;
    PlannerOpener opener_;
    QList<QAction*> sharingActions_;
    std::string webHome_;
    QAction* copyLinkAction_ = nullptr;
    QAction* trainingPathAction_ = nullptr;
    QAction* compareAction_ = nullptr;
    LibraryCommands libraryCommands_;
    QAction* savePlanAction_ = nullptr;
    QAction* plansAction_ = nullptr;
    QAction* undoAction_ = nullptr;
    QAction* redoAction_ = nullptr;
    TrainingPathDialog* trainingPath_ = nullptr;
    CompareDialog* compare_ = nullptr;
    QComboBox* levelBox_ = nullptr;
    QLabel* pointsLeft_ = nullptr;
    QLabel* totalPoints_ = nullptr;
    QFrame* stats_ = nullptr;
    std::vector<LineWidgets> lines_;
};

}  // namespace vantrell::planner_window
