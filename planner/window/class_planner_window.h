#pragma once

#include <QWidget>
#include <vector>

#include "catalog/records.h"
#include "planner/planner.h"
#include "planner/window/message_sink.h"

class QComboBox;
class QFrame;
class QLabel;
class QScrollBar;

namespace vantrell::window {

class ClickableLabel;
struct PlannerLayout;

// One class's planner window. Every number and text comes from the headless
// planner; the window forwards the user's events to it and renders its state.
class ClassPlannerWindow : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ClassPlannerWindow)

public:
    explicit ClassPlannerWindow(const catalog::ClassDefinition& definition, MessageSink messages = ModalMessageBox(),
                                QWidget* parent = nullptr);
    ~ClassPlannerWindow() override;

    const planner::Planner& planner() const { return planner_; }

private:
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
    void BuildRow(std::size_t line, int top, int height);
    PlannerLayout Layout() const;

    void OnLevelPicked(int index);
    void OnSliderChanged(std::size_t line, int value);
    void OnAbilitiesClicked(std::size_t line);
    void Render();
    void RenderLine(std::size_t line);

    planner::Planner planner_;
    MessageSink messages_;
    QComboBox* levelBox_ = nullptr;
    QLabel* pointsLeft_ = nullptr;
    QLabel* totalPoints_ = nullptr;
    QFrame* stats_ = nullptr;
    std::vector<LineWidgets> lines_;
};

}  // namespace vantrell::window
