// The class colours on either scheme's surface: readable, and still the same hues.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <optional>
#include <set>
#include <string>
#include <tuple>

#include "core/catalog/class_catalog.h"
#include "core/catalog/colour_contrast.h"

namespace vantrell::catalog {
namespace {

constexpr Rgb kWhite{255, 255, 255};
constexpr Rgb kBlack{0, 0, 0};
// The light scheme's window, the darkest surface it writes a class's colours on.
constexpr Rgb kLightSchemeWindow{0xef, 0xef, 0xef};

std::string Hex(Rgb colour) {
    char text[8];
    std::snprintf(text, sizeof text, "#%02x%02x%02x", colour.red, colour.green, colour.blue);
    return text;
}

// Degrees round the colour wheel; nothing for a grey.
std::optional<double> HueOf(Rgb colour) {
    const int high = std::max({colour.red, colour.green, colour.blue});
    const int low = std::min({colour.red, colour.green, colour.blue});
    if (high == low) return std::nullopt;
    const double x = colour.red - (colour.green + colour.blue) / 2.0;
    const double y = std::sqrt(3.0) / 2 * (colour.green - colour.blue);
    return std::fmod(std::atan2(y, x) * 180 / std::acos(-1.0) + 360, 360);
}

std::set<std::tuple<int, int, int>> CatalogColours() {
    std::set<std::tuple<int, int, int>> colours{{colour::kBlue.red, colour::kBlue.green, colour::kBlue.blue}};
    for (const ClassDefinition* definition : ClassCatalog::AllClasses()) {
        for (const SpecLineDefinition& line : definition->lines) {
            for (const Rgb colour : {line.captionColour, line.abilitiesColour.value_or(line.captionColour)})
                colours.emplace(colour.red, colour.green, colour.blue);
        }
    }
    return colours;
}

TEST(ColourContrast, RatiosMatchTheKnownReferencePoints) {
    EXPECT_DOUBLE_EQ(ContrastRatio(kBlack, kWhite), 21.0);
    EXPECT_DOUBLE_EQ(ContrastRatio(kWhite, kBlack), 21.0);
    EXPECT_DOUBLE_EQ(ContrastRatio(colour::kBlue, colour::kBlue), 1.0);
    // #767676 is the lightest grey that reads on white, #777777 the first that does not.
    EXPECT_GE(ContrastRatio({0x76, 0x76, 0x76}, kWhite), kTextContrast);
    EXPECT_LT(ContrastRatio({0x77, 0x77, 0x77}, kWhite), kTextContrast);
    EXPECT_NEAR(ContrastRatio(colour::kBlue, kWhite), 8.59, 0.01);
}

TEST(ColourContrast, EveryCatalogColourReadsOnBothSchemes) {
    for (const auto& [red, green, blue] : CatalogColours()) {
        const Rgb colour{static_cast<std::uint8_t>(red), static_cast<std::uint8_t>(green),
                         static_cast<std::uint8_t>(blue)};
        SCOPED_TRACE(Hex(colour));
        // The light scheme shows the catalog's own colours.
        EXPECT_EQ(ReadableOn(colour, kLightSchemeWindow), colour);
        EXPECT_EQ(ReadableOn(colour, kWhite), colour);

        const Rgb dark = ReadableOn(colour, kDarkSchemeSurface);
        SCOPED_TRACE(Hex(dark));
        EXPECT_GE(ContrastRatio(dark, kDarkSchemeSurface), kTextContrast);
        // Made light enough, not lighter: the lines stay told apart by their colours.
        EXPECT_LT(ContrastRatio(dark, kDarkSchemeSurface), kTextContrast + 0.5);
        EXPECT_GT(RelativeLuminance(dark), RelativeLuminance(colour));
        const auto hue = HueOf(colour);
        const auto darkHue = HueOf(dark);
        ASSERT_EQ(hue.has_value(), darkHue.has_value());
        if (hue) {
            EXPECT_NEAR(std::remainder(*darkHue - *hue, 360.0), 0.0, 3.0);
        }
    }
}

TEST(ColourContrast, AColourThatFailsOnALightSurfaceIsDarkened) {
    const Rgb yellow{0xff, 0xd7, 0x00};
    const Rgb readable = ReadableOn(yellow, kWhite);
    EXPECT_GE(ContrastRatio(readable, kWhite), kTextContrast);
    EXPECT_LT(RelativeLuminance(readable), RelativeLuminance(yellow));
    EXPECT_NEAR(std::remainder(*HueOf(readable) - *HueOf(yellow), 360.0), 0.0, 3.0);
    // A colour that already reads on the dark surface comes back as it is.
    EXPECT_EQ(ReadableOn(yellow, kDarkSchemeSurface), yellow);
}

}  // namespace
}  // namespace vantrell::catalog
