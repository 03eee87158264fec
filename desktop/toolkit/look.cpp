#include "desktop/toolkit/look.h"

#include <QApplication>
#include <QStyle>
#include <QStyleFactory>

namespace vantrell::toolkit {

void ApplyLook(QApplication& application) {
    QStyle* fusion = QStyleFactory::create("Fusion");
    application.setStyle(fusion);
    application.setPalette(fusion->standardPalette());
}

}  // namespace vantrell::toolkit
