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
// Said when a pasted plan names a class this window has no way to open.
inline constexpr std::string_view kCannotOpenLead = "This window cannot open the ";
inline constexpr std::string_view kCannotOpenTail = " planner.";

// Where switching the maximize box off failed, and why, as its error reports it.
inline constexpr std::string_view kMaxButtonErrorSource = "modCloseBtn::EnableMaxButton";
inline constexpr std::string_view kInvalidWindowHandle = "EnableMaxButton() - Invalid Window Handle";

}  // namespace vantrell::texts::desktop
