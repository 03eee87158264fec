#include "desktop/toolkit/labels.h"

#include <QPalette>

namespace vantrell::toolkit {

void SetTextColour(QWidget& widget, const QColor& colour) {
    QPalette palette = widget.palette();
    palette.setColor(QPalette::WindowText, colour);
    palette.setColor(QPalette::Disabled, QPalette::WindowText, colour);
    widget.setPalette(palette);
}

void SetUpLabel(QLabel& label, const QString& text, const TwipRect& rect, const LabelStyle& style) {
    label.setText(text);
    label.setAlignment(style.alignment);
    label.setWordWrap(style.wordWrap);
    if (style.font) label.setFont(*style.font);
    if (style.colour) SetTextColour(label, *style.colour);
    if (!style.name.isEmpty()) label.setObjectName(style.name);
    PlaceInTwips(label, rect);
}

}  // namespace vantrell::toolkit
