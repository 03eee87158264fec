#pragma once

#include <string_view>

// Texts only the web page shows.
namespace vantrell::texts::web {

inline constexpr std::string_view kClasses = "Classes";
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

}  // namespace vantrell::texts::web
