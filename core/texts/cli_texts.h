#pragma once

#include <string_view>

#include "core/texts/translation.h"

// What vantrell-cli says in its help and of what it cannot do.
namespace vantrell::texts::cli {

inline constexpr std::string_view kProgramName = "vantrell-cli";
inline constexpr Text kDescription =
    Text("Shows an Ostrand specialization plan, its training path or two plans side by side, for scripts and chat bots.");
inline constexpr Text kShow = Text("The plan of a code or link");
inline constexpr Text kPath = Text("The training path to the plan of a code or link");
inline constexpr Text kCompare = Text("Plan A beside plan B, each a code or link");
inline constexpr Text kClasses = Text("The realms, their classes and each class's lines");
inline constexpr Text kCodeArgument = Text("A plan code (VT1:...) or a link to one");
inline constexpr Text kCodeA = Text("Plan A: a code or link");
inline constexpr Text kCodeB = Text("Plan B: a code or link");
inline constexpr Text kFormatOption = Text("How to write it out");
inline constexpr Text kPriorityOption = Text("The lines trained first, by stem, separated by commas");
inline constexpr Text kRealmOption = Text("Only this realm's classes");
inline constexpr Text kCapNone = Text("none");
inline constexpr Text kCapLevel = Text("character level");
inline constexpr Text kCapHalfLevel = Text("half the character level");
inline constexpr Text kOpensAt = Text(", from level ");
inline constexpr Text kCapLead = Text(" (cap: ");

}  // namespace vantrell::texts::cli
