#pragma once

#include <emscripten/val.h>

#include <string>

#include "core/catalog/records.h"
#include "core/planner/planner.h"
#include "core/planner/session.h"

namespace vantrell::web {

// The page's session: every class's planner it has opened, each keeping its
// plan while the page stays open, the one on screen, and the priorities.
class PageSession {
public:
    using val = emscripten::val;

    bool Open(const std::string& listName) { return session_.Open(listName) != nullptr; }
    bool HasCurrent() const { return session_.current() != nullptr; }

    // What never changes while a class is on screen.
    val Layout() const;
    // What the controls show now.
    val State() const;
    // The explanation's title and body lines joined by "\n"; null without one.
    val Explanation(int line) const;

    bool PickLevel(int level);
    bool Slide(int line, int value);
    bool Undo() { return session_.Undo(Current()); }
    bool Redo() { return session_.Redo(Current()); }
    // How many steps the current planner can go back and forward.
    val History() const;

    std::string PlanCode() const;
    std::string PlanText() const;
    // The plan in a form it is copied in (markdown, bbcode, html, svg); empty for another name.
    std::string PlanInFormat(const std::string& format) const;
    // The link Copy Link copies, for a page at `pageAddress` that knows `home`
    // as its published address ('' for none), and what to say when it opens only here.
    val LinkFor(const std::string& pageAddress, const std::string& home) const;
    // A fragment must be a plan code as it stands.
    val ApplyFragment(const std::string& fragment);
    // What the user pastes may be a code or a whole link.
    val ApplyPasted(const std::string& pasted);

    // The current class's lines as stems, the line trained first first.
    val Priority() const;
    // The priority as the page lists it: each line with its move buttons' labels and whether they can move it.
    val PriorityList() const;
    // Takes the stems as the current class's priority if they name every line
    // once; otherwise keeps the one it has and says why.
    std::string SetPriority(const val& stems);
    // Moves the line at `place` by `offset` places: its new place and what to
    // announce, or null where it cannot go.
    val MovePriority(int place, int offset);
    // The intro above the table and one row per character level.
    val TrainingPath() const;
    std::string TrainingPathText() const;
    // The training path, or the comparison Compare would give, in a form of copy; '' for no such form or comparison.
    std::string TrainingPathInFormat(const std::string& format) const;
    std::string PlanNote() const { return session_.NoteOf(Current()); }
    std::string ComparisonInFormat(const std::string& codeOrLink, bool swapped, const std::string& format) const;

    // The plan on screen beside `codeOrLink`, or why they cannot be set side by side;
    // `text` is what Copy as Text copies, made with the rows since it costs as little.
    val Compare(const std::string& codeOrLink, bool swapped) const;
    std::string CompleteFrom() const;
    // The saved plans B can be: those of the class on screen that can be opened.
    val ComparablePlans() const;

    // The name Save Plan proposes for the plan on screen.
    std::string ProposedPlanName() const;
    bool HasPlan(const std::string& name) const { return session_.library().Find(name) != nullptr; }
    // Each change is kept until the browser's storage holds it (LibraryWritten).
    std::string SavePlan(const std::string& name);
    // The same with the note Save Plan was given; a plan saved over keeps its own
    // when the note is empty and none was proposed.
    std::string SavePlanWithNote(const std::string& name, const std::string& note);
    // The note Save Plan proposes: that of the plan last opened or saved in the planner on screen.
    std::string ProposedPlanNote() const;
    std::string SetPlanNote(const std::string& name, const std::string& note);
    // A saved plan's note, '' when it has none or there is no such plan.
    std::string SavedPlanNote(const std::string& name) const;
    std::string RenamePlan(const std::string& name, const std::string& newName);
    std::string DeletePlan(const std::string& name);
    // The saved plans in the order saved, with what can be read of each.
    val Plans() const;
    // How many plans are saved, and those from place `first` on, at most `count`: a long list is fetched as it is shown.
    double PlanCount() const { return static_cast<double>(session_.library().plans().size()); }
    val PlansFrom(double first, double count) const;
    // Opens the saved plan in its class with its priority, as one step.
    val LoadPlan(const std::string& name);
    // Takes what the browser's storage holds as the library, the changes it does not
    // hold yet made again on it; or keeps the one it has and says why.
    val ReadLibrary(const val& document);
    val WriteLibrary() const;
    // The browser's storage now holds the library as it is.
    void LibraryWritten() { journal_.Written(session_.library()); }
    // What to say of the plans the storage does not hold yet; '' when it holds them all.
    std::string UnwrittenPlansNote() const;
    // Adds the document's plans beside the saved ones; nothing is replaced.
    val ImportLibrary(const val& document);

private:
    bool IsLine(int line) const { return line >= 0 && static_cast<std::size_t>(line) < Definition().lines.size(); }
    planner::Planner& Current() const;
    const catalog::ClassDefinition& Definition() const { return Current().definition(); }

    planner::Session session_;
    planner::LibraryJournal journal_;
};

}  // namespace vantrell::web
