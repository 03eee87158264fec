#include "desktop/toolkit/twips.h"

#include <QWidget>
#include <algorithm>
#include <cmath>

namespace vantrell::toolkit {

int TwipsToPixels(int twips, int logicalDpi) {
    return static_cast<int>(std::lround(static_cast<double>(twips) * logicalDpi / kTwipsPerInch));
}

int PixelsToTwips(int pixels, int logicalDpi) {
    return static_cast<int>(std::lround(static_cast<double>(pixels) * kTwipsPerInch / logicalDpi));
}

QRect ToPixels(const TwipRect& rect, int logicalDpi) {
    return {TwipsToPixels(rect.left, logicalDpi), TwipsToPixels(rect.top, logicalDpi),
            TwipsToPixels(rect.width, logicalDpi), TwipsToPixels(rect.height, logicalDpi)};
}

void PlaceInTwips(QWidget& widget, const TwipRect& rect) { widget.setGeometry(ToPixels(rect, widget.logicalDpiY())); }

int FittedWidth(const QWidget& widget, const QString& text, int minimum) {
    const int pixels = widget.fontMetrics().horizontalAdvance(text) + 4;
    return std::max(minimum, PixelsToTwips(pixels, widget.logicalDpiY()));
}

}  // namespace vantrell::toolkit
