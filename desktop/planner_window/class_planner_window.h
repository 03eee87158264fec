#pragma once

#include <QWidget>
#include <memory>
#include <vector>

#include "core/catalog/records.h"
#include "core/planner/planner.h"
#include "core/planner/planner_view.h"
#include "core/planner/session.h"
#include "desktop/planner_window/dialog_host.h"
#include "desktop/planner_window/history_commands.h"
#include "desktop/planner_window/plan_export.h"
#include "desktop/planner_window/plan_sharing.h"
#include "desktop/planner_window/saved_plan_commands.h"
#include "desktop/toolkit/message_sink.h"

class QComboBox;
class QFrame;
class QLabel;
class QScrollBar;

namespace vantrell::toolkit {
class ClickableLabel;
}

namespace vantrell::planner_window {

struct PlannerLayout;
using toolkit::ClickableLabel;
using toolkit::MessageIcon;
using toolkit::MessageRequest;
using toolkit::MessageSink;
using toolkit::ModalMessageBox;

// One class's planner window. Every number and text comes from the headless
// planner; the window lays out its view, forwards the user's gestures to it and
// renders its state. Its commands live in pieces of their own.
class ClassPlannerWindow : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ClassPlannerWindow)

public:
    // The class's planner comes from the session, which outlives the window.
    ClassPlannerWindow(planner::Session& session, const catalog::ClassDefinition& definition,
                       MessageSink messages = ModalMessageBox(), QWidget* parent = nullptr);
    // A window on its own keeps a session of its own.
    explicit ClassPlannerWindow(const catalog::ClassDefinition& definition, MessageSink messages = ModalMessageBox(),
                                QWidget* parent = nullptr);
    ~ClassPlannerWindow() override;

    const planner::Planner& planner() const { return planner_; }
    // The window's commands, each kept apart from the window that shows the plan.
    PlanSharing& sharing() { return sharing_; }
    PlanExport& exporting() { return export_; }
    SavedPlanCommands& savedPlans() { return savedPlans_; }
    HistoryCommands& history() { return history_; }
    DialogHost& dialogs() { return dialogs_; }

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
    HistoryCommands history_;
    SavedPlanCommands savedPlans_;
    PlanSharing sharing_;
    PlanExport export_;
    DialogHost dialogs_;
    QComboBox* levelBox_ = nullptr;
    QLabel* pointsLeft_ = nullptr;
    QLabel* totalPoints_ = nullptr;
    QFrame* stats_ = nullptr;
    std::vector<LineWidgets> lines_;
};

}  // namespace vantrell::planner_window
