#include "web/binding/page_session.h"

#include <stdexcept>
#include <string_view>
#include <utility>
#include <variant>
#include <vector>

#include "core/catalog/abilities.h"
#include "core/planner/plan_code.h"
#include "core/planner/plan_formats.h"
#include "core/planner/plan_compare.h"
#include "core/planner/plan_link.h"
#include "core/planner/planner_view.h"
#include "core/planner/table_rendering.h"
#include "core/planner/training_path_text.h"
#include "core/planner/training_path_view.h"
#include "core/texts/composed.h"
#include "web/binding/record_values.h"
#include "web/binding/values.h"

namespace vantrell::web {

using emscripten::val;

val PageSession::Layout() const {
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
        entry.set("captionColour", planner::HexColour(line.captionColour));
        entry.set("captionColourDark", DarkCssColour(line.captionColour));
        entry.set("abilitiesColour", planner::HexColour(line.abilitiesColour.value_or(line.captionColour)));
        entry.set("abilitiesColourDark", DarkCssColour(line.abilitiesColour.value_or(line.captionColour)));
        entry.set("showsAbilities", line.abilitiesKind.has_value());
        entry.set("explained", line.description != nullptr);
        lines.call<void>("push", entry);
    }
    layout.set("lines", lines);
    return layout;
}

val PageSession::State() const { return ValueOf(planner::ViewOf(Current())); }

bool PageSession::PickLevel(int level) {
    if (level < planner::kLowestCharacterLevel || level > planner::kHighestCharacterLevel) return false;
    session_.PickLevel(Current(), static_cast<std::int16_t>(level));
    return true;
}

bool PageSession::Slide(int line, int value) {
    if (!IsLine(line)) return false;
    return session_.MoveSlider(Current(), static_cast<std::size_t>(line), value);
}

val PageSession::History() const {
    const planner::PlanHistory& history = session_.HistoryOf(Current());
    val counts = val::object();
    counts.set("undo", static_cast<double>(history.undoCount()));
    counts.set("redo", static_cast<double>(history.redoCount()));
    return counts;
}

val PageSession::Explanation(int line) const {
    if (!IsLine(line)) return val::null();
    const catalog::DescriptionMessage* message = Current().ExplanationFor(static_cast<std::size_t>(line));
    if (message == nullptr) return val::null();
    val explanation = val::object();
    explanation.set("title", Text(message->title));
    explanation.set("text", catalog::ExplanationText(*message, "\n"));
    return explanation;
}

std::string PageSession::PlanCode() const { return planner::EncodePlanCode(Current()); }

std::string PageSession::PlanText() const { return PlanInFormat("text"); }

std::string PageSession::PlanInFormat(const std::string& format) const {
    return planner::PlanInFormat(Current(), format, session_.NoteOf(Current())).value_or("");
}

val PageSession::ApplyFragment(const std::string& fragment) { return ValueOf(session_.ApplyCode(fragment)); }

val PageSession::ApplyPasted(const std::string& pasted) { return ValueOf(session_.ApplyPasted(pasted)); }

val PageSession::LinkFor(const std::string& pageAddress, const std::string& home) const {
    const planner::SharedLink shared = planner::LinkForPage(pageAddress, home, PlanCode());
    val result = val::object();
    result.set("link", shared.link);
    result.set("localOnly", shared.localOnly);
    result.set("note", shared.note);
    return result;
}

val PageSession::Priority() const {
    val stems = val::array();
    for (std::size_t line : session_.PriorityOf(Definition()))
        stems.call<void>("push", Text(Definition().lines[line].stem));
    return stems;
}

val PageSession::PriorityList() const {
    const planner::TrainingPriority priority = session_.PriorityOf(Definition());
    val entries = val::array();
    for (std::size_t place = 0; place < priority.size(); ++place) {
        const catalog::SpecLineDefinition& line = Definition().lines[priority[place]];
        val entry = val::object();
        entry.set("stem", Text(line.stem));
        entry.set("caption", Text(line.caption));
        entry.set("captionColour", planner::HexColour(line.captionColour));
        entry.set("captionColourDark", DarkCssColour(line.captionColour));
        entry.set("moveUpLabel", texts::PriorityMoveLabel(line.caption, -1));
        entry.set("moveDownLabel", texts::PriorityMoveLabel(line.caption, 1));
        entry.set("canMoveUp", place > 0);
        entry.set("canMoveDown", place + 1 < priority.size());
        entries.call<void>("push", entry);
    }
    return entries;
}

std::string PageSession::SetPriority(const val& stems) {
    const auto words = emscripten::vecFromJSArray<std::string>(stems);
    const std::vector<std::string_view> views(words.begin(), words.end());
    return session_.SetPriority(Definition(), views);
}

val PageSession::MovePriority(int place, int offset) {
    if (place < 0) return val::null();
    const auto moved = session_.MoveInPriority(Definition(), static_cast<std::size_t>(place), offset);
    if (!moved) return val::null();
    const std::size_t line = session_.PriorityOf(Definition())[*moved];
    val result = val::object();
    result.set("place", static_cast<int>(*moved));
    result.set("announcement", texts::PriorityPlaceAnnouncement(Definition().lines[line].caption, *moved));
    return result;
}

val PageSession::TrainingPath() const {
    const planner::Planner& current = Current();
    const auto path = planner::TrainingPath(current, session_.PriorityOf(current.definition()));
    return ValueOf(planner::ViewOf(current, path));
}

std::string PageSession::TrainingPathText() const {
    const planner::Planner& current = Current();
    const planner::TrainingPriority priority = session_.PriorityOf(current.definition());
    return planner::TrainingPathAsText(current, priority, planner::TrainingPath(current, priority));
}

std::string PageSession::TrainingPathInFormat(const std::string& format) const {
    const planner::Planner& current = Current();
    return planner::PathInFormat(current, session_.PriorityOf(current.definition()), format, session_.NoteOf(current))
        .value_or("");
}

std::string PageSession::ComparisonInFormat(const std::string& codeOrLink, bool swapped, const std::string& format) const {
    auto compared = planner::ComparePlans(Current(), codeOrLink);
    const auto* comparison = std::get_if<planner::PlanComparison>(&compared);
    if (comparison == nullptr) return {};
    return planner::ComparisonInFormat(swapped ? planner::Swapped(*comparison) : *comparison, format).value_or("");
}

val PageSession::Compare(const std::string& codeOrLink, bool swapped) const {
    auto compared = planner::ComparePlans(Current(), codeOrLink);
    if (const auto* fault = std::get_if<std::string>(&compared)) {
        val refused = val::object();
        refused.set("ok", false);
        refused.set("reason", *fault);
        return refused;
    }
    planner::PlanComparison comparison = std::get<planner::PlanComparison>(std::move(compared));
    if (swapped) comparison = planner::Swapped(std::move(comparison));
    val result = ValueOf(comparison);
    result.set("ok", true);
    return result;
}

std::string PageSession::CompleteFrom() const { return texts::CompleteFromNote(planner::CompleteFrom(Current())); }

planner::Planner& PageSession::Current() const {
    if (session_.current() == nullptr) throw std::logic_error("no class is open");
    return *session_.current();
}

}  // namespace vantrell::web
