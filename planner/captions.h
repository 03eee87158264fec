#pragma once

#include <string_view>

// The fixed captions of a planner window and its sharing commands, without
// Qt, so every front end shows the same words.
namespace vantrell::planner::captions {

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

}  // namespace vantrell::planner::captions
