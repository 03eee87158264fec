#pragma once

#include <string_view>

#include "core/texts/translation.h"

// Texts only the web page shows.
namespace vantrell::texts::web {

// Said when the browser cannot start the core; written into the page as it is built, since no core is there to ask.
inline constexpr Text kCoreFailedLead = Text("This browser could not start the planner: ");
// What a search engine or a shared link shows of the page.
inline constexpr Text kPageDescription =
    Text("Plan how an Ostrand character spends its specialization points: pick a realm, a class and a level from 6 to 50, "
    "and see each line's level, cost and abilities. Works offline.");
inline constexpr Text kClasses = Text("Classes");
inline constexpr Text kDownloadImage = Text("Download Image");
inline constexpr std::string_view kImageFileName = "vantrell-plan.png";
inline constexpr Text kAbout = Text("About");
inline constexpr Text kOk = Text("OK");
inline constexpr Text kApply = Text("Apply");
inline constexpr Text kTextToCopy = Text("Text to copy");
inline constexpr Text kCopied = Text("Copied to the clipboard.");
inline constexpr Text kCopyRefused =
    Text("The browser did not let the page copy. The text is selected: press Ctrl+C (or Command+C) to copy it.");
inline constexpr Text kPasteRefused =
    Text("The browser did not let the page read the clipboard. Paste the code or link here, then press Apply.");
// Said when Copy Link could only copy the address of a page opened from a file;
// {1} is the caption of the button that copies the plan code.
inline constexpr Text kLocalLinkNote = Text(
    "This link opens the plan only on this computer, because the page was opened from a file. To share the plan, use "
    "{1} instead: a plan code opens in Vantrell anywhere.");
inline constexpr std::string_view kMoveUpSymbol = "\u2191";
inline constexpr std::string_view kMoveDownSymbol = "\u2193";
inline constexpr Text kUndo = Text("Undo");
inline constexpr Text kRedo = Text("Redo");
inline constexpr Text kSavePlan = Text("Save Plan");
inline constexpr Text kPlanName = Text("Plan name");
inline constexpr Text kPlanNote = Text("Note");
inline constexpr Text kEditNote = Text("Note");
inline constexpr Text kEditNoteTitle = Text("Edit Note");
inline constexpr Text kSave = Text("Save");
inline constexpr Text kCancel = Text("Cancel");
inline constexpr Text kReplace = Text("Replace");
inline constexpr Text kPlans = Text("Plans");
inline constexpr Text kNoPlans = Text("No plan is saved yet: Save Plan keeps the plan on screen here.");
inline constexpr Text kOpenPlan = Text("Open");
inline constexpr Text kRenamePlan = Text("Rename");
inline constexpr Text kDeletePlan = Text("Delete");
inline constexpr Text kImportPlans = Text("Import");
inline constexpr Text kExportPlans = Text("Export");
inline constexpr std::string_view kPlansFileName = "vantrell-plans.json";
// Shown in place of the class of a saved plan that names none this version knows.
inline constexpr Text kUnknownClass = Text("Unknown class");
inline constexpr Text kSaved = Text("The plan is saved.");
inline constexpr Text kPlansNotStored =
    Text("The browser refused to keep the saved plans (its storage is full or not allowed). They stay in this page "
    "until it is closed: use Export to keep them in a file. Every change tries again.");
inline constexpr Text kPlansChangedElsewhere = Text("The saved plans were changed in another window.");

// The Compare section: plan A is the one on screen, plan B a saved plan or a code.
inline constexpr Text kCompareNote = Text("the plan on screen (A) beside a saved plan or a code (B)");
inline constexpr Text kCompareSavedPlan = Text("Saved plan");
inline constexpr Text kComparedPlanGone =
    Text("The saved plan that was plan B is no longer among the saved plans. Choose another plan to compare with.");
inline constexpr Text kCompareNoSavedPlan = Text("None chosen");
inline constexpr Text kCompareCode = Text("Code or link");
inline constexpr Text kSwap = Text("Swap");
// What the alert says before the reason a pasted code was not taken.
inline constexpr Text kPasteLead = Text("Paste Plan Code: ");
// Labels the choice of the language the page is shown in.
inline constexpr Text kLanguage = Text("Language");

}  // namespace vantrell::texts::web
