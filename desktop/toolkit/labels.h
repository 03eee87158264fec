#pragma once

#include <QColor>
#include <QFont>
#include <QLabel>
#include <QString>
#include <optional>

#include "desktop/toolkit/twips.h"

namespace vantrell::toolkit {

struct LabelStyle {
    Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter;
    std::optional<QFont> font{};
    std::optional<QColor> colour{};
    bool wordWrap = false;
    QString name{};
};

// Shows `widget`'s text in `colour` whether it is enabled or not, so a
// disabled line keeps its identity.
void SetTextColour(QWidget& widget, const QColor& colour);

void SetUpLabel(QLabel& label, const QString& text, const TwipRect& rect, const LabelStyle& style);

// A new label of type `Label` (a QLabel or one derived from it) placed in `parent`.
template <class Label = QLabel>
Label* AddLabel(QWidget* parent, const QString& text, const TwipRect& rect, const LabelStyle& style = {}) {
    auto* label = new Label(parent);
    SetUpLabel(*label, text, rect, style);
    return label;
}

}  // namespace vantrell::toolkit
