#pragma once

#include <string_view>

// The words of a plan copied for a forum, a chat or a picture.
namespace vantrell::texts::sharing {

inline constexpr std::string_view kLineHeading = "Line";
inline constexpr std::string_view kLevelHeading = "Level";
inline constexpr std::string_view kPointsHeading = "Points";
inline constexpr std::string_view kPercentHeading = "%";
inline constexpr std::string_view kAbilitiesHeading = "Abilities";
// Between the class and its character level in a plan's title: "Healer, Level 40".
inline constexpr std::string_view kTitleLevel = ", Level ";
inline constexpr std::string_view kPointsLeftLead = "Points left: ";
// Between the figures of a line copied as one line of a post.
inline constexpr std::string_view kFigureSeparator = " \u00b7 ";

}  // namespace vantrell::texts::sharing
