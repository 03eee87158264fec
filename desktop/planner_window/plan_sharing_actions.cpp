// The window's plan sharing: copying the plan as text, as a code or as a link
// to the published web edition, pasting a code.
#include <QAction>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QMenu>

#include "core/planner/plan_link.h"
#include "core/planner/plan_text.h"
#include "core/texts/captions.h"
#include "core/texts/desktop_texts.h"
#include "desktop/planner_window/class_planner_window.h"
#include "desktop/toolkit/qt_text.h"
#include "vantrell_version.h"

namespace vantrell::planner_window {
namespace {

const QString kPasteTitle = toolkit::ToQString(texts::captions::kPastePlanCode);

QAction* AddSharingAction(QWidget* window, const QString& text, const QKeySequence& keys) {
    auto* action = new QAction(text, window);
    action->setShortcut(keys);
    action->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    window->addAction(action);
    return action;
}

}  // namespace

void ClassPlannerWindow::BuildActions() {
    connect(AddSharingAction(this, toolkit::ToQString(texts::captions::kCopyPlanAsText), QKeySequence::Copy),
            &QAction::triggered, this, &ClassPlannerWindow::CopyPlanAsText);
    connect(AddSharingAction(this, toolkit::ToQString(texts::captions::kCopyPlanCode),
                             QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C)),
            &QAction::triggered, this, &ClassPlannerWindow::CopyPlanCode);
    copyLinkAction_ = AddSharingAction(this, toolkit::ToQString(texts::captions::kCopyLink), QKeySequence());
    connect(copyLinkAction_, &QAction::triggered, this, &ClassPlannerWindow::CopyLink);
    SetWebHome(kWebHome);
    connect(AddSharingAction(this, kPasteTitle, QKeySequence::Paste), &QAction::triggered, this,
            &ClassPlannerWindow::PastePlanCode);
    sharingActions_ = actions();
    sharingActions_.removeAll(undoAction_);
    sharingActions_.removeAll(redoAction_);
    sharingActions_.removeAll(savePlanAction_);
    sharingActions_.removeAll(plansAction_);
}

void ClassPlannerWindow::contextMenuEvent(QContextMenuEvent* event) {
    QMenu menu(this);
    menu.addAction(undoAction_);
    menu.addAction(redoAction_);
    menu.addSeparator();
    menu.addAction(savePlanAction_);
    menu.addAction(plansAction_);
    menu.addSeparator();
    menu.addActions(sharingActions_);
    menu.addSeparator();
    menu.addAction(trainingPathAction_);
    menu.addAction(compareAction_);
    menu.exec(event->globalPos());
}

void ClassPlannerWindow::CopyPlanAsText() const {
    QGuiApplication::clipboard()->setText(QString::fromStdString(planner::PlanAsText(planner_)));
}

void ClassPlannerWindow::CopyPlanCode() const {
    QGuiApplication::clipboard()->setText(QString::fromStdString(planner::EncodePlanCode(planner_)));
}

void ClassPlannerWindow::SetWebHome(std::string_view home) {
    webHome_ = planner::IsWebHome(home) ? std::string(home) : std::string();
    copyLinkAction_->setVisible(!webHome_.empty());
}

void ClassPlannerWindow::CopyLink() const {
    if (webHome_.empty()) return;
    QGuiApplication::clipboard()->setText(
        QString::fromStdString(planner::LinkToPlan(webHome_, planner::EncodePlanCode(planner_))));
}

void ClassPlannerWindow::PastePlanCode() {
    const auto decoded =
        planner::DecodePlanCode(planner::PlanCodeTextOf(QGuiApplication::clipboard()->text().toStdString()));
    if (const auto* reason = std::get_if<std::string>(&decoded)) {
        messages_(this, {kPasteTitle, QString::fromStdString(*reason), MessageIcon::None});
        return;
    }
    const planner::PlanCode& code = std::get<planner::PlanCode>(decoded);
    ClassPlannerWindow* target = code.definition == &planner_.definition() ? this
                                 : opener_                                 ? opener_(*code.definition)
                                                                           : nullptr;
    if (target == nullptr) {
        const QString why = toolkit::ToQString(texts::desktop::kCannotOpenLead) +
                            toolkit::ToQString(code.definition->titleCaption) +
                            toolkit::ToQString(texts::desktop::kCannotOpenTail);
        messages_(this, {kPasteTitle, why, MessageIcon::None});
        return;
    }
    const std::string trimmed = planner::DescribeLoweredLines(target->ApplyPlanCode(code));
    if (!trimmed.empty()) messages_(target, {kPasteTitle, QString::fromStdString(trimmed), MessageIcon::None});
}

std::vector<planner::LoweredLine> ClassPlannerWindow::ApplyPlanCode(const planner::PlanCode& code) {
    auto applied = session_.Apply(code);
    Render();
    return std::move(applied.lowered);
}

}  // namespace vantrell::planner_window
