#include "core/planner/library_journal.h"

#include <memory>
#include <utility>

namespace vantrell::planner {

LibraryJournal::Change LibraryJournal::Saving(std::string name, std::string code, std::vector<std::string> priority) {
    return [name = std::move(name), code = std::move(code), priority = std::move(priority)](PlanLibrary& library) {
        return library.Save(name, code, priority);
    };
}

LibraryJournal::Change LibraryJournal::Renaming(std::string name, std::string newName) {
    return [name = std::move(name), newName = std::move(newName)](PlanLibrary& library) {
        return library.Rename(name, newName);
    };
}

LibraryJournal::Change LibraryJournal::Deleting(std::string name) {
    return [name = std::move(name)](PlanLibrary& library) { return library.Delete(name); };
}

LibraryJournal::Change LibraryJournal::Noting(std::string name, std::string note) {
    return [name = std::move(name), note = std::move(note)](PlanLibrary& library) { return library.SetNote(name, note); };
}

LibraryJournal::Change LibraryJournal::Importing(PlanLibrary other) {
    // Shared, as a journal's changes are copied and an import may hold many plans.
    auto imported = std::make_shared<const PlanLibrary>(std::move(other));
    return [imported](PlanLibrary& library) {
        library.Import(*imported);
        return std::string();
    };
}

std::string LibraryJournal::Apply(PlanLibrary& library, const Change& change) {
    std::string refused = change(library);
    if (refused.empty()) changes_.push_back(change);
    return refused;
}

void LibraryJournal::Rebase(PlanLibrary& library, PlanLibrary kept) {
    library = kept;
    kept_ = std::move(kept);
    std::erase_if(changes_, [&](const Change& change) { return !change(library).empty(); });
}

void LibraryJournal::Written(const PlanLibrary& library) {
    changes_.clear();
    kept_ = library;
}

}  // namespace vantrell::planner
