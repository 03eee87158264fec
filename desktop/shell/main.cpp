#include <QApplication>
#include <QMessageBox>
#include <iostream>

#include "core/texts/shell_texts.h"
#include "desktop/toolkit/look.h"
#include "desktop/shell/main_window.h"
#include "desktop/shell/max_button.h"
#include "desktop/toolkit/qt_text.h"
#include "vantrell_version.h"

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(vantrell::toolkit::ToQString(vantrell::texts::shell::kProgramName));
    QApplication::setApplicationVersion(vantrell::toolkit::ToQString(vantrell::kVersion));
    vantrell::toolkit::ApplyLook(application);
    try {
        vantrell::shell::MainWindow window;
        window.show();
        return QApplication::exec();
    } catch (const vantrell::shell::WindowError& error) {
        // A failure during start-up ends the program with its message.
        std::cerr << error.source() << ": " << error.what() << '\n';
        QMessageBox::critical(nullptr, QApplication::applicationName(), QString::fromStdString(error.what()));
        return 1;
    }
}
