#pragma once

#include "desktop/toolkit/twips.h"

// Where the shell puts its windows, in twips.
namespace vantrell::shell::geometry {

inline constexpr int kInitialClientWidth = 10065;
inline constexpr int kInitialClientHeight = 5715;
// The caption and borders of a main window with standard frame metrics.
inline constexpr int kStandardFrameHeight = 405;
inline constexpr int kFixedOuterWidth = 9300;
inline constexpr int kFixedOuterHeight = 5300;

inline constexpr int kSelectorWidth = 1605;
// The selector is sized while the main window still has its initial size.
inline constexpr int kSelectorHeight = kInitialClientHeight + kStandardFrameHeight - 1345;

inline constexpr toolkit::TwipRect kSelector{0, 0, kSelectorWidth, kSelectorHeight};
inline constexpr toolkit::TwipRect kRightHand{kSelectorWidth, 0, kFixedOuterWidth - kSelectorWidth - 180,
                                              kFixedOuterHeight - 470};

}  // namespace vantrell::shell::geometry
