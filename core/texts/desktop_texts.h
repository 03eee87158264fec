#pragma once

#include <string_view>

#include "core/texts/translation.h"

// Texts only the desktop program shows; '&' marks a command's keyboard mnemonic.
namespace vantrell::texts::desktop {

inline constexpr Text kAboutButton = Text("&About");
// Names the choice of the language every window is shown in.
inline constexpr Text kLanguage = Text("Language");
inline constexpr Text kMoveUp = Text("Move &Up");
inline constexpr Text kMoveDown = Text("Move &Down");
inline constexpr Text kMoveUpTip = Text("Move the selected line up (Alt+Up)");
inline constexpr Text kMoveDownTip = Text("Move the selected line down (Alt+Down)");
inline constexpr Text kUndo = Text("&Undo");
inline constexpr Text kRedo = Text("&Redo");
inline constexpr Text kSavePlan = Text("&Save Plan\u2026");
inline constexpr Text kPlans = Text("&Plans\u2026");
inline constexpr Text kSavePlanTitle = Text("Save Plan");
inline constexpr Text kPlanName = Text("Plan name:");
inline constexpr Text kPlanNote = Text("&Note:");
inline constexpr Text kPlansTitle = Text("Plans");
inline constexpr Text kPlanColumn = Text("Name");
inline constexpr Text kClassColumn = Text("Class");
inline constexpr Text kLevelColumn = Text("Level");
inline constexpr Text kOpenPlan = Text("&Open");
inline constexpr Text kRenamePlan = Text("&Rename\u2026");
inline constexpr Text kDeletePlan = Text("&Delete");
inline constexpr Text kImportPlans = Text("&Import\u2026");
inline constexpr Text kExportPlans = Text("&Export\u2026");
inline constexpr Text kNoteColumn = Text("Note");
inline constexpr Text kClose = Text("Close");
inline constexpr Text kRenamePlanTitle = Text("Rename Plan");
inline constexpr Text kEditNote = Text("Edit &Note\u2026");
inline constexpr Text kEditNoteTitle = Text("Edit Note");
inline constexpr Text kPlansFileFilter = Text("Saved plans (*.json)");
// Shown in place of the class of a saved plan that cannot be opened.
inline constexpr std::string_view kUnknownClass = "\u2014";
// Said when a pasted plan names a class this window has no way to open.
inline constexpr Text kCannotOpenLead = Text("This window cannot open the ");
inline constexpr Text kCannotOpenTail = Text(" planner.");

// The comparison's controls.
inline constexpr Text kSavedPlanChoice = Text("Saved &plan:");
inline constexpr Text kNoSavedPlanChosen = Text("None chosen");
inline constexpr Text kOtherPlanCode = Text("Code or &link:");
inline constexpr Text kSwapPlans = Text("&Swap");
inline constexpr Text kSwapPlansTip = Text("Show plan B first and plan A second");

// Where switching the maximize box off failed, and why, as its error reports it.
inline constexpr std::string_view kMaxButtonErrorSource = "modCloseBtn::EnableMaxButton";
inline constexpr std::string_view kInvalidWindowHandle = "EnableMaxButton() - Invalid Window Handle";

}  // namespace vantrell::texts::desktop
