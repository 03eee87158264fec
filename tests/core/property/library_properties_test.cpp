// Random saves, renames, deletions and imports on a library, with names that
// differ only by case in several scripts or by blanks, agree with a plain list
// searched name by name: every command finds exactly the plan of that name.
#include <gtest/gtest.h>
#include <rapidcheck/gtest.h>

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

#include "core/planner/blanks.h"
#include "core/planner/plan_library.h"
#include "core/texts/unicode.h"

namespace vantrell::property {
namespace {

using planner::PlanLibrary;

// Names that fold alike in pairs and triples, in Latin, Greek, Cyrillic and Armenian, some padded.
const std::vector<std::string> kNames = {"Alpha",  "ALPHA",  " alpha ", "Ärmsman", "ärmsMAN", "Ω",     "ω",
                                         "Жрец",   "жРЕЦ",   "Ա",       "ա",       "Beta",    "beta (2)", "Beta (2)",
                                         "Gamma",  "Delta ", "\tdelta"};
const std::vector<std::string> kCodes = {"VT1:Healer:50:10.1.1", "VT1:Healer:40:1.1.1", "VT1:Nowhere:9:1"};
const std::vector<std::string> kPriority = {"Mending", "Augmentation", "Pacification"};

// The library as a plain list: the plan a name finds is the one whose name folds alike.
struct Model {
    std::vector<std::pair<std::string, std::string>> plans;  // name, code

    std::optional<std::size_t> Find(const std::string& name) const {
        const std::string key = texts::CaseFolded(planner::WithoutBlanks(name));
        for (std::size_t at = 0; at < plans.size(); ++at) {
            if (texts::CaseFolded(plans[at].first) == key) return at;
        }
        return std::nullopt;
    }
};

enum class Step { kSave, kRename, kDelete, kImportItself };

void Apply(PlanLibrary& library, Model& model, Step step, const std::string& name, const std::string& other,
           const std::string& code) {
    const auto found = model.Find(name);
    switch (step) {
    case Step::kSave:
        if (library.Save(name, code, kPriority).empty()) {
            // Saved over, a plan takes the name as given last.
            if (found) model.plans[*found] = {PlanLibrary::TrimmedName(name), code};
            else model.plans.emplace_back(PlanLibrary::TrimmedName(name), code);
        }
        return;
    case Step::kRename: {
        const auto taken = model.Find(other);
        const bool renamed = library.Rename(name, other).empty();
        RC_ASSERT(renamed == (found && (!taken || taken == found)));
        if (renamed) model.plans[*found].first = PlanLibrary::TrimmedName(other);
        return;
    }
    case Step::kDelete:
        RC_ASSERT(library.Delete(name).empty() == found.has_value());
        if (found) model.plans.erase(model.plans.begin() + static_cast<std::ptrdiff_t>(*found));
        return;
    case Step::kImportItself: {
        const PlanLibrary copy = library;
        library.Import(copy);
        // Every copy is listed after the plans already there, under a name of its own.
        RC_ASSERT(library.plans().size() == 2 * model.plans.size());
        for (std::size_t at = model.plans.size(); at < library.plans().size(); ++at) {
            model.plans.emplace_back(library.plans()[at].name, library.plans()[at].code);
            RC_ASSERT(model.Find(library.plans()[at].name) == std::optional<std::size_t>(at));
        }
        return;
    }
    }
}

RC_GTEST_PROP(LibraryProperties, EveryNameFindsTheOnePlanThatHoldsIt, ()) {
    PlanLibrary library;
    Model model;
    // Many names, so that the index holds long runs of neighbours to find a way through.
    const auto name = rc::gen::apply(
        [](std::size_t base, int number) {
            // Appended: GCC 12 at -O3 takes a literal before a string for an overlapping copy.
            std::string name = kNames[base];
            if (number != 0) name.append(" ").append(std::to_string(number));
            return name;
        },
        rc::gen::inRange<std::size_t>(0, kNames.size()), rc::gen::inRange(0, 40));
    const auto steps = *rc::gen::container<std::vector<std::tuple<int, std::string, std::string, std::size_t>>>(
        rc::gen::tuple(rc::gen::weightedElement<int>({{8, 0}, {3, 1}, {4, 2}, {1, 3}}), name, name,
                       rc::gen::inRange<std::size_t>(0, kCodes.size())));
    for (const auto& [step, one, other, code] : steps) {
        if (library.plans().size() > 400) break;
        Apply(library, model, static_cast<Step>(step), one, other, kCodes[code]);
        RC_ASSERT(library.plans().size() == model.plans.size());
        for (std::size_t at = 0; at < model.plans.size(); ++at) {
            RC_ASSERT(library.plans()[at].name == model.plans[at].first);
            RC_ASSERT(library.plans()[at].code == model.plans[at].second);
            RC_ASSERT(library.Find(model.plans[at].first) == &library.plans()[at]);
        }
        for (const std::string& each : {one, other}) {
            const planner::SavedPlan* plan = library.Find(each);
            const auto expected = model.Find(each);
            RC_ASSERT((plan == nullptr) == !expected.has_value());
            if (plan != nullptr) RC_ASSERT(plan == &library.plans()[*expected]);
        }
    }
}

}  // namespace
}  // namespace vantrell::property
