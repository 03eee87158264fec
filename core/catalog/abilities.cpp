#include "core/catalog/abilities.h"

namespace vantrell::catalog {
namespace {

template <typename Band>
constexpr bool Holds(const Band& band, std::int16_t level) {
    return band.lowLevel <= level && (!band.highLevel || level <= *band.highLevel);
}

std::string ScheduleTextFor(const StyleScheduleUse& styles, std::int16_t level) {
    const auto bands = styles.schedule->bands;
    for (std::size_t i = 0; i < bands.size(); ++i) {
        if (Holds(bands[i], level)) return std::string(styles.styleText) + std::to_string(i + 1);
    }
    return {};
}

}  // namespace

std::string AbilitiesTextFor(const SpecLineDefinition& line, std::int16_t level) {
    if (line.styles.schedule != nullptr) return ScheduleTextFor(line.styles, level);
    for (const AbilityBand& band : line.bands) {
        if (Holds(band, level)) return std::string(band.text);
    }
    return {};
}

std::string ExplanationText(const DescriptionMessage& message, std::string_view lineBreak) {
    std::string text;
    for (std::size_t i = 0; i < message.bodyLines.size(); ++i) {
        if (i > 0) text += lineBreak;
        text += message.bodyLines[i];
    }
    return text;
}

}  // namespace vantrell::catalog
