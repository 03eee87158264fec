#pragma once

#include "core/catalog/records.h"

namespace vantrell::catalog {

// The contrast ratio the catalog's text colours keep with the surface they are
// written on, whichever colour scheme a front end shows.
inline constexpr double kTextContrast = 4.5;

// The lightest surface a dark scheme writes a class's colours on; any darker
// surface only raises their contrast.
inline constexpr Rgb kDarkSchemeSurface{0x2b, 0x2b, 0x2b};

// 0 for black to 1 for white, as perceived.
double RelativeLuminance(Rgb colour);
// From 1 for equal luminance to 21 for black on white, in either order.
double ContrastRatio(Rgb first, Rgb second);

// The colour itself where it already reads on `surface`; otherwise the same hue
// and saturation made just light enough (on a dark surface) or dark enough (on
// a light one) to keep kTextContrast.
Rgb ReadableOn(Rgb colour, Rgb surface);

}  // namespace vantrell::catalog
