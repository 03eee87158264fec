#pragma once

#include <string_view>

// The fixed captions of a planner window and its sharing commands, without
// Qt, so every front end shows the same words.
namespace vantrell::texts::captions {

inline constexpr std::string_view kLevel = "Level:";
inline constexpr std::string_view kPointsLeft = "Points Left:";
inline constexpr std::string_view kSkillsAvailable = "Skills Available";
inline constexpr std::string_view kClickForExplanation = "(Click for an explanation)";
inline constexpr std::string_view kSpecializationLevel = "Specialization Level";
inline constexpr std::string_view kPointsUsed = "Pts Used";
inline constexpr std::string_view kPercent = "%";

inline constexpr std::string_view kCopyPlanAsText = "Copy Plan as Text";
inline constexpr std::string_view kCopyPlanCode = "Copy Plan Code";
inline constexpr std::string_view kPastePlanCode = "Paste Plan Code";

inline constexpr std::string_view kTrainingPath = "Training Path";
inline constexpr std::string_view kPriority = "Priority";
inline constexpr std::string_view kPriorityHint = "Each level's points go to the lines at the top first.";
inline constexpr std::string_view kPathLevel = "Level";
inline constexpr std::string_view kPathPointsLeft = "Points Left";
inline constexpr std::string_view kNewAbilities = "New Abilities";
inline constexpr std::string_view kCopyAsText = "Copy as Text";
// Marks a level at which a line rose, beside the bold type that says the same.
inline constexpr std::string_view kRoseMarker = "\u25B2";

}  // namespace vantrell::texts::captions
