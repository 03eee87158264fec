#pragma once

#include <string_view>

#include "core/texts/translation.h"

// The words of a plan copied for a forum, a chat or a picture.
namespace vantrell::texts::sharing {

inline constexpr Text kLineHeading = Text("Line");
inline constexpr Text kLevelHeading = Text("Level");
inline constexpr Text kPointsHeading = Text("Points");
inline constexpr std::string_view kPercentHeading = "%";
inline constexpr Text kAbilitiesHeading = Text("Abilities");
// Between the class and its character level in a plan's title: "Healer, Level 40".
inline constexpr Text kTitleLevel = Text(", Level ");
inline constexpr Text kPointsLeftLead = Text("Points left: ");
// Between the figures of a line copied as one line of a post.
inline constexpr std::string_view kFigureSeparator = " \u00b7 ";

}  // namespace vantrell::texts::sharing
