#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// Texts made from parts, composed once for every front end.
namespace vantrell::texts {

// "Version " and the project's one version number, as project() in the top CMakeLists.txt spells it.
std::string VersionCaption();
// The about box's text, which ends with the contact address.
std::string AboutText();
// The contact link as the desktop hands it to the mail program.
std::string ContactLink();
// The same link for a page, its subject percent-encoded.
std::string ContactHref();

// What a priority's move button says, for the line `caption` moving `offset` places (-1 up, 1 down).
std::string PriorityMoveLabel(std::string_view caption, int offset);
// What is announced once a line has moved to `place` (0 first) of the priority.
std::string PriorityPlaceAnnouncement(std::string_view caption, std::size_t place);

// A caption as the name a screen reader gives the control it labels: "Level:" names "Level".
std::string ControlNameOf(std::string_view caption);

// What the page says after copying a link to itself as a file, which opens nowhere else.
std::string LocalLinkNote();

// The name Save Plan proposes: "Healer 50".
std::string ProposedPlanName(std::string_view classCaption, int characterLevel);
// Asked before a saved plan of that name is replaced.
std::string ReplacePlanQuestion(std::string_view name);
// Asked before a saved plan is deleted.
std::string DeletePlanQuestion(std::string_view name);
// Above the text of a plan's note as it is edited.
std::string NoteOnPlanLabel(std::string_view name);
// Said once when the saved plans' file is no library this version can keep: it was moved aside, not overwritten.
std::string UnreadableLibraryNote(std::string_view reason, std::string_view movedTo);
// Said when the browser's copy of the saved plans is no library this version can
// keep: it stays under `keptUnder`, never overwritten.
std::string UnreadableStoredPlansNote(std::string_view reason, std::string_view keptUnder);
// Said when a plan is asked for by a name no saved plan has.
std::string NoSavedPlanNamed(std::string_view name);
// Said once when the saved plans cannot be written where they are kept.
std::string UnwritableLibraryNote(std::string_view folder);
// What an import added.
std::string ImportedPlansNote(std::size_t plans, std::size_t unusable);
// The lowest character level that holds the whole plan: "Complete from level 38".
std::string CompleteFromNote(int characterLevel);

}  // namespace vantrell::texts
