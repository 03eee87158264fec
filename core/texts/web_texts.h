#pragma once

#include <string_view>

// Texts only the web page shows.
namespace vantrell::texts::web {

// Said when the browser cannot start the core; written into the page as it is built, since no core is there to ask.
inline constexpr std::string_view kCoreFailedLead = "This browser could not start the planner: ";
// What a search engine or a shared link shows of the page.
inline constexpr std::string_view kPageDescription =
    "Plan how an Ostrand character spends its specialization points: pick a realm, a class and a level from 6 to 50, "
    "and see each line's level, cost and abilities. Works offline.";
inline constexpr std::string_view kClasses = "Classes";
inline constexpr std::string_view kDownloadImage = "Download Image";
inline constexpr std::string_view kImageFileName = "vantrell-plan.png";
inline constexpr std::string_view kAbout = "About";
inline constexpr std::string_view kOk = "OK";
inline constexpr std::string_view kApply = "Apply";
inline constexpr std::string_view kTextToCopy = "Text to copy";
inline constexpr std::string_view kCopied = "Copied to the clipboard.";
inline constexpr std::string_view kCopyRefused =
    "The browser did not let the page copy. The text is selected: press Ctrl+C (or Command+C) to copy it.";
inline constexpr std::string_view kPasteRefused =
    "The browser did not let the page read the clipboard. Paste the code or link here, then press Apply.";
// Said when Copy Link could only copy the address of a page opened from a file;
// the button's caption goes between the two parts.
inline constexpr std::string_view kLocalLinkLead =
    "This link opens the plan only on this computer, because the page was opened from a file. To share the plan, use ";
inline constexpr std::string_view kLocalLinkTail = " instead: a plan code opens in Vantrell anywhere.";
inline constexpr std::string_view kMoveUpSymbol = "\u2191";
inline constexpr std::string_view kMoveDownSymbol = "\u2193";
inline constexpr std::string_view kUndo = "Undo";
inline constexpr std::string_view kRedo = "Redo";
inline constexpr std::string_view kSavePlan = "Save Plan";
inline constexpr std::string_view kPlanName = "Plan name";
inline constexpr std::string_view kPlanNote = "Note";
inline constexpr std::string_view kEditNote = "Note";
inline constexpr std::string_view kEditNoteTitle = "Edit Note";
inline constexpr std::string_view kSave = "Save";
inline constexpr std::string_view kCancel = "Cancel";
inline constexpr std::string_view kReplace = "Replace";
inline constexpr std::string_view kPlans = "Plans";
inline constexpr std::string_view kNoPlans = "No plan is saved yet: Save Plan keeps the plan on screen here.";
inline constexpr std::string_view kOpenPlan = "Open";
inline constexpr std::string_view kRenamePlan = "Rename";
inline constexpr std::string_view kDeletePlan = "Delete";
inline constexpr std::string_view kImportPlans = "Import";
inline constexpr std::string_view kExportPlans = "Export";
inline constexpr std::string_view kPlansFileName = "vantrell-plans.json";
// Shown in place of the class of a saved plan that names none this version knows.
inline constexpr std::string_view kUnknownClass = "Unknown class";
inline constexpr std::string_view kSaved = "The plan is saved.";
inline constexpr std::string_view kPlansNotStored =
    "The browser refused to keep the saved plans (its storage is full or not allowed). They stay in this page "
    "until it is closed: use Export to keep them in a file. Every change tries again.";
inline constexpr std::string_view kPlansChangedElsewhere = "The saved plans were changed in another window.";

// The Compare section: plan A is the one on screen, plan B a saved plan or a code.
inline constexpr std::string_view kCompareNote = "the plan on screen (A) beside a saved plan or a code (B)";
inline constexpr std::string_view kCompareSavedPlan = "Saved plan";
inline constexpr std::string_view kComparedPlanGone =
    "The saved plan that was plan B is no longer among the saved plans. Choose another plan to compare with.";
inline constexpr std::string_view kCompareNoSavedPlan = "None chosen";
inline constexpr std::string_view kCompareCode = "Code or link";
inline constexpr std::string_view kSwap = "Swap";

}  // namespace vantrell::texts::web
