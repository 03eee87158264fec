// What the page asks of the core: every text, colour and rule comes from here,
// so the page itself only lays out and forwards the user's gestures.
#include <emscripten/bind.h>
#include <emscripten/val.h>

#include <cstdio>
#include <map>
#include <memory>
#include <span>
#include <sstream>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "core/texts/shell_texts.h"
#include "core/catalog/abilities.h"
#include "core/catalog/class_catalog.h"
#include "core/texts/captions.h"
#include "core/planner/next_unlock.h"
#include "core/planner/plain_decimal.h"
#include "core/planner/plan_code.h"
#include "core/planner/plan_text.h"
#include "core/planner/planner.h"
#include "tools/scenario/scenario_runner.h"
#include "core/planner/training_path.h"
#include "core/planner/training_path_text.h"
#include "vantrell_version.h"

namespace vantrell::web {
namespace {

using emscripten::val;

val Text(std::string_view text) { return val(std::string(text)); }

std::string CssColour(catalog::Rgb rgb) {
    char css[8];
    std::snprintf(css, sizeof css, "#%02x%02x%02x", rgb.red, rgb.green, rgb.blue);
    return css;
}

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

val ShellTexts() {
    namespace shell = texts::shell;
    namespace window = texts::captions;
    val texts = val::object();
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
        {"trainingPath", window::kTrainingPath},
        {"priority", window::kPriority},
        {"priorityHint", window::kPriorityHint},
        {"pathLevel", window::kPathLevel},
        {"pathPointsLeft", window::kPathPointsLeft},
        {"newAbilities", window::kNewAbilities},
        {"copyAsText", window::kCopyAsText},
        {"roseMarker", window::kRoseMarker},
    };
    for (const auto& [key, text] : entries) texts.set(key, Text(text));
    texts.set("versionCaption", Text("Version " + std::string(kVersion)));
    texts.set("aboutText", std::string(shell::kAboutTextLead) + std::string(shell::kContactAddress) + ".");
    texts.set("titleColour", CssColour(catalog::colour::kBlue));
    return texts;
}

// Runs a scenario script as the native driver does, for comparing the two builds.
val RunScenario(const std::string& script) {
    std::istringstream in(script);
    std::ostringstream out;
    std::ostringstream err;
    const int status = scenario::ScenarioRunner(out, err).Run(in);
    val result = val::object();
    result.set("status", status);
    result.set("out", out.str());
    result.set("err", err.str());
    return result;
}

// One row of the training path: the lines' levels in screen order, which of
// them rose at this level, the points left as the desktop writes them, and the
// new abilities as "Caption: text" with the line's stem.
val PathRow(const catalog::ClassDefinition& definition, std::span<const planner::TrainingStep> path, std::size_t step) {
    const planner::TrainingStep& shown = path[step];
    val levels = val::array();
    val rose = val::array();
    for (std::size_t line = 0; line < shown.lineLevels.size(); ++line) {
        levels.call<void>("push", static_cast<int>(shown.lineLevels[line]));
        rose.call<void>("push", planner::RoseAt(path, step, line));
    }
    const std::vector<std::string> abilities = planner::NewAbilities(definition, shown);
    val changed = val::array();
    for (std::size_t index = 0; index < abilities.size(); ++index) {
        val entry = val::object();
        entry.set("stem", Text(definition.lines[shown.changedLines[index]].stem));
        entry.set("text", abilities[index]);
        changed.call<void>("push", entry);
    }
    val row = val::object();
    row.set("level", static_cast<int>(shown.characterLevel));
    row.set("lines", levels);
    row.set("rose", rose);
    row.set("left", planner::PlainDecimal(shown.pointsLeft));
    row.set("changed", changed);
    return row;
}

// Every class's planner the page has opened, each keeping its plan while the
// page stays open, and the one on screen.
class Planners {
public:
    bool Open(const std::string& listName) {
        const catalog::ClassDefinition* definition = catalog::ClassCatalog::Find(listName);
        if (definition == nullptr) return false;
        current_ = &PlannerOf(*definition);
        return true;
    }

    // What never changes while a class is on screen.
    val Layout() const {
        const catalog::ClassDefinition& definition = Current().definition();
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
            entry.set("abilitiesColour", CssColour(line.abilitiesColour.value_or(line.captionColour)));
            entry.set("showsAbilities", line.abilitiesKind.has_value());
            entry.set("explained", line.description != nullptr);
            lines.call<void>("push", entry);
        }
        layout.set("lines", lines);
        return layout;
    }

    // What the controls show now.
    val State() const {
        const planner::Planner& planner = Current();
        const planner::PlannerDisplay& display = planner.display();
        val state = val::object();
        state.set("level", planner.state().characterLevel);
        state.set("pointsLeft", display.pointsLeft);
        state.set("totalPoints", display.totalPoints);
        state.set("statsEnabled", display.statsFrameEnabled);
        val lines = val::array();
        for (std::size_t index = 0; index < display.lines.size(); ++index) {
            const planner::LineDisplay& shown = display.lines[index];
            const planner::LinePlan& plan = planner.state().lines[index];
            val entry = val::object();
            entry.set("value", shown.sliderValue);
            entry.set("min", planner::kSliderMinimum);
            entry.set("max", plan.sliderMaximum);
            entry.set("enabled", planner.SliderEnabled(index));
            entry.set("lineOpen", shown.enabled);
            entry.set("level", shown.level);
            entry.set("points", shown.points);
            entry.set("percent", shown.percent);
            entry.set("abilities", shown.abilities);
            entry.set("tooltip",
                      planner::AbilitiesTooltip(planner.definition().lines[index], plan.level, shown.enabled));
            lines.call<void>("push", entry);
        }
        state.set("lines", lines);
        return state;
    }

    bool PickLevel(int level) {
        if (level < planner::kLowestCharacterLevel || level > planner::kHighestCharacterLevel) return false;
        Current().ApplyLevelChange(static_cast<std::int16_t>(level));
        return true;
    }

    bool Slide(int line, int value) {
        if (line < 0 || static_cast<std::size_t>(line) >= Current().state().lines.size()) return false;
        return Current().MoveSlider(static_cast<std::size_t>(line), value);
    }

    // The explanation's title and body lines joined by "\n"; null without one.
    val Explanation(int line) const {
        if (line < 0 || static_cast<std::size_t>(line) >= Current().state().lines.size()) return val::null();
        const catalog::DescriptionMessage* message = Current().ExplanationFor(static_cast<std::size_t>(line));
        if (message == nullptr) return val::null();
        val explanation = val::object();
        explanation.set("title", Text(message->title));
        explanation.set("text", catalog::ExplanationText(*message, "\n"));
        return explanation;
    }

    std::string PlanCode() const { return planner::EncodePlanCode(Current()); }
    std::string PlanText() const { return planner::PlanAsText(Current()); }

    // A fragment must be a plan code as it stands.
    val ApplyFragment(const std::string& fragment) { return Apply(fragment); }
    // What the user pastes may be a code or a whole link.
    val ApplyPasted(const std::string& pasted) { return Apply(planner::PlanCodeTextOf(pasted)); }

    bool HasCurrent() const { return current_ != nullptr; }

    // The current class's lines as stems, the line trained first first.
    val Priority() const {
        val stems = val::array();
        for (std::size_t line : PriorityOfCurrent())
            stems.call<void>("push", Text(Current().definition().lines[line].stem));
        return stems;
    }

    // Takes the stems as the current class's priority if they name every line
    // once; otherwise keeps the one it has and says why.
    std::string SetPriority(const val& stems) {
        const auto words = emscripten::vecFromJSArray<std::string>(stems);
        const std::vector<std::string_view> views(words.begin(), words.end());
        auto priority = planner::PriorityFromStems(Current().definition(), views);
        if (auto* fault = std::get_if<std::string>(&priority)) return std::move(*fault);
        priorities_.Set(Current().definition(), std::get<planner::TrainingPriority>(std::move(priority)));
        return {};
    }

    val TrainingPath() const {
        const auto path = planner::TrainingPath(Current(), PriorityOfCurrent());
        val rows = val::array();
        for (std::size_t step = 0; step < path.size(); ++step) {
            rows.call<void>("push", PathRow(Current().definition(), path, step));
        }
        return rows;
    }

    std::string TrainingPathIntro() const { return planner::TrainingPathIntro(Current().state().characterLevel); }

    std::string TrainingPathText() const {
        const planner::TrainingPriority priority = PriorityOfCurrent();
        return planner::TrainingPathAsText(Current(), priority, planner::TrainingPath(Current(), priority));
    }

private:
    // Opens the code's class and applies the plan as a user would; says why not, or which lines were lowered.
    val Apply(std::string_view text) {
        auto decoded = planner::DecodePlanCode(text);
        val result = val::object();
        if (const auto* reason = std::get_if<std::string>(&decoded)) {
            result.set("ok", false);
            result.set("reason", *reason);
            return result;
        }
        const planner::PlanCode& code = std::get<planner::PlanCode>(decoded);
        current_ = &PlannerOf(*code.definition);
        result.set("ok", true);
        result.set("lowered", planner::DescribeLoweredLines(planner::ApplyPlanCode(*current_, code)));
        return result;
    }

    planner::Planner& PlannerOf(const catalog::ClassDefinition& definition) {
        auto& slot = planners_[std::string(definition.listName)];
        if (!slot) slot = std::make_unique<planner::Planner>(definition);
        return *slot;
    }

    planner::TrainingPriority PriorityOfCurrent() const { return priorities_.Of(Current().definition()); }

    planner::Planner& Current() const {
        if (current_ == nullptr) throw std::logic_error("no class is open");
        return *current_;
    }

    std::map<std::string, std::unique_ptr<planner::Planner>, std::less<>> planners_;
    planner::TrainingPriorities priorities_;
    planner::Planner* current_ = nullptr;
};

}  // namespace

EMSCRIPTEN_BINDINGS(vantrell) {
    emscripten::function("realms", &Realms);
    emscripten::function("classesOf", &ClassesOf);
    emscripten::function("shellTexts", &ShellTexts);
    emscripten::function("runScenario", &RunScenario);
    emscripten::class_<Planners>("Planners")
        .constructor<>()
        .function("open", &Planners::Open)
        .function("hasCurrent", &Planners::HasCurrent)
        .function("layout", &Planners::Layout)
        .function("state", &Planners::State)
        .function("pickLevel", &Planners::PickLevel)
        .function("slide", &Planners::Slide)
        .function("explanation", &Planners::Explanation)
        .function("planCode", &Planners::PlanCode)
        .function("planText", &Planners::PlanText)
        .function("applyFragment", &Planners::ApplyFragment)
        .function("applyPasted", &Planners::ApplyPasted)
        .function("priority", &Planners::Priority)
        .function("setPriority", &Planners::SetPriority)
        .function("trainingPath", &Planners::TrainingPath)
        .function("trainingPathIntro", &Planners::TrainingPathIntro)
        .function("trainingPathText", &Planners::TrainingPathText);
}

}  // namespace vantrell::web
