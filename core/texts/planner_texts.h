#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "core/texts/translation.h"

// What the planner says of plan codes, priorities and abilities, and the words
// of its plain-text copies, which line up in a fixed-width font.
namespace vantrell::texts::planner {

// Why a plan code is not read; the parts of the code are quoted as excerpts.
inline constexpr Text kNotAPlanCode = Text("This is not a Vantrell plan code.");
std::string CodeOfOtherFormat(int version, int readable);
std::string CodeOfUnknownClass(std::string_view name);
std::string CodeLevelOutOfRange(std::string_view level, int lowest, int highest);
std::string CodeLevelNotANumber(std::string_view level);
std::string CodeLineCountMismatch(std::size_t levels, std::string_view classTitle, std::size_t lines);
std::string CodeLineLevelOutOfRange(std::string_view level, int highest);
std::string CodeLineLevelNotANumber(std::string_view level);
// The lines a plan asked for above what the rules kept, one "<caption>: <asked> lowered to <kept>" each.
inline constexpr Text kLoweredLead = Text("The plan did not fit and was trimmed by the usual rules:");
std::string LoweredLine(std::string_view caption, int requested, int applied);

inline constexpr Text kNoPlanOpen = Text("No plan is open.");
std::string ClassesDiffer(std::string_view thisClass, std::string_view otherClass);

// Why a training priority is not taken.
std::string NoSuchLine(std::size_t line, std::string_view classListName);
std::string LineNamedTwice(std::string_view caption);
std::string PriorityLeavesOut(std::string_view captions);
std::string UnknownStem(std::string_view stem, std::string_view classListName);

// The abilities' tooltips.
inline constexpr Text kAllAbilitiesReached = Text("All abilities of this line are reached.");
inline constexpr Text kNoAbilitiesListed = Text("no abilities listed");
std::string NextUnlockHint(int level, int cost, std::string_view abilities);
std::string OpensAtLevel(int characterLevel);

// The Training Path's note and introduction.
std::string TrainingPathNote(int lowestLevel);
std::string TrainingPathIntro(int lowestLevel, int characterLevel, std::string_view roseMarker);

// The plain-text copies' fixed words.
namespace plain {
inline constexpr Text kRealmLead = Text("Realm:       ");
inline constexpr Text kClassLead = Text("Class:       ");
inline constexpr Text kLevelLead = Text("Level:       ");
inline constexpr Text kPointsLeftLead = Text("Points left: ");
inline constexpr Text kLine = Text("Line");
// xgettext:no-c-format
// TRANSLATORS: the headings of a plan's columns; each but the last ends where the English one ends.
inline constexpr Text kPlanColumns = Text("  Level  Points    %  Abilities");
inline constexpr Text kPathClassLead = Text("Class:    ");
inline constexpr Text kPathLevelLead = Text("Level:    ");
inline constexpr Text kPathPriorityLead = Text("Priority: ");
inline constexpr Text kPathRoseLegend = Text(" marks the levels at which a line rose.\n\n");
inline constexpr Text kCompareClassLead = Text("Class: ");
inline constexpr Text kCompareLegend = Text("* marks the lines in which the two plans differ.\n\n");
inline constexpr Text kLevelSuffix = Text(" Level");
inline constexpr Text kPointsSuffix = Text(" Pts");
inline constexpr Text kPointsLeft = Text("Points left");
}  // namespace plain

}  // namespace vantrell::texts::planner
