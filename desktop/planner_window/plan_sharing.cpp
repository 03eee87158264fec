#include "desktop/planner_window/plan_sharing.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>

#include "core/planner/plan_formats.h"
#include "core/planner/plan_link.h"
#include "core/texts/captions.h"
#include "core/texts/desktop_texts.h"
#include "desktop/planner_window/class_planner_window.h"
#include "desktop/toolkit/qt_text.h"
#include "desktop/toolkit/window_action.h"
#include "vantrell_version.h"

namespace vantrell::planner_window {
namespace {

QString PasteTitle() { return toolkit::ToQString(texts::captions::kPastePlanCode); }

void Copy(const std::string& text) { QGuiApplication::clipboard()->setText(QString::fromStdString(text)); }

}  // namespace

PlanSharing::PlanSharing(ClassPlannerWindow& window, planner::Session& session, planner::Planner& planner,
                         toolkit::MessageSink messages, std::function<void()> changed)
    : window_(window), session_(session), planner_(planner), messages_(std::move(messages)), changed_(std::move(changed)) {
    const auto add = [&](std::string_view text, const QKeySequence& keys, void (PlanSharing::*command)() const) {
        QAction* action = toolkit::AddWindowAction(window, text, keys);
        QObject::connect(action, &QAction::triggered, &window, [this, command] { (this->*command)(); });
        actions_.append(action);
        return action;
    };
    add(texts::captions::kCopyPlanAsText, QKeySequence::Copy, &PlanSharing::CopyPlanAsText);
    add(texts::captions::kCopyPlanCode, QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C), &PlanSharing::CopyPlanCode);
    add(texts::captions::kCopyAsMarkdown, QKeySequence(), &PlanSharing::CopyAsMarkdown);
    add(texts::captions::kCopyAsBbcode, QKeySequence(), &PlanSharing::CopyAsBbcode);
    copyLink_ = add(texts::captions::kCopyLink, QKeySequence(), &PlanSharing::CopyLink);
    SetWebHome(kWebHome);
    QAction* paste = toolkit::AddWindowAction(window, texts::captions::kPastePlanCode, QKeySequence::Paste);
    QObject::connect(paste, &QAction::triggered, &window, [this] { PastePlanCode(); });
    actions_.append(paste);
}

void PlanSharing::CopyPlanAsText() const { Copy(*planner::PlanInFormat(planner_, "text", session_.NoteOf(planner_))); }

void PlanSharing::CopyAsMarkdown() const { Copy(*planner::PlanInFormat(planner_, "markdown", session_.NoteOf(planner_))); }

void PlanSharing::CopyAsBbcode() const { Copy(*planner::PlanInFormat(planner_, "bbcode", session_.NoteOf(planner_))); }

void PlanSharing::CopyPlanCode() const { Copy(planner::EncodePlanCode(planner_)); }

void PlanSharing::SetWebHome(std::string_view home) {
    webHome_ = planner::IsWebHome(home) ? std::string(home) : std::string();
    copyLink_->setVisible(!webHome_.empty());
}

void PlanSharing::CopyLink() const {
    if (!webHome_.empty()) Copy(planner::LinkToPlan(webHome_, planner::EncodePlanCode(planner_)));
}

void PlanSharing::PastePlanCode() {
    const auto decoded =
        planner::DecodePlanCode(planner::PlanCodeTextOf(QGuiApplication::clipboard()->text().toStdString()));
    if (const auto* reason = std::get_if<std::string>(&decoded)) {
        messages_(&window_, {PasteTitle(), QString::fromStdString(*reason), toolkit::MessageIcon::None});
        return;
    }
    const planner::PlanCode& code = std::get<planner::PlanCode>(decoded);
    ClassPlannerWindow* target = code.definition == &planner_.definition() ? &window_
                                 : opener_                                 ? opener_(*code.definition)
                                                                           : nullptr;
    if (target == nullptr) {
        const QString why = toolkit::ToQString(texts::desktop::kCannotOpenLead) +
                            toolkit::ToQString(code.definition->titleCaption) +
                            toolkit::ToQString(texts::desktop::kCannotOpenTail);
        messages_(&window_, {PasteTitle(), why, toolkit::MessageIcon::None});
        return;
    }
    const std::string trimmed = planner::DescribeLoweredLines(target->sharing().Apply(code));
    if (!trimmed.empty()) messages_(target, {PasteTitle(), QString::fromStdString(trimmed), toolkit::MessageIcon::None});
}

std::vector<planner::LoweredLine> PlanSharing::Apply(const planner::PlanCode& code) {
    auto applied = session_.Apply(code);
    changed_();
    return std::move(applied.lowered);
}

}  // namespace vantrell::planner_window
