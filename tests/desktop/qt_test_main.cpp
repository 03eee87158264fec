#include <QApplication>
#include <QStandardPaths>
#include <gtest/gtest.h>

#include "desktop/toolkit/look.h"

// Widget tests need one application object, on the offscreen platform unless
// another is asked for, with the program's own look: its style decides how far a
// scroll bar steps on a trough click and how wide the controls draw.
int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    // Whatever a test saves stays out of the user's own folders.
    QStandardPaths::setTestModeEnabled(true);
    vantrell::toolkit::ApplyLook(application);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
