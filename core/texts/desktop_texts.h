#pragma once

#include <string_view>

// Texts only the desktop program shows; '&' marks a command's keyboard mnemonic.
namespace vantrell::texts::desktop {

inline constexpr std::string_view kAboutButton = "&About";
inline constexpr std::string_view kMoveUp = "Move &Up";
inline constexpr std::string_view kMoveDown = "Move &Down";
inline constexpr std::string_view kMoveUpTip = "Move the selected line up (Alt+Up)";
inline constexpr std::string_view kMoveDownTip = "Move the selected line down (Alt+Down)";
inline constexpr std::string_view kUndo = "&Undo";
inline constexpr std::string_view kRedo = "&Redo";
inline constexpr std::string_view kSavePlan = "&Save Plan\u2026";
inline constexpr std::string_view kPlans = "&Plans\u2026";
inline constexpr std::string_view kSavePlanTitle = "Save Plan";
inline constexpr std::string_view kPlanName = "Plan name:";
inline constexpr std::string_view kPlanNote = "&Note:";
inline constexpr std::string_view kPlansTitle = "Plans";
inline constexpr std::string_view kPlanColumn = "Name";
inline constexpr std::string_view kClassColumn = "Class";
inline constexpr std::string_view kLevelColumn = "Level";
inline constexpr std::string_view kOpenPlan = "&Open";
inline constexpr std::string_view kRenamePlan = "&Rename\u2026";
inline constexpr std::string_view kDeletePlan = "&Delete";
inline constexpr std::string_view kImportPlans = "&Import\u2026";
inline constexpr std::string_view kExportPlans = "&Export\u2026";
inline constexpr std::string_view kNoteColumn = "Note";
inline constexpr std::string_view kClosePlans = "Close";
inline constexpr std::string_view kRenamePlanTitle = "Rename Plan";
inline constexpr std::string_view kEditNote = "Edit &Note\u2026";
inline constexpr std::string_view kEditNoteTitle = "Edit Note";
inline constexpr std::string_view kPlansFileFilter = "Saved plans (*.json)";
// Shown in place of the class of a saved plan that cannot be opened.
inline constexpr std::string_view kUnknownClass = "\u2014";
// Said when a pasted plan names a class this window has no way to open.
inline constexpr std::string_view kCannotOpenLead = "This window cannot open the ";
inline constexpr std::string_view kCannotOpenTail = " planner.";

// The comparison's controls.
inline constexpr std::string_view kSavedPlanChoice = "Saved &plan:";
inline constexpr std::string_view kNoSavedPlanChosen = "None chosen";
inline constexpr std::string_view kOtherPlanCode = "Code or &link:";
inline constexpr std::string_view kSwapPlans = "&Swap";
inline constexpr std::string_view kSwapPlansTip = "Show plan B first and plan A second";

// Where switching the maximize box off failed, and why, as its error reports it.
inline constexpr std::string_view kMaxButtonErrorSource = "modCloseBtn::EnableMaxButton";
inline constexpr std::string_view kInvalidWindowHandle = "EnableMaxButton() - Invalid Window Handle";

}  // namespace vantrell::texts::desktop
