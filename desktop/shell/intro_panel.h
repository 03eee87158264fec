#pragma once

#include <QString>
#include <QWidget>
#include <functional>

namespace vantrell::shell {

// The introduction shown right of the selector until a class window covers it.
class IntroPanel : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(IntroPanel)

public:
    explicit IntroPanel(std::function<void(const QString&)> openLink, QWidget* parent = nullptr);
    ~IntroPanel() override = default;

private:
    std::function<void(const QString&)> openLink_;
};

}  // namespace vantrell::shell
