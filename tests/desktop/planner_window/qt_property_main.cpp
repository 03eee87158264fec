#include <QApplication>
#include <gtest/gtest.h>

// The window properties click real widgets: they need one application object,
// the offscreen platform unless another is asked for, and the program's style,
// whose scroll bars step by one on a trough click.
int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    QApplication::setStyle("Fusion");
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
