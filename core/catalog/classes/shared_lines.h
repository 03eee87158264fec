#pragma once

#include <cstdint>
#include <string_view>

#include "core/catalog/records.h"
#include "core/catalog/style_schedules.h"

// Lines that several classes share word for word, and the shapes their other lines have in common.
namespace vantrell::catalog::classes {

// The Hibernian casters' spell lines differ only in their words, colours and tables; the hybrids'
// are also held to the character level.
constexpr SpecLineDefinition SpellLine(std::string_view stem, std::string_view caption, Rgb colour,
                                       std::span<const AbilityBand> bands, const DescriptionMessage& description,
                                       LineCap cap = LineCap::None) {
    return {.stem = stem,
            .caption = caption,
            .captionColour = colour,
            .abilitiesColour = std::nullopt,
            .abilitiesKind = AbilitiesKind::Spells,
            .bands = bands,
            .styles = {},
            .description = &description,
            .cap = cap};
}

// A line with no table of its own, listed among the skills.
constexpr SpecLineDefinition SkillLine(std::string_view stem, std::string_view caption, Rgb colour,
                                       LineCap cap = LineCap::CharacterLevel) {
    return {
        .stem = stem, .caption = caption, .captionColour = colour, .abilitiesKind = AbilitiesKind::Skills, .cap = cap};
}

// The label of a line without a table only tells whether the line is open yet, under its own stem.
constexpr SpecLineDefinition OpenOrClosedLine(std::string_view stem, std::string_view caption, Rgb colour,
                                              LineCap cap = LineCap::CharacterLevel) {
    SpecLineDefinition line = SkillLine(stem, caption, colour, cap);
    line.availableText = stem;
    return line;
}

// Weapon lines share one style schedule; the words before the band number name the weapon.
constexpr SpecLineDefinition WeaponLine(std::string_view stem, std::string_view caption, Rgb colour,
                                        std::string_view styleText, const DescriptionMessage* description = nullptr,
                                        LineCap cap = LineCap::CharacterLevel) {
    SpecLineDefinition line = SkillLine(stem, caption, colour, cap);
    line.styles = WeaponStyles(styleText);
    line.description = description;
    return line;
}

// The song hybrids count their weapon styles among their styles, not their skills.
constexpr SpecLineDefinition HybridWeaponLine(std::string_view stem, std::string_view caption, Rgb colour,
                                              std::string_view styleText, const DescriptionMessage& description) {
    SpecLineDefinition line = WeaponLine(stem, caption, colour, styleText, &description);
    line.abilitiesKind = AbilitiesKind::Styles;
    return line;
}

// Every class naming the line "Shield" draws its stuns from the shield schedule under the same words.
constexpr SpecLineDefinition ShieldLine(Rgb colour, const DescriptionMessage* description = nullptr) {
    SpecLineDefinition line = SkillLine("Shield", "Shields", colour);
    line.styles = ShieldStyles("Shields styles 1->");
    line.description = description;
    return line;
}

constexpr SpecLineDefinition OpensAt(std::int16_t level, SpecLineDefinition line) {
    line.availableFromLevel = level;
    return line;
}

constexpr SpecLineDefinition ParryLine(std::int16_t openingLevel = 1, LineCap cap = LineCap::CharacterLevel) {
    return OpensAt(openingLevel, OpenOrClosedLine("Parry", "Parry", colour::kBlack, cap));
}

// The healing hybrids list Parry among their spells.
constexpr SpecLineDefinition HybridParryLine(std::int16_t openingLevel) {
    SpecLineDefinition line = OpensAt(openingLevel, OpenOrClosedLine("Parry", "Parry", colour::kPurple));
    line.abilitiesKind = AbilitiesKind::Spells;
    return line;
}

inline constexpr SpecLineDefinition kAlbionCrushing =
    WeaponLine("Crushing", "Crushing", colour::kDarkGreen, "Crushing styles 1->");
inline constexpr SpecLineDefinition kAlbionSlashing =
    WeaponLine("Slashing", "Slashing", colour::kBlue, "Slashing Weapons styles 1->");
inline constexpr SpecLineDefinition kAlbionHalfSlashing = WeaponLine(
    "Slashing", "Slashing", colour::kBlue, "Slashing Weapons styles 1->", nullptr, LineCap::HalfCharacterLevel);
inline constexpr SpecLineDefinition kAlbionThrusting =
    WeaponLine("Thrusting", "Thrusting", colour::kPurple, "Thrusting styles 1->");
inline constexpr SpecLineDefinition kAlbionHalfThrusting =
    WeaponLine("Thrusting", "Thrusting", colour::kPurple, "Thrusting styles 1->", nullptr, LineCap::HalfCharacterLevel);
inline constexpr SpecLineDefinition kAlbionShield = ShieldLine(colour::kDarkGrey);

inline constexpr SpecLineDefinition kMidgardAxes = WeaponLine("Axes", "Axes", colour::kPurple, "Axes styles 1->");
inline constexpr SpecLineDefinition kMidgardHammers =
    WeaponLine("Hammers", "Hammers", colour::kDarkGrey, "Hammers Weapons styles 1->");
inline constexpr SpecLineDefinition kMidgardSwords =
    WeaponLine("Swords", "Swords", colour::kBlue, "Swords Weapons styles 1->");
inline constexpr SpecLineDefinition kMidgardHalfSwords =
    WeaponLine("Swords", "Swords", colour::kBlue, "Swords Weapons styles 1->", nullptr, LineCap::HalfCharacterLevel);
inline constexpr SpecLineDefinition kMidgardParryWithoutStyles = SkillLine("Parry", "Parry", colour::kDarkRed);
inline constexpr SpecLineDefinition kMidgardStealth = SkillLine("Stealth", "Stealth", colour::kDarkRed);

}  // namespace vantrell::catalog::classes
