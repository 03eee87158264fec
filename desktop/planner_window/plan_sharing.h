#pragma once

#include <QList>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "core/catalog/records.h"
#include "core/planner/plan_code.h"
#include "core/planner/planner.h"
#include "core/planner/session.h"
#include "desktop/toolkit/message_sink.h"

class QAction;

namespace vantrell::planner_window {

class ClassPlannerWindow;

// A planner window's plan on the clipboard: copied as text, as a code or as a
// link to the published web edition, and a pasted code applied in the window of its class.
class PlanSharing {
public:
    // Finds, opening it if need be, the window of a class a pasted plan code names.
    using PlannerOpener = std::function<ClassPlannerWindow*(const catalog::ClassDefinition&)>;

    PlanSharing(ClassPlannerWindow& window, planner::Session& session, planner::Planner& planner,
                toolkit::MessageSink messages, std::function<void()> changed);

    void SetPlannerOpener(PlannerOpener opener) { opener_ = std::move(opener); }
    void CopyPlanAsText() const;
    void CopyPlanCode() const;
    // For forums and chats: a table in Markdown, or one line per plan line in BBCode.
    void CopyAsMarkdown() const;
    void CopyAsBbcode() const;
    // Copy Link is offered only where the build names the web edition's home, which opens the link anywhere.
    void SetWebHome(std::string_view home);
    void CopyLink() const;
    // Applies the plan code on the clipboard in its class's window; says why when it cannot.
    void PastePlanCode();
    // Applies a decoded code of this window's class; the lines the rules kept lower.
    std::vector<planner::LoweredLine> Apply(const planner::PlanCode& code);
    QList<QAction*> actions() const { return actions_; }

private:
    ClassPlannerWindow& window_;
    planner::Session& session_;
    planner::Planner& planner_;
    toolkit::MessageSink messages_;
    std::function<void()> changed_;
    PlannerOpener opener_;
    std::string webHome_;
    QAction* copyLink_ = nullptr;
    QList<QAction*> actions_;
};

}  // namespace vantrell::planner_window
