#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <variant>
#include <vector>

#include "core/catalog/records.h"
#include "core/planner/name_index.h"
#include "core/texts/library_texts.h"

namespace vantrell::planner {

// One plan the user saved under a name, with its class's training priority.
struct SavedPlan {
    std::string name;
    std::string code;
    std::vector<std::string> priority;  // stems, the line trained first first
    std::string note;                   // the user's own words on the plan; empty when there are none
    // Why it cannot be opened (its code no longer decodes, its priority does
    // not name its class's lines, its name is not one a plan may have); empty when it can.
    std::string fault;
    // What can be read of it even when it cannot be opened.
    const catalog::ClassDefinition* definition = nullptr;
    std::optional<int> characterLevel;
    // The entry as it was read, fields this version does not know included, so
    // that writing it back loses nothing; empty for a plan saved here or read
    // with its own fields alone, which the plan writes back by itself.
    std::string stored;
    // The entry read held no plan, only something else kept in its place.
    bool foreign = false;

    bool usable() const { return fault.empty(); }
};

// The user's saved plans, in the order saved; one JSON document on every front end.
// Every plan has a name of its own, unique ignoring case in any script, by which
// every command finds it.
class PlanLibrary {
public:
    using Source = texts::library::Source;

    // Why a name cannot be given to a plan: 1 to 80 characters once trimmed, no control characters.
    static std::string NameFault(std::string_view name);
    // The name as it is kept: without the blanks around it.
    static std::string TrimmedName(std::string_view name);

    // The library a document holds, or why it is not one this version can keep.
    static std::variant<PlanLibrary, std::string> Read(std::string_view document, Source source = Source::kFile);
    std::string Write() const;

    const std::vector<SavedPlan>& plans() const { return plans_; }
    // The plan of that name, its case and the blanks around it aside.
    const SavedPlan* Find(std::string_view name) const;

    // Saves a plan under `name`, replacing in its place a plan of that name; says why not.
    std::string Save(std::string_view name, std::string_view code, std::vector<std::string> priority);
    std::string Rename(std::string_view name, std::string_view newName);
    std::string Delete(std::string_view name);
    // Gives the plan a note, or takes its note away with an empty one; says why not.
    std::string SetNote(std::string_view name, std::string_view note);
    // Why a note cannot be kept: at most 2,000 characters of text.
    static std::string NoteFault(std::string_view note);

    struct Imported {
        std::size_t plans = 0;
        std::size_t unusable = 0;
    };
    // Adds every plan of `other`; a name in use gets " (2)", " (3)"… and nothing is replaced.
    Imported Import(const PlanLibrary& other);
    // What importing this library into another adds.
    Imported ImportTally() const;

    // The names of the plans here that `kept` does not hold as they are here.
    std::vector<std::string> NotHeldIn(const PlanLibrary& kept) const;

private:
    // A library of `plans` in their order, each under a name of its own.
    static PlanLibrary Indexed(std::vector<SavedPlan> plans);
    // The name of the plan at a place, as the index reads it.
    struct NameOfPlace {
        const std::vector<SavedPlan>* plans;
        std::string_view operator()(std::size_t place) const { return (*plans)[place].name; }
    };
    NameOfPlace NameAt() const;
    std::optional<std::size_t> PositionOf(std::string_view name) const;
    // Where the last copy of a name was numbered, by the place of the plan that holds the name itself.
    using CopyNumbers = std::unordered_map<std::size_t, int>;
    // Indexes the plan at `position` under its name or, when that is taken, renames
    // it to the first free "<name> (n)".
    void IndexUnique(std::size_t position, CopyNumbers& nextCopies);

    std::vector<SavedPlan> plans_;
    // Each plan's place, by its name.
    NameIndex positions_;
    // The document's own fields this version does not know.
    std::string storedDocument_;
};

// Checks a saved plan's code, priority and name against the catalog and fills
// in what can be read of it: its class, its level, and why it cannot be opened.
void Examine(SavedPlan& plan);

}  // namespace vantrell::planner
