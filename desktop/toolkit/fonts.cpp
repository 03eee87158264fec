#include "desktop/toolkit/fonts.h"

namespace vantrell::toolkit {

QFont FontOf(const QStringList& faces, double pointSize, FontStyle style) {
    QFont font;
    font.setFamilies(faces);
    font.setPointSizeF(pointSize);
    font.setBold(style.bold);
    font.setItalic(style.italic);
    return font;
}

}  // namespace vantrell::toolkit
