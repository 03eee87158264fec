#pragma once

#include <QMdiSubWindow>

#include "desktop/toolkit/twips.h"

namespace vantrell::shell {

// A child of the main window with a thin fixed border and no title bar: the
// user can neither move, resize nor close it.
class FixedChildWindow : public QMdiSubWindow {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(FixedChildWindow)

public:
    FixedChildWindow(QWidget* content, const toolkit::TwipRect& placement, QWidget* parent = nullptr);
    ~FixedChildWindow() override = default;

    QWidget* content() const { return content_; }
    void Place(const toolkit::TwipRect& placement);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    QWidget* content_;
};

}  // namespace vantrell::shell
