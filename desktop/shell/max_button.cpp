#include "desktop/shell/max_button.h"

#include <QWidget>

#include "core/texts/desktop_texts.h"

namespace vantrell::shell {

WindowError::WindowError(std::string source, const std::string& description)
    : std::runtime_error(description), source_(std::move(source)) {}

void EnableMaxButton(QWidget* window, bool enable) {
    if (window == nullptr || !window->isWindow()) {
        throw WindowError(std::string(texts::desktop::kMaxButtonErrorSource),
                          std::string(texts::desktop::kInvalidWindowHandle));
    }
    // Spelling the frame's buttons out keeps the others when the maximize hint goes.
    Qt::WindowFlags flags = window->windowFlags() | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                            Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint;
    flags.setFlag(Qt::WindowMaximizeButtonHint, enable);
    const bool wasVisible = window->isVisible();
    window->setWindowFlags(flags);
    if (wasVisible) window->show();
}

}  // namespace vantrell::shell
