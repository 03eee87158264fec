#pragma once

#include <QFont>
#include <QStringList>

namespace vantrell::window {

// The faces the windows were drawn with, each followed by free look-alikes.
inline const QStringList kSansFaces{"MS Sans Serif", "Liberation Sans", "DejaVu Sans"};
inline const QStringList kArialFaces{"Arial", "Liberation Sans", "DejaVu Sans"};
inline const QStringList kSerifFaces{"Times New Roman", "Liberation Serif", "DejaVu Serif"};
inline const QStringList kSmallFaces{"Small Fonts", "Liberation Sans", "DejaVu Sans"};

struct FontStyle {
    bool bold = false;
    bool italic = false;
};

QFont FontOf(const QStringList& faces, double pointSize, FontStyle style = {});

}  // namespace vantrell::window
