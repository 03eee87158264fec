#pragma once

#include <QAction>
#include <QKeySequence>
#include <QString>
#include <QWidget>
#include <string_view>

namespace vantrell::toolkit {

// A command of `window`, its shortcut taken only while the window or one of its children has the focus:
// each open window has its own plan to act on.
QAction* AddWindowAction(QWidget& window, std::string_view text, const QKeySequence& keys = {});

}  // namespace vantrell::toolkit
