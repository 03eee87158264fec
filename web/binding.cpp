// What the page asks of the core: every text, colour and rule comes from here,
// so the page itself only lays out and forwards the user's gestures.
#include <emscripten/bind.h>
#include <emscripten/val.h>

#include <cstdio>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <variant>
#include <vector>

#include "core/catalog/abilities.h"
#include "core/catalog/class_catalog.h"
#include "core/catalog/colour_contrast.h"
#include "core/planner/plan_code.h"
#include "core/planner/plan_compare.h"
#include "core/planner/plan_link.h"
#include "core/planner/plan_text.h"
#include "core/planner/planner_view.h"
#include "core/planner/session.h"
#include "core/planner/training_path_text.h"
#include "core/planner/training_path_view.h"
#include "core/texts/captions.h"
#include "core/texts/composed.h"
#include "core/texts/shell_texts.h"
#include "core/texts/web_texts.h"

namespace vantrell::web {
namespace {

using emscripten::val;

val Text(std::string_view text) { return val(std::string(text)); }

std::string CssColour(catalog::Rgb rgb) {
    char css[8];
    std::snprintf(css, sizeof css, "#%02x%02x%02x", rgb.red, rgb.green, rgb.blue);
    return css;
}

// The colour a dark scheme shows in place of one of the catalog's.
std::string DarkCssColour(catalog::Rgb rgb) { return CssColour(catalog::ReadableOn(rgb, catalog::kDarkSchemeSurface)); }

val Realms() {
    val names = val::array();
    for (catalog::Realm realm : catalog::kRealms) names.call<void>("push", Text(catalog::RealmName(realm)));
    return names;
}

val ClassesOf(const std::string& realmName) {
    val names = val::array();
    if (const auto realm = catalog::RealmNamed(realmName)) {
        for (const catalog::ClassDefinition* definition : catalog::ClassCatalog::ClassesOf(*realm)) {
            names.call<void>("push", Text(definition->listName));
        }
    }
    return names;
}

val Texts() {
    namespace shell = texts::shell;
    namespace window = texts::captions;
    namespace page = texts::web;
    val all = val::object();
    const std::pair<const char*, std::string_view> entries[] = {
        {"programName", shell::kProgramName},
        {"maintainer", shell::kMaintainer},
        {"byLinePrefix", shell::kByLinePrefix},
        {"contactAddress", shell::kContactAddress},
        {"contactSubject", shell::kContactSubject},
        {"aboutTitle", shell::kAboutTitle},
        {"introInfo", shell::kIntroInfo},
        {"introInstructions", shell::kIntroInstructions},
        {"questions", shell::kQuestions},
        {"selectRealm", shell::kSelectRealm},
        {"selectClass", shell::kSelectClass},
        {"level", window::kLevel},
        {"pointsLeft", window::kPointsLeft},
        {"skillsAvailable", window::kSkillsAvailable},
        {"clickForExplanation", window::kClickForExplanation},
        {"specializationLevel", window::kSpecializationLevel},
        {"pointsUsed", window::kPointsUsed},
        {"percent", window::kPercent},
        {"copyPlanAsText", window::kCopyPlanAsText},
        {"copyPlanCode", window::kCopyPlanCode},
        {"pastePlanCode", window::kPastePlanCode},
        {"copyLink", window::kCopyLink},
        {"trainingPath", window::kTrainingPath},
        {"priority", window::kPriority},
        {"priorityHint", window::kPriorityHint},
        {"pathLevel", window::kPathLevel},
        {"pathPointsLeft", window::kPathPointsLeft},
        {"newAbilities", window::kNewAbilities},
        {"copyAsText", window::kCopyAsText},
        {"roseMarker", window::kRoseMarker},
        {"classes", page::kClasses},
        {"about", page::kAbout},
        {"ok", page::kOk},
        {"apply", page::kApply},
        {"textToCopy", page::kTextToCopy},
        {"copied", page::kCopied},
        {"copyRefused", page::kCopyRefused},
        {"pasteRefused", page::kPasteRefused},
        {"moveUpSymbol", page::kMoveUpSymbol},
        {"moveDownSymbol", page::kMoveDownSymbol},
        {"undo", page::kUndo},
        {"redo", page::kRedo},
        {"savePlan", page::kSavePlan},
        {"planName", page::kPlanName},
        {"save", page::kSave},
        {"cancel", page::kCancel},
        {"replace", page::kReplace},
        {"plans", page::kPlans},
        {"noPlans", page::kNoPlans},
        {"openPlan", page::kOpenPlan},
        {"renamePlan", page::kRenamePlan},
        {"deletePlan", page::kDeletePlan},
        {"importPlans", page::kImportPlans},
        {"exportPlans", page::kExportPlans},
        {"plansFileName", page::kPlansFileName},
        {"unknownClass", page::kUnknownClass},
        {"plansNotStored", page::kPlansNotStored},
        {"plansChangedElsewhere", page::kPlansChangedElsewhere},
        {"saved", page::kSaved},
        {"compare", window::kCompareTitle},
        {"compareNote", page::kCompareNote},
        {"compareSavedPlan", page::kCompareSavedPlan},
        {"compareNoSavedPlan", page::kCompareNoSavedPlan},
        {"compareCode", page::kCompareCode},
        {"chooseOtherPlan", window::kChooseOtherPlan},
        {"swap", page::kSwap},
        {"compareLine", window::kComparedLine},
        {"planALevel", window::kPlanALevel},
        {"planAPoints", window::kPlanAPoints},
        {"planAAbilities", window::kPlanAAbilities},
        {"planBLevel", window::kPlanBLevel},
        {"planBPoints", window::kPlanBPoints},
        {"planBAbilities", window::kPlanBAbilities},
        {"comparedCharacterLevel", window::kComparedCharacterLevel},
        {"completeFromCaption", window::kComparedCompleteFrom},
        {"differsMarker", window::kComparedDiffersMarker},
        {"differs", window::kDiffersHeading},
    };
    for (const auto& [key, text] : entries) all.set(key, Text(text));
    all.set("versionCaption", texts::VersionCaption());
    all.set("aboutText", texts::AboutText());
    all.set("contactHref", texts::ContactHref());
    all.set("trainingPathNote", planner::TrainingPathNote());
    all.set("pasteLead", std::string(window::kPastePlanCode) + ": ");
    all.set("titleColour", CssColour(catalog::colour::kBlue));
    all.set("titleColourDark", DarkCssColour(catalog::colour::kBlue));
    return all;
}

std::string ReplacePlanQuestion(const std::string& name) { return texts::ReplacePlanQuestion(name); }
std::string DeletePlanQuestion(const std::string& name) { return texts::DeletePlanQuestion(name); }
std::string UnreadablePlansNote(const std::string& reason, const std::string& keptUnder) {
    return texts::UnreadableStoredPlansNote(reason, keptUnder);
}

val LineState(const planner::LineView& shown) {
    val entry = val::object();
    entry.set("value", shown.sliderValue);
    entry.set("min", shown.sliderMinimum);
    entry.set("max", shown.sliderMaximum);
    entry.set("enabled", shown.sliderEnabled);
    entry.set("lineOpen", shown.lineOpen);
    entry.set("level", shown.level);
    entry.set("points", shown.points);
    entry.set("percent", shown.percent);
    entry.set("abilities", shown.abilities);
    entry.set("tooltip", shown.tooltip);
    return entry;
}

val ComparedSideOf(const planner::ComparedSide& side) {
    val entry = val::object();
    entry.set("level", static_cast<int>(side.level));
    entry.set("points", static_cast<int>(side.points));
    entry.set("abilities", side.abilities);
    return entry;
}

val ComparedPlanOf(const planner::ComparedPlan& plan) {
    val entry = val::object();
    entry.set("level", static_cast<int>(plan.characterLevel));
    entry.set("total", static_cast<double>(plan.totalPoints));
    entry.set("left", static_cast<double>(plan.pointsLeft));
    entry.set("completeFrom", static_cast<int>(plan.completeFrom));
    return entry;
}

val PathRow(const planner::PathRowView& shown) {
    // Two flat arrays rather than an object a cell: a path of 45 rows crosses into the page on every move.
    val cells = val::array();
    val rose = val::array();
    for (const planner::PathCellView& cell : shown.cells) {
        cells.call<void>("push", cell.text);
        rose.call<void>("push", cell.rose);
    }
    val changed = val::array();
    for (const planner::NewAbilityView& ability : shown.newAbilities) {
        val entry = val::object();
        entry.set("stem", Text(ability.stem));
        entry.set("text", ability.text);
        changed.call<void>("push", entry);
    }
    val row = val::object();
    row.set("level", static_cast<int>(shown.characterLevel));
    row.set("cells", cells);
    row.set("rose", rose);
    row.set("left", shown.pointsLeft);
    row.set("changed", changed);
    return row;
}

// The page's session: every class's planner it has opened, each keeping its
// plan while the page stays open, the one on screen, and the priorities.
class PageSession {
public:
    bool Open(const std::string& listName) { return session_.Open(listName) != nullptr; }
    bool HasCurrent() const { return session_.current() != nullptr; }

    // What never changes while a class is on screen.
    val Layout() const {
        const catalog::ClassDefinition& definition = Definition();
        val layout = val::object();
        layout.set("listName", Text(definition.listName));
        layout.set("realm", Text(catalog::RealmName(definition.realm)));
        layout.set("title", Text(definition.titleCaption));
        layout.set("pointsPerLevelCaption", Text(definition.pointsPerLevelCaption));
        layout.set("pointsPerLevelText", Text(definition.pointsPerLevelText));
        layout.set("lowestLevel", planner::kLowestCharacterLevel);
        layout.set("highestLevel", planner::kHighestCharacterLevel);
        val lines = val::array();
        for (const catalog::SpecLineDefinition& line : definition.lines) {
            val entry = val::object();
            entry.set("stem", Text(line.stem));
            entry.set("caption", Text(line.caption));
            entry.set("captionColour", CssColour(line.captionColour));
            entry.set("captionColourDark", DarkCssColour(line.captionColour));
            entry.set("abilitiesColour", CssColour(line.abilitiesColour.value_or(line.captionColour)));
            entry.set("abilitiesColourDark", DarkCssColour(line.abilitiesColour.value_or(line.captionColour)));
            entry.set("showsAbilities", line.abilitiesKind.has_value());
            entry.set("explained", line.description != nullptr);
            lines.call<void>("push", entry);
        }
        layout.set("lines", lines);
        return layout;
    }

    // What the controls show now.
    val State() const {
        const planner::PlannerView view = planner::ViewOf(Current());
        val state = val::object();
        state.set("level", view.characterLevel);
        state.set("pointsLeft", view.pointsLeft);
        state.set("totalPoints", view.totalPoints);
        state.set("statsEnabled", view.statsEnabled);
        val lines = val::array();
        for (const planner::LineView& line : view.lines) lines.call<void>("push", LineState(line));
        state.set("lines", lines);
        return state;
    }

    bool PickLevel(int level) {
        if (level < planner::kLowestCharacterLevel || level > planner::kHighestCharacterLevel) return false;
        session_.PickLevel(Current(), static_cast<std::int16_t>(level));
        return true;
    }

    bool Slide(int line, int value) {
        if (!IsLine(line)) return false;
        return session_.MoveSlider(Current(), static_cast<std::size_t>(line), value);
    }

    bool Undo() { return session_.Undo(Current()); }
    bool Redo() { return session_.Redo(Current()); }

    // How many steps the current planner can go back and forward.
    val History() const {
        const planner::PlanHistory& history = session_.HistoryOf(Current());
        val counts = val::object();
        counts.set("undo", static_cast<double>(history.undoCount()));
        counts.set("redo", static_cast<double>(history.redoCount()));
        return counts;
    }

    // The name Save Plan proposes for the plan on screen.
    std::string ProposedPlanName() const {
        return texts::ProposedPlanName(Definition().listName, planner::ViewOf(Current()).characterLevel);
    }
    bool HasPlan(const std::string& name) const { return session_.library().Find(name) != nullptr; }
    std::string SavePlan(const std::string& name) { return session_.SaveCurrent(name); }
    std::string RenamePlan(const std::string& name, const std::string& newName) {
        return session_.library().Rename(name, newName);
    }
    std::string DeletePlan(const std::string& name) { return session_.library().Delete(name); }

    // The saved plans in the order saved, with what can be read of each.
    val Plans() const {
        val plans = val::array();
        for (const planner::SavedPlan& plan : session_.library().plans()) {
            val entry = val::object();
            entry.set("name", plan.name);
            entry.set("class", plan.definition == nullptr ? val::null() : Text(plan.definition->listName));
            entry.set("level", plan.characterLevel ? val(*plan.characterLevel) : val::null());
            entry.set("code", plan.code);
            entry.set("usable", plan.usable());
            entry.set("reason", plan.fault);
            plans.call<void>("push", entry);
        }
        return plans;
    }

    // Opens the saved plan in its class with its priority, as one step.
    val LoadPlan(const std::string& name) {
        const planner::SavedPlan* plan = session_.library().Find(name);
        if (plan == nullptr) {
            val result = val::object();
            result.set("ok", false);
            result.set("reason", texts::NoSavedPlanNamed(planner::PlanLibrary::TrimmedName(name)));
            return result;
        }
        return Outcome(session_.Load(*plan));
    }

    // Takes the document as the whole library, or keeps the one it has and says why.
    val ReadLibrary(const std::string& document) {
        auto read = planner::PlanLibrary::Read(document);
        val result = val::object();
        const auto* fault = std::get_if<std::string>(&read);
        result.set("ok", fault == nullptr);
        result.set("reason", fault == nullptr ? std::string() : *fault);
        if (fault == nullptr) session_.library() = std::move(std::get<planner::PlanLibrary>(read));
        return result;
    }
    std::string WriteLibrary() const { return session_.library().Write(); }

    // Adds the document's plans beside the saved ones; nothing is replaced.
    val ImportLibrary(const std::string& document) {
        auto read = planner::PlanLibrary::Read(document);
        val result = val::object();
        const auto* fault = std::get_if<std::string>(&read);
        result.set("ok", fault == nullptr);
        result.set("reason", fault == nullptr ? std::string() : *fault);
        planner::PlanLibrary::Imported imported;
        if (fault == nullptr) imported = session_.library().Import(std::get<planner::PlanLibrary>(read));
        result.set("plans", static_cast<double>(imported.plans));
        result.set("unusable", static_cast<double>(imported.unusable));
        result.set("note", fault == nullptr ? texts::ImportedPlansNote(imported.plans, imported.unusable) : *fault);
        return result;
    }

    // The explanation's title and body lines joined by "\n"; null without one.
    val Explanation(int line) const {
        if (!IsLine(line)) return val::null();
        const catalog::DescriptionMessage* message = Current().ExplanationFor(static_cast<std::size_t>(line));
        if (message == nullptr) return val::null();
        val explanation = val::object();
        explanation.set("title", Text(message->title));
        explanation.set("text", catalog::ExplanationText(*message, "\n"));
        return explanation;
    }

    std::string PlanCode() const { return planner::EncodePlanCode(Current()); }
    std::string PlanText() const { return planner::PlanAsText(Current()); }

    // The link Copy Link copies, for a page at `pageAddress` that knows `home`
    // as its published address ('' for none), and what to say when it opens only here.
    val LinkFor(const std::string& pageAddress, const std::string& home) const {
        const planner::SharedLink shared = planner::LinkForPage(pageAddress, home, PlanCode());
        val result = val::object();
        result.set("link", shared.link);
        result.set("localOnly", shared.localOnly);
        result.set("note", shared.note);
        return result;
    }

    // A fragment must be a plan code as it stands.
    val ApplyFragment(const std::string& fragment) { return Outcome(session_.ApplyCode(fragment)); }
    // What the user pastes may be a code or a whole link.
    val ApplyPasted(const std::string& pasted) { return Outcome(session_.ApplyPasted(pasted)); }

    // The current class's lines as stems, the line trained first first.
    val Priority() const {
        val stems = val::array();
        for (std::size_t line : session_.PriorityOf(Definition()))
            stems.call<void>("push", Text(Definition().lines[line].stem));
        return stems;
    }

    // The priority as the page lists it: each line with its move buttons' labels and whether they can move it.
    val PriorityList() const {
        const planner::TrainingPriority priority = session_.PriorityOf(Definition());
        val entries = val::array();
        for (std::size_t place = 0; place < priority.size(); ++place) {
            const catalog::SpecLineDefinition& line = Definition().lines[priority[place]];
            val entry = val::object();
            entry.set("stem", Text(line.stem));
            entry.set("caption", Text(line.caption));
            entry.set("captionColour", CssColour(line.captionColour));
            entry.set("captionColourDark", DarkCssColour(line.captionColour));
            entry.set("moveUpLabel", texts::PriorityMoveLabel(line.caption, -1));
            entry.set("moveDownLabel", texts::PriorityMoveLabel(line.caption, 1));
            entry.set("canMoveUp", place > 0);
            entry.set("canMoveDown", place + 1 < priority.size());
            entries.call<void>("push", entry);
        }
        return entries;
    }

    // Takes the stems as the current class's priority if they name every line
    // once; otherwise keeps the one it has and says why.
    std::string SetPriority(const val& stems) {
        const auto words = emscripten::vecFromJSArray<std::string>(stems);
        const std::vector<std::string_view> views(words.begin(), words.end());
        return session_.SetPriority(Definition(), views);
    }

    // Moves the line at `place` by `offset` places: its new place and what to
    // announce, or null where it cannot go.
    val MovePriority(int place, int offset) {
        if (place < 0) return val::null();
        const auto moved = session_.MoveInPriority(Definition(), static_cast<std::size_t>(place), offset);
        if (!moved) return val::null();
        const std::size_t line = session_.PriorityOf(Definition())[*moved];
        val result = val::object();
        result.set("place", static_cast<int>(*moved));
        result.set("announcement", texts::PriorityPlaceAnnouncement(Definition().lines[line].caption, *moved));
        return result;
    }

    // The intro above the table and one row per character level.
    val TrainingPath() const {
        const planner::Planner& current = Current();
        const auto path = planner::TrainingPath(current, session_.PriorityOf(current.definition()));
        const planner::TrainingPathView view = planner::ViewOf(current, path);
        val rows = val::array();
        for (const planner::PathRowView& row : view.rows) rows.call<void>("push", PathRow(row));
        val result = val::object();
        result.set("intro", view.intro);
        result.set("rows", rows);
        return result;
    }

    std::string TrainingPathText() const {
        const planner::Planner& current = Current();
        const planner::TrainingPriority priority = session_.PriorityOf(current.definition());
        return planner::TrainingPathAsText(current, priority, planner::TrainingPath(current, priority));
    }

    // The plan on screen beside `codeOrLink`, or why they cannot be set side by side;
    // `text` is what Copy as Text copies, made with the rows since it costs as little.
    val Compare(const std::string& codeOrLink, bool swapped) const {
        auto compared = planner::ComparePlans(Current(), codeOrLink);
        val result = val::object();
        const auto* fault = std::get_if<std::string>(&compared);
        result.set("ok", fault == nullptr);
        if (fault != nullptr) {
            result.set("reason", *fault);
            return result;
        }
        planner::PlanComparison comparison = std::get<planner::PlanComparison>(std::move(compared));
        // The page labels its columns A and B whichever way round, so B's figures go into A's.
        if (swapped) comparison = planner::Swapped(std::move(comparison));
        val lines = val::array();
        for (const planner::ComparedLine& line : comparison.lines) {
            val entry = val::object();
            entry.set("stem", Text(line.stem));
            entry.set("caption", Text(line.caption));
            entry.set("a", ComparedSideOf(line.a));
            entry.set("b", ComparedSideOf(line.b));
            entry.set("differs", line.differs);
            lines.call<void>("push", entry);
        }
        result.set("a", ComparedPlanOf(comparison.a));
        result.set("b", ComparedPlanOf(comparison.b));
        result.set("lines", lines);
        result.set("lowered", planner::DescribeLoweredLines(comparison.lowered));
        result.set("text", planner::ComparisonAsText(comparison));
        return result;
    }

    std::string CompleteFrom() const { return texts::CompleteFromNote(planner::CompleteFrom(Current())); }

    // The saved plans B can be: those of the class on screen that can be opened.
    val ComparablePlans() const {
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

private:
    // Says why a code was not taken, or which lines the rules kept lower.
    static val Outcome(const planner::Session::Applied& applied) {
        val result = val::object();
        result.set("ok", applied.planner != nullptr);
        if (applied.planner == nullptr) {
            result.set("reason", applied.fault);
        } else {
            result.set("lowered", planner::DescribeLoweredLines(applied.lowered));
        }
        return result;
    }

    bool IsLine(int line) const { return line >= 0 && static_cast<std::size_t>(line) < Definition().lines.size(); }

    planner::Planner& Current() const {
        if (session_.current() == nullptr) throw std::logic_error("no class is open");
        return *session_.current();
    }
    const catalog::ClassDefinition& Definition() const { return Current().definition(); }

    planner::Session session_;
};

}  // namespace

EMSCRIPTEN_BINDINGS(vantrell) {
    emscripten::function("realms", &Realms);
    emscripten::function("classesOf", &ClassesOf);
    emscripten::function("texts", &Texts);
    emscripten::function("replacePlanQuestion", &ReplacePlanQuestion);
    emscripten::function("deletePlanQuestion", &DeletePlanQuestion);
    emscripten::function("unreadablePlansNote", &UnreadablePlansNote);
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
        .function("renamePlan", &PageSession::RenamePlan)
        .function("deletePlan", &PageSession::DeletePlan)
        .function("plans", &PageSession::Plans)
        .function("loadPlan", &PageSession::LoadPlan)
        .function("readLibrary", &PageSession::ReadLibrary)
        .function("writeLibrary", &PageSession::WriteLibrary)
        .function("importLibrary", &PageSession::ImportLibrary)
        .function("explanation", &PageSession::Explanation)
        .function("planCode", &PageSession::PlanCode)
        .function("planText", &PageSession::PlanText)
        .function("linkFor", &PageSession::LinkFor)
        .function("applyFragment", &PageSession::ApplyFragment)
        .function("applyPasted", &PageSession::ApplyPasted)
        .function("priority", &PageSession::Priority)
        .function("priorityList", &PageSession::PriorityList)
        .function("setPriority", &PageSession::SetPriority)
        .function("movePriority", &PageSession::MovePriority)
        .function("trainingPath", &PageSession::TrainingPath)
        .function("trainingPathText", &PageSession::TrainingPathText)
        .function("compare", &PageSession::Compare)
        .function("completeFrom", &PageSession::CompleteFrom)
        .function("comparablePlans", &PageSession::ComparablePlans);
}

}  // namespace vantrell::web
