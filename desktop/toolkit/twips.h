#pragma once

#include <QRect>

class QWidget;

namespace vantrell::toolkit {

inline constexpr int kTwipsPerInch = 1440;

struct TwipRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

// Geometry is given in twips; the platform maps 1440 of them to a logical inch.
int TwipsToPixels(int twips, int logicalDpi);
int PixelsToTwips(int pixels, int logicalDpi);
QRect ToPixels(const TwipRect& rect, int logicalDpi);

// `widget`'s geometry within its parent, in twips, converted at its own logical DPI.
void PlaceInTwips(QWidget& widget, const TwipRect& rect);

// At least `minimum` twips, and wide enough for `text` in `widget`'s font.
int FittedWidth(const QWidget& widget, const QString& text, int minimum);

}  // namespace vantrell::toolkit
