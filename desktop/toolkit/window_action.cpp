#include "desktop/toolkit/window_action.h"

#include "desktop/toolkit/qt_text.h"

namespace vantrell::toolkit {

QAction* AddWindowAction(QWidget& window, std::string_view text, const QKeySequence& keys) {
    auto* action = new QAction(ToQString(text), &window);
    action->setShortcut(keys);
    action->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    window.addAction(action);
    return action;
}

}  // namespace vantrell::toolkit
