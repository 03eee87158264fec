#pragma once

#include <string_view>

// Explanations that several classes give word for word under their own titles.
namespace vantrell::catalog::classes {

inline constexpr std::string_view kBladesBody[] = {
    "Blades is your skill wielding a bladed weapon.",
    "The styles you recieve with higher Blades skill enable you to achieve high bonus damage.",
    "Some skills need to be executed after another specific style is successful.",
};

inline constexpr std::string_view kBluntsBody[] = {
    "Blunts is your skill wielding a blunt weapon.",
    "The styles you recieve with higher Blunts skill enable you to achieve high bonus damage.",
    "Some skills need to be executed after another specific style is successful.",
};

inline constexpr std::string_view kPiercingBody[] = {
    "Piercing is your skill wielding a piercing weapon.",
    "The styles you recieve with higher Piercing skill enable you to achieve high bonus damage.",
    "Some skills need to be executed after another specific style is successful.",
};

inline constexpr std::string_view kCelticDualBody[] = {
    "Celtic Dual is your skill wielding two weapons at the same time.",
    "The styles you recieve with higher Celtic Dual skill enable you to achieve high bonus damage.",
    "Some skills require you to be facing a specific side of the target.",
};

inline constexpr std::string_view kLargeWeaponsBody[] = {
    "Large Weapons is your skill wielding Large Weapons.",
    "The styles you recieve with higher Large Weapons skill enable you to achieve high bonus damage.",
    "Some skills need to be executed after another specific style is successful, or behind the target, etc.",
};

inline constexpr std::string_view kShieldBody[] = {
    "These skills stun the target.  The higher the level skill, the longer the stun duration.",
    "Some skills require you to be behind the target, or after a successful block, etc.",
};

}  // namespace vantrell::catalog::classes
