#pragma once

#include <cstddef>
#include <map>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/catalog/records.h"
#include "core/planner/plan_code.h"
#include "core/planner/plan_history.h"
#include "core/planner/library_journal.h"
#include "core/planner/plan_library.h"
#include "core/planner/planner.h"
#include "core/planner/training_path.h"

namespace vantrell::planner {

// What one user has open while the program runs, whatever the front end: a
// planner for each class opened so far, each keeping its plan and its undo
// history, the one on screen, and each class's training priority.
class Session {
public:
    Session() = default;
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;

    // The class's planner, made on first use, becomes the current one.
    Planner& Open(const catalog::ClassDefinition& definition);
    // The same by the class's list name; nothing for a name the catalog lacks.
    Planner* Open(std::string_view listName);
    Planner* current() const { return current_; }

    // Screen order until the user sets one.
    TrainingPriority PriorityOf(const catalog::ClassDefinition& definition) const;
    // Takes the stems as the class's priority if they name every line once;
    // otherwise keeps the one it has and says why.
    std::string SetPriority(const catalog::ClassDefinition& definition, std::span<const std::string_view> stems);
    // Swaps the line at `place` of the class's priority with its neighbour
    // `offset` places away; the line's new place, or nothing where it cannot go.
    std::optional<std::size_t> MoveInPriority(const catalog::ClassDefinition& definition, std::size_t place,
                                              int offset);

    // A user's gestures on one of this session's planners, each one step of its history.
    void PickLevel(Planner& planner, std::int16_t characterLevel);
    bool MoveSlider(Planner& planner, std::size_t line, int value);
    bool Undo(Planner& planner);
    bool Redo(Planner& planner);
    const PlanHistory& HistoryOf(const Planner& planner) const;

    struct Applied {
        Planner* planner = nullptr;  // the code's class, now current; null when the code was not read
        std::vector<LoweredLine> lowered;
        std::string fault;  // why the code could not be read
    };
    // Opens a decoded plan's class and applies the plan as a user would, as one step.
    Applied Apply(const PlanCode& code);
    // Sets the class's priority from the saved plan, then applies its code: one step.
    Applied Load(const SavedPlan& plan);

    PlanLibrary& library() { return library_; }
    const PlanLibrary& library() const { return library_; }
    // The current plan and its class's priority under `name`; says why not.
    std::string SaveCurrent(std::string_view name);
    // Saving the plan on screen under `name`, with its class's priority, as a
    // change a journal can make again later; there must be a plan on screen.
    // With a note, the saved plan takes it; without one, it keeps the note it had.
    LibraryJournal::Change SavingCurrent(std::string_view name, std::optional<std::string> note = std::nullopt);
    // The note of the saved plan a planner shows: the one last opened or saved
    // in it, while the plan is as saved; empty for any other.
    std::string NoteOf(const Planner& planner) const;
    // The saved plan last opened or saved in a planner, as it is in the library now; null when none is.
    const SavedPlan* SavedPlanOf(const Planner& planner) const;
    // The note Save Plan proposes for a planner's plan: that of the saved plan last opened or saved in it.
    std::string ProposedNote(const Planner& planner) const;
    // Saving as Save Plan does with the note its dialog gave back: an empty note where none was
    // proposed leaves a plan saved over with the note it had; any other note is the plan's.
    LibraryJournal::Change SavingCurrentAsDrafted(std::string_view name, std::string note);

    // A code exactly as a link's fragment carries it.
    Applied ApplyCode(std::string_view code);
    // What a user pasted: a code or a whole link.
    Applied ApplyPasted(std::string_view codeOrLink);

private:
    struct Opened {
        std::unique_ptr<Planner> planner;
        PlanHistory history;
    };
    PlanHistory& RecordedHistoryOf(const Planner& planner);
    template <typename Self>
    static auto& HistoryIn(Self& self, const Planner& planner);

    std::map<const catalog::ClassDefinition*, Opened> planners_;
    Planner* current_ = nullptr;
    TrainingPriorities priorities_;
    PlanLibrary library_;
    // The name each planner's plan was last opened or saved under.
    std::map<const catalog::ClassDefinition*, std::string> savedNames_;
};

}  // namespace vantrell::planner
