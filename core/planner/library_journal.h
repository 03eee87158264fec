#pragma once

#include <functional>
#include <string>
#include <vector>

#include "core/planner/plan_library.h"

namespace vantrell::planner {

// The changes made to a library that its keeper (a file, the browser's
// storage) does not hold yet. They are kept as the actions they were, not as
// the state they left, so that they are made again on whatever the keeper holds
// once it takes them: a plan deleted meanwhile stays deleted, a plan renamed
// keeps only its new name, a plan saved elsewhere meanwhile stays.
class LibraryJournal {
public:
    // One change; its reason when it refuses, which leaves the library as it was.
    using Change = std::function<std::string(PlanLibrary&)>;
    static Change Saving(std::string name, std::string code, std::vector<std::string> priority);
    static Change Renaming(std::string name, std::string newName);
    static Change Deleting(std::string name);
    static Change Noting(std::string name, std::string note);
    static Change Importing(PlanLibrary other);

    // Makes `change` on `library` and, unless it refuses, keeps it until the keeper holds it.
    std::string Apply(PlanLibrary& library, const Change& change);
    // `library` becomes what the keeper holds now, with every change it lacks made again on it.
    // A change that no longer applies (its plan is gone) is dropped.
    void Rebase(PlanLibrary& library, PlanLibrary kept);
    // The keeper now holds `library` as it is.
    void Written(const PlanLibrary& library);

    bool empty() const { return changes_.empty(); }
    // The plans of `library` that the keeper does not hold as they are.
    std::vector<std::string> Unwritten(const PlanLibrary& library) const { return library.NotHeldIn(kept_); }

private:
    std::vector<Change> changes_;
    PlanLibrary kept_;
};

}  // namespace vantrell::planner
