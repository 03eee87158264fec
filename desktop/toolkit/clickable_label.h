#pragma once

#include <QLabel>

namespace vantrell::toolkit {

class ClickableLabel : public QLabel {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ClickableLabel)

public:
    explicit ClickableLabel(QWidget* parent = nullptr);
    ~ClickableLabel() override = default;

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
};

}  // namespace vantrell::toolkit
