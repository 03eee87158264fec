#pragma once

#include <string_view>

// What vantrell-cli says in its help and of what it cannot do.
namespace vantrell::texts::cli {

inline constexpr std::string_view kProgramName = "vantrell-cli";
inline constexpr std::string_view kDescription =
    "Shows an Ostrand specialization plan, its training path or two plans side by side, for scripts and chat bots.";
inline constexpr std::string_view kShow = "The plan of a code or link";
inline constexpr std::string_view kPath = "The training path to the plan of a code or link";
inline constexpr std::string_view kCompare = "Plan A beside plan B, each a code or link";
inline constexpr std::string_view kClasses = "The realms, their classes and each class's lines";
inline constexpr std::string_view kCodeArgument = "A plan code (VT1:...) or a link to one";
inline constexpr std::string_view kCodeA = "Plan A: a code or link";
inline constexpr std::string_view kCodeB = "Plan B: a code or link";
inline constexpr std::string_view kFormatOption = "How to write it out";
inline constexpr std::string_view kPriorityOption = "The lines trained first, by stem, separated by commas";
inline constexpr std::string_view kRealmOption = "Only this realm's classes";
inline constexpr std::string_view kCapNone = "none";
inline constexpr std::string_view kCapLevel = "character level";
inline constexpr std::string_view kCapHalfLevel = "half the character level";
inline constexpr std::string_view kOpensAt = ", from level ";
inline constexpr std::string_view kCapLead = " (cap: ";

}  // namespace vantrell::texts::cli
