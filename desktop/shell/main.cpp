#include <QApplication>
#include <QMessageBox>
#include <iostream>

#include "desktop/shell/look.h"
#include "desktop/shell/main_window.h"
#include "desktop/shell/max_button.h"
#include "desktop/toolkit/qt_text.h"
#include "vantrell_version.h"

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QApplication::setApplicationName("Vantrell");
    QApplication::setApplicationVersion(vantrell::toolkit::ToQString(vantrell::kVersion));
    vantrell::app::ApplyLook(application);
    try {
        vantrell::app::MainWindow window;
        window.show();
        return QApplication::exec();
    } catch (const vantrell::app::WindowError& error) {
        // A failure during start-up ends the program with its message.
        std::cerr << error.source() << ": " << error.what() << '\n';
        QMessageBox::critical(nullptr, "Vantrell", QString::fromStdString(error.what()));
        return 1;
    }
}
