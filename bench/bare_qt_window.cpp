// The start-up benchmark's yardstick: Qt showing one empty main window and
// nothing else. It takes the size of Vantrell's main window, so both programs
// paint the same area; whatever Vantrell costs beyond this is its own.
// With --one-label the window holds one line of text, which tells how much of
// that is what any Qt program pays to load and draw its first font.
#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <cstring>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QMainWindow window;
    if (argc > 1 && std::strcmp(argv[1], "--one-label") == 0) window.setCentralWidget(new QLabel("Vantrell"));
    constexpr int kTwipsPerInch = 1440;
    const int dpi = window.logicalDpiY();
    window.resize(9300 * dpi / kTwipsPerInch, 5300 * dpi / kTwipsPerInch);
    window.show();
    return QApplication::exec();
}
