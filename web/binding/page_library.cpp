// The saved plans as the page lists, saves, opens and exchanges them.
#include "web/binding/page_session.h"

#include <algorithm>
#include <string_view>
#include <utility>
#include <variant>

#include "core/planner/plan_library.h"
#include "core/planner/planner_view.h"
#include "core/planner/record_json.h"
#include "core/texts/composed.h"
#include "core/texts/library_texts.h"
#include "web/binding/record_values.h"
#include "web/binding/values.h"

namespace vantrell::web {

using emscripten::val;

namespace {

// Whether a document was taken, and why not when it was not.
val Verdict(const std::string* fault) {
    val result = val::object();
    result.set("ok", fault == nullptr);
    result.set("reason", fault == nullptr ? std::string() : *fault);
    return result;
}

}  // namespace

std::string PageSession::ProposedPlanName() const {
    return texts::ProposedPlanName(Definition().listName, planner::ViewOf(Current()).characterLevel);
}

std::string PageSession::SavePlan(const std::string& name) {
    if (!session_.current()) return session_.SaveCurrent(name);
    return journal_.Apply(session_.library(), session_.SavingCurrent(name));
}

std::string PageSession::ProposedPlanNote() const { return session_.ProposedNote(Current()); }

std::string PageSession::SavePlanWithNote(const std::string& name, const std::string& note) {
    if (!session_.current()) return session_.SaveCurrent(name);
    return journal_.Apply(session_.library(), session_.SavingCurrentAsDrafted(name, note));
}

std::string PageSession::SavedPlanNote(const std::string& name) const {
    const planner::SavedPlan* plan = session_.library().Find(name);
    return plan != nullptr ? plan->note : std::string();
}

std::string PageSession::SetPlanNote(const std::string& name, const std::string& note) {
    return journal_.Apply(session_.library(), planner::LibraryJournal::Noting(name, note));
}

std::string PageSession::RenamePlan(const std::string& name, const std::string& newName) {
    return journal_.Apply(session_.library(), planner::LibraryJournal::Renaming(name, newName));
}

std::string PageSession::DeletePlan(const std::string& name) {
    return journal_.Apply(session_.library(), planner::LibraryJournal::Deleting(name));
}

std::string PageSession::UnwrittenPlansNote() const {
    const std::vector<std::string> names = journal_.Unwritten(session_.library());
    return names.empty() ? std::string() : texts::library::PlansOnlyHere(names);
}

val PageSession::Plans() const { return PlansFrom(0, PlanCount()); }

val PageSession::PlansFrom(double first, double count) const {
    // One text the browser parses natively: a library of many plans would take many times as long field by field.
    const auto place = [](double value) { return value > 0 ? static_cast<std::size_t>(std::min(value, 1e15)) : 0; };
    return val::global("JSON").call<val>(
        "parse", LongText(planner::records::JsonTextOf(session_.library(), place(first), place(count))));
}

val PageSession::WriteLibrary() const { return LongText(session_.library().Write()); }

val PageSession::LoadPlan(const std::string& name) {
    const planner::SavedPlan* plan = session_.library().Find(name);
    if (plan == nullptr) {
        return ValueOf(planner::Session::Applied{
            .planner = nullptr, .lowered = {}, .fault = texts::NoSavedPlanNamed(planner::PlanLibrary::TrimmedName(name))});
    }
    return ValueOf(session_.Load(*plan));
}

val PageSession::ReadLibrary(const val& document) {
    auto read = planner::PlanLibrary::Read(DocumentOf(document), planner::PlanLibrary::Source::kBrowserStorage);
    const auto* fault = std::get_if<std::string>(&read);
    val result = Verdict(fault);
    if (fault == nullptr) journal_.Rebase(session_.library(), std::get<planner::PlanLibrary>(std::move(read)));
    return result;
}

val PageSession::ImportLibrary(const val& document) {
    auto read = planner::PlanLibrary::Read(DocumentOf(document));
    const auto* fault = std::get_if<std::string>(&read);
    val result = Verdict(fault);
    planner::PlanLibrary::Imported imported;
    if (fault == nullptr) {
        auto& other = std::get<planner::PlanLibrary>(read);
        imported = other.ImportTally();
        journal_.Apply(session_.library(), planner::LibraryJournal::Importing(std::move(other)));
    }
    result.set("plans", static_cast<double>(imported.plans));
    result.set("unusable", static_cast<double>(imported.unusable));
    result.set("note", fault == nullptr ? texts::ImportedPlansNote(imported.plans, imported.unusable) : *fault);
    return result;
}

val PageSession::ComparablePlans() const {
    val plans = val::array();
    for (const planner::SavedPlan& plan : session_.library().plans()) {
        if (!plan.usable() || plan.definition != &Definition()) continue;
        val entry = val::object();
        entry.set("name", plan.name);
        entry.set("code", plan.code);
        plans.call<void>("push", entry);
    }
    return plans;
}

}  // namespace vantrell::web
