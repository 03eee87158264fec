#include "core/catalog/colour_contrast.h"

#include <algorithm>
#include <cmath>

namespace vantrell::catalog {
namespace {

double Linear(std::uint8_t channel) {
    const double value = channel / 255.0;
    return value <= 0.04045 ? value / 12.92 : std::pow((value + 0.055) / 1.055, 2.4);
}

struct Hsl {
    double hue = 0;  // in sixths of the circle, [0, 6)
    double saturation = 0;
    double lightness = 0;
};

Hsl ToHsl(Rgb colour) {
    const double red = colour.red / 255.0;
    const double green = colour.green / 255.0;
    const double blue = colour.blue / 255.0;
    const double high = std::max({red, green, blue});
    const double low = std::min({red, green, blue});
    const double chroma = high - low;
    Hsl hsl;
    hsl.lightness = (high + low) / 2;
    if (chroma == 0) return hsl;
    hsl.saturation = chroma / (1 - std::abs(2 * hsl.lightness - 1));
    if (high == red) {
        hsl.hue = std::fmod((green - blue) / chroma + 6, 6);
    } else if (high == green) {
        hsl.hue = (blue - red) / chroma + 2;
    } else {
        hsl.hue = (red - green) / chroma + 4;
    }
    return hsl;
}

Rgb ToRgb(const Hsl& hsl) {
    const double chroma = (1 - std::abs(2 * hsl.lightness - 1)) * hsl.saturation;
    const double second = chroma * (1 - std::abs(std::fmod(hsl.hue, 2) - 1));
    double red = 0, green = 0, blue = 0;
    switch (static_cast<int>(hsl.hue)) {
    case 0: red = chroma, green = second; break;
    case 1: red = second, green = chroma; break;
    case 2: green = chroma, blue = second; break;
    case 3: green = second, blue = chroma; break;
    case 4: red = second, blue = chroma; break;
    default: red = chroma, blue = second; break;
    }
    const double low = hsl.lightness - chroma / 2;
    const auto channel = [low](double value) {
        return static_cast<std::uint8_t>(std::lround(std::clamp(value + low, 0.0, 1.0) * 255));
    };
    return {channel(red), channel(green), channel(blue)};
}

}  // namespace

double RelativeLuminance(Rgb colour) {
    return 0.2126 * Linear(colour.red) + 0.7152 * Linear(colour.green) + 0.0722 * Linear(colour.blue);
}

double ContrastRatio(Rgb first, Rgb second) {
    const double one = RelativeLuminance(first);
    const double other = RelativeLuminance(second);
    return (std::max(one, other) + 0.05) / (std::min(one, other) + 0.05);
}

Rgb ReadableOn(Rgb colour, Rgb surface) {
    if (ContrastRatio(colour, surface) >= kTextContrast) return colour;
    constexpr Rgb kWhite{255, 255, 255};
    constexpr Rgb kBlack{0, 0, 0};
    const bool lighten = ContrastRatio(kWhite, surface) >= ContrastRatio(kBlack, surface);
    // Steps of a hundredth of lightness: no step changes the colour by more than a few levels a channel.
    Hsl hsl = ToHsl(colour);
    const double step = lighten ? 0.01 : -0.01;
    for (int moved = 0; moved < 100; ++moved) {
        hsl.lightness = std::clamp(hsl.lightness + step, 0.0, 1.0);
        const Rgb candidate = ToRgb(hsl);
        if (ContrastRatio(candidate, surface) >= kTextContrast) return candidate;
    }
    return lighten ? kWhite : kBlack;
}

}  // namespace vantrell::catalog
