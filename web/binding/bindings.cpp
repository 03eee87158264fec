// What the page asks of the core: every text, colour and rule comes from here,
// so the page itself only lays out and forwards the user's gestures.
#include <emscripten/bind.h>

#include "web/binding/page_session.h"
#include "web/binding/page_texts.h"

namespace vantrell::web {

EMSCRIPTEN_BINDINGS(vantrell) {
    emscripten::function("realms", &Realms);
    emscripten::function("classesOf", &ClassesOf);
    emscripten::function("texts", &Texts);
    emscripten::function("languages", &Languages);
    emscripten::function("languageFor", &LanguageFor);
    emscripten::function("useLanguage", &UseLanguage);
    emscripten::function("documentLanguage", &DocumentLanguage);
    emscripten::function("replacePlanQuestion", &ReplacePlanQuestion);
    emscripten::function("deletePlanQuestion", &DeletePlanQuestion);
    emscripten::function("unreadablePlansNote", &UnreadablePlansNote);
    emscripten::function("unreadablePlansLeftNote", &UnreadablePlansLeftNote);
    emscripten::function("importLimit", &ImportLimit);
    emscripten::class_<PageSession>("Session")
        .constructor<>()
        .function("open", &PageSession::Open)
        .function("hasCurrent", &PageSession::HasCurrent)
        .function("layout", &PageSession::Layout)
        .function("state", &PageSession::State)
        .function("pickLevel", &PageSession::PickLevel)
        .function("slide", &PageSession::Slide)
        .function("undo", &PageSession::Undo)
        .function("redo", &PageSession::Redo)
        .function("history", &PageSession::History)
        .function("proposedPlanName", &PageSession::ProposedPlanName)
        .function("hasPlan", &PageSession::HasPlan)
        .function("savePlan", &PageSession::SavePlan)
        .function("savePlanWithNote", &PageSession::SavePlanWithNote)
        .function("proposedPlanNote", &PageSession::ProposedPlanNote)
        .function("setPlanNote", &PageSession::SetPlanNote)
        .function("savedPlanNote", &PageSession::SavedPlanNote)
        .function("renamePlan", &PageSession::RenamePlan)
        .function("deletePlan", &PageSession::DeletePlan)
        .function("plans", &PageSession::Plans)
        .function("planCount", &PageSession::PlanCount)
        .function("plansFrom", &PageSession::PlansFrom)
        .function("loadPlan", &PageSession::LoadPlan)
        .function("readLibrary", &PageSession::ReadLibrary)
        .function("writeLibrary", &PageSession::WriteLibrary)
        .function("libraryWritten", &PageSession::LibraryWritten)
        .function("unwrittenPlansNote", &PageSession::UnwrittenPlansNote)
        .function("importLibrary", &PageSession::ImportLibrary)
        .function("explanation", &PageSession::Explanation)
        .function("planCode", &PageSession::PlanCode)
        .function("planText", &PageSession::PlanText)
        .function("planInFormat", &PageSession::PlanInFormat)
        .function("linkFor", &PageSession::LinkFor)
        .function("applyFragment", &PageSession::ApplyFragment)
        .function("applyPasted", &PageSession::ApplyPasted)
        .function("priority", &PageSession::Priority)
        .function("priorityList", &PageSession::PriorityList)
        .function("setPriority", &PageSession::SetPriority)
        .function("movePriority", &PageSession::MovePriority)
        .function("trainingPath", &PageSession::TrainingPath)
        .function("trainingPathText", &PageSession::TrainingPathText)
        .function("trainingPathInFormat", &PageSession::TrainingPathInFormat)
        .function("planNote", &PageSession::PlanNote)
        .function("comparisonInFormat", &PageSession::ComparisonInFormat)
        .function("compare", &PageSession::Compare)
        .function("completeFrom", &PageSession::CompleteFrom)
        .function("comparablePlans", &PageSession::ComparablePlans);
}

}  // namespace vantrell::web
