#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

namespace vantrell::catalog {

enum class Realm : std::uint8_t { Albion, Hibernia, Midgard };

inline constexpr Realm kRealms[] = {Realm::Albion, Realm::Hibernia, Realm::Midgard};

constexpr std::string_view RealmName(Realm realm) {
    switch (realm) {
    case Realm::Albion: return "Albion";
    case Realm::Hibernia: return "Hibernia";
    case Realm::Midgard: return "Midgard";
    }
    return {};
}

constexpr std::optional<Realm> RealmNamed(std::string_view name) {
    for (Realm realm : kRealms) {
        if (RealmName(realm) == name) return realm;
    }
    return std::nullopt;
}

struct Rgb {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;
    friend constexpr bool operator==(const Rgb&, const Rgb&) = default;
};

namespace colour {
inline constexpr Rgb kBlack{0, 0, 0};
inline constexpr Rgb kBlue{0, 0, 255};
inline constexpr Rgb kDarkGreen{0, 64, 0};
inline constexpr Rgb kPurple{128, 0, 128};
inline constexpr Rgb kMaroon{128, 0, 0};
inline constexpr Rgb kDarkRed{64, 0, 0};
inline constexpr Rgb kRed{192, 0, 0};
inline constexpr Rgb kDarkGrey{64, 64, 64};
}  // namespace colour

enum class AbilitiesKind : std::uint8_t { Spells, Styles, Skills };

constexpr std::string_view AbilitiesKindSuffix(AbilitiesKind kind) {
    switch (kind) {
    case AbilitiesKind::Spells: return "Spells";
    case AbilitiesKind::Styles: return "Styles";
    case AbilitiesKind::Skills: return "Skills";
    }
    return {};
}

enum class LineCap : std::uint8_t { None, CharacterLevel, HalfCharacterLevel };

struct PointsRule {
    double multiplier = 1.0;
};

struct AbilityBand {
    std::int16_t lowLevel = 0;
    // Empty for a last band that holds for every higher level.
    std::optional<std::int16_t> highLevel{};
    std::string_view text{};
};

// One band of a shared style schedule: the band's number is appended to the
// line's own style text, so the schedule is held once for every line using it.
struct StyleBand {
    std::int16_t lowLevel = 0;
    std::optional<std::int16_t> highLevel{};
};

struct StyleSchedule {
    std::string_view name{};
    std::span<const StyleBand> bands{};
};

struct DescriptionMessage {
    std::string_view title{};
    std::span<const std::string_view> bodyLines{};
};

// A line's ability table is either its own list of bands or a shared style
// schedule with the line's style text ("Crushing styles 1->").
struct StyleScheduleUse {
    const StyleSchedule* schedule = nullptr;
    std::string_view styleText{};
};

struct SpecLineDefinition {
    std::string_view stem{};
    std::string_view caption{};
    Rgb captionColour{};
    std::optional<Rgb> abilitiesColour{};
    std::optional<AbilitiesKind> abilitiesKind{};
    std::span<const AbilityBand> bands{};
    StyleScheduleUse styles{};
    const DescriptionMessage* description = nullptr;
    LineCap cap = LineCap::None;
    std::int16_t availableFromLevel = 1;
    std::optional<std::string_view> availableText{};
};

struct ClassDefinition {
    std::string_view listName{};
    Realm realm = Realm::Albion;
    std::string_view titleCaption{};
    PointsRule pointsRule{};
    std::string_view pointsPerLevelCaption{};
    std::string_view pointsPerLevelText{};
    std::span<const SpecLineDefinition> lines{};
    // Stems in the order a level change refreshes the lines; empty means screen order.
    std::span<const std::string_view> levelRefreshOrder{};
    // Stems in the order the slider maxima are recomputed; empty means screen order.
    std::span<const std::string_view> maximaOrder{};
    bool statsFrameStartsDisabled = false;
};

// Where the line named `stem` stands in screen order; nothing for a stem the class does not have.
constexpr std::optional<std::size_t> LineIndexOf(const ClassDefinition& definition, std::string_view stem) {
    for (std::size_t index = 0; index < definition.lines.size(); ++index) {
        if (definition.lines[index].stem == stem) return index;
    }
    return std::nullopt;
}

}  // namespace vantrell::catalog
