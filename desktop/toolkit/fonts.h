#pragma once

#include <QFont>
#include <QStringList>

namespace vantrell::toolkit {

// Free faces with the metrics of the ones the windows were drawn with come first:
// they are installed with the program and found at once, which shortens start-up.
// The original faces and DejaVu stand behind them.
inline const QStringList kSansFaces{"Liberation Sans", "MS Sans Serif", "DejaVu Sans"};
inline const QStringList kArialFaces{"Liberation Sans", "Arial", "DejaVu Sans"};
inline const QStringList kSerifFaces{"Liberation Serif", "Times New Roman", "DejaVu Serif"};
inline const QStringList kSmallFaces{"Liberation Sans", "Small Fonts", "DejaVu Sans"};

struct FontStyle {
    bool bold = false;
    bool italic = false;
};

QFont FontOf(const QStringList& faces, double pointSize, FontStyle style = {});

}  // namespace vantrell::toolkit
