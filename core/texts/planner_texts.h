#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// What the planner says of plan codes, priorities and abilities, and the words
// of its plain-text copies, which line up in a fixed-width font.
namespace vantrell::texts::planner {

// Why a plan code is not read; the parts of the code are quoted as excerpts.
inline constexpr std::string_view kNotAPlanCode = "This is not a Vantrell plan code.";
std::string CodeOfOtherFormat(int version, int readable);
std::string CodeOfUnknownClass(std::string_view name);
std::string CodeLevelOutOfRange(std::string_view level, int lowest, int highest);
std::string CodeLevelNotANumber(std::string_view level);
std::string CodeLineCountMismatch(std::size_t levels, std::string_view classTitle, std::size_t lines);
std::string CodeLineLevelOutOfRange(std::string_view level, int highest);
std::string CodeLineLevelNotANumber(std::string_view level);
// The lines a plan asked for above what the rules kept, one "<caption>: <asked> lowered to <kept>" each.
inline constexpr std::string_view kLoweredLead = "The plan did not fit and was trimmed by the usual rules:";
std::string LoweredLine(std::string_view caption, int requested, int applied);

inline constexpr std::string_view kNoPlanOpen = "No plan is open.";
std::string ClassesDiffer(std::string_view thisClass, std::string_view otherClass);

// Why a training priority is not taken.
std::string NoSuchLine(std::size_t line, std::string_view classListName);
std::string LineNamedTwice(std::string_view caption);
std::string PriorityLeavesOut(std::string_view captions);
std::string UnknownStem(std::string_view stem, std::string_view classListName);

// The abilities' tooltips.
inline constexpr std::string_view kAllAbilitiesReached = "All abilities of this line are reached.";
inline constexpr std::string_view kNoAbilitiesListed = "no abilities listed";
std::string NextUnlockHint(int level, int cost, std::string_view abilities);
std::string OpensAtLevel(int characterLevel);

// The Training Path's note and introduction.
std::string TrainingPathNote(int lowestLevel);
std::string TrainingPathIntro(int lowestLevel, int characterLevel, std::string_view roseMarker);

// The plain-text copies' fixed words.
namespace plain {
inline constexpr std::string_view kRealmLead = "Realm:       ";
inline constexpr std::string_view kClassLead = "Class:       ";
inline constexpr std::string_view kLevelLead = "Level:       ";
inline constexpr std::string_view kPointsLeftLead = "Points left: ";
inline constexpr std::string_view kLine = "Line";
inline constexpr std::string_view kPlanColumns = "  Level  Points    %  Abilities";
inline constexpr std::string_view kPathClassLead = "Class:    ";
inline constexpr std::string_view kPathLevelLead = "Level:    ";
inline constexpr std::string_view kPathPriorityLead = "Priority: ";
inline constexpr std::string_view kPathRoseLegend = " marks the levels at which a line rose.\n\n";
inline constexpr std::string_view kCompareClassLead = "Class: ";
inline constexpr std::string_view kCompareLegend = "* marks the lines in which the two plans differ.\n\n";
inline constexpr std::string_view kLevelSuffix = " Level";
inline constexpr std::string_view kPointsSuffix = " Pts";
inline constexpr std::string_view kPointsLeft = "Points left";
}  // namespace plain

}  // namespace vantrell::texts::planner
