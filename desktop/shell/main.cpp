#include <QApplication>
#include <QMessageBox>
#include <QTimer>
#include <iostream>
#include <memory>
#include <optional>

#include "core/texts/shell_texts.h"
#include "desktop/shell/language_choice.h"
#include "desktop/toolkit/look.h"
#include "desktop/shell/main_window.h"
#include "desktop/shell/max_button.h"
#include "desktop/toolkit/qt_text.h"
#include "vantrell_version.h"

namespace {

using vantrell::shell::MainWindow;

// The one main window; made again, where it stood, when another language is chosen.
std::unique_ptr<MainWindow> mainWindow;

void ShowMainWindow(const std::optional<QPoint>& at) {
    mainWindow = std::make_unique<MainWindow>();
    if (at) mainWindow->move(*at);
    QObject::connect(mainWindow.get(), &MainWindow::languageChosen, mainWindow.get(), [](const QString& code) {
        vantrell::shell::RememberLanguage(code.toStdString());
        // After the signal's handlers are done: the window that sent it goes.
        QTimer::singleShot(0, [code] {
            const QPoint at = mainWindow->pos();
            // Its saved plans' file is let go before the next window takes it.
            mainWindow.reset();
            vantrell::shell::ApplyLanguage(code.toStdString());
            ShowMainWindow(at);
        });
    });
    mainWindow->show();
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(vantrell::toolkit::ToQString(vantrell::texts::shell::kProgramName));
    QApplication::setApplicationVersion(vantrell::toolkit::ToQString(vantrell::kVersion));
    vantrell::toolkit::ApplyLook(application);
    vantrell::shell::ApplyLanguage(vantrell::shell::StartLanguage());
    try {
        ShowMainWindow(std::nullopt);
        const int status = QApplication::exec();
        mainWindow.reset();
        return status;
    } catch (const vantrell::shell::WindowError& error) {
        // A failure during start-up ends the program with its message.
        std::cerr << error.source() << ": " << error.what() << '\n';
        QMessageBox::critical(nullptr, QApplication::applicationName(), QString::fromStdString(error.what()));
        return 1;
    }
}
