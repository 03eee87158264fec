#pragma once

#include "core/catalog/records.h"
#include "core/catalog/style_schedules.h"

// Lines that several classes of a realm share word for word.
namespace vantrell::catalog::classes {

// The Hibernian casters' spell lines differ only in their words, colours and tables.
constexpr SpecLineDefinition SpellLine(std::string_view stem, std::string_view caption, Rgb colour,
                                       std::span<const AbilityBand> bands, const DescriptionMessage& description) {
    return {.stem = stem,
            .caption = caption,
            .captionColour = colour,
            .abilitiesColour = std::nullopt,
            .abilitiesKind = AbilitiesKind::Spells,
            .bands = bands,
            .styles = {},
            .description = &description};
}

inline constexpr SpecLineDefinition kAlbionCrushing{
    .stem = "Crushing",
    .caption = "Crushing",
    .captionColour = colour::kDarkGreen,
    .abilitiesKind = AbilitiesKind::Skills,
    .styles = WeaponStyles("Crushing styles 1->"),
    .cap = LineCap::CharacterLevel,
};

inline constexpr SpecLineDefinition kAlbionHalfSlashing{
    .stem = "Slashing",
    .caption = "Slashing",
    .captionColour = colour::kBlue,
    .abilitiesKind = AbilitiesKind::Skills,
    .styles = WeaponStyles("Slashing Weapons styles 1->"),
    .cap = LineCap::HalfCharacterLevel,
};

inline constexpr SpecLineDefinition kAlbionHalfThrusting{
    .stem = "Thrusting",
    .caption = "Thrusting",
    .captionColour = colour::kPurple,
    .abilitiesKind = AbilitiesKind::Skills,
    .styles = WeaponStyles("Thrusting styles 1->"),
    .cap = LineCap::HalfCharacterLevel,
};

inline constexpr SpecLineDefinition kAlbionShield{
    .stem = "Shield",
    .caption = "Shields",
    .captionColour = colour::kDarkGrey,
    .abilitiesKind = AbilitiesKind::Skills,
    .styles = ShieldStyles("Shields styles 1->"),
    .cap = LineCap::CharacterLevel,
};

inline constexpr SpecLineDefinition kAlbionSlashing{
    .stem = "Slashing",
    .caption = "Slashing",
    .captionColour = colour::kBlue,
    .abilitiesKind = AbilitiesKind::Skills,
    .styles = WeaponStyles("Slashing Weapons styles 1->"),
    .cap = LineCap::CharacterLevel,
};

inline constexpr SpecLineDefinition kAlbionThrusting{
    .stem = "Thrusting",
    .caption = "Thrusting",
    .captionColour = colour::kPurple,
    .abilitiesKind = AbilitiesKind::Skills,
    .styles = WeaponStyles("Thrusting styles 1->"),
    .cap = LineCap::CharacterLevel,
};

inline constexpr SpecLineDefinition kHiberniaParry{
    .stem = "Parry",
    .caption = "Parry",
    .captionColour = colour::kBlack,
    .abilitiesColour = std::nullopt,
    .abilitiesKind = AbilitiesKind::Skills,
    .cap = LineCap::CharacterLevel,
    .availableText = "Parry",
};

inline constexpr SpecLineDefinition kMidgardAxes{
    .stem = "Axes",
    .caption = "Axes",
    .captionColour = colour::kPurple,
    .abilitiesKind = AbilitiesKind::Skills,
    .styles = WeaponStyles("Axes styles 1->"),
    .cap = LineCap::CharacterLevel,
};

inline constexpr SpecLineDefinition kMidgardHalfSwords{
    .stem = "Swords",
    .caption = "Swords",
    .captionColour = colour::kBlue,
    .abilitiesKind = AbilitiesKind::Skills,
    .styles = WeaponStyles("Swords Weapons styles 1->"),
    .cap = LineCap::HalfCharacterLevel,
};

inline constexpr SpecLineDefinition kMidgardHammers{
    .stem = "Hammers",
    .caption = "Hammers",
    .captionColour = colour::kDarkGrey,
    .abilitiesKind = AbilitiesKind::Skills,
    .styles = WeaponStyles("Hammers Weapons styles 1->"),
    .cap = LineCap::CharacterLevel,
};

inline constexpr SpecLineDefinition kMidgardParryWithoutStyles{
    .stem = "Parry",
    .caption = "Parry",
    .captionColour = colour::kDarkRed,
    .abilitiesKind = AbilitiesKind::Skills,
    .cap = LineCap::CharacterLevel,
};

inline constexpr SpecLineDefinition kMidgardStealth{
    .stem = "Stealth",
    .caption = "Stealth",
    .captionColour = colour::kDarkRed,
    .abilitiesKind = AbilitiesKind::Skills,
    .cap = LineCap::CharacterLevel,
};

inline constexpr SpecLineDefinition kMidgardSwords{
    .stem = "Swords",
    .caption = "Swords",
    .captionColour = colour::kBlue,
    .abilitiesKind = AbilitiesKind::Skills,
    .styles = WeaponStyles("Swords Weapons styles 1->"),
    .cap = LineCap::CharacterLevel,
};

}  // namespace vantrell::catalog::classes
