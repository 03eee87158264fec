#include "desktop/shell/fixed_child_window.h"

#include <QCloseEvent>
#include <QFrame>
#include <QVBoxLayout>

namespace vantrell::shell {

FixedChildWindow::FixedChildWindow(QWidget* content, const toolkit::TwipRect& placement, QWidget* parent)
    : QMdiSubWindow(parent, Qt::SubWindow | Qt::FramelessWindowHint), content_(content) {
    setObjectName(content->objectName() + "Child");
    auto* border = new QFrame(this);
    border->setFrameStyle(QFrame::Panel | QFrame::Raised);
    border->setLineWidth(1);
    auto* layout = new QVBoxLayout(border);
    layout->setContentsMargins(border->frameWidth(), border->frameWidth(), border->frameWidth(), border->frameWidth());
    layout->addWidget(content);
    setWidget(border);
    setAttribute(Qt::WA_DeleteOnClose, false);
    Place(placement);
}

void FixedChildWindow::Place(const toolkit::TwipRect& placement) {
    const QRect pixels = toolkit::ToPixels(placement, logicalDpiY());
    setFixedSize(pixels.size());
    move(pixels.topLeft());
}

void FixedChildWindow::closeEvent(QCloseEvent* event) { event->ignore(); }

}  // namespace vantrell::shell
