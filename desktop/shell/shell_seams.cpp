#include "desktop/shell/shell_seams.h"

#include <QDesktopServices>
#include <QUrl>

namespace vantrell::app {

ShellSeams DesktopSeams() {
    return {toolkit::ModalMessageBox(), [](const QString& link) {
                // Nothing is reported when no handler is registered.
                QDesktopServices::openUrl(QUrl(link, QUrl::TolerantMode));
            }};
}

}  // namespace vantrell::app
