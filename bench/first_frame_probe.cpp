// Preloaded into a Qt program by the start-up benchmark. Once the program has
// painted its first frame, it writes one byte to the descriptor named by
// VANTRELL_FIRST_FRAME_FD, so the benchmark can stop its clock without the
// program under test carrying a hook of its own. Without that variable it does nothing.
#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <cstdlib>
#include <unistd.h>

namespace {

class FirstFrameProbe : public QObject {
public:
    FirstFrameProbe(int descriptor, QObject* parent) : QObject(parent), descriptor_(descriptor) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        // Any widget will do: a window whose children cover it is never painted itself.
        if (!seen_ && event->type() == QEvent::Paint && watched->isWidgetType()) {
            seen_ = true;
            // The frame reaches the screen only when the whole paint pass is done: report after it.
            QTimer::singleShot(0, this, [this] {
                const char shown = 'S';
                if (write(descriptor_, &shown, 1) != 1) std::_Exit(3);
                close(descriptor_);
            });
        }
        return false;
    }

private:
    int descriptor_;
    bool seen_ = false;
};

void InstallProbe() {
    const char* descriptor = std::getenv("VANTRELL_FIRST_FRAME_FD");
    if (descriptor == nullptr || QCoreApplication::instance() == nullptr) return;
    auto* application = QCoreApplication::instance();
    application->installEventFilter(new FirstFrameProbe(std::atoi(descriptor), application));
}

}  // namespace

Q_COREAPP_STARTUP_FUNCTION(InstallProbe)
